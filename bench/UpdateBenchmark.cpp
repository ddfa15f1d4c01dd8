// Figures for one update of the built-in image: the protocol's own CPU cost per data message,
// the number of synchronous progress notifications, the CPU the protocol thread burns while it
// waits for the device's status, and how close a whole update through the virtual Varnet on a
// 100,000 bytes/s wire comes to the wire's limit. Prints a table; asserts nothing.

#include "app/BuiltInFirmwareDescriptor.h"
#include "device/MidiInterfaceClass.h"
#include "device/VirtualVarnetPortSource.h"
#include "protocol/VarnetProtocolClass.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <atomic>
#include <cstdio>
#include <ctime>

namespace
{
    double threadCpuMilliseconds()
    {
        timespec now {};
        clock_gettime (CLOCK_THREAD_CPUTIME_ID, &now);
        return (double) now.tv_sec * 1000.0 + (double) now.tv_nsec / 1.0e6;
    }

    const std::vector<juce::uint8> statusQuery { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, 0x05, 0xf7 };
    const std::vector<juce::uint8> statusReply { 0xf0, 0x00, 0x6b, 0x2d, 0x7f, 0x55, 0x51, 0x05, 0x00, 0x00, 0x03, 0xf7 };

    //==============================================================================
    // A device that costs nothing: it takes every message at once, notes the protocol thread's CPU
    // time at the turning points of the procedure and, unless silent, answers each status query.
    class NullDevice  : public InterfaceBaseClass
    {
    public:
        explicit NullDevice (bool answers)  : answersQueries (answers) {}

        int readData (juce::uint8* destination, unsigned int maxBytes) override
        {
            unsigned int count = 0;

            for (; count < maxBytes && replyPosition < (int) statusReply.size(); ++count)
                destination[count] = statusReply[(size_t) replyPosition++];

            return (int) count;
        }

        int sendData (const juce::uint8* message, int numBytes) override
        {
            const auto code = numBytes > 7 ? message[7] : 0xff;

            if (code == 0x03)
                ++dataMessages;
            else if (code == 0x00)
                uploadStartCpu = threadCpuMilliseconds();
            else if (code == 0x04)
            {
                uploadEndCpu = threadCpuMilliseconds();
                uploadEnded = true;
            }
            else if (code == 0x05 && queries++ == 0)
            {
                firstQueryCpu = threadCpuMilliseconds();
                firstQueryTime = juce::Time::getMillisecondCounterHiRes();
            }
            else if (code == 0x06)
                confirmCpu = threadCpuMilliseconds();

            if (code == 0x05 && answersQueries)
                replyPosition = 0;

            return 0;
        }

        bool isConnected() override                         { return true; }
        int getPreferredHeight() override                   { return 0; }
        void resized() override                             {}

        const bool answersQueries;
        std::atomic<bool> uploadEnded { false };
        std::atomic<int> replyPosition { (int) statusReply.size() };
        std::atomic<int> dataMessages { 0 }, queries { 0 };
        std::atomic<double> uploadStartCpu { 0 }, uploadEndCpu { 0 }, firstQueryCpu { 0 }, confirmCpu { 0 }, firstQueryTime { 0 };
    };

    // Counts the notifications that arrive synchronously from the protocol thread.
    class NotificationCounter  : public juce::ChangeListener
    {
    public:
        explicit NotificationCounter (NullDevice& deviceToWatch)  : device (deviceToWatch) {}

        void changeListenerCallback (juce::ChangeBroadcaster*) override
        {
            if (juce::MessageManager::getInstance()->isThisTheMessageThread())
                return;

            ++total;

            if (! device.uploadEnded)
                ++duringUpload;
        }

        NullDevice& device;
        std::atomic<int> total { 0 }, duringUpload { 0 };
    };

    // No pauses at all: the protocol's own cost.
    class NoPauses  : public ProtocolTiming
    {
    public:
        void sleep (int) override                               {}
        bool wait (const juce::Thread&, int) override           { return false; }
    };

    // Skips the burn phase's sleeps but keeps the status query's wait and time-out real.
    class RealStatusWait  : public ProtocolTiming
    {
    public:
        void sleep (int) override                               {}
    };

    // Notes the thread's CPU time when the run has returned.
    class MeasuredVarnet  : public VarnetProtocolClass
    {
    public:
        using VarnetProtocolClass::VarnetProtocolClass;

        void run() override
        {
            VarnetProtocolClass::run();
            endCpu = threadCpuMilliseconds();
            endTime = juce::Time::getMillisecondCounterHiRes();
        }

        std::atomic<double> endCpu { 0 }, endTime { 0 };
    };

    struct Run
    {
        std::unique_ptr<NullDevice> device;
        std::unique_ptr<NotificationCounter> counter;
        std::unique_ptr<MeasuredVarnet> protocol;
    };

    void update (Run& run, bool answers, ProtocolTiming& timing, FirmwareDescriptor& firmware)
    {
        run.device = std::make_unique<NullDevice> (answers);
        run.counter = std::make_unique<NotificationCounter> (*run.device);
        run.protocol = std::make_unique<MeasuredVarnet> (run.device.get(), &firmware, timing);
        run.protocol->addChangeListener (run.counter.get());
        run.protocol->startUpdate();

        while (run.protocol->isThreadRunning())
            juce::MessageManager::getInstance()->runDispatchLoopUntil (5);

        run.protocol->removeChangeListener (run.counter.get());
    }

