#pragma once

#include <juce_events/juce_events.h>

#include <functional>

namespace talvion::test
{
    /** Dispatches messages on the calling (message) thread until the condition holds or the time
        runs out; returns the condition's last answer. */
    bool runMessageLoopUntil (const std::function<bool()>& condition, int timeoutMs = 5000);

    /** Dispatches whatever messages are waiting, for about the given time. */
    void runMessageLoopFor (int milliseconds);
}
