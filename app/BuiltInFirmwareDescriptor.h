#pragma once

#include "app/FirmwareDescriptor.h"

//==============================================================================
/**
    The firmware image compiled into Talvion: Varnet firmware 4.02, build 1737.

    The bytes are the program's own read-only data; the descriptor only points at them.
*/
class BuiltInFirmwareDescriptor  : public FirmwareDescriptor
{
public:
    BuiltInFirmwareDescriptor();

    /** The size of the embedded image, in bytes. */
    static constexpr int imageSize = 503880;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BuiltInFirmwareDescriptor)
};
