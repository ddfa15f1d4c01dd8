#include "VirtualVarnetRig.h"

#include <gmock/gmock.h>

#include <thread>

using namespace talvion::test;

// The message thread opens and closes the devices over and over while a protocol thread sends
// and reads through the same interface and the device floods the input from its own thread.
// Run under ThreadSanitizer, this shows the device lock, the ring and the device's threads clean.
TEST (MidiInterfaceStress, DeviceChangesDuringTrafficNeitherCrashNorRace)
{
    VirtualVarnet device (VirtualVarnet::Behaviour::noisy);
    VirtualVarnetPortSource ports (device);
    MidiInterfaceClass midi (true, true, ports);

    choose (midi, "Output Selector", 1);
    choose (midi, "Input Selector", 1);

    for (const auto& message : { uploadStart(), uploadEnd() })
        midi.sendData (message.data(), (int) message.size());

    std::atomic<bool> done { false }, protocolFinished { false };
    std::atomic<int> queriesSent { 0 };
    std::atomic<juce::int64> bytesRead { 0 };

    std::thread flooder ([&]
    {
        Bytes payload (200);

        for (size_t i = 0; i < payload.size(); ++i)
            payload[i] = (juce::uint8) (i & 0x7f);

        const auto flood = juce::MidiMessage::createSysExMessage (payload.data(), (int) payload.size());

        while (! done)
        {
            if (device.getNumMessagesQueued() < 8)
                device.sendToHost (flood);
            else
                std::this_thread::yield();
        }
    });

    std::thread protocol ([&]
    {
        const auto query = statusQuery();
        juce::uint8 buffer[64];

        for (int round = 0; ! done; ++round)
        {
            midi.sendData (query.data(), (int) query.size());
            ++queriesSent;

            for (int i = 0; i < 20; ++i)
                bytesRead += midi.readData (buffer, sizeof (buffer));

            // Progress reporting takes the message-manager lock between device calls.
            if (round % 50 == 0)
            {
                const juce::MessageManagerLock lock;
            }
        }

        protocolFinished = true;
    });

    for (int i = 0; i < 1000; ++i)
    {
        choose (midi, "Output Selector", i % 2 == 0 ? 2 : 1);
        choose (midi, "Input Selector", i % 3 == 0 ? 2 : 1);
        midi.isConnected();

        if (i % 5 == 0)
            runMessageLoopFor (1);
    }

    done = true;
    EXPECT_TRUE (runMessageLoopUntil ([&] { return protocolFinished.load(); }, 10000));
    protocol.join();
    flooder.join();

    EXPECT_GT (queriesSent.load(), 0);
    EXPECT_GT (bytesRead.load(), 0);

    // Afterwards the connection works as on the first day.
    choose (midi, "Output Selector", 1);
    choose (midi, "Input Selector", 1);
    readUntilQuiet (midi);
    device.reset();

    for (const auto& message : { uploadStart(), uploadEnd(), statusQuery() })
        midi.sendData (message.data(), (int) message.size());

    const auto received = readUntilQuiet (midi);
    const auto reply = statusReply();
    ASSERT_GE (received.size(), reply.size());
    EXPECT_TRUE (std::equal (reply.rbegin(), reply.rend(), received.rbegin()));
}
