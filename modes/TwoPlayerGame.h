#ifndef KELZO_MODES_TWOPLAYERGAME_H
#define KELZO_MODES_TWOPLAYERGAME_H

#include "modes/CurrentGameI.h"

// Two boards of the same level on one screen, one per player, each drawn at
// two thirds of its size: the first (the game's own board) on the upper half,
// the second from y 240. The screen's y axis is the boards' x axis. Each board
// takes one running touch at a time; a press goes to the half it lands on
// unless that board is busy, a move or release to the board whose touch it
// continues (the nearer one when both run). Solving either board bursts it
// and gives it a fresh puzzle of the level while the other plays on; no
// winner is declared. A mouse gives one touch at a time, so on the desktop
// the players take turns.
class TwoPlayerGame : public CurrentGameI {
public:
    static const int kSecondBoardTop = 240;

    // What the heads-up display keeps of a player.
    struct Player {
        int32_t count = 0;
        int32_t second = 8;
        int32_t third = 2;
    };

    explicit TwoPlayerGame(GameGraphics* graphics);
    ~TwoPlayerGame() override;

    String modeName() override { return "Two Player"; }
    bool drawBoard() override;
    int puzzleSize() override { return 3; }
    void leaveLevel() override {}
    bool saveState(StreamOut& out) override;
    bool loadState(StreamIn& in) override;
    void puzzleSolved(bool* advance, bool* deleteBoard) override;
    void handleTouch(int phase, int x, int y) override;
    void drawHud() override;
    void otherBoardFinished(Board& finished) override;

    // Hands one touch to the board it belongs to, in that board's coordinates.
    void routeTouch(int phase, int x, int y);
    // The second board is given a fresh puzzle of the level, as the game's first was.
    void renewSecondBoard();

    Player players[2];
    OwnedPtr<Board> secondBoard;
    int32_t spare = 8;
    int32_t firstTouchX = -1, firstTouchY = -1;
    int32_t secondTouchX = -1, secondTouchY = -1;

private:
    bool secondBoardDone_ = false;   // solved: renewed once its drawing is over
};

#endif
