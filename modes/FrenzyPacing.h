#ifndef KELZO_MODES_FRENZYPACING_H
#define KELZO_MODES_FRENZYPACING_H

class AbSettings;
class Settings;

// How fast Frenzy drops furballs: the interval to the next drop and the
// share of it each move takes off. Both ease off while the board holds fewer
// furballs than the level's target (the shortfalls) and tighten once it
// holds more than 28.

// What the pacing reads of the running board.
struct FrenzyBoardView {
    bool exists = false;
    int historyMoves = 0;       // moves in the board's history
    int furballs = 0;
    bool hasPossibleMove = true;
};

// The board's shortfalls against the target: T - n, T - 5 - n, T - 10 - n,
// each at least 0.
struct FrenzyShortfalls {
    int s1;
    int s2;
    int s3;
};
FrenzyShortfalls frenzyShortfalls(int target, int furballs);

// Milliseconds of the game clock to the next drop; `unadjusted`, when given,
// receives the interval before the board's adjustments. Level -1 (the
// tutorial's) has a pace of its own.
int frenzySpawnInterval(int level, const FrenzyBoardView& board, const Settings& settings, const AbSettings& ab,
                        int* unadjusted);

// The share of the interval by which one move brings the next drop forward.
float frenzyMovePull(int level, int difficulty, const FrenzyBoardView& board, const AbSettings& ab);

#endif
