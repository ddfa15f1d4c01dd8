#include "Rendering.h"

#include "look/TemplateLookAndFeel.h"

#include <gtest/gtest.h>

using talvion::test::render;
using talvion::test::renderComponent;
using talvion::test::meanBrightness;

namespace
{
    // Components draw with the look under test and drop it again before it goes.
    template <typename ComponentType>
    struct Styled
    {
        template <typename... Args>
        explicit Styled (juce::LookAndFeel& lookAndFeel, Args&&... args) : component (std::forward<Args> (args)...)
        {
            component.setLookAndFeel (&lookAndFeel);
        }

        ~Styled()   { component.setLookAndFeel (nullptr); }

        ComponentType component;
    };

    int countPixels (const juce::Image& image, juce::Rectangle<int> area, const std::function<bool (juce::Colour)>& matches)
    {
        int count = 0;

        for (int y = area.getY(); y < area.getBottom(); ++y)
            for (int x = area.getX(); x < area.getRight(); ++x)
                count += matches (image.getPixelAt (x, y)) ? 1 : 0;

        return count;
    }

    class ControlDrawing  : public ::testing::Test
    {
    protected:
        TemplateLookAndFeel lookAndFeel;
    };
}

//==============================================================================
TEST_F (ControlDrawing, DisabledButtonIsLighterThanEnabled)
{
    Styled<juce::TextButton> button (lookAndFeel);
    button.component.setSize (94, 30);
    button.component.setConnectedEdges (juce::Button::ConnectedOnLeft);
    button.component.setColour (juce::TextButton::buttonColourId, juce::Colours::red.brighter (0.99f));

    const auto enabled = renderComponent (button.component, juce::Colours::white);
    button.component.setEnabled (false);
    const auto disabled = renderComponent (button.component, juce::Colours::white);

    const juce::Rectangle<int> body (10, 5, 74, 20);
    EXPECT_GT (meanBrightness (disabled, body), meanBrightness (enabled, body) + 10.0f);
}

TEST_F (ControlDrawing, ConnectedEdgesAreSquare)
{
    struct Case
    {
        int connectedEdges;
        bool leftSquare, rightSquare;
    };

    const Case cases[] =
    {
        { 0,                                                           false, false },
        { juce::Button::ConnectedOnLeft,                               true,  false },
        { juce::Button::ConnectedOnRight,                              false, true },
        { juce::Button::ConnectedOnLeft | juce::Button::ConnectedOnRight, true, true },
    };

    for (const auto& c : cases)
    {
        Styled<juce::TextButton> button (lookAndFeel);
        button.component.setSize (94, 30);
        button.component.setConnectedEdges (c.connectedEdges);
        button.component.setColour (juce::TextButton::buttonColourId, juce::Colours::green.brighter (0.99f));

        const auto image = renderComponent (button.component);

        // Five rows down, a round end of radius 15 leaves the outer columns empty.
        EXPECT_EQ (image.getPixelAt (0, 5).getAlpha() > 100, c.leftSquare) << c.connectedEdges;
        EXPECT_EQ (image.getPixelAt (93, 5).getAlpha() > 100, c.rightSquare) << c.connectedEdges;
        EXPECT_GT (image.getPixelAt (47, 15).getAlpha(), 200) << c.connectedEdges;
    }
}

//==============================================================================
TEST_F (ControlDrawing, ProgressFillsItsShareOfTheBar)
{
    struct Case
    {
        double progress;
        int expectedColumns;    // of the 198 inside the frame
    };

    const Case cases[] = { { 0.0, 0 }, { 0.5, 99 }, { 1.0, 198 }, { 1.7, 198 }, { -0.5, 0 } };

    double value = 0.0;
    Styled<juce::ProgressBar> bar (lookAndFeel, value);

    for (const auto& c : cases)
    {
        const auto image = render (200, 20, [&] (juce::Graphics& g)
        {
            lookAndFeel.drawProgressBar (g, bar.component, 200, 20, c.progress, {});
        });

        const auto filled = countPixels (image, { 1, 10, 198, 1 }, [] (juce::Colour p) { return p.getRed() < 245; });
        EXPECT_NEAR (filled, c.expectedColumns, 2) << c.progress;

        // The frame, white contrasting 0.2, shows wherever the bar's own outline does not reach it.
        if (c.expectedColumns < 150)
        {
            EXPECT_NEAR (image.getPixelAt (199, 10).getRed(), 204, 2) << c.progress;
            EXPECT_NEAR (image.getPixelAt (150, 0).getRed(), 204, 2) << c.progress;
        }

        if (c.expectedColumns == 0)
        {
            EXPECT_NEAR (image.getPixelAt (0, 10).getRed(), 204, 2) << c.progress;
        }
    }
}

