#pragma once

//==============================================================================
/**
    An open MIDI input, as MidiInterfaceClass sees it.

    Between start() and stop() the port hands every incoming message to the callback it was
    opened with, on a thread of its own. Deleting the port stops and closes the device.
*/
class MidiInputPort
{
public:
    virtual ~MidiInputPort() = default;

    /** Starts delivering incoming messages to the callback. */
    virtual void start() = 0;

    /** Stops delivering; when it returns, the callback is not running and will not be called again. */
    virtual void stop() = 0;
};
