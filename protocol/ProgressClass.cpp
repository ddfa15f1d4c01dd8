#include "protocol/ProgressClass.h"

#include <cmath>

ProgressClass::ProgressClass() = default;

ProgressClass::ProgressClass (void* sourceOfChanges)
    : changeSource (sourceOfChanges)
{
}

ProgressClass::~ProgressClass() = default;

//==============================================================================
void ProgressClass::setProgress (double value)
{
    // nearbyint rounds in the default mode, to nearest with halves to even, and exactly.
    const auto hundredths = juce::jlimit (0.0, 100.0, std::nearbyint (value * 100.0));
    const auto newValue = hundredths / 100.0;

    if (newValue == progress.load())
        return;

    progress = newValue;

    // A thread that is being stopped must not stall on the lock while the message thread waits
    // for it; it skips this one notification instead.
    const juce::MessageManagerLock lock (juce::Thread::getCurrentThread());

    if (lock.lockWasGained())
        sendSynchronousChangeMessage();
}

double ProgressClass::getProgress() const noexcept
{
    return progress.load();
}

void ProgressClass::setMessage (const juce::String& text)
{
    {
        const juce::ScopedLock sl (messageLock);

        if (message == text)
            return;

        message = text;
    }

    sendChangeMessage();
}

juce::String ProgressClass::getMessage() const
{
    const juce::ScopedLock sl (messageLock);
    return message;
}
