#include "ProgressRecorder.h"
#include "RecordingInterface.h"
#include "TestFirmware.h"
#include "VarnetWire.h"
#include "VirtualTiming.h"
#include "app/BuiltInFirmwareDescriptor.h"
#include "protocol/VarnetProtocolClass.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>

using varnetwire::Bytes;

namespace
{
    const juce::String errorText ("Error during update - please try again");
    const juce::String dspText ("Burning firmware - Updating DSP");
    const juce::String usbText ("Burning firmware - Updating USB");
    const juce::String powerText ("Burning firmware - Don't turn power off");

    std::vector<std::string> repeat (const std::string& line, int times)
    {
        return std::vector<std::string> ((size_t) times, line);
    }

    std::vector<std::string> join (std::initializer_list<std::vector<std::string>> parts)
    {
        std::vector<std::string> all;

        for (auto& part : parts)
            all.insert (all.end(), part.begin(), part.end());

        return all;
    }

    bool isWholeHundredths (double value)
    {
        return std::abs (value * 100.0 - std::round (value * 100.0)) < 1.0e-9;
    }

    //==============================================================================
    // A Varnet protocol on virtual time, talking to a recording device.
    class VarnetProtocolTest  : public ::testing::Test
    {
    protected:
        void create (std::unique_ptr<FirmwareDescriptor> descriptor)
        {
            firmware = std::move (descriptor);
            protocol = std::make_unique<VarnetProtocolClass> (&device, firmware.get(), timing);
            timing.watch (protocol.get());
            recorder = std::make_unique<ProgressRecorder> (*protocol);
        }

        void create (Bytes image, double version = 4.02)
        {
            create (std::make_unique<TestFirmware> (std::move (image), version));
        }

        /** Answers every status query; strayBytes go out once, before the first answer. */
        void answerStatusQueries (Bytes strayBytes = {})
        {
            device.onSend = [this, strayBytes] (const Bytes& message)
            {
                if (message != varnetwire::command (0x05))
                    return;

                if (! strayBytesSent.exchange (true))
                    device.queueReply (strayBytes);

                device.queueReply (varnetwire::statusReply());
            };
        }

        void runToEnd()
        {
            protocol->startUpdate();
            ASSERT_TRUE (talvion::test::runMessageLoopUntil ([this] { return ! protocol->isThreadRunning(); }, 120000));
            talvion::test::runMessageLoopFor (20);
        }

        /** The events logged from the first one that matches on. */
        std::vector<WireLog::Event> eventsAfter (const std::string& line) const
        {
            const auto events = log.getEvents();
            const auto lines = varnetwire::describe (events);
            const auto found = std::find (lines.begin(), lines.end(), line);
            return { events.begin() + (found - lines.begin()), events.end() };
        }

        WireLog log { true };
        VirtualTiming timing { log };
        RecordingInterface device { log };
        std::atomic<bool> strayBytesSent { false };
        std::unique_ptr<FirmwareDescriptor> firmware;
        std::unique_ptr<VarnetProtocolClass> protocol;
        std::unique_ptr<ProgressRecorder> recorder;
    };

    const auto burnPasses = repeat ("sleep 800", 12);
}

//==============================================================================
TEST_F (VarnetProtocolTest, SendsTwoSectionsInChunksOfTwelveWithAPauseBetween)
{
    const auto image = varnetwire::makeImage (100, 30);
    create (image);
    answerStatusQueries();
    runToEnd();

    const auto expected = join ({ { "UploadStart", "data 12", "data 12", "data 6", "sleep 100" },
                                  repeat ("data 12", 5),
                                  { "data 10", "UploadEnd" },
                                  burnPasses,
                                  { "StatusQuery", "wait 500", "Confirm" } });
    EXPECT_EQ (varnetwire::describe (log.getEvents()), expected);

    const auto sent = log.getSentMessages();
    ASSERT_EQ (sent.size(), 13u);
    EXPECT_EQ (sent[0], varnetwire::command (0x00));
    EXPECT_EQ (sent[1].size(), 23u);
    EXPECT_EQ (sent[3].size(), 16u);
    EXPECT_EQ (sent[9].size(), 21u) << "the last data message carries 10 bytes: 9 + 10 + 2";
    EXPECT_EQ (sent[10], varnetwire::command (0x04));
    EXPECT_EQ (sent[12], varnetwire::command (0x06));

    for (auto& message : sent)
        for (size_t i = 1; i + 1 < message.size(); ++i)
            ASSERT_LT (message[i], 0x80) << "only the framing bytes may have their top bit set";

    EXPECT_EQ (varnetwire::rebuildImage (sent), image);
    EXPECT_EQ (protocol->getMessage(), "Update completed");
    EXPECT_EQ (protocol->getProgress(), 1.0);
}

