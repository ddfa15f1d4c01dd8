#pragma once

#include "look/ColouredDocumentWindow.h"

class ContentComp;

//==============================================================================
/**
    Talvion's main window: a light grey-blue window with a blue title bar, whose content
    component shows the firmware, the device selectors and the progress of an update.

    The title names the firmware that will be installed. Closing the window stops a running
    update (waiting up to 5 seconds for it) and then asks the application to quit.
*/
class MainWindow  : public ColouredDocumentWindow
{
public:
    /** Builds the content from the command line, which may name a firmware file, and shows the
        window. */
    explicit MainWindow (const juce::String& commandLine);
    ~MainWindow() override;

    void closeButtonPressed() override;

    /** The content component that this window shows. */
    ContentComp* getContentComp() const noexcept            { return contentComp; }

    static constexpr juce::uint32 backgroundArgb = 0xffeff2f3;
    static constexpr juce::uint32 titleBarArgb   = 0xff3273a1;

private:
    ContentComp* contentComp = nullptr;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
};
