#include "device/JuceMidiPortSource.h"

#include "device/JuceMidiInputPort.h"
#include "device/JuceMidiOutputPort.h"

namespace
{
    juce::StringArray namesOf (const juce::Array<juce::MidiDeviceInfo>& devices)
    {
        juce::StringArray names;

        for (const auto& info : devices)
            names.add (info.name);

        return names;
    }
}

JuceMidiPortSource::JuceMidiPortSource() = default;
JuceMidiPortSource::~JuceMidiPortSource() = default;

juce::StringArray JuceMidiPortSource::getOutputNames()
{
    outputs = juce::MidiOutput::getAvailableDevices();
    outputsListed = true;
    return namesOf (outputs);
}

juce::StringArray JuceMidiPortSource::getInputNames()
{
    inputs = juce::MidiInput::getAvailableDevices();
    inputsListed = true;
    return namesOf (inputs);
}

std::unique_ptr<MidiOutputPort> JuceMidiPortSource::openOutput (int index)
{
    if (! outputsListed)
        getOutputNames();

    if (! juce::isPositiveAndBelow (index, outputs.size()))
        return {};

    if (auto device = juce::MidiOutput::openDevice (outputs.getReference (index).identifier))
        return std::make_unique<JuceMidiOutputPort> (std::move (device));

    return {};
}

std::unique_ptr<MidiInputPort> JuceMidiPortSource::openInput (int index, juce::MidiInputCallback& callback)
{
    if (! inputsListed)
        getInputNames();

    if (! juce::isPositiveAndBelow (index, inputs.size()))
        return {};

    if (auto device = juce::MidiInput::openDevice (inputs.getReference (index).identifier, &callback))
        return std::make_unique<JuceMidiInputPort> (std::move (device));

    return {};
}
