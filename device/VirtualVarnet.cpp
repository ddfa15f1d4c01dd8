#include "device/VirtualVarnet.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace
{
    constexpr juce::uint8 updatePrefix[] = { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51 };
    constexpr int prefixSize = (int) sizeof (updatePrefix);
    constexpr int commandSize = prefixSize + 2;

    constexpr juce::uint8 statusReply[] = { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, 0x05, 0x00, 0x00, 0x03, 0xf7 };

    // What the noisy device sends before each answer, in turn: a note-on, and a SysEx message of
    // another manufacturer.
    constexpr juce::uint8 strayNote[] = { 0x90, 0x3c, 0x40 };
    constexpr juce::uint8 straySysex[] = { 0xf0, 0x7d, 0x01, 0x02, 0x03, 0xf7 };

    bool hasUpdatePrefix (const juce::uint8* data, int size)
    {
        return size >= commandSize
            && std::equal (std::begin (updatePrefix), std::end (updatePrefix), data)
            && data[size - 1] == 0xf7;
    }

    // Each group is a leading byte holding the top bits of up to seven bytes that follow it,
    // the first byte's in bit 6.
    int unpackSevenBit (const juce::uint8* packed, int size, std::vector<juce::uint8>& destination)
    {
        const auto sizeBefore = destination.size();

        for (int group = 0; group < size; group += 8)
        {
            const auto topBits = packed[group];

            for (int i = 1; i < 8 && group + i < size; ++i)
                destination.push_back ((juce::uint8) ((packed[group + i] & 0x7f) | (((topBits >> (7 - i)) & 1) << 7)));
        }

        return (int) (destination.size() - sizeBefore);
    }

    const char* environmentValue (const char* name)
    {
        return std::getenv (name);
    }
}

//==============================================================================
VirtualVarnet::VirtualVarnet (Behaviour deviceBehaviour, double wireBytesPerSecond, const juce::File& logFile)
    : juce::Thread ("Virtual Varnet"),
      behaviour (deviceBehaviour),
      bytesPerSecond (wireBytesPerSecond),
      clockStart (juce::Time::getMillisecondCounterHiRes())
{
    if (logFile != juce::File())
    {
        log = std::make_unique<juce::FileOutputStream> (logFile);

        if (log->failedToOpen())
            log.reset();
    }

    startThread();
}

VirtualVarnet::~VirtualVarnet()
{
    stopThread (2000);

    if (log != nullptr)
        log->flush();
}

std::unique_ptr<VirtualVarnet> VirtualVarnet::createFromEnvironment()
{
    const auto* name = environmentValue ("TALVION_VIRTUAL_DEVICE");

    if (name == nullptr)
        return {};

    const auto* logPath = environmentValue ("TALVION_VIRTUAL_DEVICE_LOG");
    const auto* rate = environmentValue ("TALVION_VIRTUAL_DEVICE_RATE");

    juce::File logFile;

    if (logPath != nullptr && juce::String (logPath).isNotEmpty())
        logFile = juce::File::getCurrentWorkingDirectory().getChildFile (logPath);

    return std::make_unique<VirtualVarnet> (behaviourFromName (name),
                                            rate != nullptr ? juce::jmax (0.0, juce::String (rate).getDoubleValue()) : 0.0,
                                            logFile);
}

VirtualVarnet::Behaviour VirtualVarnet::behaviourFromName (const juce::String& name)
{
    if (name == "silent")
        return Behaviour::silent;

    if (name == "noisy")
        return Behaviour::noisy;

    return Behaviour::varnet;
}

//==============================================================================
void VirtualVarnet::outputOpened()
{
    clockStart = juce::Time::getMillisecondCounterHiRes();
}

double VirtualVarnet::millisecondsSinceOpened() const
{
    return juce::Time::getMillisecondCounterHiRes() - clockStart.load();
}

void VirtualVarnet::receive (const juce::MidiMessage& message)
{
    const auto size = message.getRawDataSize();

    if (size <= 0)
        return;

    const auto arrivalTime = waitForWire (size);
    writeLog ("rx", message);
    handle (message.getRawData(), size, arrivalTime);
}

double VirtualVarnet::waitForWire (int numBytes)
{
    if (bytesPerSecond <= 0.0)
        return millisecondsSinceOpened();

    // Like a real interface, the wire holds one message while the sender prepares the next: a
    // sender waits only until the message before has left, so its own cost per message overlaps
    // the wire's time instead of adding to it. A sleep wakes a little late, which would slow
    // every short message down, so the last millisecond is spent yielding.
    const juce::ScopedLock sl (wireLock);
    const auto calledAt = juce::Time::getMillisecondCounterHiRes();

    for (;;)
    {
        const auto remaining = wireFreeAt - juce::Time::getMillisecondCounterHiRes();

        if (remaining <= 0.0)
            break;

        if (remaining > 1.0)
            std::this_thread::sleep_for (std::chrono::duration<double, std::milli> (remaining - 0.5));
        else
            std::this_thread::yield();
    }

    // A sender that came early starts exactly when the wire became free, however late this thread
    // noticed it.
    wireFreeAt = (calledAt < wireFreeAt ? wireFreeAt : calledAt) + numBytes * 1000.0 / bytesPerSecond;
    return wireFreeAt - clockStart.load();
}

