#ifndef KELZO_MODES_BTCRULES_H
#define KELZO_MODES_BTCRULES_H

class AbSettings;
class Settings;

// The numbers behind Beat the Clock: a fixed run of puzzles at one level,
// raced against the total time.

const int kBtCStartHints = 3;
// Every puzzle is chosen as if the level had this many, so the last two come
// out harder.
const int kBtCPuzzleSize = 3;

// Puzzles in a game: 8, or 2 with the speed-up flag.
int btcPuzzleCount(bool speedUp);

// Only a game with every puzzle done offers its time as a score.
bool btcScoreRecordable(int movesLeft);

// The clock of the heads-up display, in whole seconds of the total plus the
// running board.
struct BtCClock {
    int minutes;
    int seconds;
};
BtCClock btcClock(int totalMs, int boardElapsedMs);

// Praise for a slow solve: the board took more than half the Arcade level
// time at difficulty 0.
bool btcSlowSolve(int level, int elapsedMs, const Settings& settings, const AbSettings& ab);

#endif
