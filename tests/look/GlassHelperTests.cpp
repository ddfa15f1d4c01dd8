#include "Rendering.h"

#include "look/TemplateLookAndFeel.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using talvion::test::render;

//==============================================================================
TEST (StateColour, FocusMouseOverAndPress)
{
    struct Case
    {
        juce::Colour colour;
        bool focus, over, pressed;
        int expectedGrey;       // for colours without saturation
    };

    // Grey has no saturation, so only the contrast shows: black at alpha 0.1 (byte 26) or 0.2 (51).
    const Case cases[] =
    {
        { juce::Colours::white, false, false, false, 255 },
        { juce::Colours::white, true,  false, false, 255 },
        { juce::Colours::white, false, true,  false, 229 },
        { juce::Colours::white, false, false, true,  203 },
        { juce::Colours::white, true,  true,  true,  203 },   // pressed wins over mouse-over
    };

    for (const auto& c : cases)
    {
        const auto result = TemplateLookAndFeel::stateColour (c.colour, c.focus, c.over, c.pressed);
        EXPECT_NEAR (result.getRed(), c.expectedGrey, 1) << c.focus << c.over << c.pressed;
        EXPECT_EQ (result.getRed(), result.getBlue());
    }
}

TEST (StateColour, FocusRaisesSaturation)
{
    const juce::Colour blue (0xff3273a1);
    const auto focused = TemplateLookAndFeel::stateColour (blue, true, false, false);
    const auto unfocused = TemplateLookAndFeel::stateColour (blue, false, false, false);

    EXPECT_NEAR (focused.getSaturation(), juce::jmin (1.0f, blue.getSaturation() * 1.3f), 0.01f);
    EXPECT_NEAR (unfocused.getSaturation(), blue.getSaturation() * 0.9f, 0.01f);
    EXPECT_NEAR (focused.getHue(), blue.getHue(), 0.01f);
}

//==============================================================================
namespace
{
    std::vector<juce::Point<float>> flattenedPoints (const juce::Path& path)
    {
        std::vector<juce::Point<float>> points;
        juce::PathFlatteningIterator i (path);

        while (i.next())
        {
            if (points.empty())
                points.push_back ({ i.x1, i.y1 });

            points.push_back ({ i.x2, i.y2 });
        }

        return points;
    }

    // Positive for a polygon that runs clockwise on the screen, where y grows downwards.
    float signedArea (const std::vector<juce::Point<float>>& points)
    {
        float sum = 0.0f;

        for (size_t i = 0; i < points.size(); ++i)
        {
            const auto& a = points[i];
            const auto& b = points[(i + 1) % points.size()];
            sum += a.x * b.y - b.x * a.y;
        }

        return sum * 0.5f;
    }
}

TEST (RoundedBoxPath, CornersRunClockwiseFromTheTopLeft)
{
    const float x = 10.0f, y = 20.0f, w = 100.0f, h = 40.0f, cs = 10.0f;
    const std::array<juce::Point<float>, 4> corners { { { x, y }, { x + w, y }, { x + w, y + h }, { x, y + h } } };

    // Flags in the order of the corners above: top left, top right, bottom right, bottom left.
    const std::array<bool, 4> flagSets[] =
    {
        { true, true, true, true },
        { false, false, false, false },
        { true, false, false, false },
        { false, true, false, true },
        { false, true, true, false },
        { true, true, true, false },
    };

    for (const auto& curved : flagSets)
    {
        juce::Path path;
        TemplateLookAndFeel::roundedBoxPath (path, x, y, w, h, cs, curved[0], curved[1], curved[3], curved[2]);
        const auto points = flattenedPoints (path);
        const auto label = juce::String (curved[0] ? "1" : "0") + (curved[1] ? "1" : "0") + (curved[2] ? "1" : "0") + (curved[3] ? "1" : "0");

        ASSERT_GE (points.size(), 4u) << label;
        EXPECT_GT (signedArea (points), 0.0f) << label;
        const auto bounds = path.getBounds();
        EXPECT_NEAR (bounds.getX(), x, 0.01f) << label;
        EXPECT_NEAR (bounds.getY(), y, 0.01f) << label;
        EXPECT_NEAR (bounds.getRight(), x + w, 0.01f) << label;
        EXPECT_NEAR (bounds.getBottom(), y + h, 0.01f) << label;

        // The first point starts the top-left corner, on the left edge.
        EXPECT_FLOAT_EQ (points.front().x, x) << label;
        EXPECT_FLOAT_EQ (points.front().y, curved[0] ? y + cs : y) << label;

        size_t previousIndex = 0;

        for (size_t c = 0; c < 4; ++c)
        {
            size_t nearest = 0;

            for (size_t i = 0; i < points.size(); ++i)
                if (points[i].getDistanceFrom (corners[c]) < points[nearest].getDistanceFrom (corners[c]))
                    nearest = i;

            const auto distance = points[nearest].getDistanceFrom (corners[c]);

            if (curved[c])
            {
                EXPECT_GT (distance, cs * 0.25f) << label << " corner " << c;
            }
            else
            {
                EXPECT_LT (distance, 0.001f) << label << " corner " << c;
            }

            if (c > 0)
            {
                EXPECT_GT (nearest, previousIndex) << label << " corner " << c;
            }

            previousIndex = nearest;
        }
    }
}

