#include "protocol/KorvanTime.h"

juce::uint32 KorvanTime::getMillisecondCounter() noexcept
{
    return juce::Time::getMillisecondCounter();
}

juce::uint32 KorvanTime::getCounterDifference (juce::uint32 later, juce::uint32 earlier) noexcept
{
    return later - earlier;
}

juce::uint32 KorvanTime::getElapsedSince (juce::uint32 start) noexcept
{
    return getCounterDifference (getMillisecondCounter(), start);
}

void KorvanTime::waitMilliseconds (juce::uint32 milliseconds)
{
    const auto start = getMillisecondCounter();

    while (getElapsedSince (start) < milliseconds)
        juce::Thread::sleep (10);
}
