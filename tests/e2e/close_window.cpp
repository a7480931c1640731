// Closes a window the way a window manager's close button does: a
// WM_DELETE_WINDOW message to the program, which decides what to do with it.
// With --destroy, destroys the window outright instead, as a program other
// than its own may.
//
//   close_window [--destroy] <window id>      (display from $DISPLAY)

#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const bool destroy = argc == 3 && strcmp(argv[1], "--destroy") == 0;
    if (argc != 2 && !destroy) {
        fprintf(stderr, "usage: close_window [--destroy] <window id>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        fprintf(stderr, "close_window: cannot open the display\n");
        return 1;
    }
    const Window window = strtoul(argv[argc - 1], nullptr, 0);
    if (destroy) {
        XDestroyWindow(display, window);
        XSync(display, False);
        XCloseDisplay(display);
        return 0;
    }
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
