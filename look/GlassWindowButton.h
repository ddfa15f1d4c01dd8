#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

//==============================================================================
/**
    A round glass title-bar button in its own colour, with a black symbol on top.

    The look and feel creates one for each title-bar button a window asks for; the window owns it
    and decides what a press does. The toggled shape shows while the toggle state is on, which a
    window sets on its maximise button while it is full screen.
*/
class GlassWindowButton  : public juce::Button
{
public:
    /** The name is the button's name, not a visible text; the colour and the shapes are copied.
        The shapes may use any coordinates: they are scaled to fit the ball. */
    GlassWindowButton (const juce::String& name, juce::Colour colour,
                       const juce::Path& normalShape, const juce::Path& toggledShape);
    ~GlassWindowButton() override;

    //==============================================================================
    void paintButton (juce::Graphics&, bool isMouseOverButton, bool isButtonDown) override;

private:
    //==============================================================================
    const juce::Colour colour;
    const juce::Path normalShape, toggledShape;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (GlassWindowButton)
};
