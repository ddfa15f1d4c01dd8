#include "DeviceTestHelpers.h"
#include "FakeMidiPortSource.h"

#include <gmock/gmock.h>

using talvion::test::choose;

namespace
{
    // Bytes that tell their position apart across more than one trip round the ring.
    std::vector<juce::uint8> countingBytes (int first, int count)
    {
        std::vector<juce::uint8> bytes;

        for (int i = first; i < first + count; ++i)
            bytes.push_back ((juce::uint8) (i % 250));

        return bytes;
    }

    std::vector<juce::uint8> readAll (InterfaceBaseClass& interface, unsigned int maxBytes = 1000)
    {
        std::vector<juce::uint8> buffer (maxBytes + 1, 0);
        const auto n = interface.readData (buffer.data(), maxBytes);
        EXPECT_GE (n, 0);
        buffer.resize ((size_t) n);
        return buffer;
    }

    class MidiReceiveRing  : public ::testing::Test
    {
    protected:
        MidiReceiveRing()
        {
            choose (midi, "Input Selector", 1);
        }

        FakeMidiPortSource ports { {}, { "A" } };
        MidiInterfaceClass midi { false, true, ports };
    };
}

//==============================================================================
struct OverflowCase
{
    int numArrived;
    int firstKept;
    int numKept;
};

class MidiReceiveRingOverflow  : public ::testing::TestWithParam<OverflowCase> {};

TEST_P (MidiReceiveRingOverflow, KeepsOnlyWhatTheRingCouldHold)
{
    FakeMidiPortSource ports ({}, { "A" });
    MidiInterfaceClass midi (false, true, ports);
    choose (midi, "Input Selector", 1);

    ASSERT_TRUE (ports.deliverBytes (countingBytes (0, GetParam().numArrived)));

    EXPECT_EQ (readAll (midi), countingBytes (GetParam().firstKept, GetParam().numKept));
    EXPECT_TRUE (readAll (midi).empty());
}

INSTANTIATE_TEST_SUITE_P (ArrivalsWithoutARead, MidiReceiveRingOverflow, ::testing::Values (
    OverflowCase { 10, 0, 10 },
    OverflowCase { 255, 0, 255 },
    OverflowCase { 256, 0, 0 },
    OverflowCase { 300, 256, 44 },
    OverflowCase { 600, 512, 88 }));

TEST_F (MidiReceiveRing, HandsOutBytesOldestFirstAcrossTheEndOfTheRing)
{
    ASSERT_TRUE (ports.deliverBytes (countingBytes (0, 200)));
    EXPECT_EQ (readAll (midi), countingBytes (0, 200));

    ASSERT_TRUE (ports.deliverBytes (countingBytes (200, 100)));
    EXPECT_EQ (readAll (midi, 30), countingBytes (200, 30));
    EXPECT_EQ (readAll (midi, 1), countingBytes (230, 1));
    EXPECT_EQ (readAll (midi), countingBytes (231, 69));
}

TEST_F (MidiReceiveRing, AReadOfNothingTakesNothing)
{
    ASSERT_TRUE (ports.deliverBytes (countingBytes (0, 12)));

    EXPECT_TRUE (readAll (midi, 0).empty());
    EXPECT_EQ (readAll (midi), countingBytes (0, 12));
}

TEST_F (MidiReceiveRing, KeepsUnreadBytesWhileTheInputIsClosed)
{
    ASSERT_TRUE (ports.deliverBytes (countingBytes (0, 12)));
    EXPECT_EQ (readAll (midi, 2), countingBytes (0, 2));

    choose (midi, "Input Selector", 2);
    EXPECT_FALSE (ports.deliver (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100)));
    EXPECT_TRUE (readAll (midi).empty());

    choose (midi, "Input Selector", 1);
    EXPECT_EQ (readAll (midi), countingBytes (2, 10));
}

TEST_F (MidiReceiveRing, TakesEveryKindOfMessageAsPlainBytes)
{
    const auto note = juce::MidiMessage::noteOn (2, 64, (juce::uint8) 90);
    const juce::uint8 sysexStart[] = { 0xf0, 0x00, 0x6b, 0x2d };
    const juce::uint8 sysexRest[] = { 0x7f, 0x55, 0x51, 0x05, 0xf7 };

    ASSERT_TRUE (ports.deliver (note));
    ASSERT_TRUE (ports.deliver (juce::MidiMessage (sysexStart, (int) sizeof (sysexStart), 0.0)));
    ASSERT_TRUE (ports.deliver (juce::MidiMessage (sysexRest, (int) sizeof (sysexRest), 0.0)));

    EXPECT_EQ (readAll (midi), (std::vector<juce::uint8> { 0x91, 64, 90, 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, 0x05, 0xf7 }));
}
