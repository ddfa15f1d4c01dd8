#include "FakeMidiPortSource.h"

//==============================================================================
class FakeMidiPortSource::Output  : public MidiOutputPort
{
public:
    Output (FakeMidiPortSource& ownerSource, int deviceIndex)  : owner (ownerSource), index (deviceIndex) {}
    ~Output() override                                       { owner.events.add ("close output " + juce::String (index)); }

    void sendMessageNow (const juce::MidiMessage& message) override  { owner.sent.push_back (message); }

private:
    FakeMidiPortSource& owner;
    const int index;
};

class FakeMidiPortSource::Input  : public MidiInputPort
{
public:
    Input (FakeMidiPortSource& ownerSource, int deviceIndex, juce::MidiInputCallback& inputCallback)
        : owner (ownerSource), index (deviceIndex), callback (inputCallback) {}

    ~Input() override
    {
        if (owner.runningCallback == &callback)
            owner.runningCallback = nullptr;

        owner.events.add ("close input " + juce::String (index));
    }

    void start() override
    {
        owner.runningCallback = &callback;
        owner.events.add ("start input " + juce::String (index));
    }

    void stop() override
    {
        owner.runningCallback = nullptr;
        owner.events.add ("stop input " + juce::String (index));
    }

private:
    FakeMidiPortSource& owner;
    const int index;
    juce::MidiInputCallback& callback;
};

//==============================================================================
FakeMidiPortSource::FakeMidiPortSource (const juce::StringArray& outputNames, const juce::StringArray& inputNames)
    : outputs (outputNames), inputs (inputNames)
{
}

FakeMidiPortSource::~FakeMidiPortSource() = default;

juce::StringArray FakeMidiPortSource::takeEvents()
{
    auto taken = events;
    events.clear();
    return taken;
}

std::unique_ptr<MidiOutputPort> FakeMidiPortSource::openOutput (int index)
{
    if (! juce::isPositiveAndBelow (index, outputs.size()) || failingOutputs.count (index) != 0)
    {
        events.add ("open output " + juce::String (index) + " failed");
        return {};
    }

    events.add ("open output " + juce::String (index));
    return std::make_unique<Output> (*this, index);
}

std::unique_ptr<MidiInputPort> FakeMidiPortSource::openInput (int index, juce::MidiInputCallback& callback)
{
    if (! juce::isPositiveAndBelow (index, inputs.size()) || failingInputs.count (index) != 0)
    {
        events.add ("open input " + juce::String (index) + " failed");
        return {};
    }

    events.add ("open input " + juce::String (index));
    return std::make_unique<Input> (*this, index, callback);
}

bool FakeMidiPortSource::deliver (const juce::MidiMessage& message)
{
    if (runningCallback == nullptr)
        return false;

    runningCallback->handleIncomingMidiMessage (nullptr, message);
    return true;
}

bool FakeMidiPortSource::deliverBytes (const std::vector<juce::uint8>& bytes)
{
    for (size_t start = 0; start < bytes.size(); start += 10)
    {
        const auto size = juce::jmin ((size_t) 10, bytes.size() - start);

        if (! deliver (juce::MidiMessage (bytes.data() + start, (int) size, 0.0)))
            return false;
    }

    return true;
}
