#ifndef KELZO_GAME_ENGINEKEYCALLBACKI_H
#define KELZO_GAME_ENGINEKEYCALLBACKI_H

// Receiver of key presses from the main loop. A keyboard text field installs
// itself in gKeyReceiver (game/PlatformState.h) when it is tapped.
class EngineKeyCallbackI {
public:
    virtual ~EngineKeyCallbackI() {}
    // sym and mod are SDL's key symbol and modifier state; down is always
    // true (releases are not passed on).
    virtual void onKey(int sym, int mod, bool down) = 0;
};

#endif