TEST_F (ControlDrawing, ProgressBarShowsItsPercentage)
{
    double value = 0.0;
    Styled<juce::ProgressBar> bar (lookAndFeel, value);
    bar.component.setSize (200, 30);

    // "0%" in grey on the empty white field.
    const auto image = renderComponent (bar.component);
    const auto text = countPixels (image, { 80, 3, 40, 24 }, [] (juce::Colour p) { return p.getBrightness() < 0.7f; });

    EXPECT_GT (text, 10);
}

//==============================================================================
TEST_F (ControlDrawing, ListRowsArePaleBlueEveryThirdRow)
{
    const std::function<void (juce::Graphics&)> backgrounds[] =
    {
        [this] (juce::Graphics& g) { lookAndFeel.drawComboListBackground (g, 50, 20); },
        [this] (juce::Graphics& g) { lookAndFeel.drawPopupMenuBackground (g, 50, 20); },
    };

    for (const auto& draw : backgrounds)
    {
        const auto image = render (50, 20, draw);

        for (int row = 1; row < 19; ++row)
        {
            const auto pixel = image.getPixelAt (25, row);

            if (row % 3 == 0)
            {
                EXPECT_LT (pixel.getRed(), 250) << row;
                EXPECT_GT (pixel.getBlue(), pixel.getRed()) << row;
            }
            else
            {
                EXPECT_EQ (pixel.getARGB(), 0xffffffffu) << row;
            }
        }

        // A grey frame: black at alpha 0.6 over the top row.
        EXPECT_LT (image.getPixelAt (25, 0).getRed(), 110);
        EXPECT_LT (image.getPixelAt (0, 10).getRed(), 110);
    }
}

TEST_F (ControlDrawing, ComboListTakesTheListColoursNotTheMenuColours)
{
    lookAndFeel.setColour (TemplateLookAndFeel::comboListBackgroundColourId, juce::Colours::yellow);
    Styled<juce::ComboBox> box (lookAndFeel);

    const auto comboList = render (50, 20, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawPopupMenuBackgroundWithOptions (g, 50, 20, juce::PopupMenu::Options().withTargetComponent (&box.component));
    });

    const auto menu = render (50, 20, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawPopupMenuBackgroundWithOptions (g, 50, 20, juce::PopupMenu::Options());
    });

    EXPECT_EQ (comboList.getPixelAt (25, 10).getARGB(), juce::Colours::yellow.getARGB());
    EXPECT_EQ (menu.getPixelAt (25, 10).getARGB(), 0xffffffffu);
}

//==============================================================================
TEST_F (ControlDrawing, ScrollBarIndentsGrowAbove15Pixels)
{
    struct Case
    {
        int thickness;
        int slotStart, thumbStart;
    };

    const Case cases[] = { { 15, 0, 1 }, { 16, 1, 2 }, { 30, 1, 2 }, { 10, 0, 1 } };

    for (const auto& c : cases)
    {
        for (const auto vertical : { true, false })
        {
            Styled<juce::ScrollBar> bar (lookAndFeel, vertical);
            const auto width = vertical ? c.thickness : 100;
            const auto height = vertical ? 100 : c.thickness;

            const auto image = render (width, height, [&] (juce::Graphics& g)
            {
                lookAndFeel.drawScrollbar (g, bar.component, 0, 0, width, height, vertical, 20, 40, false, false);
            });

            // Across the bar, in the middle of the thumb.
            const auto across = [&] (int i) { return vertical ? image.getPixelAt (i, 40) : image.getPixelAt (40, i); };
            const auto label = juce::String (c.thickness) + (vertical ? " vertical" : " horizontal");

            if (c.slotStart > 0)
            {
                EXPECT_EQ (across (c.slotStart - 1).getAlpha(), 0) << label;
            }

            EXPECT_EQ (across (c.slotStart).getAlpha(), 255) << label;
            EXPECT_LT (across (c.thumbStart - 1).getRed(), 210) << label;     // the shaded slot
            EXPECT_GT (across (c.thumbStart).getRed(), 225) << label;         // the white thumb
        }
    }
}

