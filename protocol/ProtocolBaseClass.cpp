#include "protocol/ProtocolBaseClass.h"

ProtocolBaseClass::ProtocolBaseClass (InterfaceBaseClass* interfaceToUse,
                                      FirmwareDescriptor* firmwareToSend,
                                      ProtocolTiming& timingToUse)
    : juce::Thread ("Protocol Thread"),
      ProgressClass (this),
      deviceInterface (interfaceToUse),
      firmware (firmwareToSend),
      timing (timingToUse)
{
}

ProtocolBaseClass::~ProtocolBaseClass() = default;

//==============================================================================
void ProtocolBaseClass::startUpdate()
{
    if (! isThreadRunning())
    {
        setProgress (0.0);

        // Just below the default priority, as 4 was on the old 0 to 10 scale.
        startThread (juce::Thread::Priority::low);
    }
    else if (getProgress() == 1.0)
    {
        setProgress (0.0);
    }
}
