#include "app/FirmwareDescriptor.h"

FirmwareDescriptor::FirmwareDescriptor (const juce::String& productName, double firmwareVersion, int buildNumber)
    : name (productName), version (firmwareVersion), build (buildNumber)
{
}
