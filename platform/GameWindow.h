#pragma once

union SDL_Event;

// The game's window on the desktop. The phone gave the game its whole screen with an OpenGL ES 1.x context
// from SDL; SDL 1.2 on a desktop only makes desktop GL contexts and would size a (0, 0) mode to the whole
// desktop. So the window is a fixed 320x480 SDL GL window titled "Kelzo", and the OpenGL ES 1.1 context is made
// on it through EGL (SDL's own desktop context is let go), with vsync asked for.

// Asks SDL for its X11 video driver unless a driver is named already: without a display SDL would otherwise
// fall back on a text-mode driver that takes over the terminal and cannot carry GL anyway. Call before SDL_Init.
void preferDesktopVideo();
// Opens the window and makes its context current on the calling thread. False (with a log line, nothing left
// open) when the window or the context cannot be made.
bool openGameWindow(int width, int height, const char* title);
// Shows the frame; does nothing while no window is open (tests draw without one) or once it is lost.
void swapGameWindow();
void closeGameWindow();
bool gameWindowIsOpen();
// The window was destroyed from outside (another program, a window manager gone wrong): the game is to end
// as if closed. Seen through the window's own destroy notice or the first X error about it, which from then
// on are logged instead of ending the process.
bool gameWindowLost();
// Called once should the connection to the X server be lost, just before the process ends with status 1
// (Xlib allows no way back from that); the place to save what must not be lost. Null for none.
void setDisplayLostHandler(void (*handler)());
int gameWindowWidth();
int gameWindowHeight();
// The filter the window sets on SDL's event queue: 0 keeps the event out of the queue. It reads the window's
// destroy notice and lets no other window-system event in; it lets pointer motions go once 64 wait, so that
// the queue keeps room for presses and releases.
int filterWindowEvents(const SDL_Event* event);
