#include "help/HelpTexts.h"
#include "help/LorbinHelpWindowClass.h"
#include "help/Morvel1HelpWindowClass.h"
#include "help/PellanSystemHelpWindowClass.h"
#include "help/QuillonHelpWindowClass.h"
#include "help/TessorHelpWindowClass.h"
#include "help/VarnetMidiHelpWindowClass.h"
#include "look/TemplateLookAndFeel.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

namespace
{
    juce::TextEditor* findEditor (juce::DocumentWindow& window)
    {
        auto* content = window.getContentComponent();
        return content == nullptr ? nullptr : dynamic_cast<juce::TextEditor*> (content->getChildComponent (0));
    }

    // What the main window's Help button does on every press.
    void pressHelp (juce::DocumentWindow& window)
    {
        window.setVisible (! window.isVisible());
        window.centreWithSize (550, 400);
    }

    // Where centreWithSize (550, 400) puts a window on the main display.
    juce::Rectangle<int> centredAt550x400()
    {
        const auto area = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
        return { area.getCentreX() - 275, area.getCentreY() - 200, 550, 400 };
    }

    // The program's look, installed as the default and withdrawn before it goes, as at run time.
    class HelpWindow  : public ::testing::Test
    {
    protected:
        HelpWindow()            { juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel); }
        ~HelpWindow() override  { juce::LookAndFeel::setDefaultLookAndFeel (nullptr); }

        TemplateLookAndFeel lookAndFeel;
    };
}

//==============================================================================
TEST_F (HelpWindow, StartsHiddenOnTheDesktopWithItsFrame)
{
    VarnetMidiHelpWindowClass window;

    EXPECT_FALSE (window.isVisible());
    EXPECT_TRUE (window.isOnDesktop());
    EXPECT_EQ (window.getName(), " Varnet update help ");
    EXPECT_EQ (window.getBackgroundColour().getARGB(), 0xffeff2f3u);
    EXPECT_EQ (window.getTitleBarColour().getARGB(), 0xff3273a1u);
    EXPECT_NE (window.getCloseButton(), nullptr);
    EXPECT_NE (window.getMinimiseButton(), nullptr);
    EXPECT_NE (window.getMaximiseButton(), nullptr);
    EXPECT_TRUE (window.isResizable());
    EXPECT_FALSE (window.isUsingNativeTitleBar());
}

TEST_F (HelpWindow, EditorIsReadOnlyWrappedAndFillsTheContent)
{
    VarnetMidiHelpWindowClass window;
    window.centreWithSize (550, 400);

    auto* editor = findEditor (window);
    ASSERT_NE (editor, nullptr);

    EXPECT_TRUE (editor->isMultiLine());
    EXPECT_TRUE (editor->isReadOnly());
    EXPECT_EQ (editor->getText(), VarnetMidiHelpText);
    EXPECT_EQ (editor->getBounds(), window.getContentComponent()->getLocalBounds());
    EXPECT_FALSE (editor->getBounds().isEmpty());

    // Word-wrapped: no line is wider than the editor, so there is no horizontal scrolling.
    EXPECT_LE (editor->getTextWidth(), editor->getWidth());

    window.setSize (300, 500);
    EXPECT_EQ (editor->getBounds(), window.getContentComponent()->getLocalBounds());
    EXPECT_LE (editor->getTextWidth(), editor->getWidth());
    EXPECT_GT (editor->getTextHeight(), editor->getHeight());   // it scrolls
}

TEST_F (HelpWindow, TypingPastingAndDeletingLeaveTheTextAlone)
{
    VarnetMidiHelpWindowClass window;
    window.centreWithSize (550, 400);
    auto* editor = findEditor (window);
    ASSERT_NE (editor, nullptr);

    editor->setCaretPosition (10);
    juce::SystemClipboard::copyTextToClipboard ("pasted");

    const juce::KeyPress keys[] =
    {
        juce::KeyPress ('a', juce::ModifierKeys(), 'a'),
        juce::KeyPress (juce::KeyPress::backspaceKey),
        juce::KeyPress (juce::KeyPress::deleteKey),
        juce::KeyPress (juce::KeyPress::returnKey),
        juce::KeyPress ('v', juce::ModifierKeys::commandModifier, 0),
        juce::KeyPress ('x', juce::ModifierKeys::commandModifier, 0),
    };

    for (const auto& key : keys)
        editor->keyPressed (key);

    editor->selectAll();
    editor->paste();
    editor->cut();

    EXPECT_EQ (editor->getText(), VarnetMidiHelpText);
    EXPECT_FALSE (editor->isTextInputActive());
}

TEST_F (HelpWindow, HelpPressesToggleAndRecentre)
{
    VarnetMidiHelpWindowClass window;

    pressHelp (window);
    EXPECT_TRUE (window.isVisible());
    EXPECT_EQ (window.getBounds(), centredAt550x400());

    pressHelp (window);
    EXPECT_FALSE (window.isVisible());

    pressHelp (window);
    EXPECT_TRUE (window.isVisible());
    EXPECT_EQ (window.getBounds(), centredAt550x400());
}

TEST_F (HelpWindow, ComesBackCentredAfterTheUserMovedResizedAndClosedIt)
{
    VarnetMidiHelpWindowClass window;
    pressHelp (window);

    window.setBounds (20, 30, 320, 240);
    ASSERT_NE (window.getBounds(), centredAt550x400());

    // The title-bar close button hides the window without deleting it.
    window.getCloseButton()->triggerClick();
    ASSERT_TRUE (talvion::test::runMessageLoopUntil ([&] { return ! window.isVisible(); }, 2000));
    EXPECT_NE (findEditor (window), nullptr);

    pressHelp (window);
    EXPECT_TRUE (window.isVisible());
    EXPECT_EQ (window.getBounds(), centredAt550x400());
}

TEST_F (HelpWindow, CloseButtonPressedHides)
{
    VarnetMidiHelpWindowClass window;
    window.setVisible (true);

    window.closeButtonPressed();
    EXPECT_FALSE (window.isVisible());
}

TEST_F (HelpWindow, EveryFamilyShowsItsTitleAndText)
{
    struct Case
    {
        std::function<std::unique_ptr<HelpWindowbaseClass>()> create;
        const char* title;
        const juce::String& text;
    };

    const Case cases[] =
    {
        { [] { return std::make_unique<VarnetMidiHelpWindowClass>(); },   " Varnet update help ",        VarnetMidiHelpText },
        { [] { return std::make_unique<LorbinHelpWindowClass>(); },       " Lorbin update help ",        LorbinHelpText },
        { [] { return std::make_unique<QuillonHelpWindowClass>(); },      " Pellan Drive update help ",  QuillonHelpText },
        { [] { return std::make_unique<PellanSystemHelpWindowClass>(); }, " Pellan System update help ", PellanSystemHelpText },
        { [] { return std::make_unique<Morvel1HelpWindowClass>(); },      " Morvel update help ",        Morvel1HelpText },
        { [] { return std::make_unique<TessorHelpWindowClass>(); },       " Harrow update help ",        TessorHelpText },
    };

    for (const auto& c : cases)
    {
        const auto window = c.create();
        auto* editor = findEditor (*window);

        EXPECT_EQ (window->getName(), c.title);
        EXPECT_FALSE (window->isVisible()) << c.title;
        ASSERT_NE (editor, nullptr) << c.title;
        EXPECT_EQ (editor->getText(), c.text) << c.title;
        EXPECT_TRUE (editor->isReadOnly()) << c.title;
    }
}
