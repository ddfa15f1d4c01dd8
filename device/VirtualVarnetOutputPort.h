#pragma once

#include "device/MidiOutputPort.h"
#include "device/VirtualVarnet.h"

//==============================================================================
/**
    The output named "Virtual Varnet": what is sent to it goes to the virtual device.
*/
class VirtualVarnetOutputPort  : public MidiOutputPort
{
public:
    /** The device must outlive the port. */
    explicit VirtualVarnetOutputPort (VirtualVarnet& device);
    ~VirtualVarnetOutputPort() override;

    void sendMessageNow (const juce::MidiMessage& message) override;

private:
    VirtualVarnet& device;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VirtualVarnetOutputPort)
};
