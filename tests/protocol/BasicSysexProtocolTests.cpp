#include "ProgressRecorder.h"
#include "RecordingInterface.h"
#include "TestFirmware.h"
#include "VirtualTiming.h"
#include "protocol/BasicSysexProtocolClass.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

#include <atomic>

namespace
{
    using Bytes = std::vector<juce::uint8>;

    const juce::String invalidFileText ("Error: the firmware file is not a valid sysex file - nothing was sent");

    /** A complete message of the given length, F0 ... F7, with a recognisable filling. */
    Bytes sysex (size_t length, juce::uint8 seed)
    {
        Bytes message (length);
        message.front() = 0xf0;
        message.back() = 0xf7;

        for (size_t i = 1; i + 1 < length; ++i)
            message[i] = (juce::uint8) ((seed + i) & 0x7f);

        return message;
    }

    Bytes concatenate (std::initializer_list<Bytes> parts)
    {
        Bytes all;

        for (auto& part : parts)
            all.insert (all.end(), part.begin(), part.end());

        return all;
    }

    //==============================================================================
    class BasicSysexProtocolTest  : public ::testing::Test
    {
    protected:
        void create (Bytes image)
        {
            firmware = std::make_unique<TestFirmware> (std::move (image));
            protocol = std::make_unique<BasicSysexProtocolClass> (&device, firmware.get(), timing);
            timing.watch (protocol.get());
            recorder = std::make_unique<ProgressRecorder> (*protocol);
        }

        void runToEnd()
        {
            protocol->startUpdate();
            ASSERT_TRUE (talvion::test::runMessageLoopUntil ([this] { return ! protocol->isThreadRunning(); }));
            talvion::test::runMessageLoopFor (20);
        }

        /** "sent N" for every message, "sleep N" for every pause. */
        std::vector<std::string> describe() const
        {
            std::vector<std::string> lines;

            for (auto& event : log.getEvents())
                lines.push_back ((event.kind == WireLog::Kind::sent ? "sent " : event.kind == WireLog::Kind::sleep ? "sleep " : "wait ")
                                 + std::to_string (event.kind == WireLog::Kind::sent ? (int) event.bytes.size() : event.milliseconds));

            return lines;
        }

        WireLog log { true };
        VirtualTiming timing { log };
        RecordingInterface device { log };
        std::unique_ptr<FirmwareDescriptor> firmware;
        std::unique_ptr<BasicSysexProtocolClass> protocol;
        std::unique_ptr<ProgressRecorder> recorder;
    };
}

//==============================================================================
TEST_F (BasicSysexProtocolTest, SendsEachMessageWholeWithAPauseAfterEveryOne)
{
    const auto first = sysex (10, 1), second = sysex (20, 2), third = sysex (70, 3);
    create (concatenate ({ first, second, third }));
    runToEnd();

    EXPECT_EQ (describe(), (std::vector<std::string> { "sent 10", "sleep 300", "sent 20", "sleep 300", "sent 70", "sleep 300" }));
    EXPECT_EQ (log.getSentMessages(), (std::vector<Bytes> { first, second, third }));
    EXPECT_EQ (recorder->getValuesFromOtherThreads(), (std::vector<double> { 0.10, 0.30, 1.00 }));

    for (auto& notification : recorder->getNotifications())
        ASSERT_EQ (notification.source, protocol.get());

    EXPECT_EQ (protocol->getMessage(), "Update completed");
    EXPECT_EQ (recorder->getNotifications().back().message, "Update completed");
    EXPECT_TRUE (device.isEnabled());
    EXPECT_EQ (device.getEnablementHistory(), (std::vector<bool> { false, true })) << "disabled while it runs";
}

TEST_F (BasicSysexProtocolTest, ASingleMessageIsSentOnce)
{
    const auto only = sysex (5, 9);
    create (only);
    runToEnd();

    EXPECT_EQ (log.getSentMessages(), (std::vector<Bytes> { only }));
    EXPECT_EQ (protocol->getProgress(), 1.0);
    EXPECT_EQ (protocol->getMessage(), "Update completed");
}

TEST_F (BasicSysexProtocolTest, AnAbortBeforeTheFirstMessageSendsNothing)
{
    create (concatenate ({ sysex (10, 1), sysex (20, 2) }));

    // Run on this thread, so that the abort is certain to come first.
    protocol->signalThreadShouldExit();
    protocol->run();
    talvion::test::runMessageLoopFor (20);

    EXPECT_TRUE (log.getSentMessages().empty());
    EXPECT_TRUE (device.getEnablementHistory().empty()) << "the interface is never disabled";
    EXPECT_EQ (protocol->getMessage(), "Uploading firmware");
}