    // The real interface, counting the bytes it sends.
    class CountingMidiInterface  : public MidiInterfaceClass
    {
    public:
        using MidiInterfaceClass::MidiInterfaceClass;

        int sendData (const juce::uint8* message, int numBytes) override
        {
            bytesSent += numBytes;
            const auto result = MidiInterfaceClass::sendData (message, numBytes);

            if (numBytes > 7 && message[7] == 0x04)
                uploadEndTime = juce::Time::getMillisecondCounterHiRes();

            return result;
        }

        std::atomic<juce::int64> bytesSent { 0 };
        std::atomic<double> uploadEndTime { 0 };
    };

    struct WireFigures
    {
        double totalMs, uploadMs, wireMs;
        juce::String text;
    };

    // A whole update in real time through MidiInterfaceClass into the virtual Varnet.
    WireFigures updateThroughVirtualDevice (FirmwareDescriptor& firmware, double bytesPerSecond)
    {
        VirtualVarnet device (VirtualVarnet::Behaviour::varnet, bytesPerSecond);
        VirtualVarnetPortSource ports (device);
        CountingMidiInterface midi (true, true, ports);

        for (auto* child : midi.getChildren())
            if (auto* selector = dynamic_cast<juce::ComboBox*> (child))
                selector->setSelectedId (1, juce::sendNotificationSync);

        VarnetProtocolClass protocol (&midi, &firmware);
        const auto start = juce::Time::getMillisecondCounterHiRes();
        protocol.startUpdate();

        while (protocol.isThreadRunning())
            juce::MessageManager::getInstance()->runDispatchLoopUntil (5);

        const auto total = juce::Time::getMillisecondCounterHiRes() - start;
        return { total, midi.uploadEndTime - start, (double) midi.bytesSent.load() * 1000.0 / bytesPerSecond, protocol.getMessage() };
    }

    void row (const char* figure, const juce::String& value, const char* goal)
    {
        std::printf ("| %-58s | %14s | %-8s |\n", figure, value.toRawUTF8(), goal);
    }
}

int main()
{
    const juce::ScopedJuceInitialiser_GUI juce;
    BuiltInFirmwareDescriptor firmware;

    NoPauses noPauses;
    Run free;
    update (free, true, noPauses, firmware);

    RealStatusWait realStatusWait;
    Run answered;
    update (answered, true, realStatusWait, firmware);

    Run silent;
    update (silent, false, realStatusWait, firmware);

    const auto& d = *free.device;
    const auto uploadCpu = d.uploadEndCpu - d.uploadStartCpu;
    const auto answeredCpu = answered.device->confirmCpu - answered.device->firstQueryCpu;
    const auto silentCpu = silent.protocol->endCpu - silent.device->firstQueryCpu;
    const auto silentWall = silent.protocol->endTime - silent.device->firstQueryTime;

    std::printf ("Update of the built-in image (%d bytes, %d data messages)\n\n",
                 firmware.getSize(), d.dataMessages.load());
    std::printf ("| %-58s | %14s | %-8s |\n", "Figure", "Value", "Goal");
    std::printf ("|%s|%s|%s|\n", juce::String::repeatedString ("-", 60).toRawUTF8(),
                 juce::String::repeatedString ("-", 16).toRawUTF8(), juce::String::repeatedString ("-", 10).toRawUTF8());
    row ("protocol CPU per data message, device costs nothing (us)", juce::String (uploadCpu * 1000.0 / d.dataMessages, 3), "");
    row ("protocol CPU for the whole upload (ms)", juce::String (uploadCpu, 1), "");
    row ("synchronous progress notifications during the upload", juce::String (free.counter->duringUpload.load()), "<= 95");
    row ("synchronous progress notifications in the whole run", juce::String (free.counter->total.load()), "<= 101");
    row ("status wait CPU, device answers at once (ms, 1 query)", juce::String (answeredCpu, 2), "");
    row ("status wait CPU, silent device (ms, 10 queries)", juce::String (silentCpu, 1), "");
    row ("status wait, silent device: wall time (ms)", juce::String (juce::roundToInt (silentWall)), "");
    row ("status wait, silent device: CPU share of one core", juce::String (100.0 * silentCpu / silentWall, 1) + " %", "");
    // The procedure's own pauses: 100 ms between the sections, 12 x 800 ms of burning and one
    // 500 ms wait before the device's answer is read.
    constexpr double fixedPausesMs = 100.0 + 12 * 800.0 + 500.0;
    const auto wire = updateThroughVirtualDevice (firmware, 100000.0);
    row ("through the virtual Varnet at 100,000 bytes/s: total (ms)", juce::String (juce::roundToInt (wire.totalMs)), "");
    row ("  of which the upload, to UploadEnd (ms)", juce::String (juce::roundToInt (wire.uploadMs)), "");
    row ("  pure wire time of all bytes sent (ms)", juce::String (juce::roundToInt (wire.wireMs)), "");
    row ("  fixed pauses of the procedure (ms)", juce::String (juce::roundToInt (fixedPausesMs)), "");
    row ("  total / (wire time + fixed pauses)", juce::String (wire.totalMs / (wire.wireMs + fixedPausesMs), 4), "<= 1.01");
    std::printf ("\nvirtual Varnet run: \"%s\"\n", wire.text.toRawUTF8());
    std::printf ("\nfinal texts: \"%s\" / \"%s\"\n", answered.protocol->getMessage().toRawUTF8(),
                 silent.protocol->getMessage().toRawUTF8());
    return 0;
}
