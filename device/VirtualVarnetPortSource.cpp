#include "device/VirtualVarnetPortSource.h"

#include "device/VirtualVarnetInputPort.h"
#include "device/VirtualVarnetOutputPort.h"

VirtualVarnetPortSource::VirtualVarnetPortSource (VirtualVarnet& virtualDevice)
    : device (virtualDevice)
{
}

VirtualVarnetPortSource::~VirtualVarnetPortSource() = default;

juce::StringArray VirtualVarnetPortSource::getOutputNames()
{
    return { getDeviceName() };
}

juce::StringArray VirtualVarnetPortSource::getInputNames()
{
    return { getDeviceName() };
}

std::unique_ptr<MidiOutputPort> VirtualVarnetPortSource::openOutput (int index)
{
    if (index != 0)
        return {};

    return std::make_unique<VirtualVarnetOutputPort> (device);
}

std::unique_ptr<MidiInputPort> VirtualVarnetPortSource::openInput (int index, juce::MidiInputCallback& callback)
{
    if (index != 0)
        return {};

    return std::make_unique<VirtualVarnetInputPort> (device, callback);
}
