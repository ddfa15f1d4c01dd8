#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

//==============================================================================
/**
    The content of a help window: one read-only, word-wrapped text editor that fills it and
    scrolls when the text is longer than the window.
*/
class HelpContentBaseClass  : public juce::Component
{
public:
    explicit HelpContentBaseClass (const juce::String& helpText);
    ~HelpContentBaseClass() override;

    //==============================================================================
    void resized() override;

private:
    //==============================================================================
    juce::TooltipWindow tooltipWindow { nullptr, 700 };
    std::unique_ptr<juce::TextEditor> editor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (HelpContentBaseClass)
};
