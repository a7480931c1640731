#ifndef KELZO_MODES_BLITZGAME_H
#define KELZO_MODES_BLITZGAME_H

#include "modes/CurrentGameI.h"

// The time attack: one bank of 1, 3 or 5 minutes for the whole game, every
// solved puzzle a level up. The score is the highest level solved; the game
// ends when the bank runs out on a puzzle or a puzzle is given up.
class BlitzGame : public CurrentGameI {
public:
    explicit BlitzGame(GameGraphics* graphics);

    bool hasStarted() override;
    int score() override { return peak; }
    bool recordsScoreOnQuit() override { return true; }
    String modeName() override { return String(); }
    void endGame() override;
    // Beyond the last level of the store the puzzles come from that level.
    void startNewLevel(const LevelRecord* recent1, const LevelRecord* recent2, const LevelRecord* recent3) override;
    // No level length: the puzzle choice gets no target.
    int puzzleSize() override { return -1; }
    // The board's time leaves the bank.
    void leaveLevel() override;
    void tick() override;
    bool saveState(StreamOut& out) override;
    bool loadState(StreamIn& in) override;
    void puzzleSolved(bool* advance, bool* deleteBoard) override;
    bool isScoreRecordable() override { return peak > 0; }
    void drawHud() override;

    // The whole game's bank of the difficulty.
    float fullBankMs() const;

    int bankMs = 0;
    int peak = 0;
};

#endif