TEST_F (VarnetProtocolTest, AFirstSectionOfTheWholeImageStillPausesBeforeTheEnd)
{
    create (varnetwire::makeImage (42, 42));
    answerStatusQueries();
    runToEnd();

    EXPECT_EQ (varnetwire::describeUpload (log.getEvents()),
               (std::vector<std::string> { "UploadStart", "data 12", "data 12", "data 12", "data 6", "sleep 100", "UploadEnd" }));
}

TEST_F (VarnetProtocolTest, PacksTheTopBitsIntoALeadingByteOnTheWire)
{
    // Its length field announces far more than the image holds, so the image is one section.
    create (Bytes { 0x80, 0x01, 0xff, 0x00, 0x7f, 0x81, 0x02 });
    answerStatusQueries();
    runToEnd();

    const auto sent = log.getSentMessages();
    ASSERT_GE (sent.size(), 2u);
    EXPECT_EQ (sent[1], (Bytes { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, 0x03,
                                 0x52, 0x00, 0x01, 0x7f, 0x00, 0x7f, 0x01, 0x02, 0xf7 }));
}

//==============================================================================
struct ShortImageCase
{
    const char* name;
    Bytes image;
    std::vector<std::string> upload;
};

class VarnetShortImageTest  : public VarnetProtocolTest,
                              public ::testing::WithParamInterface<ShortImageCase>
{
};

TEST_P (VarnetShortImageTest, NeverReadsPastTheEndOfTheImage)
{
    create (GetParam().image);
    answerStatusQueries();
    runToEnd();

    EXPECT_EQ (varnetwire::describeUpload (log.getEvents()), GetParam().upload);
    EXPECT_EQ (varnetwire::rebuildImage (log.getSentMessages()), GetParam().image);
    EXPECT_EQ (protocol->getMessage(), "Update completed");
}

INSTANTIATE_TEST_SUITE_P (Images, VarnetShortImageTest, ::testing::Values (
    ShortImageCase { "empty", {}, { "UploadStart", "sleep 100", "UploadEnd" } },
    ShortImageCase { "oneByte", { 0x80 }, { "UploadStart", "data 1", "sleep 100", "UploadEnd" } },
    ShortImageCase { "twoBytes", { 0x00, 0xff }, { "UploadStart", "data 2", "sleep 100", "UploadEnd" } },
    ShortImageCase { "lengthFieldOnly", { 0x00, 0x00, 0x00 }, { "UploadStart", "data 3", "sleep 100", "UploadEnd" } },
    ShortImageCase { "sectionBeyondImage", varnetwire::makeImage (40, 300),
                     { "UploadStart", "data 12", "data 12", "data 12", "data 4", "sleep 100", "UploadEnd" } },
    ShortImageCase { "largestLengthField", { 0xff, 0xff, 0xff, 0x01, 0x02 }, { "UploadStart", "data 5", "sleep 100", "UploadEnd" } }),
    [] (const auto& testCase) { return std::string (testCase.param.name); });

//==============================================================================
TEST_F (VarnetProtocolTest, BuiltInImageArrivesWholeWithOneNotificationPerHundredth)
{
    create (std::make_unique<BuiltInFirmwareDescriptor>());
    answerStatusQueries();
    runToEnd();

    EXPECT_EQ (firmware->getName(), "Varnet");
    EXPECT_EQ (varnetwire::rebuildImage (log.getSentMessages()),
               Bytes (firmware->getData(), firmware->getData() + firmware->getSize()));

    // Every hundredth once, in order: 95 during the upload, then the burn phase up to 1.00.
    std::vector<double> expected;

    for (int i = 1; i <= 100; ++i)
        expected.push_back (i / 100.0);

    EXPECT_EQ (recorder->getValuesFromOtherThreads(), expected);

    for (auto& notification : recorder->getNotifications())
        ASSERT_EQ (notification.source, protocol.get()) << "every notification names the protocol";

    EXPECT_EQ (protocol->getMessage(), "Update completed");
    EXPECT_EQ (recorder->getNotifications().back().message, "Update completed");
}

