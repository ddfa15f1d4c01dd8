#include "look/TemplateLookAndFeel.h"

#include <gtest/gtest.h>

namespace
{
    struct Role
    {
        const char* name;
        int colourId;
        juce::uint32 argb;
        bool kept;      // the older-generation base look is expected to give this value already
    };

    const Role scheme[] =
    {
        { "control colour",              TemplateLookAndFeel::controlColourId,                  0xb2808080, false },
        { "keyboard-focus outline",      juce::TextEditor::focusedOutlineColourId,              0xb2808080, false },
        { "scroll-bar background",       juce::ScrollBar::backgroundColourId,                   0x00000000, false },
        { "scroll-bar thumb",            juce::ScrollBar::thumbColourId,                        0xffffffff, false },
        { "menu background",             juce::PopupMenu::backgroundColourId,                   0xffffffff, false },
        { "menu highlighted text",       juce::PopupMenu::highlightedTextColourId,              0xffffffff, false },
        { "menu highlight",              juce::PopupMenu::highlightedBackgroundColourId,        0xb2808080, false },
        { "menu text",                   juce::PopupMenu::textColourId,                         0xff000000, true },
        { "combo-box background",        juce::ComboBox::backgroundColourId,                    0xffffffff, true },
        { "combo-box outline",           juce::ComboBox::outlineColourId,                       0xb2808080, false },
        { "combo-box text",              juce::ComboBox::textColourId,                          0xff000000, true },
        { "combo-list background",       TemplateLookAndFeel::comboListBackgroundColourId,      0xffffffff, false },
        { "combo-list text",             TemplateLookAndFeel::comboListTextColourId,            0xff000000, false },
        { "combo-list highlighted text", TemplateLookAndFeel::comboListHighlightedTextColourId, 0xffffffff, false },
        { "combo-list highlight",        TemplateLookAndFeel::comboListHighlightColourId,       0xb2808080, false },
        { "text highlight",              juce::TextEditor::highlightColourId,                   0x401111ee, true },
        { "slider bar",                  juce::Slider::trackColourId,                           0xffffffff, false },
        { "slider text-box outline",     juce::Slider::textBoxOutlineColourId,                  0xb2808080, false },
        { "progress-bar background",     juce::ProgressBar::backgroundColourId,                 0xffffffff, false },
        { "progress-bar foreground",     juce::ProgressBar::foregroundColourId,                 0xffd3d3d3, false },
        { "tooltip background",          juce::TooltipWindow::backgroundColourId,               0xffffffff, false },
        { "tooltip text",                juce::TooltipWindow::textColourId,                     0xff000000, true },
        { "message-box background",      juce::AlertWindow::backgroundColourId,                 0xffededed, true },
    };
}

TEST (TemplateLookAndFeelColours, EveryRoleHasItsValue)
{
    TemplateLookAndFeel lookAndFeel;

    for (const auto& role : scheme)
        EXPECT_EQ (lookAndFeel.findColour (role.colourId).getARGB(), role.argb) << role.name;
}

TEST (TemplateLookAndFeelColours, KeptRolesComeFromTheBaseLook)
{
    juce::LookAndFeel_V2 base;

    for (const auto& role : scheme)
    {
        if (role.kept)
        {
            EXPECT_EQ (base.findColour (role.colourId).getARGB(), role.argb) << role.name;
        }
    }
}

TEST (TemplateLookAndFeelColours, CopiedRolesAreIndependent)
{
    TemplateLookAndFeel lookAndFeel;
    lookAndFeel.setColour (TemplateLookAndFeel::controlColourId, juce::Colours::red);
    lookAndFeel.setColour (juce::PopupMenu::backgroundColourId, juce::Colours::blue);

    EXPECT_EQ (lookAndFeel.findColour (juce::TextEditor::focusedOutlineColourId).getARGB(), 0xb2808080u);
    EXPECT_EQ (lookAndFeel.findColour (juce::PopupMenu::highlightedTextColourId).getARGB(), 0xffffffffu);
}

TEST (TemplateLookAndFeelColours, TitleBarButtonColours)
{
    const TemplateLookAndFeel lookAndFeel;

    EXPECT_EQ (lookAndFeel.minimiseButtonColour.getARGB(), 0xffeff2f3u);
    EXPECT_EQ (lookAndFeel.maximiseButtonColour.getARGB(), 0xff9299a5u);
    EXPECT_EQ (lookAndFeel.closeButtonColour.getARGB(), 0xff3273a1u);
}

TEST (TemplateLookAndFeelColours, ComboBoxButtonIsInvisibleUnlessABoxSetsIt)
{
    TemplateLookAndFeel lookAndFeel;
    juce::ComboBox box;
    box.setLookAndFeel (&lookAndFeel);

    EXPECT_EQ (box.findColour (juce::ComboBox::buttonColourId).getAlpha(), 0);
    box.setLookAndFeel (nullptr);
}

//==============================================================================
// Colour arithmetic the look relies on, worked out by hand from JUCE's definitions.
TEST (TemplateLookAndFeelColours, ContrastingAndBrighterResults)
{
    struct Case
    {
        const char* what;
        juce::Colour actual;
        int red, green, blue;
    };

    const juce::Colour pale (0xffeff2f3);

    const Case cases[] =
    {
        // black at alpha 0.2 (byte 51) over white: 255 * 204 / 255
        { "progress frame: white contrasting 0.2",          juce::Colours::white.contrasting (0.2f), 204, 204, 204 },
        // black at alpha 0.7 (byte 178) over the pale background: v * 77 / 256
        { "active title: background contrasting 0.7",       pale.contrasting (0.7f),                  71,  72,  73 },
        // black at alpha 0.4 (byte 102) over it: v * 153 / 256
        { "inactive title: background contrasting 0.4",     pale.contrasting (0.4f),                 142, 144, 145 },
        // brighter (a): 255 - (255 - v) / (1 + a), truncated
        { "glass highlight: white brighter 10",             juce::Colours::white.brighter (10.0f),   255, 255, 255 },
        { "glass highlight: title blue brighter 10",        juce::Colour (0xff3273a1).brighter (10.0f), 236, 242, 246 },
        { "ready button: green brighter 0.99",              juce::Colours::green.brighter (0.99f),   126, 191, 126 },
        { "not-ready button: red brighter 0.99",            juce::Colours::red.brighter (0.99f),     255, 126, 126 },
    };

    for (const auto& c : cases)
    {
        EXPECT_NEAR (c.actual.getRed(), c.red, 1) << c.what;
        EXPECT_NEAR (c.actual.getGreen(), c.green, 1) << c.what;
        EXPECT_NEAR (c.actual.getBlue(), c.blue, 1) << c.what;
        EXPECT_EQ (c.actual.getAlpha(), 255) << c.what;
    }
}
