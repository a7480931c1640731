#ifndef KELZO_GAME_FURBALLIDLEANIMATIONS_H
#define KELZO_GAME_FURBALLIDLEANIMATIONS_H

#include <cstdint>

class Board;

// Now and then a furball at rest plays its theme's idle animation (a blink, a roll, the marbles' shimmer).
// Only themes 0, 3, 4 and 5 have one. At most every 100 ms each resting furball gets a small chance, lower on
// fuller boards, so a board of forty does not flicker; after a start the next waits a while, by theme.
class FurballIdleAnimations {
public:
    // The chance of a start for one furball is 1 in oneIn(theme, furballs).
    static int oneIn(int theme, int furballs);
    static bool themeAnimates(int theme);

    // One frame at game clock `now` (the clock the drawing stamps animations with); `random` is rand() in the
    // game. True when a running animation needs the next frame.
    bool step(Board& board, int theme, int now, int (*random)());

    int32_t nextStartMs = 0;
};

#endif
