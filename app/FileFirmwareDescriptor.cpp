#include "app/FileFirmwareDescriptor.h"

#include "app/MessageBoxes.h"

#include <limits>

FileFirmwareDescriptor::FileFirmwareDescriptor (const juce::String& path)
    : FirmwareDescriptor ({}, 0.0, 0)
{
    const juce::File file (path);

    if (! file.existsAsFile())
    {
        showMessageBox (juce::MessageBoxIconType::NoIcon,
                        "File not found",
                        "A firmware file was specified, but it could not be found.\n The application will use the build-in firmware version.");
        return;
    }

    // The image size is reported as a 32-bit int, so a larger file could only be sent truncated:
    // it counts as unreadable.
    const auto fileSize = file.getSize();

    if (fileSize > 0 && fileSize <= std::numeric_limits<int>::max())
    {
        if (auto stream = file.createInputStream())
        {
            fileData = std::make_unique<juce::MemoryBlock>();
            const auto bytesRead = stream->readIntoMemoryBlock (*fileData, (ssize_t) fileSize);

            if (bytesRead > 0)
            {
                data = static_cast<const juce::uint8*> (fileData->getData());
                size = (juce::int64) bytesRead;
            }
        }
    }

    name = file.getFileNameWithoutExtension();
}

FileFirmwareDescriptor::~FileFirmwareDescriptor() = default;
