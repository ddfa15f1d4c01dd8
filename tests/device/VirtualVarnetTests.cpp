#include "VirtualVarnetRig.h"

#include "app/BuiltInFirmwareDescriptor.h"

#include <gmock/gmock.h>

#include <regex>

using namespace talvion::test;
using Behaviour = VirtualVarnet::Behaviour;
using Kind = VirtualVarnet::MessageKind;

namespace
{
    Bytes bytesOf (const juce::MemoryBlock& block)
    {
        const auto* data = static_cast<const juce::uint8*> (block.getData());
        return { data, data + block.getSize() };
    }

    // The way Talvion looks for the status reply: every byte read is compared with the next
    // expected one, and a byte that differs starts the match again from the beginning.
    int countRepliesFound (const Bytes& received)
    {
        const auto reply = statusReply();
        size_t matched = 0;
        int found = 0;

        for (const auto byte : received)
        {
            matched = byte == reply[matched] ? matched + 1 : 0;

            if (matched == reply.size())
            {
                ++found;
                matched = 0;
            }
        }

        return found;
    }

    std::vector<std::pair<Kind, bool>> kindsAndVerdicts (const VirtualVarnet& device)
    {
        std::vector<std::pair<Kind, bool>> result;

        for (const auto& m : device.getReceivedMessages())
            result.emplace_back (m.kind, m.accepted);

        return result;
    }
}

//==============================================================================
struct UnpackCase
{
    Bytes packed;
    Bytes image;
};

class VirtualVarnetUnpacking  : public ::testing::TestWithParam<UnpackCase> {};

TEST_P (VirtualVarnetUnpacking, RebuildsTheImageBytesOfADataMessage)
{
    VirtualVarnetRig rig (Behaviour::varnet);
    rig.send (uploadStart());
    rig.send (varnetMessage (0x03, GetParam().packed));

    EXPECT_EQ (bytesOf (rig.device.getImage()), GetParam().image);
    ASSERT_EQ (rig.device.getReceivedMessages().size(), 2u);
    EXPECT_EQ (rig.device.getReceivedMessages()[1].imageBytes, (int) GetParam().image.size());
}

INSTANTIATE_TEST_SUITE_P (Vectors, VirtualVarnetUnpacking, ::testing::Values (
    UnpackCase { { 0x52, 0x00, 0x01, 0x7f, 0x00, 0x7f, 0x01, 0x02 }, { 0x80, 0x01, 0xff, 0x00, 0x7f, 0x81, 0x02 } },
    UnpackCase { { 0x40, 0x00 }, { 0x80 } },
    UnpackCase { { 0x7f, 0x7f, 0x7f, 0x7f, 0x7f, 0x7f, 0x7f, 0x7f, 0x60, 0x00, 0x01, 0x02, 0x03, 0x04 },
                 { 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x80, 0x81, 0x02, 0x03, 0x04 } },
    UnpackCase { { 0x01, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77 }, { 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0xf7 } }));

TEST (VirtualVarnet, RebuildsTheWholeBuiltInImageFromTwelveByteChunks)
{
    const BuiltInFirmwareDescriptor firmware;
    VirtualVarnetRig rig (Behaviour::varnet);

    rig.send (uploadStart());

    for (int sent = 0; sent < firmware.getSize(); sent += 12)
    {
        const auto n = juce::jmin (12, firmware.getSize() - sent);
        const auto* chunk = firmware.getData() + sent;
        rig.send (uploadData (Bytes (chunk, chunk + n)));
    }

    rig.send (uploadEnd());

    const auto image = rig.device.getImage();
    ASSERT_EQ ((int) image.getSize(), firmware.getSize());
    EXPECT_EQ (std::memcmp (image.getData(), firmware.getData(), image.getSize()), 0);
    EXPECT_EQ (rig.device.getNumAccepted (Kind::uploadData), (firmware.getSize() + 11) / 12);
    EXPECT_EQ (rig.device.getState(), VirtualVarnet::State::burnt);
}

//==============================================================================
struct OrderCase
{
    const char* name;
    std::vector<Bytes> messages;
    std::vector<std::pair<Kind, bool>> verdicts;
    VirtualVarnet::State finalState;
    Bytes image;
};

class VirtualVarnetOrder  : public ::testing::TestWithParam<OrderCase> {};

TEST_P (VirtualVarnetOrder, TakesTheUpdateMessagesOnlyInTheirOrder)
{
    VirtualVarnetRig rig (Behaviour::silent);

    for (const auto& message : GetParam().messages)
        rig.send (message);

    EXPECT_EQ (kindsAndVerdicts (rig.device), GetParam().verdicts);
    EXPECT_EQ (rig.device.getState(), GetParam().finalState);
    EXPECT_EQ (bytesOf (rig.device.getImage()), GetParam().image);
}

