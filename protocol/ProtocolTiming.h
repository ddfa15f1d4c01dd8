#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    The clock that the update protocols pace themselves by.

    Every pause and every time-out of a protocol goes through one of these, so that a test can
    run the whole procedure in a fraction of its real length. This base is real time; a test
    derives from it and scales or records the durations instead. An object is shared by any number
    of protocols and holds no state of its own.
*/
class ProtocolTiming
{
public:
    ProtocolTiming() = default;
    virtual ~ProtocolTiming() = default;

    //==============================================================================
    /** Pauses the calling thread; nothing cuts the pause short. */
    virtual void sleep (int milliseconds);

    /** Pauses the given thread, which must be the calling one, until the time is up or the thread
        is notified or stopped; returns true when it was woken early. */
    virtual bool wait (const juce::Thread& thread, int milliseconds);

    /** A millisecond counter that wraps at 2^32, for measuring time-outs: the multimedia timer
        on Windows, JUCE's millisecond counter elsewhere. */
    virtual juce::uint32 getMillisecondCounter();

    /** The real-time clock that protocols use unless they are given another. */
    static ProtocolTiming& getRealTime();

private:
    JUCE_DECLARE_NON_COPYABLE (ProtocolTiming)
};
