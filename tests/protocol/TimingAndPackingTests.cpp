#include "protocol/KorvanTime.h"
#include "protocol/VarnetProtocolClass.h"

#include <gtest/gtest.h>

TEST (KorvanTime, MeasuresDifferencesAcrossTheCountersWrap)
{
    struct Case { juce::uint32 later, earlier, difference; };

    for (auto& c : { Case { 10, 5, 5 }, Case { 7, 7, 0 }, Case { 5, 0xfffffffb, 10 }, Case { 0, 0xffffffff, 1 },
                     Case { 0x01000000, 0x00ffffff, 1 } })
        EXPECT_EQ (KorvanTime::getCounterDifference (c.later, c.earlier), c.difference) << c.later << " - " << c.earlier;
}

TEST (KorvanTime, WaitsAtLeastTheTimeAsked)
{
    const auto start = KorvanTime::getMillisecondCounter();
    KorvanTime::waitMilliseconds (30);
    EXPECT_GE (KorvanTime::getElapsedSince (start), 30u);
}

TEST (VarnetPacking, PacksTopBitsIntoALeadingBytePerSeven)
{
    struct Case { std::vector<juce::uint8> bytes, packed; };

    for (auto& c : { Case { { 0x80, 0x01, 0xff, 0x00, 0x7f, 0x81, 0x02 }, { 0x52, 0x00, 0x01, 0x7f, 0x00, 0x7f, 0x01, 0x02 } },
                     Case { { 0x80 }, { 0x40, 0x00 } },
                     Case { { 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xff }, { 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x40, 0x7f } } })
    {
        std::vector<juce::uint8> packed (c.packed.size());
        EXPECT_EQ (VarnetProtocolClass::packSevenBit (c.bytes.data(), (int) c.bytes.size(), packed.data()), (int) c.packed.size());
        EXPECT_EQ (packed, c.packed);
    }
}

TEST (VarnetPacking, PackedLengthGrowsByOnePerGroupOfSeven)
{
    for (auto [length, packedLength] : { std::pair { 12, 14 }, { 10, 12 }, { 6, 7 }, { 7, 8 }, { 1, 2 }, { 0, 0 } })
    {
        const std::vector<juce::uint8> bytes ((size_t) length, 0xaa);
        std::vector<juce::uint8> packed ((size_t) packedLength);
        EXPECT_EQ (VarnetProtocolClass::packSevenBit (bytes.data(), length, packed.data()), packedLength) << length;
    }
}

TEST (VarnetSections, TheFirstSectionNeverExceedsTheImage)
{
    const std::vector<juce::uint8> image { 0x00, 0x00, 0x08, 0x00, 0x00 };

    EXPECT_EQ (VarnetProtocolClass::getFirstSectionLength (image.data(), 100), 30u);
    EXPECT_EQ (VarnetProtocolClass::getFirstSectionLength (image.data(), 20), 20u);
    EXPECT_EQ (VarnetProtocolClass::getFirstSectionLength (image.data(), 2), 2u);
    EXPECT_EQ (VarnetProtocolClass::getFirstSectionLength (nullptr, 0), 0u);
}
