#pragma once

#include "DeviceTestHelpers.h"
#include "device/VirtualVarnetPortSource.h"

#include <vector>

namespace talvion::test
{
    using Bytes = std::vector<juce::uint8>;

    /** An update message with the given function code and payload. */
    inline Bytes varnetMessage (juce::uint8 code, const Bytes& payload = {})
    {
        Bytes message { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, code };

        for (const auto byte : payload)
            message.push_back (byte);

        message.push_back (0xf7);
        return message;
    }

    inline Bytes uploadStart()      { return varnetMessage (0x00); }
    inline Bytes uploadEnd()        { return varnetMessage (0x04); }
    inline Bytes statusQuery()      { return varnetMessage (0x05); }
    inline Bytes confirm()          { return varnetMessage (0x06); }
    inline Bytes statusReply()      { return { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, 0x05, 0x00, 0x00, 0x03, 0xf7 }; }

    /** The device's packing, written out independently: a byte of top bits (the first byte's in
        bit 6) before each group of up to seven bytes. */
    inline Bytes packSevenBit (const juce::uint8* data, size_t size)
    {
        Bytes packed;

        for (size_t group = 0; group < size; group += 7)
        {
            const auto n = juce::jmin ((size_t) 7, size - group);
            juce::uint8 topBits = 0;

            for (size_t i = 0; i < n; ++i)
                topBits = (juce::uint8) (topBits | ((data[group + i] >> 7) << (6 - i)));

            packed.push_back (topBits);

            for (size_t i = 0; i < n; ++i)
                packed.push_back ((juce::uint8) (data[group + i] & 0x7f));
        }

        return packed;
    }

    inline Bytes uploadData (const Bytes& imageBytes)
    {
        return varnetMessage (0x03, packSevenBit (imageBytes.data(), imageBytes.size()));
    }

    //==============================================================================
    /** A virtual Varnet behind a MidiInterfaceClass whose output and input are both open on it. */
    struct VirtualVarnetRig
    {
        explicit VirtualVarnetRig (VirtualVarnet::Behaviour behaviour, double bytesPerSecond = 0.0,
                                   const juce::File& log = {})
            : device (behaviour, bytesPerSecond, log)
        {
            choose (midi, "Output Selector", 1);
            choose (midi, "Input Selector", 1);
            EXPECT_TRUE (midi.isConnected());
        }

        void send (const Bytes& message)
        {
            midi.sendData (message.data(), (int) message.size());
        }

        VirtualVarnet device;
        VirtualVarnetPortSource ports { device };
        MidiInterfaceClass midi { true, true, ports };
    };
}