INSTANTIATE_TEST_SUITE_P (Sequences, VirtualVarnetOrder, ::testing::Values (
    OrderCase { "InOrder",
                { uploadStart(), uploadData ({ 1, 2 }), uploadData ({ 0x83 }), uploadEnd(), statusQuery(), confirm() },
                { { Kind::uploadStart, true }, { Kind::uploadData, true }, { Kind::uploadData, true },
                  { Kind::uploadEnd, true }, { Kind::statusQuery, true }, { Kind::confirm, true } },
                VirtualVarnet::State::confirmed, { 1, 2, 0x83 } },
    OrderCase { "DataBeforeStart",
                { uploadData ({ 9 }), uploadStart(), uploadData ({ 5 }) },
                { { Kind::uploadData, false }, { Kind::uploadStart, true }, { Kind::uploadData, true } },
                VirtualVarnet::State::uploading, { 5 } },
    OrderCase { "EndAndQueryAndConfirmTooEarly",
                { uploadEnd(), statusQuery(), confirm(), uploadStart(), statusQuery(), confirm() },
                { { Kind::uploadEnd, false }, { Kind::statusQuery, false }, { Kind::confirm, false },
                  { Kind::uploadStart, true }, { Kind::statusQuery, false }, { Kind::confirm, false } },
                VirtualVarnet::State::uploading, {} },
    OrderCase { "DataAfterEnd",
                { uploadStart(), uploadData ({ 7 }), uploadEnd(), uploadData ({ 8 }), confirm(), confirm() },
                { { Kind::uploadStart, true }, { Kind::uploadData, true }, { Kind::uploadEnd, true },
                  { Kind::uploadData, false }, { Kind::confirm, true }, { Kind::confirm, false } },
                VirtualVarnet::State::confirmed, { 7 } },
    OrderCase { "ANewStartBeginsAFreshImage",
                { uploadStart(), uploadData ({ 1 }), uploadEnd(), uploadStart(), uploadData ({ 2 }) },
                { { Kind::uploadStart, true }, { Kind::uploadData, true }, { Kind::uploadEnd, true },
                  { Kind::uploadStart, true }, { Kind::uploadData, true } },
                VirtualVarnet::State::uploading, { 2 } }),
    [] (const auto& testCase) { return std::string (testCase.param.name); });

//==============================================================================
TEST (VirtualVarnet, AnswersStatusQueriesOnlyOnceTheUploadHasEnded)
{
    VirtualVarnetRig rig (Behaviour::varnet);

    rig.send (statusQuery());
    rig.send (uploadStart());
    rig.send (uploadData ({ 1, 2, 3 }));
    rig.send (statusQuery());
    EXPECT_TRUE (readUntilQuiet (rig.midi, 50).empty());
    EXPECT_EQ (rig.device.getNumMessagesSent(), 0);

    rig.send (uploadEnd());
    rig.send (statusQuery());
    EXPECT_EQ (readUntilQuiet (rig.midi), statusReply());

    rig.send (confirm());
    rig.send (statusQuery());
    EXPECT_EQ (readUntilQuiet (rig.midi), statusReply());
    EXPECT_EQ (rig.device.getNumMessagesSent(), 2);
}

TEST (VirtualVarnet, SilentTakesTheUpdateButNeverAnswers)
{
    VirtualVarnetRig rig (Behaviour::silent);

    for (const auto& message : { uploadStart(), uploadData ({ 0xaa }), uploadEnd(), statusQuery(), statusQuery() })
        rig.send (message);

    EXPECT_TRUE (readUntilQuiet (rig.midi, 100).empty());
    EXPECT_EQ (rig.device.getNumMessagesSent(), 0);
    EXPECT_EQ (rig.device.getNumAccepted (Kind::statusQuery), 2);
    EXPECT_EQ (bytesOf (rig.device.getImage()), Bytes ({ 0xaa }));
}

TEST (VirtualVarnet, NoisySendsAnUnrelatedMessageBeforeEachReply)
{
    VirtualVarnetRig rig (Behaviour::noisy);

    for (const auto& message : { uploadStart(), uploadEnd(), statusQuery(), statusQuery() })
        rig.send (message);

    const auto received = readUntilQuiet (rig.midi);
    const auto reply = statusReply();

    EXPECT_EQ (rig.device.getNumMessagesSent(), 4);
    ASSERT_GT (received.size(), 2 * reply.size());
    EXPECT_NE (received.front(), 0xf7);
    EXPECT_FALSE (std::equal (reply.begin(), reply.end(), received.begin()));
    EXPECT_TRUE (std::equal (reply.rbegin(), reply.rend(), received.rbegin()));
    EXPECT_EQ (countRepliesFound (received), 2);
}

