#pragma once

#include "device/MidiInputPort.h"

#include <juce_audio_devices/juce_audio_devices.h>

//==============================================================================
/**
    A MIDI input of the operating system, reached through juce::MidiInput; its messages arrive on
    JUCE's MIDI input thread.
*/
class JuceMidiInputPort  : public MidiInputPort
{
public:
    /** Takes over an opened input. */
    explicit JuceMidiInputPort (std::unique_ptr<juce::MidiInput> input);
    ~JuceMidiInputPort() override;

    void start() override;
    void stop() override;

private:
    std::unique_ptr<juce::MidiInput> device;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (JuceMidiInputPort)
};
