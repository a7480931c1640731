#ifndef KELZO_MODES_PLAINGAME_H
#define KELZO_MODES_PLAINGAME_H

#include "modes/CurrentGameI.h"

// Stands in for every game mode until its own rules come: puzzles of the
// chosen start level one after another, the next when one is solved, three
// hints, no clock and no score. The instruction game is one too, never saved.
class PlainGame : public CurrentGameI {
public:
    static const int kPuzzlesPerRound = 8;

    PlainGame(GameGraphics* graphics, bool explain);

    bool isSavable() override { return !explain_; }
    String modeName() override;
    int puzzleSize() override { return kPuzzlesPerRound; }
    void leaveLevel() override {}
    bool saveState(StreamOut& out) override;
    bool loadState(StreamIn& in) override;
    void puzzleSolved(bool* advance, bool* deleteBoard) override;
    void drawHud() override {}

private:
    bool explain_;
};

#endif
