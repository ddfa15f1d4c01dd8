// Asks an X window to close the way a window manager's close button does: a WM_DELETE_WINDOW
// client message. The program then runs its own close handling, so a test sees its real exit.
//
// With --hold it only creates the window-manager atoms and stays connected until it is killed.
// A bare Xvfb has no window manager to create them, forgets them whenever its last client leaves,
// and a JUCE program that starts while they do not exist never listens for the request.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <unistd.h>

int main (int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: %s WINDOW-ID | --hold\n", argv[0]);
        return 2;
    }

    auto* display = XOpenDisplay (nullptr);

    if (display == nullptr)
    {
        std::fprintf (stderr, "cannot open the display\n");
        return 1;
    }

    if (std::string_view (argv[1]) == "--hold")
    {
        for (const auto* name : { "WM_PROTOCOLS", "WM_DELETE_WINDOW", "WM_TAKE_FOCUS", "_NET_WM_PING",
                                  "WM_CHANGE_STATE", "WM_STATE", "_NET_WM_PID", "_NET_WM_NAME",
                                  "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL",
                                  "_NET_WM_STATE", "_NET_WM_STATE_HIDDEN", "_NET_WM_STATE_SKIP_TASKBAR",
                                  "_NET_ACTIVE_WINDOW", "_MOTIF_WM_HINTS", "UTF8_STRING" })
            XInternAtom (display, name, False);

        XSync (display, False);
        pause();
    }

    const auto window = (Window) std::strtoul (argv[1], nullptr, 0);

    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom (display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long) XInternAtom (display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;

    const auto sent = XSendEvent (display, window, False, NoEventMask, &event);
    XCloseDisplay (display);
    return sent != 0 ? 0 : 1;
}
