#include "VirtualTiming.h"

VirtualTiming::VirtualTiming (WireLog& logToWrite)
    : log (logToWrite)
{
}

void VirtualTiming::sleep (int milliseconds)
{
    pause (WireLog::Kind::sleep, milliseconds);
}

bool VirtualTiming::wait (const juce::Thread&, int milliseconds)
{
    pause (WireLog::Kind::wait, milliseconds);
    return false;
}

juce::uint32 VirtualTiming::getMillisecondCounter()
{
    const auto time = log.now();
    log.advance (1);
    return time;
}

void VirtualTiming::pause (WireLog::Kind kind, int milliseconds)
{
    if (watched != nullptr)
        log.add (kind, {}, milliseconds, watched->getMessage(), watched->getProgress());
    else
        log.add (kind, {}, milliseconds, {}, 0.0);

    if (onPause != nullptr)
        onPause (kind, milliseconds);

    log.advance ((juce::uint32) milliseconds);
}
