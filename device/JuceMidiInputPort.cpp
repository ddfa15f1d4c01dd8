#include "device/JuceMidiInputPort.h"

JuceMidiInputPort::JuceMidiInputPort (std::unique_ptr<juce::MidiInput> input)
    : device (std::move (input))
{
    jassert (device != nullptr);
}

JuceMidiInputPort::~JuceMidiInputPort() = default;

void JuceMidiInputPort::start()
{
    device->start();
}

void JuceMidiInputPort::stop()
{
    device->stop();
}
