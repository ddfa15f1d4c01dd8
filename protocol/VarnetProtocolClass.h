#pragma once

#include "protocol/ProtocolBaseClass.h"

#include <atomic>

//==============================================================================
/**
    The Varnet's update procedure, run on the protocol thread.

    It announces the upload, sends the image in data messages of at most 12 bytes packed into
    7-bit bytes (two sections with a 100 ms pause between them), ends the upload, shows the burn
    phase for 9.6 s, asks the device for its status until it gives the one expected answer,
    confirms, and for firmware up to version 3.0 waits through the burning of the device's USB part.

    An abort during the upload, or a device that never answers, ends the run with progress 0.0 and
    "Error during update - please try again". Once the upload has ended the device is burning and
    the run goes on to its end whatever the abort flag says; only the destructor ends it there,
    after the pause or reply window under way, so that the thread never has to be killed.

    Only the image's length and its first three bytes, a big-endian count that gives the length of
    the first section, are read as data. A first section longer than the image is cut at the
    image's end; an image shorter than three bytes has no count and goes whole into the first
    section.
*/
class VarnetProtocolClass  : public ProtocolBaseClass
{
public:
    //==============================================================================
    /** A protocol on real time that also names the descriptor's product "Varnet". */
    VarnetProtocolClass (InterfaceBaseClass* interfaceToUse, FirmwareDescriptor* firmwareToSend);

    /** The same, pacing itself by the given timing, which must outlive the protocol. */
    VarnetProtocolClass (InterfaceBaseClass* interfaceToUse, FirmwareDescriptor* firmwareToSend,
                         ProtocolTiming& timingToUse);

    /** Stops the thread, waiting up to 2000 ms before it is ended by force. */
    ~VarnetProtocolClass() override;

    //==============================================================================
    void run() override;

    /** Packs numBytes bytes into groups of one leading byte, holding the top bits, and up to seven
        bytes with their top bit cleared; returns the packed length, numBytes + ceil (numBytes / 7).
        The destination must have room for that many bytes. */
    static int packSevenBit (const juce::uint8* source, int numBytes, juce::uint8* destination) noexcept;

    /** The length of the first section that an image of this many bytes starts with, never more
        than the image. */
    static juce::uint32 getFirstSectionLength (const juce::uint8* image, juce::uint32 size) noexcept;

private:
    //==============================================================================
    void sendCommand (juce::uint8 code);
    void sendDataChunk (int numBytes);
    void sendSection (juce::uint32& sent, juce::uint32 end, juce::uint32 size, float uploadShare);
    void showBurnPass (const juce::String& phaseText, double value);
    bool waitForReply (const juce::uint8* expected, int count, juce::uint16 timeoutMs);
    bool queryDeviceStatus();
    void showError();
    void abandonIfBeingDestroyed();

    const int chunkSize;
    const juce::uint8* position = nullptr;
    std::atomic<bool> beingDestroyed { false };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VarnetProtocolClass)
};
