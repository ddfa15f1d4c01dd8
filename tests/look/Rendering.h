#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace talvion::test
{
    /** Draws into a fresh ARGB image with JUCE's software renderer; the image starts filled with
        the given colour (transparent by default). */
    juce::Image render (int width, int height, const std::function<void (juce::Graphics&)>& draw,
                        juce::Colour background = juce::Colours::transparentBlack);

    /** Paints the component and its children as the screen would show them. */
    juce::Image renderComponent (juce::Component& component, juce::Colour background = juce::Colours::transparentBlack);

    /** The mean of red, green and blue over a rectangle of the image. */
    float meanBrightness (const juce::Image& image, juce::Rectangle<int> area);
}
