#ifndef KELZO_GAME_TOUCHZONES_H
#define KELZO_GAME_TOUCHZONES_H

#include "game/ScreenId.h"

// The places on the screen where a touch means something to the shell rather
// than to a menu or the board: the bottom bar's undo and hint buttons, and
// the hidden corner sequence of the main menu that opens the contact screen.
// Pure geometry, nothing kept.

// The bar buttons a press can arm (the values are the bar's own codes).
enum BarButton {
    BarNone = -1,
    BarUndo = 2,
    BarHint = 3,
};

const int kBarTop = 436;          // a touch below this line is the bar's
const int kUndoRight = 56;        // undo: x < 56
const int kHintLeft = 274;        // hint: x > 274

// The screens that show the bottom bar.
bool showsBottomBar(ScreenId screen);
bool inBottomBar(ScreenId screen, int y);
// The button a press at x in the bar arms on this screen (undo on the
// tutorial's screen only in the steps where the player plays).
BarButton barButtonAt(ScreenId screen, int tutorialStep, int x);

// A release in the bottom-right corner straight after one in the bottom-left
// corner, on the main menu.
bool opensHiddenCorner(ScreenId screen, int previousX, int previousY, int x, int y);

#endif
