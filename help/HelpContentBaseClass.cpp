#include "help/HelpContentBaseClass.h"

HelpContentBaseClass::HelpContentBaseClass (const juce::String& helpText)
    : editor (std::make_unique<juce::TextEditor> (juce::String(), 0))
{
    addAndMakeVisible (*editor);
    editor->setMultiLine (true, true);
    editor->setReadOnly (true);
    editor->setText (helpText, true);
}

HelpContentBaseClass::~HelpContentBaseClass() = default;

//==============================================================================
void HelpContentBaseClass::resized()
{
    editor->setBounds (0, 0, getWidth(), getHeight());
}
