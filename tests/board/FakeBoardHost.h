#ifndef KELZO_TESTS_BOARD_FAKEBOARDHOST_H
#define KELZO_TESTS_BOARD_FAKEBOARDHOST_H

#include <string>
#include <vector>

#include "Core/OwnedPtr.h"
#include "board/Board.h"
#include "board/BoardHost.h"
#include "board/MovingFurball.h"

// The game around the board, as the board's tests need it: the answers are
// plain fields, and every call the board makes is recorded.
class FakeBoardHost : public BoardHost {
public:
    struct TipAsk {
        int id, limit, limit2, limit3;
        bool operator==(const TipAsk& o) const
        {
            return id == o.id && limit == o.limit && limit2 == o.limit2 && limit3 == o.limit3;
        }
    };
    struct Event {
        int kind, delay;
        bool operator==(const Event& o) const { return kind == o.kind && delay == o.delay; }
    };

    bool onPlayScreen() override { return playScreen; }
    bool onInstructionScreen() override { return instructionScreen; }
    bool hasCurrentGame() override { return gameRuns; }
    Board* currentGameBoard() override { return gameRuns ? board.get() : nullptr; }
    void tellMoveMade(bool chainLeftBoard) override { movesMade.push_back(chainLeftBoard); }
    bool outOfMoves() override { return movesLeft < 1; }
    int hintsLeft() override { return hints; }
    void puzzleFinished() override { solved++; }
    Array<HistoryRecord>& playedPuzzles() override { return history; }
    int currentGameType() override { return gameRuns ? gameType : -1; }
    int currentGameLevel() override { return gameRuns ? gameLevel : 0; }
    int puzzlesLeftInLevel() override { return puzzlesLeft; }
    void showFreePlayNewLevelPopup() override { levelPopups++; }
    bool shouldShowTip(int id, int limit, int limit2, int limit3) override
    {
        tipAsks.push_back(TipAsk{id, limit, limit2, limit3});
        return tipsAllowed;
    }
    void showTip(int id, const TipParams& params) override
    {
        shownTips.push_back(id);
        lastTip = params;
        // The tips keep their own copy of the texts: the caller's may be gone once this returns.
        lastTipBody = params.body ? params.body : "";
        lastTip.body = nullptr;
        lastTip.title = nullptr;
    }
    void dismissTip(int id) override { dismissedTips.push_back(id); }
    void resetTipCounters(int now) override { tipResets.push_back(now); }
    void playHitEffect() override { hitSounds++; }
    void playWrongMoveEffect() override { wrongMoveSounds++; }
    void scheduleEvent(int kind, int delay) override { events.push_back(Event{kind, delay}); }
    void addMovingFurball(const BoardCell& cell, int dx, int dy, CellPos origin, CellPos source, CellPos target,
                          bool ghost, int delay, float speed, bool fast) override
    {
        if (gameRuns && !board.isNull())
            board->movingFurballs.append(
                MovingFurball(*board, cell, dx, dy, origin, source, target, ghost, delay, speed, fast));
    }
    int instructionStep() override { return step; }
    void noteInstructionMisthrow() override { misthrows++; }
    void removeTipBubbles() override { bubbleRemovals++; }
    void advanceTutorial() override { step++; }

    // Answers
    bool playScreen = true;
    bool instructionScreen = false;
    bool gameRuns = true;
    OwnedPtr<Board> board;   // the current game's board
    int movesLeft = 1;
    int hints = 0;
    bool tipsAllowed = true;
    int step = -1;
    Array<HistoryRecord> history;
    int gameType = 0;
    int gameLevel = 1;
    int puzzlesLeft = 1;

    // Calls
    std::vector<bool> movesMade;
    int solved = 0;
    std::vector<TipAsk> tipAsks;
    std::vector<int> shownTips;
    TipParams lastTip;   // texts cleared: they are in lastTipBody
    std::string lastTipBody;
    std::vector<int> dismissedTips;
    std::vector<int> tipResets;
    int hitSounds = 0;
    int wrongMoveSounds = 0;
    std::vector<Event> events;
    int misthrows = 0;
    int bubbleRemovals = 0;
    int levelPopups = 0;
};

#endif
