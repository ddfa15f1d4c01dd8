#include "protocol/VarnetProtocolClass.h"

#include <algorithm>
#include <array>

namespace
{
    // Every message of the update, both ways, starts with these bytes and then its function code.
    constexpr std::array<juce::uint8, 7> messagePrefix { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51 };
    constexpr juce::uint8 endOfExclusive = 0xf7;

    constexpr juce::uint8 uploadStart = 0x00;
    constexpr juce::uint8 uploadData  = 0x03;
    constexpr juce::uint8 uploadEnd   = 0x04;
    constexpr juce::uint8 statusQuery = 0x05;
    constexpr juce::uint8 confirm     = 0x06;

    constexpr std::array<juce::uint8, 12> statusReply { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51,
                                                        0x05, 0x00, 0x00, 0x03, 0xf7 };

    constexpr int defaultChunkSize = 12;
    constexpr int maxDataMessageSize = (int) messagePrefix.size() + 1
                                         + defaultChunkSize + (defaultChunkSize + 6) / 7 + 1;
}

//==============================================================================
VarnetProtocolClass::VarnetProtocolClass (InterfaceBaseClass* interfaceToUse, FirmwareDescriptor* firmwareToSend)
    : VarnetProtocolClass (interfaceToUse, firmwareToSend, ProtocolTiming::getRealTime())
{
}

VarnetProtocolClass::VarnetProtocolClass (InterfaceBaseClass* interfaceToUse, FirmwareDescriptor* firmwareToSend,
                                          ProtocolTiming& timingToUse)
    : ProtocolBaseClass (interfaceToUse, firmwareToSend, timingToUse),
      chunkSize (defaultChunkSize)
{
    firmware->setName ("Varnet");
}

VarnetProtocolClass::~VarnetProtocolClass()
{
    // JUCE cannot end a thread by force without ending the program on some platforms, so the
    // run must finish within the 2000 ms even in the phases where it ignores the abort flag.
    beingDestroyed = true;
    stopThread (2000);
}

//==============================================================================
int VarnetProtocolClass::packSevenBit (const juce::uint8* source, int numBytes, juce::uint8* destination) noexcept
{
    int written = 0;

    for (int groupStart = 0; groupStart < numBytes; groupStart += 7)
    {
        const auto groupSize = juce::jmin (7, numBytes - groupStart);
        auto& leadingByte = destination[written++];
        leadingByte = 0;

        for (int i = 0; i < groupSize; ++i)
        {
            const auto byte = source[groupStart + i];

            if ((byte & 0x80) != 0)
                leadingByte = (juce::uint8) (leadingByte | (0x40 >> i));

            destination[written++] = (juce::uint8) (byte & 0x7f);
        }
    }

    return written;
}

juce::uint32 VarnetProtocolClass::getFirstSectionLength (const juce::uint8* image, juce::uint32 size) noexcept
{
    if (size < 3)
        return size;

    const auto count = ((juce::uint32) image[0] << 16) | ((juce::uint32) image[1] << 8) | image[2];
    return juce::jmin ((count + 2) * 3, size);
}

//==============================================================================
void VarnetProtocolClass::sendCommand (juce::uint8 code)
{
    std::array<juce::uint8, messagePrefix.size() + 2> bytes {};
    std::copy (messagePrefix.begin(), messagePrefix.end(), bytes.begin());
    bytes[messagePrefix.size()] = code;
    bytes.back() = endOfExclusive;

    deviceInterface->sendData (bytes.data(), (int) bytes.size());
}

void VarnetProtocolClass::sendDataChunk (int numBytes)
{
    jassert (numBytes <= chunkSize && chunkSize <= defaultChunkSize);

    std::array<juce::uint8, (size_t) maxDataMessageSize> bytes {};
    std::copy (messagePrefix.begin(), messagePrefix.end(), bytes.begin());
    auto length = (int) messagePrefix.size();
    bytes[(size_t) length++] = uploadData;

    length += packSevenBit (position, numBytes, bytes.data() + length);
    position += numBytes;
    bytes[(size_t) length++] = endOfExclusive;

    deviceInterface->sendData (bytes.data(), length);
}

