#include "device/VirtualVarnetInputPort.h"

VirtualVarnetInputPort::VirtualVarnetInputPort (VirtualVarnet& virtualDevice, juce::MidiInputCallback& inputCallback)
    : device (virtualDevice),
      callback (inputCallback)
{
}

VirtualVarnetInputPort::~VirtualVarnetInputPort()
{
    stop();
}

void VirtualVarnetInputPort::start()
{
    device.connectInput (callback);
}

void VirtualVarnetInputPort::stop()
{
    device.disconnectInput (callback);
}
