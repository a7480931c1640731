#ifndef KELZO_MENUS_MODEBUBBLE_H
#define KELZO_MENUS_MODEBUBBLE_H

#include <cstdint>

#include "Core/OwnedPtr.h"
#include "ui/MenuBubble.h"

// The description bubble of the game-mode menu's tiles. It is one for the whole program and outlives the menu
// that opened it, so that a bubble fading out is not cut short when the player leaves the menu; the next
// game-mode menu deletes it when it is built, and program exit does too.
//
// The countdown: a tile press stops it (-1), every release restarts it, and 3000 ms after its start the menu
// asks the bubble to fade out.
extern OwnedPtr<MenuBubble> gModeBubble;
// Game-clock reading the close countdown runs from; -1 none.
extern int32_t gModeBubbleTimer;

// Deletes the bubble (with its style record) at once.
void deleteModeBubble();

#endif
