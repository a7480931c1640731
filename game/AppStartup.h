#ifndef KELZO_GAME_APPSTARTUP_H
#define KELZO_GAME_APPSTARTUP_H

#include "Core/Mutex.h"

class BvGameI;
class ScreenFactoryI;

// The platform handle given at start-up (null in this program).
extern void* gPlatformHandle;
// Held while the application object is deleted.
extern Mutex gAppMutex;

// Between the platform start-up and the main loop: the experiment engine and
// the settings, then the application object, which shows the loading screen
// while it loads, and then its first screen, made by `screens` (not owned;
// null: screens without menus); the launch is counted last. The
// application's interface, or null.
BvGameI* appStartup(void* platformHandle, ScreenFactoryI* screens);
// After the main loop: the last report (unless the pause already sent it),
// the worker threads stopped and waited for, then the application object and
// the settings deleted, in that order, so that nothing is freed under a
// thread that still runs.
void appShutdown(bool wasInactive);
// What the shut-down saves (the experiment files, "settings.dat" and the game state), saved
// on the spot with nothing sent and nothing stopped: for a process that must
// end at once, such as one that lost its display.
void saveStateFiles();

#endif
