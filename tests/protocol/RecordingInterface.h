#pragma once

#include "WireLog.h"
#include "device/InterfaceBaseClass.h"

#include <deque>
#include <functional>

//==============================================================================
/**
    A device interface for tests: it logs every message sent, byte for byte, hands out scripted
    reply bytes through readData(), and keeps the history of its enabled state.

    onSend runs on the protocol thread after each message is logged; it may queue replies or
    ask the protocol to stop.
*/
class RecordingInterface  : public InterfaceBaseClass
{
public:
    explicit RecordingInterface (WireLog& logToWrite);

    //==============================================================================
    int readData (juce::uint8* destination, unsigned int maxBytes) override;
    int sendData (const juce::uint8* message, int numBytes) override;
    bool isConnected() override                             { return true; }
    int getPreferredHeight() override                       { return 100; }
    void resized() override                                 {}
    void enablementChanged() override;

    //==============================================================================
    /** Adds bytes that the device has sent, for readData() to return. */
    void queueReply (const std::vector<juce::uint8>& bytes);

    /** Every enabled state that the component was switched to, in order. */
    std::vector<bool> getEnablementHistory() const;

    std::function<void (const std::vector<juce::uint8>&)> onSend;

private:
    WireLog& log;
    mutable std::mutex lock;
    std::deque<juce::uint8> replies;
    std::vector<bool> enablementHistory;
};
