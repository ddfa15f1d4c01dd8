#pragma once

#include "protocol/KorvanTime.h"
#include "protocol/ProtocolBaseClass.h"

//==============================================================================
/**
    The generic upload of a firmware file: the image is a sequence of complete System Exclusive
    messages, each sent as it stands, with 300 ms after every one. Nothing is read back.

    Before anything is sent the whole image is checked: it must be nothing but complete messages,
    each F0, data bytes below 80 (hex) and F7, with nothing before, between or after them. A
    damaged image sends nothing and ends with progress 0.0 and "Error: the firmware file is not a
    valid sysex file - nothing was sent".

    While the upload runs the device interface is disabled, so that its selectors cannot be
    changed; it is enabled again when the upload completes. An abort is noticed before each
    message and leaves text, progress and the disabled interface as they were.
*/
class BasicSysexProtocolClass  : public ProtocolBaseClass,
                                 public KorvanTime
{
public:
    //==============================================================================
    /** A protocol on real time. */
    BasicSysexProtocolClass (InterfaceBaseClass* interfaceToUse, FirmwareDescriptor* firmwareToSend);

    /** The same, pacing itself by the given timing, which must outlive the protocol. */
    BasicSysexProtocolClass (InterfaceBaseClass* interfaceToUse, FirmwareDescriptor* firmwareToSend,
                             ProtocolTiming& timingToUse);

    /** Stops the thread, waiting up to 2000 ms before it is ended by force. */
    ~BasicSysexProtocolClass() override;

    //==============================================================================
    void run() override;

    /** An idle protocol resets its progress and starts a run at the default priority; a running
        one only resets a progress of exactly 1.0 to 0.0. */
    void startUpdate() override;

private:
    //==============================================================================
    /** False when the lock was not gained because the thread is being stopped. */
    bool setInterfaceEnabled (bool shouldBeEnabled);

    double progressFraction = 0.0;
    const juce::uint8* position = nullptr;
    juce::CriticalSection progressLock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BasicSysexProtocolClass)
};
