#ifndef KELZO_BOARD_BOARDHOST_H
#define KELZO_BOARD_BOARDHOST_H

#include "Core/Array.h"
#include "board/BoardCell.h"
#include "board/HistoryRecord.h"
#include "board/PositionSet.h"
#include "board/TipParams.h"

class Board;

// What the board asks of the game it is played in: which screen shows, the
// current game's board and counters, the play history, tips, sounds, moving
// furballs and the guided instruction. The application implements it and
// hands it down once at start-up (gBoardHost); without a host (tests, tools)
// the board plays alone and asks nothing.
class BoardHost {
public:
    virtual ~BoardHost() = default;

    // The game screen is up (a board is being played).
    virtual bool onPlayScreen() = 0;
    // The guided instruction is up.
    virtual bool onInstructionScreen() = 0;

    // ---- The current game
    virtual bool hasCurrentGame() = 0;
    // Its board; null when no game or no board.
    virtual Board* currentGameBoard() = 0;
    // After every move attempt that was not silent; true when the chain left the board.
    virtual void tellMoveMade(bool chainLeftBoard) = 0;
    // Frenzy: the game has no moves left.
    virtual bool outOfMoves() = 0;
    // The current game's hints left (a finished puzzle's record keeps them).
    virtual int hintsLeft() = 0;
    // The credit the record of a finished or left puzzle keeps: the hints left unless the game says otherwise.
    virtual int recordCredit() { return hintsLeft(); }
    // The shown board is solved and at rest: the game records it and moves on
    // (it may replace the board).
    virtual void puzzleFinished() = 0;
    // The same for a named board: the game's own board, or another one the game shows beside it.
    virtual void puzzleFinishedOn(Board&) { puzzleFinished(); }

    // The play history; the board appends a puzzle when it ends.
    virtual Array<HistoryRecord>& playedPuzzles() = 0;

    // ---- The end of a Free Play level
    // The current game's type (GameType) and level; -1 and 0 without a game.
    virtual int currentGameType() = 0;
    virtual int currentGameLevel() = 0;
    // Puzzles of the Free Play level not solved yet.
    virtual int puzzlesLeftInLevel() = 0;
    // The popup for the next level (after the last level, the final alert): held back a moment the first
    // time, at once when it is shown again.
    virtual void showFreePlayNewLevelPopup() = 0;

    // ---- Tips
    // The spaced show rule: true when tip id may be shown now.
    virtual bool shouldShowTip(int id, int limit, int limit2, int limit3) = 0;
    virtual void showTip(int id, const TipParams& params) = 0;
    virtual void dismissTip(int id) = 0;
    // Last activity now; clears the per-move tip counters.
    virtual void resetTipCounters(int now) = 0;

    // ---- Sounds and motion
    virtual void playHitEffect() = 0;
    virtual void playWrongMoveEffect() = 0;
    // An event (6 wrong-move sound, 7 undo sound) due `delay` ms from now.
    virtual void scheduleEvent(int kind, int delay) = 0;
    // A furball in flight on the current game's board.
    virtual void addMovingFurball(const BoardCell& cell, int dx, int dy, CellPos origin, CellPos source,
                                  CellPos target, bool ghost, int delay, float speed, bool fast) = 0;

    // ---- The guided instruction
    // Its step, 42..54; -1 when it is not running.
    virtual int instructionStep() = 0;
    // Step 49 was answered with a throw from a cell other than (5, 4).
    virtual void noteInstructionMisthrow() = 0;
    // Every speech bubble the game shows goes at once.
    virtual void removeTipBubbles() = 0;
    virtual void advanceTutorial() = 0;
};

// The game the board is played in; null when there is none.
extern BoardHost* gBoardHost;

#endif
