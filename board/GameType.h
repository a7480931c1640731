#ifndef KELZO_BOARD_GAMETYPE_H
#define KELZO_BOARD_GAMETYPE_H

// Game type ids; the same number selects the mode in the settings and tags a
// saved game. The board reads them because some of its rules differ by type.
enum GameType {
    kGameArcade = 0,
    kGameFrenzy = 1,
    kGameFreePlay = 2,
    kGameChallenge = 3,
    kGameBlitz = 4,
    kGameTwoPlayer = 5,
    kGameBeatTheClock = 6,
};

#endif