void VirtualVarnet::handle (const juce::uint8* data, int size, double timeMs)
{
    const juce::ScopedLock sl (stateLock);
    ReceivedMessage message { MessageKind::other, true, 0, timeMs };
    const auto isCommand = size == commandSize;

    if (hasUpdatePrefix (data, size))
    {
        switch (data[prefixSize])
        {
            case 0x00:
                if (isCommand)
                {
                    message.kind = MessageKind::uploadStart;
                    image.clear();
                    state = State::uploading;
                }
                break;

            case 0x03:
                message.kind = MessageKind::uploadData;
                message.accepted = state == State::uploading;

                if (message.accepted)
                    message.imageBytes = unpackSevenBit (data + commandSize - 1, size - commandSize, image);
                break;

            case 0x04:
                if (isCommand)
                {
                    message.kind = MessageKind::uploadEnd;
                    message.accepted = state == State::uploading;

                    if (message.accepted)
                        state = State::burnt;
                }
                break;

            case 0x05:
                if (isCommand)
                {
                    message.kind = MessageKind::statusQuery;
                    message.accepted = state == State::burnt || state == State::confirmed;

                    if (message.accepted)
                        answerStatusQuery();
                }
                break;

            case 0x06:
                if (isCommand)
                {
                    message.kind = MessageKind::confirm;
                    message.accepted = state == State::burnt;

                    if (message.accepted)
                        state = State::confirmed;
                }
                break;

            default:
                break;
        }
    }

    if (message.kind == MessageKind::other)
        otherMessages.add (juce::MemoryBlock (data, (size_t) size));

    received.push_back (message);
}

void VirtualVarnet::answerStatusQuery()
{
    if (behaviour == Behaviour::silent)
        return;

    if (behaviour == Behaviour::noisy)
    {
        if (numStrayMessages++ % 2 == 0)
            sendToHost (juce::MidiMessage (strayNote, (int) sizeof (strayNote)));
        else
            sendToHost (juce::MidiMessage (straySysex, (int) sizeof (straySysex)));
    }

    sendToHost (juce::MidiMessage (statusReply, (int) sizeof (statusReply)));
}

//==============================================================================
void VirtualVarnet::connectInput (juce::MidiInputCallback& callback)
{
    const juce::ScopedLock sl (callbackLock);
    connectedCallback = &callback;
}

void VirtualVarnet::disconnectInput (juce::MidiInputCallback& callback)
{
    const juce::ScopedLock sl (callbackLock);

    if (connectedCallback == &callback)
        connectedCallback = nullptr;
}

void VirtualVarnet::sendToHost (const juce::MidiMessage& message)
{
    {
        const juce::ScopedLock sl (queueLock);
        outgoing.push_back (message);
    }

    notify();
}

void VirtualVarnet::run()
{
    while (! threadShouldExit())
    {
        juce::MidiMessage next;
        bool hasNext = false;

        {
            const juce::ScopedLock sl (queueLock);

            if (! outgoing.empty())
            {
                next = std::move (outgoing.front());
                outgoing.pop_front();
                hasNext = true;
            }
        }

        if (! hasNext)
        {
            wait (-1);
            continue;
        }

        writeLog ("tx", next);

        {
            const juce::ScopedLock sl (callbackLock);

            if (connectedCallback != nullptr)
                connectedCallback->handleIncomingMidiMessage (nullptr, next);
        }

        ++numMessagesSent;
    }
}

//==============================================================================
void VirtualVarnet::writeLog (const char* direction, const juce::MidiMessage& message)
{
    if (log == nullptr)
        return;

    static constexpr char hexDigits[] = "0123456789ABCDEF";
    const auto* data = message.getRawData();
    const auto size = message.getRawDataSize();

    std::string line = std::to_string ((juce::int64) millisecondsSinceOpened());
    line.reserve (line.size() + 4 + (size_t) size * 3 + 1);
    line += ' ';
    line += direction;

    for (int i = 0; i < size; ++i)
    {
        line += ' ';
        line += hexDigits[data[i] >> 4];
        line += hexDigits[data[i] & 0x0f];
    }

    line += '\n';

    // Data messages come by the ten thousand; everything else is flushed at once, so that the
    // record of an update survives a crash up to its last command.
    const auto isDataMessage = size > commandSize && hasUpdatePrefix (data, size) && data[prefixSize] == 0x03;

    const juce::ScopedLock sl (logLock);
    log->write (line.data(), line.size());

    if (! isDataMessage)
        log->flush();
}

//==============================================================================
juce::MemoryBlock VirtualVarnet::getImage() const
{
    const juce::ScopedLock sl (stateLock);
    return { image.data(), image.size() };
}

std::vector<VirtualVarnet::ReceivedMessage> VirtualVarnet::getReceivedMessages() const
{
    const juce::ScopedLock sl (stateLock);
    return received;
}

int VirtualVarnet::getNumAccepted (MessageKind kind) const
{
    const juce::ScopedLock sl (stateLock);
    return (int) std::count_if (received.begin(), received.end(),
                                [kind] (const ReceivedMessage& m) { return m.kind == kind && m.accepted; });
}

juce::Array<juce::MemoryBlock> VirtualVarnet::getOtherMessages() const
{
    const juce::ScopedLock sl (stateLock);
    return otherMessages;
}

int VirtualVarnet::getNumMessagesQueued() const
{
    const juce::ScopedLock sl (queueLock);
    return (int) outgoing.size();
}

VirtualVarnet::State VirtualVarnet::getState() const
{
    const juce::ScopedLock sl (stateLock);
    return state;
}

void VirtualVarnet::reset()
{
    const juce::ScopedLock sl (stateLock);
    state = State::idle;
    image.clear();
    received.clear();
    otherMessages.clear();
    numStrayMessages = 0;

    const juce::ScopedLock ql (queueLock);
    outgoing.clear();
    numMessagesSent = 0;
}
