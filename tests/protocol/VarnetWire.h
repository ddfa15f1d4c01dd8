#pragma once

#include "WireLog.h"

#include <string>
#include <vector>

// The device's side of the Varnet messages, written independently of the protocol so that the
// tests check the wire format rather than repeat the code that produces it.
namespace varnetwire
{
    using Bytes = std::vector<juce::uint8>;

    /** F0 00 6B 2D 7F 55 51 code F7. */
    Bytes command (juce::uint8 code);

    /** The one status answer that the procedure accepts. */
    Bytes statusReply();

    /** Restores the bytes of a 7-bit packed payload. */
    Bytes unpack (const Bytes& packed);

    /** The image as a device rebuilds it from the data messages sent. */
    Bytes rebuildImage (const std::vector<Bytes>& sent);

    /** An image of the given size whose length field announces a first section of firstSection
        bytes (a multiple of 3, at least 6); the other bytes have their top bit set now and then. */
    Bytes makeImage (size_t size, size_t firstSection);

    /** One line per event: "UploadStart", "data 12", "UploadEnd", "StatusQuery", "Confirm",
        "sleep 100", "wait 500", or "other" for a message that is none of them. */
    std::vector<std::string> describe (const std::vector<WireLog::Event>& events);

    /** The part of describe() from the first event to the first UploadEnd, included. */
    std::vector<std::string> describeUpload (const std::vector<WireLog::Event>& events);

    int count (const std::vector<WireLog::Event>& events, const std::string& line);
}
