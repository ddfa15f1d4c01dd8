#pragma once

#include "device/InterfaceBaseClass.h"
#include "device/MidiPortSource.h"

#include <array>
#include <atomic>

//==============================================================================
/**
    Talvion's connection to the device: a drop-down list of MIDI outputs and one of MIDI inputs,
    each opening the device the user picks.

    sendData() hands one message to the open output and returns once the output has taken it.
    What arrives at the open input goes, on the input's own thread and without a lock, into a
    256-byte ring from which readData() takes it; when more than 255 unread bytes arrive, the
    oldest are overwritten.

    Opening and closing a device on the message thread waits for a sendData() or readData() in
    progress on the protocol thread, so that neither ever uses a device that is being deleted.
*/
class MidiInterfaceClass  : public InterfaceBaseClass,
                            public juce::ComboBox::Listener,
                            public juce::MidiInputCallback
{
public:
    /** Offers the devices of DefaultMidiPortSource: the system's, and the virtual Varnet when the
        environment asks for it. */
    MidiInterfaceClass (bool useOutput, bool useInput);

    /** Offers the devices of portSource, which must outlive the interface. */
    MidiInterfaceClass (bool useOutput, bool useInput, MidiPortSource& portSource);

    ~MidiInterfaceClass() override;

    //==============================================================================
    void resized() override;
    int readData (juce::uint8* destination, unsigned int maxBytes) override;
    int sendData (const juce::uint8* message, int numBytes) override;
    bool isConnected() override;
    int getPreferredHeight() override;

    //==============================================================================
    void comboBoxChanged (juce::ComboBox* box) override;
    void handleIncomingMidiMessage (juce::MidiInput* source, const juce::MidiMessage& message) override;

private:
    //==============================================================================
    MidiInterfaceClass (bool useOutput, bool useInput,
                        std::unique_ptr<MidiPortSource> ownedSource, MidiPortSource* borrowedSource);

    static juce::ComboBox* createSelector (const juce::String& name, const juce::StringArray& deviceNames);
    void openOutput (int itemId);
    void closeOutput();
    void openInput (int itemId);
    void closeInput();

    std::unique_ptr<MidiPortSource> ownedPortSource;
    MidiPortSource& portSource;

    int numOutputs = 0;
    int numInputs = 0;
    const bool useInput;
    const bool useOutput;
    juce::StringArray outputNames;
    std::unique_ptr<MidiOutputPort> midiOutput;
    juce::StringArray inputNames;
    std::unique_ptr<MidiInputPort> midiInput;
    juce::ComboBox* outputSelector = nullptr;
    juce::Label* outputLabel = nullptr;
    juce::ComboBox* inputSelector = nullptr;
    juce::Label* inputLabel = nullptr;

    // Written only by the input callback and read by readData(); every byte is a whole atomic
    // value, so that a byte being overwritten while it is read is just the newer byte.
    static constexpr int ringSize = 256;
    std::array<std::atomic<juce::uint8>, ringSize> receiveBuffer {};
    std::atomic<int> writeIndex { 0 };
    std::atomic<int> readIndex { 0 };

    // Held by sendData() and readData(), and while a device is put in or taken out.
    juce::CriticalSection deviceLock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MidiInterfaceClass)
};
