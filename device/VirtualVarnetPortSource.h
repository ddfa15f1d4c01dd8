#pragma once

#include "device/MidiPortSource.h"
#include "device/VirtualVarnet.h"

//==============================================================================
/**
    One output and one input, both named "Virtual Varnet", that lead to a virtual device.

    A test plugs a device into a MidiInterfaceClass with it:
    @code
    VirtualVarnet device (VirtualVarnet::Behaviour::varnet);
    VirtualVarnetPortSource ports (device);
    MidiInterfaceClass midi (true, true, ports);
    @endcode
*/
class VirtualVarnetPortSource  : public MidiPortSource
{
public:
    /** The device must outlive the source and every port it opens. */
    explicit VirtualVarnetPortSource (VirtualVarnet& device);
    ~VirtualVarnetPortSource() override;

    /** The name of the output and of the input. */
    static juce::String getDeviceName()                     { return "Virtual Varnet"; }

    juce::StringArray getOutputNames() override;
    juce::StringArray getInputNames() override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;
    std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback& callback) override;

    VirtualVarnet& getDevice() const noexcept               { return device; }

private:
    VirtualVarnet& device;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VirtualVarnetPortSource)
};
