#include "FunctionThread.h"
#include "RecordingInterface.h"
#include "TestFirmware.h"
#include "VarnetWire.h"
#include "protocol/VarnetProtocolClass.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
    juce::uint32 timeOf (const std::vector<WireLog::Event>& events, const varnetwire::Bytes& message)
    {
        for (auto& event : events)
            if (event.bytes == message)
                return event.time;

        ADD_FAILURE() << "message not sent";
        return 0;
    }
}

// The one run on the real clock: the device needs the burn phase to last 9.6 s.
TEST (VarnetRealTime, TheBurnPhaseLastsNinePointSixSeconds)
{
    WireLog log (false);
    RecordingInterface device (log);
    TestFirmware firmware (varnetwire::makeImage (100, 30));
    device.onSend = [&] (const varnetwire::Bytes& message)
    {
        if (message == varnetwire::command (0x05))
            device.queueReply (varnetwire::statusReply());
    };

    VarnetProtocolClass protocol (&device, &firmware);
    protocol.startUpdate();
    ASSERT_TRUE (talvion::test::runMessageLoopUntil ([&] { return ! protocol.isThreadRunning(); }, 20000));

    const auto events = log.getEvents();
    const auto burn = timeOf (events, varnetwire::command (0x05)) - timeOf (events, varnetwire::command (0x04));
    EXPECT_NEAR ((double) burn, 9600.0, 960.0);
    EXPECT_EQ (protocol.getMessage(), "Update completed");
}

TEST (ProtocolTimingRealTime, AWaitEndsWhenTheThreadIsStopped)
{
    FunctionThread thread ([] (FunctionThread& self) { ProtocolTiming::getRealTime().wait (self, 10000); });
    thread.startThread();
    juce::Thread::sleep (50);

    const auto start = juce::Time::getMillisecondCounter();
    EXPECT_TRUE (thread.stopThread (2000));
    EXPECT_LT (juce::Time::getMillisecondCounter() - start, 1000u);
}

TEST (ProtocolTimingRealTime, ASleepIsNotCutShort)
{
    FunctionThread thread ([] (FunctionThread&) { ProtocolTiming::getRealTime().sleep (300); });
    const auto start = juce::Time::getMillisecondCounter();
    thread.startThread();
    juce::Thread::sleep (20);

    EXPECT_TRUE (thread.stopThread (2000));
    EXPECT_GE (juce::Time::getMillisecondCounter() - start, 290u);
}
