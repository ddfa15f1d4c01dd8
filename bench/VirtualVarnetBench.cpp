// How fast the virtual Varnet takes a whole update through MidiInterfaceClass: the 503,880-byte
// built-in image as 41,990 data messages of 23 bytes, with and without its log.

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
        message.insert (message.end(), payload.begin(), payload.end());
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
}

BENCHMARK (wholeImage)->Unit (benchmark::kMillisecond);
BENCHMARK (wholeImageLogged)->Unit (benchmark::kMillisecond);
BENCHMARK_MAIN();
