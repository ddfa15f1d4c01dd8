#include "FunctionThread.h"
#include "ProgressRecorder.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

TEST (ProgressFromAnotherThread, IsAnnouncedOnThatThreadUnderTheMessageManagerLock)
{
    ProgressClass progress;
    std::atomic<bool> lockedDuringCallback { false };
    std::atomic<int> calls { 0 };

    struct Listener  : public juce::ChangeListener
    {
        std::function<void()> onChange;
        void changeListenerCallback (juce::ChangeBroadcaster*) override     { onChange(); }
    } listener;

    listener.onChange = [&]
    {
        lockedDuringCallback = juce::MessageManager::existsAndIsLockedByCurrentThread()
                                 && ! juce::MessageManager::getInstance()->isThisTheMessageThread();
        ++calls;
    };
    progress.addChangeListener (&listener);

    FunctionThread thread ([&] (FunctionThread&) { progress.setProgress (0.42); });
    thread.startThread();
    ASSERT_TRUE (talvion::test::runMessageLoopUntil ([&] { return ! thread.isThreadRunning(); }));

    EXPECT_EQ (calls.load(), 1);
    EXPECT_TRUE (lockedDuringCallback.load());
    progress.removeChangeListener (&listener);
}

TEST (ProgressFromAnotherThread, AThreadBeingStoppedSkipsTheNotificationButKeepsTheValue)
{
    ProgressClass progress;
    ProgressRecorder recorder (progress);
    std::atomic<bool> started { false };

    FunctionThread thread ([&] (FunctionThread&)
    {
        started = true;
        progress.setProgress (0.7);
    });

    // The message thread dispatches nothing from here on, as when a window waits for the
    // protocol thread while it closes.
    thread.startThread();

    while (! started)
        juce::Thread::sleep (1);

    juce::Thread::sleep (50);
    const auto start = juce::Time::getMillisecondCounter();
    EXPECT_TRUE (thread.stopThread (2000)) << "the thread ended without being killed";
    EXPECT_LT (juce::Time::getMillisecondCounter() - start, 1000u);

    EXPECT_EQ (progress.getProgress(), 0.7);
    talvion::test::runMessageLoopFor (10);
    EXPECT_TRUE (recorder.getNotifications().empty());
}

TEST (ProgressFromAnotherThread, TextsCanBeSetAndReadOnTwoThreadsAtOnce)
{
    ProgressClass progress;
    ProgressRecorder recorder (progress);
    const juce::StringArray texts { "Burning firmware - Updating DSP", "Burning firmware - Don't turn power off" };

    FunctionThread thread ([&] (FunctionThread& self)
    {
        for (int i = 0; i < 2000 && ! self.threadShouldExit(); ++i)
            progress.setMessage (texts[i % 2]);
    });

    thread.startThread();
    int reads = 0;

    while (thread.isThreadRunning())
    {
        const auto text = progress.getMessage();
        ASSERT_TRUE (text.isEmpty() || texts.contains (text)) << text;
        ++reads;
        juce::MessageManager::getInstance()->runDispatchLoopUntil (1);
    }

    talvion::test::runMessageLoopFor (10);
    EXPECT_GT (reads, 0);
    EXPECT_EQ (progress.getMessage(), texts[1]);
    EXPECT_EQ (recorder.getNotifications().back().message, texts[1]);
}
