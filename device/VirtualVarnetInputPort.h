#pragma once

#include "device/MidiInputPort.h"
#include "device/VirtualVarnet.h"

//==============================================================================
/**
    The input named "Virtual Varnet": while started, what the virtual device sends reaches the
    callback, on the device's own thread and with a null source.
*/
class VirtualVarnetInputPort  : public MidiInputPort
{
public:
    /** The device and the callback must outlive the port. */
    VirtualVarnetInputPort (VirtualVarnet& device, juce::MidiInputCallback& callback);
    ~VirtualVarnetInputPort() override;

    void start() override;
    void stop() override;

private:
    VirtualVarnet& device;
    juce::MidiInputCallback& callback;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VirtualVarnetInputPort)
};