TEST_F (ControlDrawing, ScrollBarWithoutThumbShowsOnlyTheSlot)
{
    Styled<juce::ScrollBar> bar (lookAndFeel, true);

    const auto image = render (16, 100, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawScrollbar (g, bar.component, 0, 0, 16, 100, true, 20, 0, false, false);
    });

    EXPECT_LT (image.getPixelAt (3, 40).getRed(), 210);
}

TEST_F (ControlDrawing, ScrollBarButtonArrows)
{
    Styled<juce::ScrollBar> bar (lookAndFeel, true);

    struct Case
    {
        int direction;
        juce::Point<int> inside, outside;
    };

    const Case cases[] =
    {
        { 0, { 10, 12 }, { 10, 2 } },
        { 1, { 8, 10 },  { 18, 10 } },
        { 2, { 10, 8 },  { 10, 18 } },
        { 3, { 12, 10 }, { 2, 10 } },
    };

    for (const auto& c : cases)
    {
        for (const auto down : { false, true })
        {
            const auto image = render (20, 20, [&] (juce::Graphics& g)
            {
                lookAndFeel.drawScrollbarButton (g, bar.component, 20, 20, c.direction, true, false, down);
            }, juce::Colours::red);

            const auto inside = image.getPixelAt (c.inside.x, c.inside.y);
            EXPECT_NEAR (inside.getGreen(), down ? 204 : 255, 1) << c.direction;
            EXPECT_EQ (image.getPixelAt (c.outside.x, c.outside.y).getARGB(), juce::Colours::red.getARGB()) << c.direction;
        }
    }

    const auto unknown = render (20, 20, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawScrollbarButton (g, bar.component, 20, 20, 4, true, false, false);
    });

    EXPECT_EQ (countPixels (unknown, { 0, 0, 20, 20 }, [] (juce::Colour p) { return p.getAlpha() > 0; }), 0);
}

//==============================================================================
TEST_F (ControlDrawing, ComboBoxFonts)
{
    struct Case
    {
        int height;
        float textFont;
    };

    const Case cases[] = { { 20, 15.0f }, { 10, 8.5f }, { 17, 14.45f }, { 40, 15.0f } };

    for (const auto& c : cases)
    {
        Styled<juce::ComboBox> box (lookAndFeel);
        box.component.setSize (150, c.height);

        juce::Font text, list;
        TemplateLookAndFeel::chooseComboBoxFonts (text, list, box.component);

        EXPECT_FLOAT_EQ (text.getHeight(), c.textFont) << c.height;
        EXPECT_FLOAT_EQ (list.getHeight(), 15.0f) << c.height;
        EXPECT_FALSE (text.isBold());
        EXPECT_FLOAT_EQ (lookAndFeel.getComboBoxFont (box.component).getHeight(), c.textFont) << c.height;
    }
}

TEST_F (ControlDrawing, DisabledComboBoxShowsNoArrows)
{
    Styled<juce::ComboBox> box (lookAndFeel);
    box.component.setSize (150, 24);

    const auto draw = [&]
    {
        return render (150, 24, [&] (juce::Graphics& g)
        {
            lookAndFeel.drawComboBox (g, 150, 24, false, 126, 0, 24, 24, box.component);
        });
    };

    const auto isArrow = [] (juce::Colour p) { return p.getRed() < 120; };
    const juce::Rectangle<int> button (128, 2, 20, 20);

    EXPECT_GT (countPixels (draw(), button, isArrow), 5);

    box.component.setEnabled (false);
    EXPECT_EQ (countPixels (draw(), button, isArrow), 0);
}

