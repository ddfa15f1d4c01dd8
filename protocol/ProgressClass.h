#pragma once

#include <juce_events/juce_events.h>

#include <atomic>

//==============================================================================
/**
    The state of an update as the user sees it: a progress value from 0.0 to 1.0, kept in whole
    hundredths, and a status text.

    A changed value is announced at once, on the thread that set it, while that thread holds the
    message-manager lock, so a listener may touch components. A changed text is announced later on
    the message thread, and several changes may arrive as one. Because values are whole hundredths
    and an unchanged value announces nothing, a rising progress crosses into the message thread at
    most 101 times however often it is set.

    Every announcement comes from this broadcaster; the change source given at construction is the
    object that contains it (a protocol), so a listener's source compares equal to that object.
*/
class ProgressClass  : public juce::ChangeBroadcaster
{
public:
    //==============================================================================
    /** A progress with no change source. */
    ProgressClass();

    /** A progress that names the given object, the one that contains it, as its change source. */
    explicit ProgressClass (void* sourceOfChanges);

    ~ProgressClass() override;

    //==============================================================================
    /** Rounds the value to the nearest hundredth (an exact half goes to the even one), clamps it
        to 0.0..1.0 and, when that differs from the current value, stores it and notifies the
        listeners synchronously under the message-manager lock.

        On a juce::Thread the lock is given up when the thread is asked to exit; that one
        notification is then skipped, but the value is still stored.
    */
    void setProgress (double value);

    /** The current value, a whole number of hundredths. */
    double getProgress() const noexcept;

    /** Stores a different text and notifies the listeners asynchronously; an equal text is ignored. */
    void setMessage (const juce::String& text);

    /** A copy of the current text. Safe to call while another thread sets it. */
    juce::String getMessage() const;

    /** The object that every notification is meant to name. */
    void* getChangeSource() const noexcept                  { return changeSource; }

private:
    //==============================================================================
    void* changeSource = nullptr;
    juce::String message;
    std::atomic<double> progress { 0.0 };
    juce::CriticalSection messageLock;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ProgressClass)
};
