#include "RecordingInterface.h"
#include "TestFirmware.h"
#include "VarnetWire.h"
#include "protocol/VarnetProtocolClass.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

#include <atomic>

namespace
{
    // Real pauses, except that the burn phase's sleeps are skipped when asked.
    class StatusOnlyTiming  : public ProtocolTiming
    {
    public:
        void sleep (int milliseconds) override
        {
            if (! skipSleeps)
                ProtocolTiming::sleep (milliseconds);
        }

        bool skipSleeps = false;
    };

    // After UploadEnd the run ignores the abort flag, but JUCE ends a thread by force by aborting
    // the whole program on Linux; destroying the protocol must end the run within its 2000 ms.
    void destroyWhenSent (juce::uint8 code, bool skipSleeps)
    {
        WireLog log (false);
        RecordingInterface device (log);
        TestFirmware firmware (varnetwire::makeImage (100, 30));
        StatusOnlyTiming timing;
        timing.skipSleeps = skipSleeps;
        std::atomic<bool> reached { false };
        device.onSend = [&] (const varnetwire::Bytes& message)
        {
            if (message == varnetwire::command (code))
                reached = true;
        };

        auto protocol = std::make_unique<VarnetProtocolClass> (&device, &firmware, timing);
        protocol->startUpdate();
        ASSERT_TRUE (talvion::test::runMessageLoopUntil ([&] { return reached.load(); }, 10000));
        juce::Thread::sleep (300);

        const auto start = juce::Time::getMillisecondCounter();
        protocol.reset();
        EXPECT_LT (juce::Time::getMillisecondCounter() - start, 1500u) << "the thread ended on its own";

        const auto sentBefore = log.getSentMessages().size();
        talvion::test::runMessageLoopFor (200);
        EXPECT_EQ (log.getSentMessages().size(), sentBefore) << "nothing is sent after the destruction";
        EXPECT_EQ (varnetwire::count (log.getEvents(), "Confirm"), 0);
    }
}

TEST (VarnetDestruction, DuringTheBurnPhaseEndsTheRunWithoutKillingIt)
{
    destroyWhenSent (0x04, false);
}

TEST (VarnetDestruction, DuringTheStatusQueryOfASilentDeviceEndsTheRunWithoutKillingIt)
{
    destroyWhenSent (0x05, true);
}
