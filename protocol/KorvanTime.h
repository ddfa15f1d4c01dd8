#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    Small helpers for timing with JUCE's 32-bit millisecond counter.

    Differences are taken modulo 2^32, so an interval that spans the counter's wrap is still
    measured correctly.
*/
class KorvanTime  : public juce::Time
{
public:
    KorvanTime() = default;

    //==============================================================================
    /** JUCE's millisecond counter. */
    static juce::uint32 getMillisecondCounter() noexcept;

    /** The milliseconds from earlier to later, across a wrap of the counter too. */
    static juce::uint32 getCounterDifference (juce::uint32 later, juce::uint32 earlier) noexcept;

    /** The milliseconds since the given counter value. */
    static juce::uint32 getElapsedSince (juce::uint32 start) noexcept;

    /** Returns once at least the given time has passed, sleeping 10 ms at a time. */
    static void waitMilliseconds (juce::uint32 milliseconds);
};
