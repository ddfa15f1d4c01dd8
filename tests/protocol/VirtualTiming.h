#pragma once

#include "protocol/ProgressClass.h"
#include "protocol/ProtocolTiming.h"
#include "WireLog.h"

#include <functional>

//==============================================================================
/**
    A clock for tests: every pause is logged with the status text and progress shown at that moment and
    then moves a virtual clock on instead of passing in real time. Each reading of the
    millisecond counter moves it on by one, so a time-out that polls the counter runs out after
    as many polls as it has milliseconds.

    A test may hold the protocol inside a pause through onPause, called on the protocol thread.
*/
class VirtualTiming  : public ProtocolTiming
{
public:
    explicit VirtualTiming (WireLog& logToWrite);

    /** The progress whose text and value are logged with every pause. */
    void watch (const ProgressClass* progressToWatch)        { watched = progressToWatch; }

    //==============================================================================
    void sleep (int milliseconds) override;
    bool wait (const juce::Thread& thread, int milliseconds) override;
    juce::uint32 getMillisecondCounter() override;

    /** Called with the kind and length of every pause, before the clock moves on. */
    std::function<void (WireLog::Kind, int)> onPause;

private:
    void pause (WireLog::Kind kind, int milliseconds);

    WireLog& log;
    const ProgressClass* watched = nullptr;
};
