#pragma once

#include "app/FirmwareDescriptor.h"

#include <vector>

//==============================================================================
/**
    A firmware image held in a vector of exactly its size, so that AddressSanitizer catches any
    read past its last byte.
*/
class TestFirmware  : public FirmwareDescriptor
{
public:
    explicit TestFirmware (std::vector<juce::uint8> imageBytes, double firmwareVersion = 4.02)
        : FirmwareDescriptor ("Test", firmwareVersion, 1), bytes (std::move (imageBytes))
    {
        data = bytes.empty() ? nullptr : bytes.data();
        size = (juce::int64) bytes.size();
    }

private:
    std::vector<juce::uint8> bytes;
};
