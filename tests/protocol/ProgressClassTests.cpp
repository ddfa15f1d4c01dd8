#include "ProgressRecorder.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

namespace
{
    // A progress inside an object of its own, as protocols hold it.
    struct Owner
    {
        int tag = 0;
        ProgressClass progress { this };
    };

    class ProgressClassTest  : public ::testing::Test
    {
    protected:
        size_t countAfter (const std::function<void()>& change)
        {
            const auto before = recorder.getNotifications().size();
            change();
            talvion::test::runMessageLoopFor (10);
            return recorder.getNotifications().size() - before;
        }

        Owner owner;
        ProgressClass& progress { owner.progress };
        ProgressRecorder recorder { progress };
    };
}

TEST_F (ProgressClassTest, StartsAtZeroWithNoText)
{
    EXPECT_EQ (progress.getProgress(), 0.0);
    EXPECT_EQ (progress.getMessage(), juce::String());
    EXPECT_EQ (progress.getChangeSource(), static_cast<void*> (&owner));
    EXPECT_EQ (ProgressClass().getChangeSource(), nullptr);
}

TEST_F (ProgressClassTest, KeepsWholeHundredthsAndNotifiesOnlyOnChange)
{
    EXPECT_EQ (countAfter ([&] { progress.setProgress (0.123); }), 1u);
    EXPECT_EQ (progress.getProgress(), 0.12);

    EXPECT_EQ (countAfter ([&] { progress.setProgress (0.1249); }), 0u);
    EXPECT_EQ (progress.getProgress(), 0.12);

    EXPECT_EQ (countAfter ([&] { progress.setProgress (0.126); }), 1u);
    EXPECT_EQ (progress.getProgress(), 0.13);

    EXPECT_EQ (countAfter ([&] { progress.setProgress (1.0); }), 1u);
    EXPECT_EQ (countAfter ([&] { progress.setProgress (1.0); }), 0u);
    EXPECT_EQ (progress.getProgress(), 1.0);
}

TEST_F (ProgressClassTest, AnExactHalfGoesToTheEvenHundredth)
{
    const std::vector<std::pair<double, double>> cases { { 0.125, 0.12 }, { 0.375, 0.38 }, { 0.625, 0.62 },
                                                         { 0.875, 0.88 }, { 0.0051, 0.01 } };

    for (auto& [value, expected] : cases)
    {
        progress.setProgress (value);
        EXPECT_EQ (progress.getProgress(), expected) << value;
    }
}

TEST_F (ProgressClassTest, ValuesOutsideTheRangeAreHeldAtItsEnds)
{
    progress.setProgress (1.7);
    EXPECT_EQ (progress.getProgress(), 1.0);
    progress.setProgress (-0.3);
    EXPECT_EQ (progress.getProgress(), 0.0);
}

TEST_F (ProgressClassTest, AValueIsAnnouncedAtOnceAndATextLaterAsOne)
{
    progress.setProgress (0.5);
    ASSERT_EQ (recorder.getNotifications().size(), 1u) << "synchronous, before any dispatch";
    EXPECT_EQ (recorder.getNotifications()[0].progress, 0.5);

    progress.setMessage ("one");
    progress.setMessage ("two");
    EXPECT_EQ (recorder.getNotifications().size(), 1u) << "asynchronous";

    talvion::test::runMessageLoopFor (10);
    const auto notifications = recorder.getNotifications();
    ASSERT_EQ (notifications.size(), 2u) << "coalesced";
    EXPECT_EQ (notifications[1].message, "two");
    EXPECT_EQ (progress.getMessage(), "two");
}

TEST_F (ProgressClassTest, AnEqualTextNotifiesNobody)
{
    EXPECT_EQ (countAfter ([&] { progress.setMessage ("Uploading firmware"); }), 1u);
    EXPECT_EQ (countAfter ([&] { progress.setMessage ("Uploading firmware"); }), 0u);
}

TEST_F (ProgressClassTest, EveryNotificationComesFromTheOwnersBroadcaster)
{
    progress.setProgress (0.3);
    progress.setMessage ("text");
    talvion::test::runMessageLoopFor (10);

    const auto notifications = recorder.getNotifications();
    ASSERT_EQ (notifications.size(), 2u);

    for (auto& notification : notifications)
        EXPECT_EQ (notification.source, &progress);
}
