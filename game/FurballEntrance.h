#ifndef KELZO_GAME_FURBALLENTRANCE_H
#define KELZO_GAME_FURBALLENTRANCE_H

class Board;
class TimedEventQueue;

// A new board does not appear at once: its furballs pop in one after another, in random order, each with a
// mouth pop a little after it shows. Blitz keeps the wait short, since its clock is already running.

// The wait before the k-th furball (from 0) pops in: 300 ms (fast: the tutorial) or 900 ms, then 160 ms
// apart; in Blitz 50 ms, then 100 ms apart.
int entranceDelayMs(int k, bool fast, bool blitz);

// Starts the pop-in effect of every furball of the board (effects stamped at `effectNow`, the game clock's
// current reading, moved into the future by their delays) and appends each one's mouth pop, due 250 ms after
// it shows. The order comes from rand().
void startFurballEntrance(Board& board, bool fast, bool blitz, int effectNow, TimedEventQueue& events);

#endif