TEST_F (VarnetProtocolTest, BurnPhaseAlternatesItsTextsAndRisesToOne)
{
    create (varnetwire::makeImage (100, 30));
    answerStatusQueries();
    runToEnd();

    const auto burn = eventsAfter ("UploadEnd");
    ASSERT_GE (burn.size(), 13u);

    for (int pass = 0; pass < 6; ++pass)
    {
        const auto& first = burn[(size_t) (1 + 2 * pass)];
        const auto& second = burn[(size_t) (2 + 2 * pass)];
        EXPECT_EQ (first.text, dspText) << "pass " << pass;
        EXPECT_EQ (second.text, powerText) << "pass " << pass;
        EXPECT_DOUBLE_EQ (second.progress, (95 + pass) / 100.0) << "pass " << pass;
    }

    EXPECT_EQ (burn[12].progress, 1.0) << "the progress reads 1.00 before the status query";
}

//==============================================================================
class VarnetVersionTest  : public VarnetProtocolTest,
                           public ::testing::WithParamInterface<double>
{
};

TEST_P (VarnetVersionTest, OldFirmwareBurnsTheUsbPartAfterTheConfirmation)
{
    create (varnetwire::makeImage (100, 30), GetParam());
    answerStatusQueries();
    runToEnd();

    const auto burn = eventsAfter ("UploadEnd");

    for (int pass = 0; pass < 6; ++pass)
        EXPECT_DOUBLE_EQ (burn[(size_t) (2 + 2 * pass)].progress, (50 + 2 * pass) / 100.0) << "pass " << pass;

    const auto usb = eventsAfter ("Confirm");
    EXPECT_EQ (varnetwire::describe (usb), join ({ { "Confirm" }, repeat ("sleep 800", 60) }));

    for (int pass = 0; pass < 30 && usb.size() == 61; ++pass)
    {
        const auto& first = usb[(size_t) (1 + 2 * pass)];
        const auto& second = usb[(size_t) (2 + 2 * pass)];
        EXPECT_EQ (first.text, usbText) << "pass " << pass;
        EXPECT_EQ (second.text, powerText) << "pass " << pass;
        EXPECT_TRUE (isWholeHundredths (second.progress)) << second.progress;
        EXPECT_NEAR (second.progress, 0.72 + pass * 0.009, 0.0051) << "pass " << pass;
    }

    EXPECT_EQ (protocol->getMessage(), "Power off when the RMQ-4 red power led is blinking");
    EXPECT_EQ (protocol->getProgress(), 1.0);
}

INSTANTIATE_TEST_SUITE_P (VersionsUpTo3, VarnetVersionTest, ::testing::Values (3.0, 2.5));

TEST_F (VarnetProtocolTest, FirmwareJustAboveThreeSkipsTheUsbPhase)
{
    create (varnetwire::makeImage (100, 30), 3.01);
    answerStatusQueries();
    runToEnd();

    EXPECT_EQ (varnetwire::describe (eventsAfter ("Confirm")), (std::vector<std::string> { "Confirm" }));
    EXPECT_EQ (protocol->getMessage(), "Update completed");
}

//==============================================================================
TEST_F (VarnetProtocolTest, ASilentDeviceIsAskedTenTimesASecondApartThenTheRunFails)
{
    create (varnetwire::makeImage (100, 30));
    runToEnd();

    const auto query = varnetwire::describe (eventsAfter ("StatusQuery"));
    std::vector<std::string> expected;

    for (int attempt = 0; attempt < 10; ++attempt)
        expected.insert (expected.end(), { "StatusQuery", "wait 500" });

    EXPECT_EQ (query, expected) << "no confirmation after a missing answer";

    std::vector<juce::uint32> times;

    for (auto& event : log.getEvents())
        if (event.bytes == varnetwire::command (0x05))
            times.push_back (event.time);

    ASSERT_EQ (times.size(), 10u);

    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_NEAR ((double) (times[i] - times[i - 1]), 1000.0, 10.0);

    EXPECT_EQ (protocol->getProgress(), 0.0);
    EXPECT_EQ (protocol->getMessage(), errorText);
    EXPECT_EQ (recorder->getValuesFromOtherThreads().back(), 0.0);
    EXPECT_EQ (recorder->getNotifications().back().message, errorText);
}

struct StrayBytesCase
{
    const char* name;
    Bytes strayBytes;
    int queries;
};

class VarnetStrayBytesTest  : public VarnetProtocolTest,
                              public ::testing::WithParamInterface<StrayBytesCase>
{
};

TEST_P (VarnetStrayBytesTest, FindsTheReplyBehindOtherBytes)
{
    create (varnetwire::makeImage (100, 30));
    answerStatusQueries (GetParam().strayBytes);
    runToEnd();

    EXPECT_EQ (varnetwire::count (log.getEvents(), "StatusQuery"), GetParam().queries);
    EXPECT_EQ (varnetwire::count (log.getEvents(), "Confirm"), 1);
    EXPECT_EQ (protocol->getMessage(), "Update completed");
}

