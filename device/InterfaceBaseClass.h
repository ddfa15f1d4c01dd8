#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

//==============================================================================
/**
    The connection to the device as the update protocols see it.

    It is a component (an implementation shows its device selectors inside it) and a change
    broadcaster (it tells its listeners when the user has opened or closed a device). The
    protocols talk to the device only through readData() and sendData(), on their own thread;
    everything else runs on the message thread.
*/
class InterfaceBaseClass  : public juce::Component,
                            public juce::ChangeBroadcaster
{
public:
    InterfaceBaseClass() = default;
    ~InterfaceBaseClass() override = default;

    /** Every implementation lays out its own children. */
    void resized() override = 0;

    //==============================================================================
    /** Copies up to maxBytes bytes that the device has sent, oldest first, and returns how many.
        Never waits: 0 means nothing is waiting or no input is open. */
    virtual int readData (juce::uint8* destination, unsigned int maxBytes) = 0;

    /** Sends one complete message and returns once it has been handed over completely.
        Does nothing when no output is open. Always returns 0. */
    virtual int sendData (const juce::uint8* message, int numBytes) = 0;

    /** True when every direction that the interface was built for has an open device. */
    virtual bool isConnected() = 0;

    /** The height that the interface wants in its parent's layout. */
    virtual int getPreferredHeight() = 0;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (InterfaceBaseClass)
};
