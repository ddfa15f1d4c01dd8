#pragma once

#include "app/FirmwareDescriptor.h"

#include <memory>

//==============================================================================
/**
    A firmware image read whole from a file named on the command line.

    The file is read once, in the constructor. When it names nothing (or a directory) the user is
    told with the "File not found" box; an empty, unreadable or oversized file is silently left
    unread. Either way getData() then returns nullptr and the caller keeps its built-in image.
    The name is the file's name without its extension; version and build are 0.
*/
class FileFirmwareDescriptor  : public FirmwareDescriptor
{
public:
    explicit FileFirmwareDescriptor (const juce::String& path);
    ~FileFirmwareDescriptor() override;

private:
    std::unique_ptr<juce::MemoryBlock> fileData;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FileFirmwareDescriptor)
};
