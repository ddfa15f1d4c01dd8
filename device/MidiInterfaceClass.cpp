#include "device/MidiInterfaceClass.h"

#include "device/DefaultMidiPortSource.h"

#include <limits>

MidiInterfaceClass::MidiInterfaceClass (bool withOutput, bool withInput)
    : MidiInterfaceClass (withOutput, withInput, std::make_unique<DefaultMidiPortSource>(), nullptr)
{
}

MidiInterfaceClass::MidiInterfaceClass (bool withOutput, bool withInput, MidiPortSource& source)
    : MidiInterfaceClass (withOutput, withInput, nullptr, &source)
{
}

MidiInterfaceClass::MidiInterfaceClass (bool withOutput, bool withInput,
                                        std::unique_ptr<MidiPortSource> ownedSource, MidiPortSource* borrowedSource)
    : ownedPortSource (std::move (ownedSource)),
      portSource (ownedPortSource != nullptr ? *ownedPortSource : *borrowedSource),
      useInput (withInput),
      useOutput (withOutput)
{
    if (useOutput)
    {
        outputNames = portSource.getOutputNames();
        numOutputs = outputNames.size();

        outputSelector = createSelector ("Output Selector", outputNames);
        addAndMakeVisible (outputSelector);
        outputLabel = new juce::Label ({}, "Select an output device:");
        outputLabel->attachToComponent (outputSelector, false);

        // The notification is asynchronous, so the listener added next hears this first selection.
        outputSelector->setSelectedId (numOutputs + 1, juce::sendNotification);
        outputSelector->addListener (this);
    }

    if (useInput)
    {
        inputNames = portSource.getInputNames();
        numInputs = inputNames.size();

        inputSelector = createSelector ("Input Selector", inputNames);
        addAndMakeVisible (inputSelector);
        inputLabel = new juce::Label ({}, "Select an input device:");
        inputLabel->attachToComponent (inputSelector, false);

        inputSelector->setSelectedId (numInputs + 1, juce::sendNotification);
        inputSelector->addListener (this);
    }
}

MidiInterfaceClass::~MidiInterfaceClass()
{
    deleteAllChildren();
    closeInput();
    closeOutput();
}

juce::ComboBox* MidiInterfaceClass::createSelector (const juce::String& name, const juce::StringArray& deviceNames)
{
    auto* selector = new juce::ComboBox (name);
    selector->addItem ("(Disconnected)", deviceNames.size() + 1);

    if (! deviceNames.isEmpty())
        selector->addSeparator();

    for (int i = 0; i < deviceNames.size(); ++i)
        selector->addItem (deviceNames[i], i + 1);

    return selector;
}

//==============================================================================
void MidiInterfaceClass::resized()
{
    const auto width = getWidth();

    if (outputSelector != nullptr)
        outputSelector->setBounds (0, 20, width, 30);

    if (inputSelector != nullptr)
        inputSelector->setBounds (0, outputSelector != nullptr ? 70 : 20, width, 30);
}

int MidiInterfaceClass::getPreferredHeight()
{
    return useOutput && useInput ? 100 : 50;
}

bool MidiInterfaceClass::isConnected()
{
    if (useOutput && useInput)
        return midiOutput != nullptr && midiInput != nullptr;

    if (useOutput)
        return midiOutput != nullptr;

    if (useInput)
        return midiInput != nullptr;

    return false;
}

//==============================================================================
void MidiInterfaceClass::comboBoxChanged (juce::ComboBox* box)
{
    if (box == outputSelector)
    {
        const auto id = box->getSelectedId();

        if (id >= 1 && id <= numOutputs)
        {
            openOutput (id);
            sendChangeMessage();
        }
        else if (id == numOutputs + 1)
        {
            closeOutput();
            sendChangeMessage();
        }
    }

    if (box == inputSelector)
    {
        const auto id = box->getSelectedId();

        if (id >= 1 && id <= numInputs)
        {
            openInput (id);
            sendChangeMessage();
        }
        else if (id == numInputs + 1)
        {
            closeInput();
            sendChangeMessage();
        }
    }
}

void MidiInterfaceClass::openOutput (int itemId)
{
    closeOutput();
    auto opened = portSource.openOutput (itemId - 1);

    const juce::ScopedLock sl (deviceLock);
    midiOutput = std::move (opened);
}

void MidiInterfaceClass::closeOutput()
{
    std::unique_ptr<MidiOutputPort> closing;

    const juce::ScopedLock sl (deviceLock);
    closing = std::move (midiOutput);
}

void MidiInterfaceClass::openInput (int itemId)
{
    closeInput();
    auto opened = portSource.openInput (itemId - 1, *this);

    if (opened == nullptr)
        return;

    auto* input = opened.get();

    {
        const juce::ScopedLock sl (deviceLock);
        midiInput = std::move (opened);
    }

    input->start();
}

void MidiInterfaceClass::closeInput()
{
    std::unique_ptr<MidiInputPort> closing;

    {
        const juce::ScopedLock sl (deviceLock);
        closing = std::move (midiInput);
    }

    // Stopping waits for the input's thread to leave the callback; the callback takes no lock.
    if (closing != nullptr)
        closing->stop();
}

//==============================================================================
int MidiInterfaceClass::sendData (const juce::uint8* message, int numBytes)
{
    if (message == nullptr || numBytes <= 0)
        return 0;

    const juce::ScopedLock sl (deviceLock);

    if (midiOutput != nullptr)
        midiOutput->sendMessageNow (juce::MidiMessage (message, numBytes, 0.0));

    return 0;
}

int MidiInterfaceClass::readData (juce::uint8* destination, unsigned int maxBytes)
{
    const juce::ScopedLock sl (deviceLock);

    if (midiInput == nullptr || destination == nullptr)
        return 0;

    const auto limit = juce::jmin (maxBytes, (unsigned int) std::numeric_limits<int>::max());
    auto index = readIndex.load (std::memory_order_relaxed);
    unsigned int numCopied = 0;

    while (numCopied < limit && index != writeIndex.load (std::memory_order_acquire))
    {
        destination[numCopied++] = receiveBuffer[(size_t) index].load (std::memory_order_relaxed);
        index = (index + 1) % ringSize;
    }

    readIndex.store (index, std::memory_order_relaxed);
    return (int) numCopied;
}

void MidiInterfaceClass::handleIncomingMidiMessage (juce::MidiInput*, const juce::MidiMessage& message)
{
    const auto* data = message.getRawData();
    const auto size = message.getRawDataSize();
    auto index = writeIndex.load (std::memory_order_relaxed);

    for (int i = 0; i < size; ++i)
    {
        receiveBuffer[(size_t) index].store (data[i], std::memory_order_relaxed);
        index = (index + 1) % ringSize;
        writeIndex.store (index, std::memory_order_release);
    }
}
