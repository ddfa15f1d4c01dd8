#include "DeviceTestHelpers.h"
#include "FakeMidiPortSource.h"

#include <gmock/gmock.h>

using talvion::test::ChangeCounter;
using talvion::test::choose;
using talvion::test::findSelector;

namespace
{
    const juce::String outputSelectorName ("Output Selector");
    const juce::String inputSelectorName ("Input Selector");

    // The list as the user sees it: "text=id" for every item, "---" for a separator.
    juce::StringArray describeItems (juce::ComboBox& box)
    {
        juce::StringArray items;

        for (juce::PopupMenu::MenuItemIterator it (*box.getRootMenu()); it.next();)
        {
            const auto& item = it.getItem();
            items.add (item.isSeparator ? juce::String ("---") : item.text + "=" + juce::String (item.itemID));
        }

        return items;
    }

    juce::Label* findLabel (juce::Component& parent, const juce::String& text)
    {
        for (auto* child : parent.getChildren())
            if (auto* label = dynamic_cast<juce::Label*> (child))
                if (label->getText() == text)
                    return label;

        return nullptr;
    }
}

//==============================================================================
struct ListCase
{
    juce::StringArray devices;
    juce::StringArray expectedItems;
    int disconnectedId;
};

class MidiInterfaceLists  : public ::testing::TestWithParam<ListCase> {};

TEST_P (MidiInterfaceLists, ShowDisconnectedFirstThenTheDevicesWithTheirIds)
{
    FakeMidiPortSource ports (GetParam().devices, GetParam().devices);
    MidiInterfaceClass midi (true, true, ports);

    for (const auto& name : { outputSelectorName, inputSelectorName })
    {
        auto* box = findSelector (midi, name);
        ASSERT_NE (box, nullptr) << name;
        EXPECT_EQ (describeItems (*box), GetParam().expectedItems) << name;
        EXPECT_EQ (box->getSelectedId(), GetParam().disconnectedId) << name;
        EXPECT_EQ (box->getText(), "(Disconnected)") << name;
    }

    EXPECT_FALSE (midi.isConnected());
    EXPECT_TRUE (ports.takeEvents().isEmpty());
}

INSTANTIATE_TEST_SUITE_P (DeviceLists, MidiInterfaceLists, ::testing::Values (
    ListCase { { "A", "B" }, { "(Disconnected)=3", "---", "A=1", "B=2" }, 3 },
    ListCase { {}, { "(Disconnected)=1" }, 1 },
    ListCase { { "USB Audio Device" }, { "(Disconnected)=2", "---", "USB Audio Device=1" }, 2 }));

TEST (MidiInterfaceClass, LabelsTheSelectorsAndSitsThemOnePerRow)
{
    FakeMidiPortSource ports ({ "A" }, { "A" });

    struct LayoutCase { bool useOutput, useInput; int height, outputY, inputY; };

    for (const auto& c : { LayoutCase { true, true, 100, 20, 70 },
                           LayoutCase { true, false, 50, 20, -1 },
                           LayoutCase { false, true, 50, -1, 20 } })
    {
        MidiInterfaceClass midi (c.useOutput, c.useInput, ports);
        EXPECT_EQ (midi.getPreferredHeight(), c.height);
        midi.setBounds (0, 0, 380, midi.getPreferredHeight());

        const std::tuple<juce::String, juce::String, int> selectors[] {
            { outputSelectorName, "Select an output device:", c.outputY },
            { inputSelectorName, "Select an input device:", c.inputY } };

        for (const auto& [name, caption, y] : selectors)
        {
            auto* box = findSelector (midi, name);
            auto* label = findLabel (midi, caption);

            if (y < 0)
            {
                EXPECT_EQ (box, nullptr) << name;
                EXPECT_EQ (label, nullptr) << caption;
                continue;
            }

            ASSERT_NE (box, nullptr) << name;
            ASSERT_NE (label, nullptr) << caption;
            EXPECT_EQ (box->getBounds(), juce::Rectangle<int> (0, y, 380, 30)) << name;
            EXPECT_TRUE (box->isVisible()) << name;
            EXPECT_EQ (label->getBottom(), box->getY()) << caption;
        }
    }
}

TEST (MidiInterfaceClass, AnnouncesEachSelectorsFirstSelectionOnceTheMessageLoopRuns)
{
    FakeMidiPortSource ports ({ "A", "B" }, { "A", "B" });

    for (const auto& [useOutput, useInput] : { std::pair { true, false }, std::pair { false, true } })
    {
        MidiInterfaceClass midi (useOutput, useInput, ports);
        ChangeCounter changes (midi);

        EXPECT_EQ (changes.take(), 1);
        EXPECT_FALSE (midi.isConnected());
    }

    MidiInterfaceClass both (true, true, ports);
    ChangeCounter changes (both);

    // Two broadcasts made before the first delivery may reach a listener as one.
    EXPECT_GE (changes.take(), 1);
    EXPECT_FALSE (both.isConnected());
    EXPECT_TRUE (ports.takeEvents().isEmpty());
}

//==============================================================================
struct SelectionCase
{
    juce::String selectorName;
    bool useOutput, useInput;
    juce::StringArray afterA, afterB, afterDisconnected;
};

class MidiInterfaceSelection  : public ::testing::TestWithParam<SelectionCase> {};

