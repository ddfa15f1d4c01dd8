#include "VarnetWire.h"

#include <algorithm>

namespace varnetwire
{
    namespace
    {
        const Bytes prefix { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51 };

        bool isData (const Bytes& message)
        {
            return message.size() >= 9 && std::equal (prefix.begin(), prefix.end(), message.begin())
                     && message[7] == 0x03 && message.back() == 0xf7;
        }

        Bytes payloadOf (const Bytes& message)
        {
            return Bytes (message.begin() + 8, message.end() - 1);
        }
    }

    Bytes command (juce::uint8 code)
    {
        auto message = prefix;
        message.push_back (code);
        message.push_back (0xf7);
        return message;
    }

    Bytes statusReply()
    {
        return { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, 0x05, 0x00, 0x00, 0x03, 0xf7 };
    }

    Bytes unpack (const Bytes& packed)
    {
        Bytes bytes;

        for (size_t group = 0; group < packed.size(); group += 8)
            for (size_t i = 1; i < 8 && group + i < packed.size(); ++i)
                bytes.push_back ((juce::uint8) (packed[group + i] | (((packed[group] >> (7 - i)) & 1) << 7)));

        return bytes;
    }

    Bytes rebuildImage (const std::vector<Bytes>& sent)
    {
        Bytes image;

        for (auto& message : sent)
        {
            if (isData (message))
            {
                const auto bytes = unpack (payloadOf (message));
                image.insert (image.end(), bytes.begin(), bytes.end());
            }
        }

        return image;
    }

    Bytes makeImage (size_t size, size_t firstSection)
    {
        Bytes image (size);
        const auto count = firstSection / 3 - 2;
        image[0] = (juce::uint8) (count >> 16);
        image[1] = (juce::uint8) (count >> 8);
        image[2] = (juce::uint8) count;

        for (size_t i = 3; i < size; ++i)
            image[i] = (juce::uint8) (i * 37 + 11);

        return image;
    }

    std::vector<std::string> describe (const std::vector<WireLog::Event>& events)
    {
        std::vector<std::string> lines;

        for (auto& event : events)
        {
            if (event.kind == WireLog::Kind::sleep)
                lines.push_back ("sleep " + std::to_string (event.milliseconds));
            else if (event.kind == WireLog::Kind::wait)
                lines.push_back ("wait " + std::to_string (event.milliseconds));
            else if (isData (event.bytes))
                lines.push_back ("data " + std::to_string (unpack (payloadOf (event.bytes)).size()));
            else if (event.bytes == command (0x00))
                lines.push_back ("UploadStart");
            else if (event.bytes == command (0x04))
                lines.push_back ("UploadEnd");
            else if (event.bytes == command (0x05))
                lines.push_back ("StatusQuery");
            else if (event.bytes == command (0x06))
                lines.push_back ("Confirm");
            else
                lines.push_back ("other");
        }

        return lines;
    }

    std::vector<std::string> describeUpload (const std::vector<WireLog::Event>& events)
    {
        auto lines = describe (events);
        const auto end = std::find (lines.begin(), lines.end(), "UploadEnd");
        lines.erase (end == lines.end() ? end : end + 1, lines.end());
        return lines;
    }

    int count (const std::vector<WireLog::Event>& events, const std::string& line)
    {
        const auto lines = describe (events);
        return (int) std::count (lines.begin(), lines.end(), line);
    }
}
