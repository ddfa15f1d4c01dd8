#pragma once

#include "device/MidiOutputPort.h"

#include <juce_audio_devices/juce_audio_devices.h>

//==============================================================================
/**
    A MIDI output of the operating system, reached through juce::MidiOutput.
*/
class JuceMidiOutputPort  : public MidiOutputPort
{
public:
    /** Takes over an opened output. */
    explicit JuceMidiOutputPort (std::unique_ptr<juce::MidiOutput> output);
    ~JuceMidiOutputPort() override;

    void sendMessageNow (const juce::MidiMessage& message) override;

private:
    std::unique_ptr<juce::MidiOutput> device;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (JuceMidiOutputPort)
};
