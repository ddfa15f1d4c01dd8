#pragma once

#include <juce_core/juce_core.h>

#include <atomic>
#include <mutex>
#include <vector>

//==============================================================================
/**
    What a protocol did, in order: every message it sent and every pause it asked for, each with
    the time on the log's clock and, for pauses, the status text and progress shown at that moment.

    The clock is either real (JUCE's millisecond counter) or virtual, advanced only by the
    pauses that a VirtualTiming records. Safe to use from the protocol thread and the test.
*/
class WireLog
{
public:
    enum class Kind { sent, sleep, wait };

    struct Event
    {
        Kind kind;
        std::vector<juce::uint8> bytes;
        int milliseconds;
        juce::uint32 time;
        juce::String text;
        double progress;
    };

    explicit WireLog (bool useVirtualTime);

    //==============================================================================
    void add (Kind kind, std::vector<juce::uint8> bytes, int milliseconds, const juce::String& text, double progress);

    /** A copy of everything logged so far. */
    std::vector<Event> getEvents() const;

    /** Only the messages sent. */
    std::vector<std::vector<juce::uint8>> getSentMessages() const;

    //==============================================================================
    juce::uint32 now() const;

    /** Moves the virtual clock on; the real one cannot be moved. */
    void advance (juce::uint32 milliseconds);

private:
    const bool isVirtual;
    std::atomic<juce::uint32> virtualNow { 0 };
    mutable std::mutex lock;
    std::vector<Event> events;
};
