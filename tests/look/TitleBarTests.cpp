#include "Rendering.h"

#include "look/ColouredDocumentWindow.h"
#include "look/GlassWindowButton.h"
#include "look/TemplateLookAndFeel.h"

#include <gtest/gtest.h>

using talvion::test::render;
using talvion::test::renderComponent;

namespace
{
    const juce::Colour background (0xffeff2f3);
    const juce::Colour titleBarBlue (0xff3273a1);

    class TitleBar  : public ::testing::Test
    {
    protected:
        TemplateLookAndFeel lookAndFeel;
        ColouredDocumentWindow window { "Talvion", background, titleBarBlue, juce::DocumentWindow::allButtons, false };
    };
}

//==============================================================================
TEST_F (TitleBar, FadesFromTheTitleBarColourIntoTheBackground)
{
    const auto image = render (300, 24, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawDocumentWindowTitleBar (window, g, 300, 24, 0, 230, nullptr, false);
    });

    const auto top = image.getPixelAt (3, 0);
    const auto bottom = image.getPixelAt (3, 23);

    EXPECT_NEAR (top.getRed(), titleBarBlue.getRed(), 6);
    EXPECT_NEAR (top.getBlue(), titleBarBlue.getBlue(), 6);
    EXPECT_NEAR (bottom.getRed(), background.getRed(), 10);
    EXPECT_NEAR (bottom.getGreen(), background.getGreen(), 10);

    for (int y = 1; y < 24; ++y)
        EXPECT_GE (image.getPixelAt (3, y).getRed(), image.getPixelAt (3, y - 1).getRed()) << y;
}

TEST_F (TitleBar, APlainWindowGetsABarInItsBackground)
{
    juce::DocumentWindow plain ("plain", background, juce::DocumentWindow::closeButton, false);

    const auto image = render (300, 24, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawDocumentWindowTitleBar (plain, g, 300, 24, 0, 230, nullptr, false);
    });

    EXPECT_EQ (image.getPixelAt (3, 0).getARGB(), background.getARGB());
    EXPECT_EQ (image.getPixelAt (3, 23).getARGB(), background.getARGB());
}

TEST_F (TitleBar, InactiveTitleTextIsTheBackgroundContrasting04)
{
    ASSERT_FALSE (window.isActiveWindow());

    const auto image = render (300, 24, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawDocumentWindowTitleBar (window, g, 300, 24, 0, 230, nullptr, false);
    });

    // The title is centred on the whole bar; its darkest pixels are the text colour itself.
    int darkest = 255, leftmost = 300;

    // Only the lower half, where the fade is already paler than the text.
    for (int y = 12; y < 24; ++y)
        for (int x = 0; x < 300; ++x)
            if (image.getPixelAt (x, y).getGreen() < 150)
            {
                darkest = juce::jmin (darkest, (int) image.getPixelAt (x, y).getGreen());
                leftmost = juce::jmin (leftmost, x);
            }

    EXPECT_NEAR (darkest, background.contrasting (0.4f).getGreen(), 2);

    const juce::Font font (24.0f * 0.65f, juce::Font::bold);
    EXPECT_NEAR (leftmost, (300 - font.getStringWidth ("Talvion")) / 2, 6);   // the T's own side bearing
}

TEST_F (TitleBar, TitleStaysInsideTheFreeSpace)
{
    window.setName ("A title far too long to fit into the little space that the buttons leave free");

    const auto image = render (300, 24, [&] (juce::Graphics& g)
    {
        lookAndFeel.drawDocumentWindowTitleBar (window, g, 300, 24, 20, 150, nullptr, false);
    });

    const auto isText = [&] (int x)
    {
        for (int y = 12; y < 24; ++y)
            if (image.getPixelAt (x, y).getGreen() < 150)
                return true;

        return false;
    };

    bool textInside = false;

    for (int x = 20; x < 170; ++x)
        textInside = textInside || isText (x);

    EXPECT_TRUE (textInside);

    for (int x = 171; x < 300; ++x)
        EXPECT_FALSE (isText (x)) << x;

    for (int x = 0; x < 19; ++x)
        EXPECT_FALSE (isText (x)) << x;
}

