#ifndef KELZO_UI_ENGINEKEYCALLBACKI_H
#define KELZO_UI_ENGINEKEYCALLBACKI_H

// Receiver of key presses from the main loop. A keyboard text field installs itself in gKeyReceiver when it is
// tapped and takes itself out when a tap lands outside it.
class EngineKeyCallbackI {
public:
    virtual ~EngineKeyCallbackI() {}
    // sym and mod are SDL's key symbol and modifier state; down is always true (releases are not passed on);
    // unicode is the character SDL made of the key (0 when none), which gives digits and "@" whatever the
    // keyboard's layout.
    virtual void onKey(int sym, int mod, bool down, int unicode) = 0;
};

// The receiver of key presses; null while no text field holds the keyboard.
extern EngineKeyCallbackI* gKeyReceiver;

#endif
