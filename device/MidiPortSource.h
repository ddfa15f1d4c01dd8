#pragma once

#include "device/MidiInputPort.h"
#include "device/MidiOutputPort.h"

#include <juce_audio_devices/juce_audio_devices.h>

#include <memory>

//==============================================================================
/**
    Where MidiInterfaceClass finds its MIDI devices: the names of the outputs and inputs, and a way
    to open one of them by its position in the list.

    An index always means the device that had that position when the names were last listed.
*/
class MidiPortSource
{
public:
    virtual ~MidiPortSource() = default;

    /** The names of the output devices, in list order. */
    virtual juce::StringArray getOutputNames() = 0;

    /** The names of the input devices, in list order. */
    virtual juce::StringArray getInputNames() = 0;

    /** Opens output number index; nullptr when it cannot be opened. */
    virtual std::unique_ptr<MidiOutputPort> openOutput (int index) = 0;

    /** Opens input number index, not yet started, delivering to callback (which must outlive the
        port); nullptr when it cannot be opened. The callback may be given a null source. */
    virtual std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback& callback) = 0;
};
