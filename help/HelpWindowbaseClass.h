#pragma once

#include "look/ColouredDocumentWindow.h"

//==============================================================================
/**
    The frame that every help window shares: light grey-blue with a blue title bar, the
    minimise, maximise and close buttons, on the desktop and hidden until its owner shows it.

    The close button only hides the window, so the owner can show the same window again.
*/
class HelpWindowbaseClass  : public ColouredDocumentWindow
{
public:
    HelpWindowbaseClass();
    ~HelpWindowbaseClass() override;

    //==============================================================================
    void closeButtonPressed() override;

protected:
    /** Makes the component the window's content, resizable by the border only, and sets the title. */
    void setHelpContent (std::unique_ptr<juce::Component> content, const juce::String& title);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (HelpWindowbaseClass)
};
