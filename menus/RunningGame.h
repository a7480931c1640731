#ifndef KELZO_MENUS_RUNNINGGAME_H
#define KELZO_MENUS_RUNNINGGAME_H

#include "Core/String.h"

// The game the shell holds, as the screens read it when they are built: a snapshot, filled by the shell.
struct RunningGame {
    bool exists = false;    // the shell has a current game
    bool started = false;   // and it has started
    bool hasBoard = false;
    int boardLevel = 0;     // the board's level, when there is a board
    int gameType = 0;       // GameType
    String modeName;        // the mode's title text
    String difficultyName;  // the difficulty of the game's own settings, in words
};

#endif