TEST_F (BasicSysexProtocolTest, AnAbortAfterAMessageLeavesTextAndInterfaceAsTheyWere)
{
    create (concatenate ({ sysex (10, 1), sysex (20, 2), sysex (70, 3) }));
    device.onSend = [this] (const Bytes&) { protocol->signalThreadShouldExit(); };
    runToEnd();

    EXPECT_EQ (log.getSentMessages().size(), 1u);
    EXPECT_EQ (protocol->getProgress(), 0.10);
    EXPECT_EQ (protocol->getMessage(), "Uploading firmware");
    EXPECT_FALSE (device.isEnabled());
}

TEST_F (BasicSysexProtocolTest, StartingAgainAfterCompletionSendsTheImageAgain)
{
    const auto image = concatenate ({ sysex (10, 1), sysex (20, 2) });
    create (image);
    runToEnd();
    runToEnd();

    EXPECT_EQ (log.getSentMessages().size(), 4u);
    EXPECT_EQ (recorder->getValuesFromOtherThreads(), (std::vector<double> { 0.33, 1.00, 0.33, 1.00 }));
    EXPECT_EQ (protocol->getMessage(), "Update completed");
}

TEST_F (BasicSysexProtocolTest, StartingWhileARunIsBelowOneChangesNothing)
{
    create (concatenate ({ sysex (10, 1), sysex (20, 2), sysex (70, 3) }));

    std::atomic<bool> held { false };
    juce::WaitableEvent release;
    timing.onPause = [&] (WireLog::Kind, int)
    {
        if (! held.exchange (true))
            release.wait (20000);
    };

    protocol->startUpdate();
    ASSERT_TRUE (talvion::test::runMessageLoopUntil ([&] { return held.load(); }));

    const auto notifications = recorder->getNotifications().size();
    protocol->startUpdate();
    talvion::test::runMessageLoopFor (20);
    EXPECT_EQ (recorder->getNotifications().size(), notifications);

    release.signal();
    ASSERT_TRUE (talvion::test::runMessageLoopUntil ([this] { return ! protocol->isThreadRunning(); }));
    EXPECT_EQ (log.getSentMessages().size(), 3u) << "one run only";
}

//==============================================================================
struct DamagedFileCase
{
    const char* name;
    Bytes image;
};

class BasicSysexDamagedFileTest  : public BasicSysexProtocolTest,
                                   public ::testing::WithParamInterface<DamagedFileCase>
{
};

TEST_P (BasicSysexDamagedFileTest, SendsNothingAndSaysSo)
{
    create (GetParam().image);
    runToEnd();

    EXPECT_TRUE (log.getSentMessages().empty());
    EXPECT_TRUE (device.getEnablementHistory().empty());
    EXPECT_TRUE (device.isEnabled());
    EXPECT_EQ (protocol->getProgress(), 0.0);
    EXPECT_EQ (protocol->getMessage(), invalidFileText);
    ASSERT_FALSE (recorder->getNotifications().empty());
    EXPECT_EQ (recorder->getNotifications().back().message, invalidFileText);
}

INSTANTIATE_TEST_SUITE_P (Files, BasicSysexDamagedFileTest, ::testing::Values (
    DamagedFileCase { "empty", {} },
    DamagedFileCase { "leadingGarbage", concatenate ({ { 0x00 }, sysex (10, 1) }) },
    DamagedFileCase { "byteBetweenMessages", concatenate ({ sysex (10, 1), { 0x42 }, sysex (20, 2) }) },
    DamagedFileCase { "trailingByte", concatenate ({ sysex (10, 1), { 0x42 } }) },
    DamagedFileCase { "missingFinalF7", concatenate ({ sysex (10, 1), { 0xf0, 0x01, 0x02 } }) },
    DamagedFileCase { "onlyAStartByte", { 0xf0 } },
    DamagedFileCase { "statusByteInsideAMessage", { 0xf0, 0x01, 0x90, 0x02, 0xf7 } },
    DamagedFileCase { "startByteInsideAMessage", { 0xf0, 0x01, 0xf0, 0x02, 0xf7 } },
    DamagedFileCase { "loneEndByte", { 0xf7 } }),
    [] (const auto& testCase) { return std::string (testCase.param.name); });
