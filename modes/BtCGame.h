#ifndef KELZO_MODES_BTCGAME_H
#define KELZO_MODES_BTCGAME_H

#include "modes/CurrentGameI.h"

// The race: a fixed run of puzzles at the chosen level, one after another,
// against the total time. The time is offered as a score only when every
// puzzle was done.
class BtCGame : public CurrentGameI {
public:
    explicit BtCGame(GameGraphics* graphics);

    bool hasStarted() override;
    // The total time in ms (lower is better).
    int score() override { return totalMs; }
    String modeName() override { return "Beat the Clock"; }
    // Every puzzle is chosen as from a level of three: the last two come harder.
    int puzzleSize() override;
    void leaveLevel() override {}
    bool saveState(StreamOut& out) override;
    bool loadState(StreamIn& in) override;
    void puzzleSolved(bool* advance, bool* deleteBoard) override;
    bool isScoreRecordable() override;
    void drawHud() override;

    int totalMs = 0;
};

#endif
