#include "app/BuiltInFirmwareDescriptor.h"

#include <cstddef>

extern const unsigned char firmwareImage[BuiltInFirmwareDescriptor::imageSize];
extern const std::size_t firmwareImageSize;

BuiltInFirmwareDescriptor::BuiltInFirmwareDescriptor()
    : FirmwareDescriptor ("VarnetMidi", 4.02, 1737)
{
    jassert (firmwareImageSize == (std::size_t) imageSize);
    data = firmwareImage;
    size = imageSize;
}
