#pragma once

#include "device/MidiPortSource.h"

//==============================================================================
/**
    The MIDI devices of the operating system, through juce::MidiOutput and juce::MidiInput and
    nothing else.

    Each listing keeps the devices it found, so that an index opens the device that was listed at
    that position even when devices have come or gone since.
*/
class JuceMidiPortSource  : public MidiPortSource
{
public:
    JuceMidiPortSource();
    ~JuceMidiPortSource() override;

    juce::StringArray getOutputNames() override;
    juce::StringArray getInputNames() override;
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;
    std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback& callback) override;

private:
    juce::Array<juce::MidiDeviceInfo> outputs, inputs;
    bool outputsListed = false, inputsListed = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (JuceMidiPortSource)
};
