#ifndef KELZO_GAME_SCOREBOARDKEY_H
#define KELZO_GAME_SCOREBOARDKEY_H

// The layout key of the score board in a frame. The board caches its pieces by the order they are composed,
// so everything that changes which pieces a heads-up display composes must change the key: the game type, a
// Free Play game away from the level it has come to (when "bfp" is 1 it shows a return button), and the
// variations that add or drop pieces ("fsp", "ncp", "ncm"). The tutorial has a key of its own.
int scoreBoardKey(int gameType, int gameLevel, int freePlayLevel, bool howToPlay);

#endif
