#pragma once

#include "protocol/ProgressClass.h"

#include <mutex>
#include <vector>

//==============================================================================
/**
    A progress listener that notes, for every notification, who sent it, the value and text it
    read, and whether it ran on the message thread (a text change) or on the thread that set the
    value (a progress change from the protocol thread).
*/
class ProgressRecorder  : public juce::ChangeListener
{
public:
    struct Notification
    {
        juce::ChangeBroadcaster* source;
        double progress;
        juce::String message;
        bool onMessageThread;
    };

    explicit ProgressRecorder (ProgressClass& progressToWatch)
        : watched (progressToWatch)
    {
        watched.addChangeListener (this);
    }

    ~ProgressRecorder() override
    {
        watched.removeChangeListener (this);
    }

    void changeListenerCallback (juce::ChangeBroadcaster* source) override
    {
        const std::lock_guard<std::mutex> sl (lock);
        notifications.push_back ({ source, watched.getProgress(), watched.getMessage(),
                                   juce::MessageManager::getInstance()->isThisTheMessageThread() });
    }

    std::vector<Notification> getNotifications() const
    {
        const std::lock_guard<std::mutex> sl (lock);
        return notifications;
    }

    /** The values seen by notifications that came from another thread than the message thread. */
    std::vector<double> getValuesFromOtherThreads() const
    {
        std::vector<double> values;

        for (auto& n : getNotifications())
            if (! n.onMessageThread)
                values.push_back (n.progress);

        return values;
    }

private:
    ProgressClass& watched;
    mutable std::mutex lock;
    std::vector<Notification> notifications;
};