// A byte that breaks a partial match is not compared again with the reply's first byte, so a
// reply right behind a stray F0 or a cut-off prefix is only found at the next query.
INSTANTIATE_TEST_SUITE_P (Replies, VarnetStrayBytesTest, ::testing::Values (
    StrayBytesCase { "none", {}, 1 },
    StrayBytesCase { "dataBytes", { 0x12, 0x34, 0x7f }, 1 },
    StrayBytesCase { "unrelatedMessage", { 0xf0, 0x7e, 0x7f, 0x06, 0x01, 0xf7 }, 1 },
    StrayBytesCase { "otherReply", { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, 0x05, 0x01, 0xf7 }, 1 },
    StrayBytesCase { "loneStartByte", { 0xf0 }, 2 },
    StrayBytesCase { "cutOffPrefix", { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51 }, 2 }),
    [] (const auto& testCase) { return std::string (testCase.param.name); });

//==============================================================================
class VarnetAbortTest  : public VarnetProtocolTest,
                         public ::testing::WithParamInterface<int>
{
};

TEST_P (VarnetAbortTest, AnAbortDuringTheUploadEndsInTheErrorText)
{
    const auto abortAfter = GetParam();
    create (varnetwire::makeImage (100, 30));
    std::atomic<int> dataMessages { 0 };

    device.onSend = [&] (const Bytes& message)
    {
        if (message.size() > 9 && ++dataMessages == abortAfter)
            protocol->signalThreadShouldExit();
    };

    runToEnd();

    const auto lines = varnetwire::describe (log.getEvents());
    EXPECT_EQ (std::count (lines.begin(), lines.end(), "UploadEnd"), 0);
    EXPECT_EQ (dataMessages.load(), abortAfter) << "the abort is noticed after the data message";
    EXPECT_EQ (protocol->getProgress(), 0.0);
    EXPECT_EQ (protocol->getMessage(), errorText);

    // The stopping thread skips its synchronous notification; the text's notification shows 0.0.
    ASSERT_FALSE (recorder->getNotifications().empty());
    EXPECT_EQ (recorder->getNotifications().back().progress, 0.0);
    EXPECT_EQ (recorder->getNotifications().back().message, errorText);
}

INSTANTIATE_TEST_SUITE_P (FirstAndSecondSection, VarnetAbortTest, ::testing::Values (2, 5, 9));

class VarnetLateAbortTest  : public VarnetProtocolTest,
                             public ::testing::WithParamInterface<juce::uint8>
{
};

TEST_P (VarnetLateAbortTest, AnAbortAfterTheUploadEndIsIgnored)
{
    create (varnetwire::makeImage (100, 30));
    device.onSend = [this] (const Bytes& message)
    {
        if (message == varnetwire::command (GetParam()))
            protocol->signalThreadShouldExit();

        if (message == varnetwire::command (0x05))
            device.queueReply (varnetwire::statusReply());
    };

    runToEnd();

    EXPECT_EQ (varnetwire::count (log.getEvents(), "Confirm"), 1);
    EXPECT_EQ (protocol->getProgress(), 1.0);
    EXPECT_EQ (protocol->getMessage(), "Update completed");
    EXPECT_EQ (recorder->getNotifications().back().message, "Update completed");
}

INSTANTIATE_TEST_SUITE_P (BurnAndStatusQuery, VarnetLateAbortTest, ::testing::Values ((juce::uint8) 0x04, (juce::uint8) 0x05));

//==============================================================================
TEST_F (VarnetProtocolTest, StartsAsAnIdleThreadThatNamesItselfInEveryNotification)
{
    create (varnetwire::makeImage (100, 30));

    EXPECT_EQ (protocol->getThreadName(), "Protocol Thread");
    EXPECT_FALSE (protocol->isThreadRunning());
    EXPECT_EQ (protocol->getChangeSource(), static_cast<void*> (protocol.get()));
    EXPECT_EQ (firmware->getName(), "Varnet");
    EXPECT_TRUE (log.getEvents().empty());
}

TEST_F (VarnetProtocolTest, DestroyingAProtocolThatNeverRanReturnsAtOnce)
{
    create (varnetwire::makeImage (100, 30));
    recorder.reset();

    const auto start = juce::Time::getMillisecondCounter();
    protocol.reset();
    EXPECT_LT (juce::Time::getMillisecondCounter() - start, 500u);
}

