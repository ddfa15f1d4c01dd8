#include "device/VirtualVarnetOutputPort.h"

VirtualVarnetOutputPort::VirtualVarnetOutputPort (VirtualVarnet& virtualDevice)
    : device (virtualDevice)
{
    device.outputOpened();
}

VirtualVarnetOutputPort::~VirtualVarnetOutputPort() = default;

void VirtualVarnetOutputPort::sendMessageNow (const juce::MidiMessage& message)
{
    device.receive (message);
}
