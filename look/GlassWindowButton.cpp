#include "look/GlassWindowButton.h"

#include "look/TemplateLookAndFeel.h"

GlassWindowButton::GlassWindowButton (const juce::String& name, juce::Colour buttonColour,
                                      const juce::Path& normal, const juce::Path& toggled)
    : juce::Button (name),
      colour (buttonColour),
      normalShape (normal),
      toggledShape (toggled)
{
}

GlassWindowButton::~GlassWindowButton() = default;

//==============================================================================
void GlassWindowButton::paintButton (juce::Graphics& g, bool isMouseOverButton, bool isButtonDown)
{
    auto alpha = isMouseOverButton ? (isButtonDown ? 1.0f : 0.8f) : 0.55f;

    if (! isEnabled())
        alpha *= 0.5f;

    const auto width = (float) getWidth();
    const auto height = (float) getHeight();

    // The disc sits centred along the longer side, with a 5 % margin all round.
    auto diam = juce::jmin (width, height);
    auto x = width < height ? 0.0f : (width - height) * 0.5f;
    auto y = width < height ? (height - width) * 0.5f : 0.0f;
    x += diam * 0.05f;
    y += diam * 0.05f;
    diam *= 0.9f;

    g.setGradientFill (juce::ColourGradient (juce::Colour::greyLevel (0.9f).withAlpha (alpha), 0.0f, y + diam,
                                             juce::Colour::greyLevel (0.6f).withAlpha (alpha), 0.0f, y, false));
    g.fillEllipse (x, y, diam, diam);

    x += 2.0f;
    y += 2.0f;
    diam -= 4.0f;

    TemplateLookAndFeel::drawGlassBall (g, x, y, diam, colour.withAlpha (alpha), 1.0f);

    const auto& shape = getToggleState() ? toggledShape : normalShape;
    const juce::Rectangle<float> symbolArea (x + diam * 0.3f, y + diam * 0.3f, diam * 0.4f, diam * 0.4f);

    g.setColour (juce::Colours::black.withAlpha (alpha * 0.6f));
    g.fillPath (shape, shape.getTransformToScaleToFit (symbolArea, true, juce::Justification::centred));
}
