#include "RecordingInterface.h"

RecordingInterface::RecordingInterface (WireLog& logToWrite)
    : log (logToWrite)
{
}

int RecordingInterface::readData (juce::uint8* destination, unsigned int maxBytes)
{
    const std::lock_guard<std::mutex> sl (lock);
    unsigned int count = 0;

    for (; count < maxBytes && ! replies.empty(); ++count)
    {
        destination[count] = replies.front();
        replies.pop_front();
    }

    return (int) count;
}

int RecordingInterface::sendData (const juce::uint8* message, int numBytes)
{
    std::vector<juce::uint8> bytes (message, message + numBytes);
    log.add (WireLog::Kind::sent, bytes, 0, {}, 0.0);

    if (onSend != nullptr)
        onSend (bytes);

    return 0;
}

void RecordingInterface::enablementChanged()
{
    const std::lock_guard<std::mutex> sl (lock);
    enablementHistory.push_back (isEnabled());
}

void RecordingInterface::queueReply (const std::vector<juce::uint8>& bytes)
{
    const std::lock_guard<std::mutex> sl (lock);
    replies.insert (replies.end(), bytes.begin(), bytes.end());
}

std::vector<bool> RecordingInterface::getEnablementHistory() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return enablementHistory;
}