TEST (VirtualVarnet, KeepsAnyOtherMessageAsItCameAndDoesNotAnswerIt)
{
    VirtualVarnetRig rig (Behaviour::varnet);
    const Bytes generic1 { 0xf0, 0x01, 0x02, 0x03, 0xf7 };
    const Bytes generic2 { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, 0x05, 0x01, 0xf7 };
    const Bytes unknownCode = varnetMessage (0x09);

    for (const auto& message : { generic1, generic2, unknownCode })
        rig.send (message);

    const auto others = rig.device.getOtherMessages();
    ASSERT_EQ (others.size(), 3);
    EXPECT_EQ (bytesOf (others[0]), generic1);
    EXPECT_EQ (bytesOf (others[1]), generic2);
    EXPECT_EQ (bytesOf (others[2]), unknownCode);
    EXPECT_EQ (rig.device.getNumAccepted (Kind::other), 3);
    EXPECT_EQ (rig.device.getState(), VirtualVarnet::State::idle);
    EXPECT_TRUE (readUntilQuiet (rig.midi, 50).empty());
}

TEST (VirtualVarnet, ResetForgetsTheUpdate)
{
    VirtualVarnetRig rig (Behaviour::varnet);

    for (const auto& message : { uploadStart(), uploadData ({ 1 }), uploadEnd(), statusQuery(), Bytes { 0xf0, 0x01, 0xf7 } })
        rig.send (message);

    EXPECT_EQ (readUntilQuiet (rig.midi), statusReply());
    rig.device.reset();

    EXPECT_EQ (rig.device.getState(), VirtualVarnet::State::idle);
    EXPECT_EQ (rig.device.getImage().getSize(), 0u);
    EXPECT_TRUE (rig.device.getReceivedMessages().empty());
    EXPECT_TRUE (rig.device.getOtherMessages().isEmpty());
    EXPECT_EQ (rig.device.getNumMessagesSent(), 0);

    rig.send (statusQuery());
    EXPECT_TRUE (readUntilQuiet (rig.midi, 50).empty());
}

//==============================================================================
TEST (VirtualVarnet, AppendsOneLinePerMessageToItsLog)
{
    const juce::TemporaryFile logFile ("log");
    logFile.getFile().replaceWithText ("earlier line\n");

    {
        VirtualVarnetRig rig (Behaviour::varnet, 0.0, logFile.getFile());

        for (const auto& message : { uploadStart(), uploadData ({ 0x80 }), uploadEnd(), statusQuery() })
            rig.send (message);

        EXPECT_EQ (readUntilQuiet (rig.midi), statusReply());
    }

    juce::StringArray lines;
    lines.addLines (logFile.getFile().loadFileAsString());
    lines.removeEmptyStrings();

    ASSERT_EQ (lines.size(), 6) << lines.joinIntoString ("\n");
    EXPECT_EQ (lines[0], "earlier line");

    const std::regex format ("(\\d+) (rx|tx)( [0-9A-F]{2})+");
    const char* expected[] = { "rx F0 00 6B 2D 7F 55 51 00 F7",
                               "rx F0 00 6B 2D 7F 55 51 03 40 00 F7",
                               "rx F0 00 6B 2D 7F 55 51 04 F7",
                               "rx F0 00 6B 2D 7F 55 51 05 F7",
                               "tx F0 00 6B 2D 7F 55 51 05 00 00 03 F7" };
    juce::int64 previousTime = 0;

    for (int i = 1; i < lines.size(); ++i)
    {
        EXPECT_TRUE (std::regex_match (lines[i].toStdString(), format)) << lines[i];
        EXPECT_EQ (lines[i].fromFirstOccurrenceOf (" ", false, false), expected[i - 1]);

        const auto time = lines[i].upToFirstOccurrenceOf (" ", false, false).getLargeIntValue();
        EXPECT_GE (time, previousTime);
        EXPECT_LT (time, 10000);
        previousTime = time;
    }
}

TEST (VirtualVarnet, TakesAsLongAsItsWireWouldToReceive)
{
    constexpr int numMessages = 100;
    const auto message = uploadData (Bytes (12, 0x55));
    ASSERT_EQ (message.size(), 23u);

    VirtualVarnetRig rig (Behaviour::varnet, 100000.0);
    rig.send (uploadStart());
    const auto start = juce::Time::getMillisecondCounterHiRes();

    for (int i = 0; i < numMessages; ++i)
        rig.send (message);

    const auto elapsed = juce::Time::getMillisecondCounterHiRes() - start;
    const auto wireTime = numMessages * 23 * 1000.0 / 100000.0;

    // Never faster than the wire; slower only by what a loaded machine adds.
    EXPECT_GE (elapsed, wireTime - 0.5);
    EXPECT_LT (elapsed, wireTime * 10.0);

    const auto received = rig.device.getReceivedMessages();
    ASSERT_EQ (received.size(), (size_t) numMessages + 1);
    EXPECT_GE (received.back().timeMs - received.front().timeMs, wireTime - 0.5);
}
