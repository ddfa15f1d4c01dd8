// How fast the virtual Varnet takes a whole update through MidiInterfaceClass: the 503,880-byte
// built-in image as 41,990 data messages of 23 bytes, with and without its log, and how closely
// its paced wire keeps to its rate.

#include "app/BuiltInFirmwareDescriptor.h"
#include "device/MidiInterfaceClass.h"
#include "device/VirtualVarnetPortSource.h"

#include <benchmark/benchmark.h>

namespace
{
    using Bytes = std::vector<juce::uint8>;

    Bytes updateMessage (juce::uint8 code, const Bytes& payload = {})
    {
        Bytes message { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, code };

        for (const auto byte : payload)
            message.push_back (byte);

        message.push_back (0xf7);
        return message;
    }

    std::vector<Bytes> updateMessages (const FirmwareDescriptor& firmware)
    {
        std::vector<Bytes> messages { updateMessage (0x00) };

        for (int sent = 0; sent < firmware.getSize(); sent += 12)
        {
            Bytes packed;

            for (int group = sent; group < juce::jmin (sent + 12, firmware.getSize()); group += 7)
            {
                const auto end = juce::jmin (group + 7, sent + 12, firmware.getSize());
                juce::uint8 topBits = 0;

                for (int i = group; i < end; ++i)
                    topBits = (juce::uint8) (topBits | ((firmware.getData()[i] >> 7) << (6 - (i - group))));

                packed.push_back (topBits);

                for (int i = group; i < end; ++i)
                    packed.push_back ((juce::uint8) (firmware.getData()[i] & 0x7f));
            }

            messages.push_back (updateMessage (0x03, packed));
        }

        messages.push_back (updateMessage (0x04));
        return messages;
    }

    void runUpdate (benchmark::State& state, const juce::File& logFile)
    {
        const juce::ScopedJuceInitialiser_GUI juce;
        const BuiltInFirmwareDescriptor firmware;
        const auto messages = updateMessages (firmware);

        VirtualVarnet device (VirtualVarnet::Behaviour::varnet, 0.0, logFile);
        VirtualVarnetPortSource ports (device);
        MidiInterfaceClass midi (true, true, ports);

        if (auto* box = dynamic_cast<juce::ComboBox*> (midi.getChildComponent (0)))
            box->setSelectedId (1, juce::sendNotificationSync);

        for (auto _ : state)
        {
            device.reset();

            for (const auto& message : messages)
                midi.sendData (message.data(), (int) message.size());
        }

        if (device.getImage().getSize() != (size_t) firmware.getSize())
            state.SkipWithError ("the device did not rebuild the image");

        state.SetItemsProcessed (state.iterations() * (juce::int64) messages.size());
        state.SetBytesProcessed (state.iterations() * (juce::int64) firmware.getSize());
    }

    void wholeImage (benchmark::State& state)
    {
        runUpdate (state, {});
    }

    void wholeImageLogged (benchmark::State& state)
    {
        const juce::TemporaryFile log ("log");
        runUpdate (state, log.getFile());
    }

    // How closely a paced wire keeps to its rate: 1,000 data messages at 100,000 bytes per second
    // should take 230 ms; "slowdown" is the time taken over that.
    void wireAtUsbRate (benchmark::State& state)
    {
        constexpr double rate = 100000.0;
        constexpr int numMessages = 1000;
        const auto message = updateMessage (0x03, Bytes (14, 0x11));
        VirtualVarnet device (VirtualVarnet::Behaviour::varnet, rate);
        VirtualVarnetPortSource ports (device);
        auto output = ports.openOutput (0);
        const juce::MidiMessage midiMessage (message.data(), (int) message.size(), 0.0);
        double slowdown = 0.0;

        for (auto _ : state)
        {
            const auto start = juce::Time::getMillisecondCounterHiRes();

            for (int i = 0; i < numMessages; ++i)
                output->sendMessageNow (midiMessage);

            const auto elapsed = juce::Time::getMillisecondCounterHiRes() - start;
            slowdown = elapsed / (numMessages * (double) message.size() * 1000.0 / rate);
        }

        state.counters["slowdown"] = slowdown;
    }
}

BENCHMARK (wholeImage)->Unit (benchmark::kMillisecond);
BENCHMARK (wholeImageLogged)->Unit (benchmark::kMillisecond);
BENCHMARK (wireAtUsbRate)->Unit (benchmark::kMillisecond)->Iterations (3);
BENCHMARK_MAIN();
