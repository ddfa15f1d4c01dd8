#include "app/MessageBoxes.h"

namespace
{
    MessageBoxHandler& currentHandler()
    {
        static MessageBoxHandler handler;
        return handler;
    }
}

void showMessageBox (juce::MessageBoxIconType icon, const juce::String& title, const juce::String& message)
{
    if (const auto& handler = currentHandler())
        handler (icon, title, message);
    else
        juce::AlertWindow::showMessageBox (icon, title, message, "ok");
}

void setMessageBoxHandler (MessageBoxHandler handler)
{
    currentHandler() = std::move (handler);
}