TEST_P (MidiInterfaceSelection, OpensAndClosesTheChosenDeviceAndBroadcastsEachChange)
{
    const auto& c = GetParam();
    FakeMidiPortSource ports ({ "A", "B" }, { "A", "B" });
    MidiInterfaceClass midi (c.useOutput, c.useInput, ports);
    ChangeCounter changes (midi);
    changes.take();

    choose (midi, c.selectorName, 1);
    EXPECT_EQ (ports.takeEvents(), c.afterA);
    EXPECT_EQ (changes.take(), 1);
    EXPECT_TRUE (midi.isConnected());

    choose (midi, c.selectorName, 2);
    EXPECT_EQ (ports.takeEvents(), c.afterB);
    EXPECT_EQ (changes.take(), 1);
    EXPECT_TRUE (midi.isConnected());

    choose (midi, c.selectorName, 3);
    EXPECT_EQ (ports.takeEvents(), c.afterDisconnected);
    EXPECT_EQ (changes.take(), 1);
    EXPECT_FALSE (midi.isConnected());

    choose (midi, c.selectorName, 3);
    EXPECT_TRUE (ports.takeEvents().isEmpty());
    EXPECT_EQ (changes.take(), 0);
}

INSTANTIATE_TEST_SUITE_P (BothDirections, MidiInterfaceSelection, ::testing::Values (
    SelectionCase { outputSelectorName, true, false,
                    { "open output 0" },
                    { "close output 0", "open output 1" },
                    { "close output 1" } },
    SelectionCase { inputSelectorName, false, true,
                    { "open input 0", "start input 0" },
                    { "stop input 0", "close input 0", "open input 1", "start input 1" },
                    { "stop input 1", "close input 1" } }));

TEST (MidiInterfaceClass, ADeviceThatFailsToOpenStillBroadcastsAndLeavesItsDirectionClosed)
{
    FakeMidiPortSource ports ({ "A", "B" }, { "A", "B" });
    ports.makeOutputFail (1);
    ports.makeInputFail (1);
    MidiInterfaceClass midi (true, true, ports);
    ChangeCounter changes (midi);
    changes.take();

    choose (midi, outputSelectorName, 1);
    choose (midi, inputSelectorName, 1);
    changes.take();
    ports.takeEvents();
    ASSERT_TRUE (midi.isConnected());

    choose (midi, outputSelectorName, 2);
    EXPECT_EQ (ports.takeEvents(), juce::StringArray ({ "close output 0", "open output 1 failed" }));
    EXPECT_EQ (changes.take(), 1);
    EXPECT_FALSE (midi.isConnected());
    EXPECT_EQ (findSelector (midi, outputSelectorName)->getText(), "B");

    const juce::uint8 message[] = { 0xf0, 0x01, 0xf7 };
    EXPECT_EQ (midi.sendData (message, (int) sizeof (message)), 0);
    EXPECT_TRUE (ports.getSentMessages().empty());

    choose (midi, outputSelectorName, 1);
    choose (midi, inputSelectorName, 2);
    EXPECT_EQ (ports.takeEvents(), juce::StringArray ({ "open output 0", "stop input 0", "close input 0", "open input 1 failed" }));
    EXPECT_FALSE (midi.isConnected());
    juce::uint8 buffer[4];
    EXPECT_EQ (midi.readData (buffer, sizeof (buffer)), 0);
}

//==============================================================================
struct ConnectionCase
{
    bool useOutput, useInput, openOutput, openInput, connected;
};

class MidiInterfaceConnection  : public ::testing::TestWithParam<ConnectionCase> {};

TEST_P (MidiInterfaceConnection, IsConnectedWhenEveryDirectionItWasBuiltForIsOpen)
{
    const auto& c = GetParam();
    FakeMidiPortSource ports ({ "A" }, { "A" });
    MidiInterfaceClass midi (c.useOutput, c.useInput, ports);

    if (c.openOutput)
        choose (midi, outputSelectorName, 1);

    if (c.openInput)
        choose (midi, inputSelectorName, 1);

    EXPECT_EQ (midi.isConnected(), c.connected);
}

INSTANTIATE_TEST_SUITE_P (FlagCombinations, MidiInterfaceConnection, ::testing::Values (
    ConnectionCase { true, true, false, false, false },
    ConnectionCase { true, true, true, false, false },
    ConnectionCase { true, true, false, true, false },
    ConnectionCase { true, true, true, true, true },
    ConnectionCase { true, false, false, false, false },
    ConnectionCase { true, false, true, false, true },
    ConnectionCase { false, true, false, false, false },
    ConnectionCase { false, true, false, true, true },
    ConnectionCase { false, false, false, false, false }));

//==============================================================================
TEST (MidiInterfaceClass, SendsAMessageToTheOutputAsOneSysex)
{
    FakeMidiPortSource ports ({ "A" }, {});
    MidiInterfaceClass midi (true, false, ports);

    std::vector<juce::uint8> message { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, 0x03 };

    for (int i = 0; i < 14; ++i)
        message.push_back ((juce::uint8) (i * 9 % 128));

    message.push_back (0xf7);
    ASSERT_EQ (message.size(), 23u);

    EXPECT_EQ (midi.sendData (message.data(), (int) message.size()), 0);
    EXPECT_TRUE (ports.getSentMessages().empty());

    choose (midi, outputSelectorName, 1);
    EXPECT_EQ (midi.sendData (message.data(), (int) message.size()), 0);

    ASSERT_EQ (ports.getSentMessages().size(), 1u);
    const auto& sent = ports.getSentMessages().front();
    EXPECT_TRUE (sent.isSysEx());
    EXPECT_EQ (std::vector<juce::uint8> (sent.getRawData(), sent.getRawData() + sent.getRawDataSize()), message);

    EXPECT_EQ (midi.sendData (message.data(), 0), 0);
    EXPECT_EQ (midi.sendData (nullptr, 23), 0);
    EXPECT_EQ (ports.getSentMessages().size(), 1u);
}
