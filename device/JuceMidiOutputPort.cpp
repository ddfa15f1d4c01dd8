#include "device/JuceMidiOutputPort.h"

JuceMidiOutputPort::JuceMidiOutputPort (std::unique_ptr<juce::MidiOutput> output)
    : device (std::move (output))
{
    jassert (device != nullptr);
}

JuceMidiOutputPort::~JuceMidiOutputPort() = default;

void JuceMidiOutputPort::sendMessageNow (const juce::MidiMessage& message)
{
    device->sendMessageNow (message);
}
