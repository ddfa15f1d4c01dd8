#include "device/DefaultMidiPortSource.h"

DefaultMidiPortSource::DefaultMidiPortSource()
    : virtualDevice (VirtualVarnet::createFromEnvironment())
{
    if (virtualDevice != nullptr)
        virtualPorts = std::make_unique<VirtualVarnetPortSource> (*virtualDevice);
}

DefaultMidiPortSource::~DefaultMidiPortSource() = default;

juce::StringArray DefaultMidiPortSource::getOutputNames()
{
    auto names = systemPorts.getOutputNames();
    numSystemOutputs = names.size();

    if (virtualPorts != nullptr)
        names.addArray (virtualPorts->getOutputNames());

    return names;
}

juce::StringArray DefaultMidiPortSource::getInputNames()
{
    auto names = systemPorts.getInputNames();
    numSystemInputs = names.size();

    if (virtualPorts != nullptr)
        names.addArray (virtualPorts->getInputNames());

    return names;
}

std::unique_ptr<MidiOutputPort> DefaultMidiPortSource::openOutput (int index)
{
    if (numSystemOutputs < 0)
        getOutputNames();

    if (index < numSystemOutputs)
        return systemPorts.openOutput (index);

    if (virtualPorts != nullptr)
        return virtualPorts->openOutput (index - numSystemOutputs);

    return {};
}

std::unique_ptr<MidiInputPort> DefaultMidiPortSource::openInput (int index, juce::MidiInputCallback& callback)
{
    if (numSystemInputs < 0)
        getInputNames();

    if (index < numSystemInputs)
        return systemPorts.openInput (index, callback);

    if (virtualPorts != nullptr)
        return virtualPorts->openInput (index - numSystemInputs, callback);

    return {};
}