//==============================================================================
TEST (GlassHelpers, DegenerateSizesDrawNothing)
{
    const auto colour = juce::Colours::red;

    const std::function<void (juce::Graphics&)> drawings[] =
    {
        [&] (juce::Graphics& g) { TemplateLookAndFeel::drawGlassBall (g, 2.0f, 2.0f, 10.0f, colour, 10.0f); },
        [&] (juce::Graphics& g) { TemplateLookAndFeel::drawGlassBar (g, 2.0f, 2.0f, 10.0f, 20.0f, colour, 10.0f, false, false, false, false); },
        [&] (juce::Graphics& g) { TemplateLookAndFeel::drawGlassBar (g, 2.0f, 2.0f, 20.0f, 10.0f, colour, 10.0f, false, false, false, false); },
        [&] (juce::Graphics& g) { TemplateLookAndFeel::drawSheenBox (g, 2.0f, 2.0f, 11.0f, 20.0f, 4.0f, colour, 10.0f, false, false, false, false); },
        [&] (juce::Graphics& g) { TemplateLookAndFeel::drawSheenBox (g, 2.0f, 2.0f, 20.0f, 11.0f, 4.0f, colour, 10.0f, false, false, false, false); },
    };

    for (size_t i = 0; i < std::size (drawings); ++i)
    {
        const auto image = render (30, 30, drawings[i]);
        juce::Image::BitmapData pixels (image, juce::Image::BitmapData::readOnly);
        int painted = 0;

        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                painted += pixels.getPixelColour (x, y).getAlpha() > 0 ? 1 : 0;

        EXPECT_EQ (painted, 0) << "drawing " << i;
    }
}

TEST (GlassHelpers, JustAboveTheDegenerateSizeDraws)
{
    const auto image = render (30, 30, [] (juce::Graphics& g)
    {
        TemplateLookAndFeel::drawSheenBox (g, 2.0f, 2.0f, 12.0f, 20.0f, 4.0f, juce::Colours::red, 10.0f, false, false, false, false);
    });

    EXPECT_GT (image.getPixelAt (8, 12).getAlpha(), 0);
}

TEST (GlassHelpers, SheenBoxHasAHardEdgeAtHalfHeight)
{
    const auto image = render (40, 100, [] (juce::Graphics& g)
    {
        TemplateLookAndFeel::drawSheenBox (g, 0.0f, 0.0f, 40.0f, 100.0f, 0.0f, juce::Colour (0xff808080), 0.5f, true, true, true, true);
    });

    const auto above = image.getPixelAt (20, 49);
    const auto below = image.getPixelAt (20, 51);

    // Lightened by white at 0.2 just above, tinted blue at 0.07 just below.
    EXPECT_GT (above.getRed() - below.getRed(), 20);
    EXPECT_GT (below.getBlue(), below.getRed());
}

TEST (GlassHelpers, GlassBallIsLighterAtTheTopThanAtTheRim)
{
    const auto image = render (60, 60, [] (juce::Graphics& g)
    {
        TemplateLookAndFeel::drawGlassBall (g, 0.0f, 0.0f, 60.0f, juce::Colour (0xff3273a1), 1.0f);
    });

    EXPECT_EQ (image.getPixelAt (0, 0).getAlpha(), 0);             // outside the ball
    EXPECT_GT (image.getPixelAt (30, 6).getBrightness(), 0.85f);   // the white highlight
    EXPECT_GT (image.getPixelAt (30, 30).getBrightness(), image.getPixelAt (3, 30).getBrightness());
}
