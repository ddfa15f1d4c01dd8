#include "protocol/ProtocolTiming.h"

#if JUCE_WINDOWS
 #include <windows.h>
 #include <mmsystem.h>
#endif

void ProtocolTiming::sleep (int milliseconds)
{
    juce::Thread::sleep (milliseconds);
}

bool ProtocolTiming::wait (const juce::Thread& thread, int milliseconds)
{
    return thread.wait (milliseconds);
}

juce::uint32 ProtocolTiming::getMillisecondCounter()
{
   #if JUCE_WINDOWS
    return (juce::uint32) timeGetTime();
   #else
    return juce::Time::getMillisecondCounter();
   #endif
}

ProtocolTiming& ProtocolTiming::getRealTime()
{
    static ProtocolTiming realTime;
    return realTime;
}
