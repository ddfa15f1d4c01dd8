#pragma once

#include "device/JuceMidiPortSource.h"
#include "device/VirtualVarnetPortSource.h"

//==============================================================================
/**
    The MIDI devices that Talvion offers: the operating system's, followed by the output and the
    input "Virtual Varnet" when the environment variable TALVION_VIRTUAL_DEVICE is set (see
    VirtualVarnet::createFromEnvironment()).
*/
class DefaultMidiPortSource  : public MidiPortSource
{
public:
    DefaultMidiPortSource();
    ~DefaultMidiPortSource() override;

    juce::StringArray getOutputNames() override;
    juce::StringArray getInputNames() override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;
    std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback& callback) override;

    /** The virtual device, or nullptr when the environment did not ask for one. */
    VirtualVarnet* getVirtualDevice() const noexcept        { return virtualDevice.get(); }

private:
    JuceMidiPortSource systemPorts;
    int numSystemOutputs = -1, numSystemInputs = -1;
    std::unique_ptr<VirtualVarnet> virtualDevice;
    std::unique_ptr<VirtualVarnetPortSource> virtualPorts;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DefaultMidiPortSource)
};
