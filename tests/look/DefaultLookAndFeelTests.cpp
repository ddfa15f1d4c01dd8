#include "Rendering.h"

#include "look/GlassWindowButton.h"
#include "look/TemplateLookAndFeel.h"

#include <gtest/gtest.h>

using talvion::test::renderComponent;

namespace
{
    // The right end of the program's frame around a partly filled progress bar: white
    // contrasting 0.2, where JUCE's own default look draws a rounded bar with no such frame.
    bool drawsTheTemplateFrame (juce::Component& component)
    {
        const auto image = renderComponent (component);
        return std::abs ((int) image.getPixelAt (component.getWidth() - 1, component.getHeight() / 2).getRed() - 204) <= 2
            && image.getPixelAt (component.getWidth() - 1, component.getHeight() / 2).getAlpha() == 255;
    }
}

TEST (DefaultLookAndFeel, ComponentsCreatedWhileInstalledDrawWithIt)
{
    double value = 0.3;

    {
        TemplateLookAndFeel lookAndFeel;
        juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);

        juce::ProgressBar bar (value);
        bar.setSize (200, 30);

        EXPECT_EQ (&bar.getLookAndFeel(), &lookAndFeel);
        EXPECT_TRUE (drawsTheTemplateFrame (bar));

        juce::TextButton button ("b");
        EXPECT_EQ (&button.getLookAndFeel(), &lookAndFeel);

        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
        EXPECT_NE (&bar.getLookAndFeel(), &lookAndFeel);
    }

    // Whatever existed while it was installed, and whatever comes after, draws with JUCE's own
    // default again; AddressSanitizer would catch a read of the destroyed object here.
    juce::ProgressBar later (value);
    later.setSize (200, 30);
    EXPECT_FALSE (drawsTheTemplateFrame (later));
    EXPECT_NE (dynamic_cast<juce::LookAndFeel_V4*> (&later.getLookAndFeel()), nullptr);
}

TEST (DefaultLookAndFeel, WindowsRebuildTheirButtonsWhenItIsWithdrawn)
{
    auto lookAndFeel = std::make_unique<TemplateLookAndFeel>();
    juce::LookAndFeel::setDefaultLookAndFeel (lookAndFeel.get());

    juce::DocumentWindow window ("w", juce::Colours::white, juce::DocumentWindow::allButtons, true);
    window.setBounds (50, 50, 300, 200);

    EXPECT_NE (dynamic_cast<TemplateLookAndFeel*> (&window.getLookAndFeel()), nullptr);
    EXPECT_NE (dynamic_cast<GlassWindowButton*> (window.getCloseButton()), nullptr);
    EXPECT_EQ (window.getCloseButton()->getWidth(), window.getTitleBarHeight() - window.getTitleBarHeight() / 8);

    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    lookAndFeel.reset();

    // The window asked JUCE's default look for new buttons, so nothing of the old look is left.
    EXPECT_NE (dynamic_cast<juce::LookAndFeel_V4*> (&window.getLookAndFeel()), nullptr);
    EXPECT_EQ (dynamic_cast<GlassWindowButton*> (window.getCloseButton()), nullptr);
    EXPECT_NE (renderComponent (window).getPixelAt (150, 100).getAlpha(), 0);
}
