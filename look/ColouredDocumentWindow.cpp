#include "look/ColouredDocumentWindow.h"

ColouredDocumentWindow::ColouredDocumentWindow (const juce::String& title,
                                                juce::Colour backgroundColour,
                                                juce::Colour titleBar,
                                                int buttons,
                                                bool addToDesktop)
    : juce::DocumentWindow (title, backgroundColour, buttons, addToDesktop),
      titleBarColour (titleBar)
{
}
