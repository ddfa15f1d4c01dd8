#include "help/HelpTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST (HelpTexts, VarnetTextByteForByte)
{
    const std::vector<std::string> lines =
    {
        "Varnet - Application software load procedure. ",
        "The software update procedure requires a PC or Mac with an USB port. ",
        " ",
        "Your existing user presets should not be affected by the update, but we suggest that you make a safety backup (of global settings and user presets) using the Varnet Editor.",
        " ",
        "1. Connect the PC or Mac to Varnet USB port.  ",
        "2. (Re)start the Varnet software updater application. ",
        "3. Select an output device: Varnet is shown as \"USB Audio device\". ",
        "4. Select an input device: Varnet is shown as \"USB Audio device\".",
        "5. Click the UPDATE button. Varnet will now receive the firmware update...",
        "6. Wait until Varnet restarts automatically...",
        "",
        "IMPORTANT: After a successful firmware update, Varnet will show the software version in the startup splash screen. If it doesn't restart, then please have patience and wait up to 1 minute before powering off Varnet",
        "",
        "",
        "TROUBLESHOOTING:",
        "",
        "In case of persistent errors, disconnect the power cable to the Varnet for 10 seconds, then connect it again and retry the software update procedure.",
        "",
        "Please refer to www.korvan.example for release notes.",
    };

    ASSERT_EQ (lines.size(), 20u);

    std::string expected;

    for (const auto& line : lines)
        expected += line + "\n";

    EXPECT_EQ (VarnetMidiHelpText.toStdString(), expected);
}

namespace
{
    struct TextCase
    {
        const char* name;
        const juce::String& text;
        const char* firstLine;
        const char* lastLine;
        bool troubleshooting;
    };

    const TextCase texts[] =
    {
        { "Varnet",        VarnetMidiHelpText,   "Varnet - Application software load procedure. ",
          "Please refer to www.korvan.example for release notes.", true },
        { "Lorbin",        LorbinHelpText,       "Lorbin Loudspeaker System Manager Software load procedure. ",
          "In case of persistent errors, disconnect the power cable to the Lorbin for 10 seconds, then connect it again and retry the software update procedure.", true },
        { "Pellan Drive",  QuillonHelpText,      "Pellan Drive - Application software load procedure. ",
          "5. Click the UPDATE button. Pellan Drive will now receive the firmware update and reboot by itself when it is done.", false },
        { "Pellan System", PellanSystemHelpText, "Pellan System - Application software load procedure. ",
          "Please refer to www.korvan.example for release notes.", true },
        { "Korvan Bass",   Morvel1HelpText,      "Korvan Bass Amplifier - Application software load procedure. ",
          "Please refer to www.korvan.example for release notes.", true },
        { "Tessor",        TessorHelpText,       "Tessor - Application Software Load Procedure. ",
          "Please refer to www.korvan.example/tessor for release notes.", true },
    };
}

TEST (HelpTexts, EveryTextIsPlainAsciiInLineFeedSeparatedLines)
{
    for (const auto& t : texts)
    {
        const auto bytes = t.text.toStdString();

        ASSERT_FALSE (bytes.empty()) << t.name;
        EXPECT_EQ (bytes.back(), '\n') << t.name;

        for (const auto c : bytes)
        {
            EXPECT_TRUE (c == '\n' || (c >= 0x20 && c < 0x7f)) << t.name << ": byte " << (int) c;

            if (c != '\n' && (c < 0x20 || c >= 0x7f))
                break;
        }
    }
}

TEST (HelpTexts, EachTextFollowsThePlan)
{
    for (const auto& t : texts)
    {
        juce::StringArray lines;
        lines.addTokens (t.text.upToLastOccurrenceOf ("\n", false, false), "\n", {});

        EXPECT_EQ (lines[0], t.firstLine) << t.name;
        EXPECT_EQ (lines[lines.size() - 1], t.lastLine) << t.name;
        EXPECT_TRUE (lines[5].startsWith ("1. ")) << t.name;
        EXPECT_EQ (lines.contains ("TROUBLESHOOTING:"), t.troubleshooting) << t.name;
        EXPECT_TRUE (t.text.contains ("presets")) << t.name;
    }
}

TEST (HelpTexts, OnlyTheVarnetTextAsksForAnInputDevice)
{
    for (const auto& t : texts)
    {
        const auto isVarnet = &t.text == &VarnetMidiHelpText;

        EXPECT_EQ (t.text.contains ("Select an input device"), isVarnet) << t.name;
        EXPECT_EQ (t.text.contains ("\"USB Audio device\""), isVarnet) << t.name;
    }
}

TEST (HelpTexts, MidiProductsAskToQuitOtherMidiApplications)
{
    for (const auto* text : { &LorbinHelpText, &QuillonHelpText, &PellanSystemHelpText, &Morvel1HelpText })
    {
        EXPECT_TRUE (text->contains ("Quit all other MIDI applications")) << *text;
        EXPECT_TRUE (text->contains ("Select an output device")) << *text;
    }

    EXPECT_FALSE (TessorHelpText.contains ("Select an"));
    EXPECT_TRUE (TessorHelpText.contains ("regular USB cable"));
    EXPECT_FALSE (QuillonHelpText.contains ("backup"));
    EXPECT_TRUE (LorbinHelpText.contains ("MUST wait up to 1 minute"));
}
