#ifndef KELZO_GAME_SCREENFACTORYI_H
#define KELZO_GAME_SCREENFACTORYI_H

#include "Core/String.h"
#include "game/ScreenId.h"

class KelzoGame;
class MenuBaseI;

// Makes the menu of a screen. The screens live a floor above the shell: the program hands the shell a factory
// of them at start-up, so the shell shows screens without knowing them. The shell turns the action codes a
// menu answers into the next screen.
class ScreenFactoryI {
public:
    virtual ~ScreenFactoryI() {}
    // The menu of screen `id` over the game (the caller owns it), or null for a screen the factory has none
    // for. fromNewHiScore matters for the high-score tables only.
    virtual MenuBaseI* makeMenu(KelzoGame& game, ScreenId id, bool fromNewHiScore) = 0;
    // The text a screen's menu collected (the name typed for a new high score); empty for others.
    virtual String enteredText(MenuBaseI* menu) = 0;
    // After every frame, with the current screen's menu (or null): the action code that screen answers on its
    // own (as if tapped), else -1. The screens' background work reports here too.
    virtual int afterFrame(MenuBaseI*) { return -1; }
    // The level select page `menu` shows `level` at once, nothing moving or pressed; other menus ignore it.
    virtual void showLevel(MenuBaseI*, int) {}
    // The level select page `menu` shows the bubble that explains it; other menus ignore it.
    virtual void showLevelInfo(MenuBaseI*) {}
    // The program ends: background work of the screens stops.
    virtual void shutDown() {}
};

// The game's screens, made by the screens' own folder (the shell only declares it). The caller owns the factory
// and keeps it until the application object is gone.
ScreenFactoryI* makeGameScreenFactory();

#endif
