#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

//==============================================================================
/**
    A DocumentWindow that carries a title-bar colour beside its background colour.

    The look and feel paints the title bar as a fade from the one colour into the other, so every
    window of the program that wants that title bar derives from this class.
*/
class ColouredDocumentWindow  : public juce::DocumentWindow
{
public:
    ColouredDocumentWindow (const juce::String& title,
                            juce::Colour backgroundColour,
                            juce::Colour titleBarColour,
                            int buttonsNeeded,
                            bool addToDesktop = true);

    /** The colour the title bar fades from, at its top edge. */
    juce::Colour getTitleBarColour() const noexcept         { return titleBarColour; }

private:
    const juce::Colour titleBarColour;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ColouredDocumentWindow)
};
