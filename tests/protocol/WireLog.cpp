#include "WireLog.h"

WireLog::WireLog (bool useVirtualTime)
    : isVirtual (useVirtualTime)
{
}

void WireLog::add (Kind kind, std::vector<juce::uint8> bytes, int milliseconds, const juce::String& text, double progress)
{
    const auto time = now();
    const std::lock_guard<std::mutex> sl (lock);
    events.push_back ({ kind, std::move (bytes), milliseconds, time, text, progress });
}

std::vector<WireLog::Event> WireLog::getEvents() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return events;
}

std::vector<std::vector<juce::uint8>> WireLog::getSentMessages() const
{
    std::vector<std::vector<juce::uint8>> sent;

    for (auto& event : getEvents())
        if (event.kind == Kind::sent)
            sent.push_back (event.bytes);

    return sent;
}

juce::uint32 WireLog::now() const
{
    return isVirtual ? virtualNow.load() : juce::Time::getMillisecondCounter();
}

void WireLog::advance (juce::uint32 milliseconds)
{
    if (isVirtual)
        virtualNow += milliseconds;
}
