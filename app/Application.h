#pragma once

#include "app/MainWindow.h"

#include <memory>

//==============================================================================
/**
    Talvion's application object: one copy at a time, one main window.

    The window is created, centred at 650 by 400 and pinned to that size in initialise(), and
    deleted in shutdown(). Everything else is built by the window's content component.
*/
class Application  : public juce::JUCEApplication
{
public:
    Application();
    ~Application() override;

    //==============================================================================
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;

    /** A second start hands its command line over; the running copy leaves everything as it is. */
    void anotherInstanceStarted (const juce::String& commandLine) override;

private:
    std::unique_ptr<MainWindow> mainWindow;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Application)
};
