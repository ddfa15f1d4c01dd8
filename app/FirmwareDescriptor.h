#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    Names the firmware image that an update sends: where its bytes are and how many, and the
    product name, version and build number that the window shows.

    The base record never owns the bytes. Concrete descriptors decide where they come from; the
    destructor is virtual so that an owner may hold and delete any of them through this type.
*/
class FirmwareDescriptor
{
public:
    /** A record with these values and no image yet. */
    FirmwareDescriptor (const juce::String& name, double version, int build);
    virtual ~FirmwareDescriptor() = default;

    //==============================================================================
    /** The first image byte, or nullptr when there is no image. */
    const juce::uint8* getData() const noexcept             { return data; }

    /** The number of image bytes. */
    int getSize() const noexcept                            { return (int) size; }

    juce::String getName() const                            { return name; }
    void setName (const juce::String& newName)              { name = newName; }
    double getVersion() const noexcept                      { return version; }

    /** The build number, or 0 when there is none. */
    int getBuild() const noexcept                           { return build; }

protected:
    //==============================================================================
    const juce::uint8* data = nullptr;
    juce::int64 size = 0;
    juce::String name;
    double version;
    int build;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (FirmwareDescriptor)
};