TEST_F (VarnetProtocolTest, StartingAfterACompletedRunResetsAndRunsAgain)
{
    create (varnetwire::makeImage (100, 30));
    answerStatusQueries();
    runToEnd();

    const auto before = recorder->getNotifications().size();
    protocol->startUpdate();

    // The reset is announced at once, on the message thread.
    const auto notifications = recorder->getNotifications();
    ASSERT_GT (notifications.size(), before);
    EXPECT_EQ (notifications[before].progress, 0.0);
    EXPECT_TRUE (notifications[before].onMessageThread);

    ASSERT_TRUE (talvion::test::runMessageLoopUntil ([this] { return ! protocol->isThreadRunning(); }));
    EXPECT_EQ (varnetwire::count (log.getEvents(), "UploadStart"), 2);
    EXPECT_EQ (protocol->getProgress(), 1.0);
}

//==============================================================================
// Holds the protocol thread inside its first pause of the given kind and length.
class VarnetHeldRunTest  : public VarnetProtocolTest
{
protected:
    void holdAt (WireLog::Kind kind, int milliseconds)
    {
        timing.onPause = [this, kind, milliseconds] (WireLog::Kind k, int ms)
        {
            if (k == kind && ms == milliseconds && ! held.exchange (true))
                release.wait (20000);
        };
    }

    void startAndWaitUntilHeld()
    {
        protocol->startUpdate();
        ASSERT_TRUE (talvion::test::runMessageLoopUntil ([this] { return held.load(); }));
        talvion::test::runMessageLoopFor (20);
    }

    void releaseAndRunToEnd()
    {
        release.signal();
        ASSERT_TRUE (talvion::test::runMessageLoopUntil ([this] { return ! protocol->isThreadRunning(); }));
    }

    std::atomic<bool> held { false };
    juce::WaitableEvent release;
};

TEST_F (VarnetHeldRunTest, StartingWhileARunIsBelowOneChangesNothing)
{
    create (varnetwire::makeImage (100, 30));
    answerStatusQueries();
    holdAt (WireLog::Kind::sleep, 100);
    startAndWaitUntilHeld();

    const auto progress = protocol->getProgress();
    const auto notifications = recorder->getNotifications().size();
    ASSERT_GT (progress, 0.0);
    ASSERT_LT (progress, 1.0);

    protocol->startUpdate();
    talvion::test::runMessageLoopFor (20);

    EXPECT_EQ (protocol->getProgress(), progress);
    EXPECT_EQ (recorder->getNotifications().size(), notifications);

    releaseAndRunToEnd();
    EXPECT_EQ (varnetwire::count (log.getEvents(), "UploadStart"), 1);
}

TEST_F (VarnetHeldRunTest, StartingWhileARunReadsOneOnlyResetsTheBar)
{
    create (varnetwire::makeImage (100, 30));
    answerStatusQueries();
    holdAt (WireLog::Kind::wait, 500);
    startAndWaitUntilHeld();
    ASSERT_EQ (protocol->getProgress(), 1.0) << "the burn phase ends at 1.00, before the status query";

    const auto before = recorder->getNotifications().size();
    protocol->startUpdate();

    const auto notifications = recorder->getNotifications();
    ASSERT_EQ (notifications.size(), before + 1);
    EXPECT_EQ (notifications.back().progress, 0.0);
    EXPECT_EQ (protocol->getProgress(), 0.0);

    releaseAndRunToEnd();
    EXPECT_EQ (varnetwire::count (log.getEvents(), "UploadStart"), 1) << "no second run starts";
    EXPECT_EQ (protocol->getProgress(), 1.0);
}

TEST_F (VarnetProtocolTest, DestroyingARunningProtocolEndsItWithoutWaitingForTheLock)
{
    create (varnetwire::makeImage (100, 30));
    recorder.reset();

    // The device takes its time over the third data message, until the protocol is told to stop,
    // while the message thread is busy destroying the protocol and dispatches nothing.
    std::atomic<bool> inside { false };
    std::atomic<int> dataMessages { 0 };
    auto* const running = protocol.get();

    device.onSend = [&] (const Bytes& message)
    {
        if (message.size() > 9 && ++dataMessages == 3 && ! inside.exchange (true))
            for (int i = 0; i < 5000 && ! running->threadShouldExit(); ++i)
                juce::Thread::sleep (1);
    };

    protocol->startUpdate();
    ASSERT_TRUE (talvion::test::runMessageLoopUntil ([&] { return inside.load(); }));

    const auto start = juce::Time::getMillisecondCounter();
    protocol.reset();
    EXPECT_LT (juce::Time::getMillisecondCounter() - start, 1000u) << "the thread ended on its own";
    EXPECT_EQ (varnetwire::count (log.getEvents(), "UploadEnd"), 0);
}