//==============================================================================
TEST_F (TitleBar, ButtonPositions)
{
    struct Case
    {
        const char* what;
        int x, y, w, h;
        bool onLeft, withMaximise;
        int closeX, maximiseX, minimiseX, buttonW;
    };

    const Case cases[] =
    {
        { "24 on the right",            0, 0, 300, 24, false, true,  274, 248, 227, 21 },
        { "24 on the right, offset",    10, 3, 300, 24, false, true, 284, 258, 237, 21 },
        { "24 on the left",             0, 0, 300, 24, true,  true,    4,  46,  25, 21 },
        { "7 on the right: square",     0, 0, 300, 7,  false, true,  292, 284, 277, 7 },
        { "7 on the left",              0, 0, 300, 7,  true,  true,    4,  18,  11, 7 },
        { "no maximise on the right",   0, 0, 300, 24, false, false, 274, -1,  248, 21 },
        { "no maximise on the left",    0, 0, 300, 24, true,  false,   4, -1,   25, 21 },
    };

    for (const auto& c : cases)
    {
        juce::TextButton close, maximise, minimise;

        lookAndFeel.positionDocumentWindowButtons (window, c.x, c.y, c.w, c.h,
                                                   &minimise, c.withMaximise ? &maximise : nullptr, &close, c.onLeft);

        EXPECT_EQ (close.getBounds(), juce::Rectangle<int> (c.closeX, c.y, c.buttonW, c.h)) << c.what;
        EXPECT_EQ (minimise.getBounds(), juce::Rectangle<int> (c.minimiseX, c.y, c.buttonW, c.h)) << c.what;

        if (c.withMaximise)
        {
            EXPECT_EQ (maximise.getBounds(), juce::Rectangle<int> (c.maximiseX, c.y, c.buttonW, c.h)) << c.what;
        }
        else
        {
            EXPECT_TRUE (maximise.getBounds().isEmpty()) << c.what;
        }
    }
}

TEST_F (TitleBar, CreatesOneGlassButtonPerKind)
{
    struct Case
    {
        int type;
        const char* name;
    };

    const Case cases[] = { { 1, "minimise" }, { 2, "maximise" }, { 4, "close" }, { 0, nullptr }, { 3, nullptr }, { 8, nullptr } };

    for (const auto& c : cases)
    {
        const std::unique_ptr<juce::Button> button (lookAndFeel.createDocumentWindowButton (c.type));

        if (c.name == nullptr)
        {
            EXPECT_EQ (button, nullptr) << c.type;
        }
        else
        {
            ASSERT_NE (dynamic_cast<GlassWindowButton*> (button.get()), nullptr) << c.type;
            EXPECT_EQ (button->getName(), c.name);
        }
    }
}

TEST_F (TitleBar, BallsCarryTheirOwnColours)
{
    struct Case
    {
        int type;
        juce::Colour colour;
    };

    const Case cases[] = { { 1, lookAndFeel.minimiseButtonColour }, { 2, lookAndFeel.maximiseButtonColour }, { 4, lookAndFeel.closeButtonColour } };

    for (const auto& c : cases)
    {
        const std::unique_ptr<juce::Button> button (lookAndFeel.createDocumentWindowButton (c.type));
        button->setSize (60, 60);
        button->setState (juce::Button::buttonDown);
        const auto image = renderComponent (*button);

        // At 0.4 of the ball's height, clear of the symbol, the highlight and the rim shade, the
        // body shows the colour itself.
        const auto pixel = image.getPixelAt (15, 25);
        EXPECT_NEAR (pixel.getRed(), c.colour.getRed(), 15) << c.type;
        EXPECT_NEAR (pixel.getBlue(), c.colour.getBlue(), 15) << c.type;
        EXPECT_EQ (pixel.getBlue() > pixel.getRed() + 40, c.type == 4) << c.type;
    }
}

