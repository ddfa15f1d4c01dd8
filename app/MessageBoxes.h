#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** Shows a modal message box with one "ok" button and returns when the user has answered it.

    Every message box of Talvion goes through here, so that tests can see what would have been
    shown without a modal loop waiting for a click. */
void showMessageBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message);

/** What showMessageBox() calls instead of showing a real box; an empty function restores the
    real box. Meant for tests. */
using MessageBoxHandler = std::function<void (juce::MessageBoxIconType, const juce::String& title, const juce::String& message)>;
void setMessageBoxHandler (MessageBoxHandler handler);
