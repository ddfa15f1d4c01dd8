#pragma once

#include "device/MidiPortSource.h"

#include <set>
#include <vector>

//==============================================================================
/**
    Device lists of a test's choosing. It writes down every open, start, stop and close (for
    example "open output 1", "close input 0"), keeps every message sent to its outputs, and lets
    the test deliver messages to the input that is running.
*/
class FakeMidiPortSource  : public MidiPortSource
{
public:
    FakeMidiPortSource (const juce::StringArray& outputNames, const juce::StringArray& inputNames);
    ~FakeMidiPortSource() override;

    /** Makes output or input number index fail to open. */
    void makeOutputFail (int index)                         { failingOutputs.insert (index); }
    void makeInputFail (int index)                          { failingInputs.insert (index); }

    /** Everything that happened to the ports since the last call, in order. */
    juce::StringArray takeEvents();

    /** The messages sent to any output, in order. */
    const std::vector<juce::MidiMessage>& getSentMessages() const noexcept  { return sent; }

    /** Hands a message to the callback of the running input, as its input thread would; false
        when no input is running. */
    bool deliver (const juce::MidiMessage& message);

    /** Delivers the bytes in messages of at most 10 bytes each. */
    bool deliverBytes (const std::vector<juce::uint8>& bytes);

    juce::StringArray getOutputNames() override             { return outputs; }
    juce::StringArray getInputNames() override              { return inputs; }
    std::unique_ptr<MidiOutputPort> openOutput (int index) override;
    std::unique_ptr<MidiInputPort> openInput (int index, juce::MidiInputCallback& callback) override;

private:
    class Output;
    class Input;

    juce::StringArray outputs, inputs;
    std::set<int> failingOutputs, failingInputs;
    juce::StringArray events;
    std::vector<juce::MidiMessage> sent;
    juce::MidiInputCallback* runningCallback = nullptr;
};
