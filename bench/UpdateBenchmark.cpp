// Figures for one update of the built-in image: the protocol's own CPU cost per data message,
// the number of synchronous progress notifications, and the CPU the protocol thread burns while
// it waits for the device's status. Prints a table; asserts nothing.

#include "app/BuiltInFirmwareDescriptor.h"
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
    row ("status wait, silent device: wall time (ms)", juce::String (silentWall, 0), "");
    row ("status wait, silent device: CPU share of one core", juce::String (100.0 * silentCpu / silentWall, 1) + " %", "");
    std::printf ("\nfinal texts: \"%s\" / \"%s\"\n", answered.protocol->getMessage().toRawUTF8(),
                 silent.protocol->getMessage().toRawUTF8());
    return 0;
}
