#pragma once

#include <juce_audio_devices/juce_audio_devices.h>

#include <atomic>
#include <deque>
#include <memory>
#include <vector>

//==============================================================================
/**
    A Varnet of our own, for machines without the real device: the tests, the benchmarks and a
    demonstration run of Talvion.

    It takes the update messages in their order (UploadStart, UploadData..., UploadEnd,
    StatusQuery..., Confirm), unpacks the 7-bit data and rebuilds the image it was sent. Once the
    upload has ended it answers every StatusQuery with the device's status reply. Any other message
    (a generic SysEx upload) is taken and kept as it came.

    Its answers are delivered on a thread of its own, as juce::MidiMessage objects, to the input
    callback that is connected at that moment; answers sent while nothing is connected are lost,
    as on a real cable. Everything it receives and sends can be written to a log, one line per
    message, and its input can be given the speed of a real wire.

    VirtualVarnetPortSource makes it appear as an output and an input named "Virtual Varnet".
*/
class VirtualVarnet  : private juce::Thread
{
public:
    /** How the device answers. */
    enum class Behaviour
    {
        varnet,     /**< like the real device */
        silent,     /**< takes everything, never answers */
        noisy       /**< like the real device, but sends an unrelated short message before each answer */
    };

    /** What a received message was. */
    enum class MessageKind
    {
        uploadStart,
        uploadData,
        uploadEnd,
        statusQuery,
        confirm,
        other       /**< anything that is not a well-formed update message */
    };

    /** Where the device stands in an update. */
    enum class State
    {
        idle,           /**< no upload started yet */
        uploading,      /**< after UploadStart: takes data messages */
        burnt,          /**< after UploadEnd: answers StatusQuery */
        confirmed       /**< after Confirm */
    };

    /** One message the device received. */
    struct ReceivedMessage
    {
        MessageKind kind;
        bool accepted;      /**< false when it came out of order; an "other" message is always accepted */
        int imageBytes;     /**< the image bytes that a data message carried */
        double timeMs;      /**< when it had arrived, in milliseconds since the output was opened */
    };

    //==============================================================================
    /** Creates a device with the given behaviour. A wireBytesPerSecond above 0 gives its input
        the pace of such a wire, which holds one message at a time; a non-default logFile gets one line
        appended per message. */
    explicit VirtualVarnet (Behaviour behaviour,
                            double wireBytesPerSecond = 0.0,
                            const juce::File& logFile = {});
    ~VirtualVarnet() override;

    /** The device that the environment asks for: nullptr unless TALVION_VIRTUAL_DEVICE is set;
        its value (varnet, silent, noisy) chooses the behaviour, TALVION_VIRTUAL_DEVICE_LOG the log
        file and TALVION_VIRTUAL_DEVICE_RATE the wire speed in bytes per second. */
    static std::unique_ptr<VirtualVarnet> createFromEnvironment();

    /** The behaviour named by "varnet", "silent" or "noisy"; any other name gives varnet. */
    static Behaviour behaviourFromName (const juce::String& name);

    Behaviour getBehaviour() const noexcept                 { return behaviour; }

    //==============================================================================
    /** Called when the host opens the output: the log's clock starts again from 0. */
    void outputOpened();

    /** A message from the host. On a paced wire it returns once the message before has crossed
        the wire, and the message counts as arrived when its own bytes would have. */
    void receive (const juce::MidiMessage& message);

    /** Makes callback the receiver of everything the device sends from now on. */
    void connectInput (juce::MidiInputCallback& callback);

    /** Disconnects callback if it is the one connected; when this returns, the device is not
        inside it and will not call it again. */
    void disconnectInput (juce::MidiInputCallback& callback);

    /** Queues a message that the device sends, on its own thread, after what it has queued so far. */
    void sendToHost (const juce::MidiMessage& message);

    //==============================================================================
    /** The image rebuilt from the data messages since the last UploadStart. */
    juce::MemoryBlock getImage() const;

    /** Every message received since construction or reset(), in order. */
    std::vector<ReceivedMessage> getReceivedMessages() const;

    /** How many messages of a kind were received and accepted. */
    int getNumAccepted (MessageKind kind) const;

    /** The bytes of every "other" message, in order: a generic upload as it arrived. */
    juce::Array<juce::MemoryBlock> getOtherMessages() const;

    /** How many messages the device has sent to the host (delivered or lost), stray ones included. */
    int getNumMessagesSent() const noexcept                 { return numMessagesSent.load(); }

    /** How many queued messages the device has not sent yet. */
    int getNumMessagesQueued() const;

    State getState() const;

    /** Forgets the image, the received messages and unsent answers, and returns to State::idle. */
    void reset();

private:
    //==============================================================================
    void run() override;
    double waitForWire (int numBytes);
    void handle (const juce::uint8* data, int size, double timeMs);
    void answerStatusQuery();
    void writeLog (const char* direction, const juce::MidiMessage& message);
    double millisecondsSinceOpened() const;

    const Behaviour behaviour;
    const double bytesPerSecond;
    std::atomic<double> clockStart;

    juce::CriticalSection wireLock;
    double wireFreeAt = 0.0;

    mutable juce::CriticalSection stateLock;
    State state = State::idle;
    std::vector<juce::uint8> image;
    std::vector<ReceivedMessage> received;
    juce::Array<juce::MemoryBlock> otherMessages;
    int numStrayMessages = 0;

    mutable juce::CriticalSection queueLock;
    std::deque<juce::MidiMessage> outgoing;
    std::atomic<int> numMessagesSent { 0 };

    juce::CriticalSection callbackLock;
    juce::MidiInputCallback* connectedCallback = nullptr;

    juce::CriticalSection logLock;
    std::unique_ptr<juce::FileOutputStream> log;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VirtualVarnet)
};
