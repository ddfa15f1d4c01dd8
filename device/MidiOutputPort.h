#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

//==============================================================================
/**
    An open MIDI output, as MidiInterfaceClass sees it.

    Deleting the port closes the device.
*/
class MidiOutputPort
{
public:
    virtual ~MidiOutputPort() = default;

    /** Sends one complete message and returns once the device has taken all of it. */
    virtual void sendMessageNow (const juce::MidiMessage& message) = 0;
};
