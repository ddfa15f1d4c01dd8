#include "VirtualVarnetRig.h"

#include "device/DefaultMidiPortSource.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <optional>

using namespace talvion::test;
using Behaviour = VirtualVarnet::Behaviour;

namespace
{
    // Sets or clears an environment variable for one test, and puts back what was there.
    class ScopedEnvironmentVariable
    {
    public:
        ScopedEnvironmentVariable (const char* variableName, std::optional<std::string> value)
            : name (variableName)
        {
            if (const auto* previous = std::getenv (name))
                saved = previous;

            if (value.has_value())
                ::setenv (name, value->c_str(), 1);
            else
                ::unsetenv (name);
        }

        ~ScopedEnvironmentVariable()
        {
            if (saved.has_value())
                ::setenv (name, saved->c_str(), 1);
            else
                ::unsetenv (name);
        }

    private:
        const char* name;
        std::optional<std::string> saved;
    };

    struct VirtualDeviceEnvironment
    {
        explicit VirtualDeviceEnvironment (std::optional<std::string> device,
                                           std::optional<std::string> log = {},
                                           std::optional<std::string> rate = {})
            : deviceVariable ("TALVION_VIRTUAL_DEVICE", std::move (device)),
              logVariable ("TALVION_VIRTUAL_DEVICE_LOG", std::move (log)),
              rateVariable ("TALVION_VIRTUAL_DEVICE_RATE", std::move (rate))
        {
        }

        ScopedEnvironmentVariable deviceVariable, logVariable, rateVariable;
    };
}

//==============================================================================
TEST (DefaultMidiPortSource, OffersNoVirtualDeviceUnlessTheEnvironmentAsks)
{
    const VirtualDeviceEnvironment environment (std::nullopt);
    DefaultMidiPortSource ports;

    EXPECT_EQ (ports.getVirtualDevice(), nullptr);
    EXPECT_FALSE (ports.getOutputNames().contains ("Virtual Varnet"));
    EXPECT_FALSE (ports.getInputNames().contains ("Virtual Varnet"));
}

struct BehaviourCase
{
    const char* value;
    Behaviour behaviour;
};

class DefaultMidiPortSourceVirtualDevice  : public ::testing::TestWithParam<BehaviourCase> {};

TEST_P (DefaultMidiPortSourceVirtualDevice, AppendsTheVirtualVarnetToBothListsWithTheChosenBehaviour)
{
    const VirtualDeviceEnvironment environment (std::string (GetParam().value));
    DefaultMidiPortSource ports;

    ASSERT_NE (ports.getVirtualDevice(), nullptr);
    EXPECT_EQ (ports.getVirtualDevice()->getBehaviour(), GetParam().behaviour);
    EXPECT_EQ (ports.getOutputNames().strings.getLast(), "Virtual Varnet");
    EXPECT_EQ (ports.getInputNames().strings.getLast(), "Virtual Varnet");
}

INSTANTIATE_TEST_SUITE_P (EnvironmentValues, DefaultMidiPortSourceVirtualDevice, ::testing::Values (
    BehaviourCase { "varnet", Behaviour::varnet },
    BehaviourCase { "silent", Behaviour::silent },
    BehaviourCase { "noisy", Behaviour::noisy },
    BehaviourCase { "", Behaviour::varnet }));

TEST (DefaultMidiPortSource, GivesTalvionsInterfaceAWorkingVirtualVarnet)
{
    const juce::TemporaryFile logFile ("log");
    const VirtualDeviceEnvironment environment (std::string ("varnet"),
                                                logFile.getFile().getFullPathName().toStdString(),
                                                std::string ("100000"));
    MidiInterfaceClass midi (true, true);

    auto* outputs = findSelector (midi, "Output Selector");
    auto* inputs = findSelector (midi, "Input Selector");
    ASSERT_NE (outputs, nullptr);
    ASSERT_NE (inputs, nullptr);

    // The virtual device is the last entry of each list.
    const auto lastId = [] (juce::ComboBox& box) { return box.getNumItems() - 1; };
    EXPECT_EQ (outputs->getItemText (outputs->indexOfItemId (lastId (*outputs))), "Virtual Varnet");
    choose (midi, "Output Selector", lastId (*outputs));
    choose (midi, "Input Selector", lastId (*inputs));
    ASSERT_TRUE (midi.isConnected());

    const auto start = juce::Time::getMillisecondCounterHiRes();

    for (const auto& message : { uploadStart(), uploadEnd() })
        midi.sendData (message.data(), (int) message.size());

    const auto elapsed = juce::Time::getMillisecondCounterHiRes() - start;
    EXPECT_GE (elapsed, 18 * 1000.0 / 100000.0 - 0.1);

    const auto query = statusQuery();
    midi.sendData (query.data(), (int) query.size());
    EXPECT_EQ (readUntilQuiet (midi), statusReply());

    juce::StringArray lines;
    lines.addLines (logFile.getFile().loadFileAsString());
    lines.removeEmptyStrings();
    ASSERT_EQ (lines.size(), 4);
    EXPECT_TRUE (lines[3].endsWith (" tx F0 00 6B 2D 7F 55 51 05 00 00 03 F7")) << lines[3];
}
