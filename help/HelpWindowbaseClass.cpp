#include "help/HelpWindowbaseClass.h"

HelpWindowbaseClass::HelpWindowbaseClass()
    : ColouredDocumentWindow ("Help", juce::Colour (0xffeff2f3), juce::Colour (0xff3273a1),
                              juce::DocumentWindow::allButtons, true)
{
}

HelpWindowbaseClass::~HelpWindowbaseClass() = default;

//==============================================================================
void HelpWindowbaseClass::closeButtonPressed()
{
    setVisible (false);
}

void HelpWindowbaseClass::setHelpContent (std::unique_ptr<juce::Component> content, const juce::String& title)
{
    setResizable (true, false);
    setContentOwned (content.release(), false);
    setName (title);
}