TEST_F (ControlDrawing, TickBoxShowsItsTick)
{
    Styled<juce::ToggleButton> toggle (lookAndFeel);

    struct Case
    {
        bool ticked, enabled;
        bool blackTick, greyTick;
    };

    const Case cases[] =
    {
        { false, true,  false, false },
        { true,  true,  true,  false },
        { true,  false, false, true },
    };

    for (const auto& c : cases)
    {
        const auto image = render (36, 36, [&] (juce::Graphics& g)
        {
            lookAndFeel.drawTickBox (g, toggle.component, 0.0f, 0.0f, 36.0f, 36.0f, c.ticked, c.enabled, false, false);
        }, juce::Colours::white);

        // The tick is stroked 2.5 pixels wide, so its middle pixels carry its colour exactly.
        const auto black = countPixels (image, { 0, 0, 36, 36 }, [] (juce::Colour p) { return p.getARGB() == 0xff000000; });
        const auto grey = countPixels (image, { 0, 0, 36, 36 }, [] (juce::Colour p) { return p.getARGB() == 0xff808080; });

        EXPECT_EQ (black > 3, c.blackTick) << c.ticked << c.enabled;
        EXPECT_EQ (grey > 3, c.greyTick) << c.ticked << c.enabled;
    }
}

//==============================================================================
TEST_F (ControlDrawing, SliderThumbRadius)
{
    struct Case
    {
        int width, height, radius;
    };

    const Case cases[] = { { 14, 14, 7 }, { 200, 20, 7 }, { 200, 10, 5 }, { 9, 200, 4 }, { 13, 13, 6 }, { 0, 0, 0 } };

    for (const auto& c : cases)
    {
        Styled<juce::Slider> slider (lookAndFeel);
        slider.component.setSize (c.width, c.height);
        EXPECT_EQ (lookAndFeel.getSliderThumbRadius (slider.component), c.radius) << c.width << "x" << c.height;
    }
}

TEST_F (ControlDrawing, SliderButtonsAndEffects)
{
    Styled<juce::Slider> slider (lookAndFeel);

    const std::unique_ptr<juce::Button> plus (lookAndFeel.createSliderButton (slider.component, true));
    const std::unique_ptr<juce::Button> minus (lookAndFeel.createSliderButton (slider.component, false));

    ASSERT_NE (dynamic_cast<juce::TextButton*> (plus.get()), nullptr);
    EXPECT_EQ (plus->getButtonText(), "+");
    EXPECT_EQ (minus->getButtonText(), "-");
    EXPECT_TRUE (plus->getTooltip().isEmpty());
    EXPECT_EQ (lookAndFeel.getSliderEffect (slider.component), nullptr);
    EXPECT_EQ (lookAndFeel.getScrollbarEffect(), nullptr);
}

TEST_F (ControlDrawing, BarSliderFillsUpToItsPosition)
{
    Styled<juce::Slider> slider (lookAndFeel, juce::Slider::LinearBar, juce::Slider::NoTextBox);
    slider.component.setSize (200, 20);

    const auto image = render (200, 20, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawLinearSlider (g, 0, 0, 200, 20, 120.0f, 0.0f, 0.0f, juce::Slider::LinearBar, slider.component);
    }, juce::Colours::white);

    // The grey sheen box up to the position, the half-transparent white bar after it.
    EXPECT_LT (image.getPixelAt (60, 14).getRed(), 200);
    EXPECT_GT (image.getPixelAt (160, 14).getRed(), 250);
}

TEST_F (ControlDrawing, HorizontalSliderKnobSitsAtItsPosition)
{
    Styled<juce::Slider> slider (lookAndFeel, juce::Slider::LinearHorizontal, juce::Slider::NoTextBox);
    slider.component.setSize (200, 30);

    const auto image = render (200, 30, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawLinearSlider (g, 0, 0, 200, 30, 50.0f, 0.0f, 0.0f, juce::Slider::LinearHorizontal, slider.component);
    });

    // The knob is a ball of radius 7 around (50, 15); the track is 7 pixels high there too.
    EXPECT_GT (image.getPixelAt (50, 9).getAlpha(), 100);
    EXPECT_EQ (image.getPixelAt (150, 9).getAlpha(), 0);
    EXPECT_GT (image.getPixelAt (150, 15).getAlpha(), 50);
}

TEST_F (ControlDrawing, CornerResizerDrawsDiagonalsIntoTheCorner)
{
    const auto image = render (20, 20, [&] (juce::Graphics& g) { lookAndFeel.drawCornerResizer (g, 20, 20, false, false); });

    // The first pair runs along x + y = 21, the last along x + y = 39.
    EXPECT_GT (image.getPixelAt (10, 10).getAlpha(), 0);
    EXPECT_GT (image.getPixelAt (19, 19).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (2, 2).getAlpha(), 0);
}
