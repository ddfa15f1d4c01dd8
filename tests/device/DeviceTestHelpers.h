#pragma once

#include "device/MidiInterfaceClass.h"
#include "support/MessageLoop.h"

#include <gtest/gtest.h>

namespace talvion::test
{
    /** The selector that the interface shows under a component name, or nullptr. */
    inline juce::ComboBox* findSelector (juce::Component& parent, const juce::String& name)
    {
        for (auto* child : parent.getChildren())
            if (auto* box = dynamic_cast<juce::ComboBox*> (child))
                if (box->getName() == name)
                    return box;

        return nullptr;
    }

    /** Picks the item as a user would, the interface hearing of it at once. */
    inline void choose (juce::Component& parent, const juce::String& selectorName, int itemId)
    {
        auto* box = findSelector (parent, selectorName);
        ASSERT_NE (box, nullptr) << selectorName;
        box->setSelectedId (itemId, juce::sendNotificationSync);
    }

    /** Counts the change messages that reach the message thread. */
    class ChangeCounter  : public juce::ChangeListener
    {
    public:
        explicit ChangeCounter (juce::ChangeBroadcaster& b)  : broadcaster (b)   { broadcaster.addChangeListener (this); }
        ~ChangeCounter() override                                               { broadcaster.removeChangeListener (this); }

        void changeListenerCallback (juce::ChangeBroadcaster* source) override
        {
            if (source == &broadcaster)
                ++count;
        }

        /** Lets the pending messages through and returns how many changes arrived since the last call. */
        int take()
        {
            runMessageLoopUntil ([this] { return count > taken; }, 200);
            runMessageLoopFor (20);
            const auto arrived = count - taken;
            taken = count;
            return arrived;
        }

    private:
        juce::ChangeBroadcaster& broadcaster;
        int count = 0, taken = 0;
    };

    /** Reads what the interface has received until nothing more arrives for quietMs. */
    inline std::vector<juce::uint8> readUntilQuiet (InterfaceBaseClass& interface, int quietMs = 100)
    {
        std::vector<juce::uint8> bytes;
        auto lastArrival = juce::Time::getMillisecondCounter();

        while (juce::Time::getMillisecondCounter() - lastArrival < (juce::uint32) quietMs)
        {
            juce::uint8 chunk[64];
            const auto n = interface.readData (chunk, sizeof (chunk));

            if (n > 0)
            {
                bytes.insert (bytes.end(), chunk, chunk + n);
                lastArrival = juce::Time::getMillisecondCounter();
            }
            else
            {
                juce::Thread::sleep (1);
            }
        }

        return bytes;
    }
}
