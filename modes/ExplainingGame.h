#ifndef KELZO_MODES_EXPLAININGGAME_H
#define KELZO_MODES_EXPLAININGGAME_H

#include "modes/CurrentGameI.h"

// The game behind the how-to-play screen. The application lays out its
// board and walks the player through it; the game itself only lets the board
// take moves and undos as any game does. It keeps no score, shows no praise
// or popup of its own, is never saved, and its heads-up display is a single
// caption. It has no type of its own (its settings copy's mode stands) and
// plays at the settings' start level; it starts with no hints and no moves.
class ExplainingGame : public CurrentGameI {
public:
    explicit ExplainingGame(GameGraphics* graphics);

    bool isSavable() override { return false; }
    // The same in every language.
    String modeName() override { return "!woops!"; }
    int puzzleSize() override { return 3; }
    void leaveLevel() override {}
    bool saveState(StreamOut&) override { return true; }
    bool loadState(StreamIn&) override { return true; }
    void puzzleSolved(bool*, bool*) override {}
    void drawHud() override;
};

#endif
