// Moves the pointer over a window as a fast desktop mouse does: a steady
// stream of small motions around the window's centre, at a given rate, for a
// given number of motions. Swipes may be asked for on standard input while it
// runs, one "x y dx dy" line each (window pixels, a direction of -1, 0 or 1):
// the button goes down there, the pointer moves 60 pixels that way in steps
// of the same rate, and the button comes up (a direction of 0 0 is a tap held
// for those steps); each release is reported on standard output as
// "released <milliseconds since the epoch>".
//
//   pointer_burst <window id> <motions> <per second>      (display from $DISPLAY)

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

const int kSwipeSteps = 10;
const int kSwipeStepPixels = 6;
const int kJitterRadius = 40;

struct Pointer {
    Display* display;
    int originX;   // the window's top-left corner on the screen
    int originY;
    long periodNs;
    timespec next;

    // Waits for the next tick of the rate, then moves to (x, y) in the window.
    void moveTo(int x, int y)
    {
        next.tv_nsec += periodNs;
        while (next.tv_nsec >= 1000000000L) {
            next.tv_nsec -= 1000000000L;
            next.tv_sec++;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        XTestFakeMotionEvent(display, -1, originX + x, originY + y, CurrentTime);
        XFlush(display);
    }

    void button(bool down)
    {
        XTestFakeButtonEvent(display, 1, down ? True : False, CurrentTime);
        XFlush(display);
    }
};

long long epochMs()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

// A swipe line waiting on standard input, read without blocking.
bool swipeAsked(int* x, int* y, int* dx, int* dy)
{
    pollfd in = {0, POLLIN, 0};
    if (poll(&in, 1, 0) != 1 || !(in.revents & POLLIN))
        return false;
    char line[128];
    if (!fgets(line, sizeof line, stdin))
        return false;
    return sscanf(line, "%d %d %d %d", x, y, dx, dy) == 4;
}

void swipe(Pointer& pointer, int x, int y, int dx, int dy)
{
    pointer.moveTo(x, y);
    pointer.button(true);
    for (int step = 1; step <= kSwipeSteps; step++)
        pointer.moveTo(x + dx * step * kSwipeStepPixels, y + dy * step * kSwipeStepPixels);
    pointer.button(false);
    printf("released %lld\n", epochMs());
    fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: pointer_burst <window id> <motions> <per second>\n");
        return 2;
    }
    const Window window = strtoul(argv[1], nullptr, 0);
    const long motions = strtol(argv[2], nullptr, 10);
    const long rate = strtol(argv[3], nullptr, 10);
    Display* display = XOpenDisplay(nullptr);
    if (!display || rate <= 0) {
        fprintf(stderr, "pointer_burst: no display, or no rate\n");
        return 1;
    }
    XWindowAttributes attributes;
    Window child;
    Pointer pointer{display, 0, 0, 1000000000L / rate, {}};
    if (!XGetWindowAttributes(display, window, &attributes) ||
        !XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &pointer.originX,
                               &pointer.originY, &child)) {
        fprintf(stderr, "pointer_burst: no such window\n");
        return 1;
    }
    clock_gettime(CLOCK_MONOTONIC, &pointer.next);
    const int centreX = attributes.width / 2;
    const int centreY = attributes.height / 2;
    for (long i = 0; i < motions; i++) {
        int x, y, dx, dy;
        if (swipeAsked(&x, &y, &dx, &dy))
            swipe(pointer, x, y, dx, dy);
        // Around a square, one pixel a motion, as a hand resting on the mouse wanders.
        const int side = int(i / kJitterRadius) % 4, along = int(i % kJitterRadius);
        const int offsets[4][2] = {{along, 0}, {kJitterRadius, along}, {kJitterRadius - along, kJitterRadius},
                                   {0, kJitterRadius - along}};
        pointer.moveTo(centreX - kJitterRadius / 2 + offsets[side][0], centreY - kJitterRadius / 2 + offsets[side][1]);
    }
    XCloseDisplay(display);
    return 0;
}