void VarnetProtocolClass::sendSection (juce::uint32& sent, juce::uint32 end, juce::uint32 size, float uploadShare)
{
    const auto chunk = (juce::uint32) chunkSize;

    while (sent < end)
    {
        const auto numBytes = sent + chunk < end ? chunk : end - sent;
        sendDataChunk ((int) numBytes);
        sent += numBytes;
        setProgress ((double) sent * uploadShare / size);

        if (threadShouldExit())
            throw this;
    }
}

void VarnetProtocolClass::showBurnPass (const juce::String& phaseText, double value)
{
    setMessage (phaseText);
    timing.sleep (800);
    abandonIfBeingDestroyed();
    setProgress (value);
    setMessage ("Burning firmware - Don't turn power off");
    timing.sleep (800);
    abandonIfBeingDestroyed();
}

void VarnetProtocolClass::abandonIfBeingDestroyed()
{
    if (beingDestroyed)
        throw this;
}

bool VarnetProtocolClass::waitForReply (const juce::uint8* expected, int count, juce::uint16 timeoutMs)
{
    const auto start = timing.getMillisecondCounter();
    int matched = 0;

    while (timing.getMillisecondCounter() - start < timeoutMs && ! beingDestroyed)
    {
        juce::uint8 byte = 0;

        if (deviceInterface->readData (&byte, 1) == 1)
        {
            if (byte != expected[matched])
                matched = 0;
            else if (++matched == count)
                return true;
        }
    }

    return false;
}

bool VarnetProtocolClass::queryDeviceStatus()
{
    for (int attempt = 0; attempt < 10; ++attempt)
    {
        sendCommand (statusQuery);
        timing.wait (*this, 500);

        if (waitForReply (statusReply.data(), (int) statusReply.size(), 500))
            return true;

        abandonIfBeingDestroyed();
    }

    return false;
}

//==============================================================================
void VarnetProtocolClass::run()
{
    const auto newFirmware = firmware->getVersion() > 3.0;
    const auto uploadShare = newFirmware ? 0.95f : 0.5f;
    const auto burnStep = newFirmware ? 0.01f : 0.02f;
    const auto updateUsb = ! newFirmware;

    // As 9 was on the old 0 to 10 scale.
    setPriority (juce::Thread::Priority::highest);

    try
    {
        position = firmware->getData();
        const auto size = (juce::uint32) juce::jmax (0, firmware->getSize());
        const auto firstSection = getFirstSectionLength (position, size);

        setMessage ("Uploading firmware");
        sendCommand (uploadStart);

        juce::uint32 sent = 0;
        sendSection (sent, firstSection, size, uploadShare);
        timing.sleep (100);
        sendSection (sent, size, size, uploadShare);

        sendCommand (uploadEnd);

        double accumulated = 0.0;
        double lastShown = 0.0;

        for (int pass = 0; pass < 6; ++pass)
        {
            lastShown = uploadShare + accumulated;
            showBurnPass ("Burning firmware - Updating DSP", lastShown);
            accumulated += burnStep;
        }

        if (! queryDeviceStatus())
            throw this;

        sendCommand (confirm);

        if (updateUsb)
        {
            for (int pass = 0; pass < 30; ++pass)
            {
                showBurnPass ("Burning firmware - Updating USB", lastShown + accumulated);
                accumulated += 0.009;
            }
        }

        setMessage (updateUsb ? "Power off when the RMQ-4 red power led is blinking" : "Update completed");
        setProgress (1.0);
    }
    catch (...)
    {
        showError();
    }
}

void VarnetProtocolClass::showError()
{
    setProgress (0.0);
    setMessage ("Error during update - please try again");
}
