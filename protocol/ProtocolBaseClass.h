#pragma once

#include "app/FirmwareDescriptor.h"
#include "device/InterfaceBaseClass.h"
#include "protocol/ProgressClass.h"
#include "protocol/ProtocolTiming.h"

//==============================================================================
/**
    The common base of the update protocols: a thread named "Protocol Thread" that sends a
    firmware image through a device interface and reports its progress.

    A concrete protocol supplies run(), the whole update, which ends by returning and never lets
    an exception out. Progress listeners register on the protocol object itself; every
    notification names it. The interface and the descriptor are borrowed and must outlive the
    protocol; each concrete destructor stops the thread before they can go.

    Pauses and time-outs go through the ProtocolTiming given at construction, real time unless a
    test passes another one.
*/
class ProtocolBaseClass  : public juce::Thread,
                           public ProgressClass
{
public:
    //==============================================================================
    /** Holds the interface and the descriptor; the thread is not started. */
    ProtocolBaseClass (InterfaceBaseClass* interfaceToUse,
                       FirmwareDescriptor* firmwareToSend,
                       ProtocolTiming& timingToUse = ProtocolTiming::getRealTime());

    ~ProtocolBaseClass() override;

    //==============================================================================
    /** Called on the message thread when the user asks for an update.

        An idle protocol resets its progress to 0.0 and starts a run just below the default
        priority. While a run goes on, a progress of exactly 1.0 is reset to 0.0 and nothing else
        happens; below 1.0 nothing happens at all.
    */
    virtual void startUpdate();

protected:
    //==============================================================================
    InterfaceBaseClass* deviceInterface;
    FirmwareDescriptor* firmware;
    ProtocolTiming& timing;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProtocolBaseClass)
};
