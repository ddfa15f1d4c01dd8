#include "protocol/BasicSysexProtocolClass.h"

#include <algorithm>

namespace
{
    constexpr juce::uint8 startOfExclusive = 0xf0;
    constexpr juce::uint8 endOfExclusive = 0xf7;

    // True when the bytes are one or more complete messages, F0, data bytes, F7, and nothing else.
    bool isCleanSysex (const juce::uint8* data, int size) noexcept
    {
        if (data == nullptr || size <= 0)
            return false;

        for (int i = 0; i < size;)
        {
            if (data[i++] != startOfExclusive)
                return false;

            while (i < size && data[i] < 0x80)
                ++i;

            if (i == size || data[i++] != endOfExclusive)
                return false;
        }

        return true;
    }
}

//==============================================================================
BasicSysexProtocolClass::BasicSysexProtocolClass (InterfaceBaseClass* interfaceToUse, FirmwareDescriptor* firmwareToSend)
    : BasicSysexProtocolClass (interfaceToUse, firmwareToSend, ProtocolTiming::getRealTime())
{
}

BasicSysexProtocolClass::BasicSysexProtocolClass (InterfaceBaseClass* interfaceToUse, FirmwareDescriptor* firmwareToSend,
                                                  ProtocolTiming& timingToUse)
    : ProtocolBaseClass (interfaceToUse, firmwareToSend, timingToUse)
{
}

BasicSysexProtocolClass::~BasicSysexProtocolClass()
{
    stopThread (2000);
}

//==============================================================================
void BasicSysexProtocolClass::startUpdate()
{
    if (! isThreadRunning())
    {
        {
            const juce::ScopedLock sl (progressLock);
            progressFraction = 0.0;
            setProgress (0.0);
        }

        startThread();
        return;
    }

    const juce::ScopedLock sl (progressLock);

    if (progressFraction == 1.0)
    {
        progressFraction = 0.0;
        setProgress (0.0);
    }
}

void BasicSysexProtocolClass::run()
{
    const auto size = firmware->getSize();
    position = firmware->getData();

    if (! isCleanSysex (position, size))
    {
        setProgress (0.0);
        setMessage ("Error: the firmware file is not a valid sysex file - nothing was sent");
        return;
    }

    const auto* const end = position + size;
    const auto* messageStart = position;
    int bytesSent = 0;

    setMessage ("Uploading firmware");

    while (bytesSent < size)
    {
        if (threadShouldExit() || ! setInterfaceEnabled (false))
            return;

        const auto* const messageEnd = std::find (position, end, endOfExclusive);
        position = messageEnd == end ? end : messageEnd + 1;

        const auto length = (int) (position - messageStart);
        deviceInterface->sendData (messageStart, length);
        timing.sleep (300);

        bytesSent += length;
        messageStart = position;

        const auto fraction = (double) bytesSent / (double) size;
        setProgress (fraction);

        const juce::ScopedLock sl (progressLock);
        progressFraction = fraction;
    }

    setMessage ("Update completed");
    position = firmware->getData();
    setInterfaceEnabled (true);
}

bool BasicSysexProtocolClass::setInterfaceEnabled (bool shouldBeEnabled)
{
    // Gives up only when the thread is asked to stop, so that a closing window never waits on it.
    const juce::MessageManagerLock lock (this);

    if (! lock.lockWasGained())
        return false;

    deviceInterface->setEnabled (shouldBeEnabled);
    return true;
}