TEST_F (TitleBar, GlassButtonAlphaFollowsMouseAndEnablement)
{
    struct Case
    {
        juce::Button::ButtonState state;
        bool enabled;
        float alpha;
    };

    const Case cases[] =
    {
        { juce::Button::buttonNormal, true,  0.55f },
        { juce::Button::buttonOver,   true,  0.8f },
        { juce::Button::buttonDown,   true,  1.0f },
        { juce::Button::buttonNormal, false, 0.275f },
        { juce::Button::buttonOver,   false, 0.4f },
        { juce::Button::buttonDown,   false, 0.5f },
    };

    // The back disc runs from 5 to 95 and the ball begins 2 pixels inside it, so the disc's top
    // row shows its alpha alone, measured against a fully opaque disc with the same edge.
    const auto discAlpha = [this] (juce::Button::ButtonState state, bool enabled)
    {
        const std::unique_ptr<juce::Button> button (lookAndFeel.createDocumentWindowButton (juce::DocumentWindow::closeButton));
        button->setSize (100, 100);
        button->setEnabled (enabled);
        button->setState (state);
        return (float) renderComponent (*button).getPixelAt (50, 5).getAlpha();
    };

    const auto opaque = discAlpha (juce::Button::buttonDown, true);
    ASSERT_GT (opaque, 240.0f);

    for (const auto& c : cases)
        EXPECT_NEAR (discAlpha (c.state, c.enabled) / opaque, c.alpha, 0.015f) << c.state << " " << c.enabled;
}

TEST_F (TitleBar, DiscIsCentredAlongTheLongerSide)
{
    struct Case
    {
        int width, height;
        juce::Point<int> top, left;     // the first painted pixel going down the middle and across it
    };

    // A 21 x 24 button: disc diameter 18.9 from (1.05, 2.55); a 40 x 20 one: 18 from (11, 1).
    const Case cases[] = { { 21, 24, { 10, 2 }, { 1, 12 } }, { 40, 20, { 20, 1 }, { 11, 10 } }, { 20, 20, { 10, 1 }, { 1, 10 } } };

    for (const auto& c : cases)
    {
        const std::unique_ptr<juce::Button> button (lookAndFeel.createDocumentWindowButton (juce::DocumentWindow::minimiseButton));
        button->setSize (c.width, c.height);
        const auto image = renderComponent (*button);

        int firstRow = -1, firstColumn = -1;

        for (int y = 0; y < c.height && firstRow < 0; ++y)
            if (image.getPixelAt (c.width / 2, y).getAlpha() > 20)
                firstRow = y;

        for (int x = 0; x < c.width && firstColumn < 0; ++x)
            if (image.getPixelAt (x, c.height / 2).getAlpha() > 20)
                firstColumn = x;

        EXPECT_EQ (firstRow, c.top.y) << c.width << "x" << c.height;
        EXPECT_EQ (firstColumn, c.left.x) << c.width << "x" << c.height;
    }
}

TEST_F (TitleBar, MaximiseShowsTheRestoreSymbolWhileToggled)
{
    const std::unique_ptr<juce::Button> maximise (lookAndFeel.createDocumentWindowButton (juce::DocumentWindow::maximiseButton));
    const std::unique_ptr<juce::Button> close (lookAndFeel.createDocumentWindowButton (juce::DocumentWindow::closeButton));

    for (auto* button : { maximise.get(), close.get() })
        button->setSize (60, 60);

    const auto plus = renderComponent (*maximise);
    maximise->setToggleState (true, juce::dontSendNotification);
    const auto restore = renderComponent (*maximise);

    // The plus covers the middle; the restore symbol's frames leave it clear.
    EXPECT_LT (plus.getPixelAt (30, 30).getBrightness(), restore.getPixelAt (30, 30).getBrightness() - 0.2f);

    const auto cross = renderComponent (*close);
    close->setToggleState (true, juce::dontSendNotification);
    const auto toggledCross = renderComponent (*close);

    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ (cross.getPixelAt (x, y).getARGB(), toggledCross.getPixelAt (x, y).getARGB());
}

TEST_F (TitleBar, WindowTogglesItsMaximiseButtonInFullScreen)
{
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);
    ColouredDocumentWindow shown ("Talvion", background, titleBarBlue, juce::DocumentWindow::allButtons, true);
    shown.setBounds (100, 100, 400, 300);
    shown.setVisible (true);

    auto* maximise = dynamic_cast<GlassWindowButton*> (shown.getMaximiseButton());
    ASSERT_NE (maximise, nullptr);
    EXPECT_FALSE (maximise->getToggleState());

    shown.setFullScreen (true);
    EXPECT_TRUE (maximise->getToggleState());

    shown.setFullScreen (false);
    EXPECT_FALSE (maximise->getToggleState());

    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}
