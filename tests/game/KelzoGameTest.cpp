#include <gtest/gtest.h>

#include <vector>

#include "Core/GameClock.h"
#include "board/Board.h"
#include "board/MovingFurball.h"
#include "game/KelzoGame.h"
#include "modes/PlainGame.h"
#include "settings/ReportFacts.h"

namespace {

class KelzoGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gGameClock = GameClock();
        gGameClock.updateAt(1000);
    }
};

}  // namespace

TEST_F(KelzoGameTest, ProgressBarSitsLowOnTheSplash)
{
    KelzoGame game;
    float position[2], size[2];
    game.progressBarRect(position, size);
    EXPECT_EQ(position[0], 60);
    EXPECT_EQ(position[1], 400);
    EXPECT_EQ(size[0], 200);
    EXPECT_EQ(size[1], 8);
}

// A menu that stops the game for a while resumes the clock only when it was
// running before it paused it.
TEST_F(KelzoGameTest, PauseClockResumesOnlyWhatItPaused)
{
    struct Case {
        bool pausedBefore;
        bool pausedAfter;
    };
    const Case cases[] = {{false, false}, {true, true}};
    for (const Case& c : cases) {
        KelzoGame game;
        gGameClock = GameClock();
        gGameClock.updateAt(1000);
        if (c.pausedBefore)
            gGameClock.pause();
        game.pauseClock();
        EXPECT_TRUE(gGameClock.paused);
        game.resumeClock();
        EXPECT_EQ(gGameClock.paused, c.pausedAfter) << c.pausedBefore;
    }
}

TEST_F(KelzoGameTest, ClockHelpersOnlyChangeWhatNeedsIt)
{
    KelzoGame game;
    game.resumeClockIfPaused();
    EXPECT_FALSE(gGameClock.paused);
    game.pauseClockIfRunning();
    EXPECT_TRUE(gGameClock.paused);
    const int32_t pausedAt = gGameClock.pausedAt;
    gGameClock.updateAt(5000);
    game.pauseClockIfRunning();   // already paused: the pause keeps its start
    EXPECT_EQ(gGameClock.pausedAt, pausedAt);
    game.resumeClockIfPaused();
    EXPECT_FALSE(gGameClock.paused);
}

TEST_F(KelzoGameTest, ReportFactsTellOfTheHistoryAndTheBoardInPlay)
{
    KelzoGame game;
    ReportFactsI& facts = game;
    int elapsed = 0, undos = 0, kind = 0, flags = 0;
    bool hasMove = false;
    EXPECT_FALSE(facts.currentBoard(&elapsed, &undos, &hasMove));

    game.history.append(HistoryRecord{10001, 4500, 2, 0, 0, 4, 0, 1});
    ASSERT_EQ(facts.playHistoryCount(), 1);
    facts.playHistoryRecord(0, &elapsed, &kind, &flags);
    EXPECT_EQ(elapsed, 4500);
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(flags, 4);

    game.keptGames[kGameArcade].reset(new PlainGame(nullptr, false));
    game.setCurrentGame(game.keptGames[kGameArcade].get());
    EXPECT_FALSE(facts.currentBoard(&elapsed, &undos, &hasMove));   // a game without a board
    game.currentGame->board.reset(new Board());
    Board& board = *game.currentGame->board;
    BoardCell furball = {};
    furball.colour = 1;
    board.placeFurballAt(1, 1, furball);
    board.placeFurballAt(4, 1, furball);
    board.undoCount = 3;
    ASSERT_TRUE(facts.currentBoard(&elapsed, &undos, &hasMove));
    EXPECT_EQ(undos, 3);
    EXPECT_TRUE(hasMove);
}

namespace {

// A game that remembers what the board told it.
class ListeningGame : public PlainGame {
public:
    ListeningGame() : PlainGame(nullptr, false) {}
    void onMoveMade(bool chainLeftBoard) override { moves.push_back(chainLeftBoard); }
    void puzzleSolved(bool* advance, bool*) override
    {
        finished++;
        *advance = false;
    }
    std::vector<bool> moves;
    int finished = 0;
};

}  // namespace

TEST_F(KelzoGameTest, AsBoardHostItAnswersFromTheGameInPlay)
{
    KelzoGame game;
    BoardHost& host = game;
    EXPECT_FALSE(host.hasCurrentGame());
    EXPECT_EQ(host.currentGameBoard(), nullptr);
    EXPECT_FALSE(host.outOfMoves());
    EXPECT_EQ(host.hintsLeft(), 0);
    host.tellMoveMade(true);   // no game: nobody to tell
    host.puzzleFinished();

    ListeningGame* listening = new ListeningGame();
    game.ownedGame.reset(listening);
    game.setCurrentGame(listening);
    listening->hintsRemaining = 4;
    EXPECT_TRUE(host.hasCurrentGame());
    EXPECT_EQ(host.currentGameBoard(), nullptr);   // a game without a board
    EXPECT_EQ(host.hintsLeft(), 4);
    listening->movesRemaining = 0;
    EXPECT_TRUE(host.outOfMoves());
    listening->movesRemaining = 1;
    EXPECT_FALSE(host.outOfMoves());
    host.tellMoveMade(true);
    host.tellMoveMade(false);
    EXPECT_EQ(listening->moves, (std::vector<bool>{true, false}));
    host.puzzleFinished();
    EXPECT_EQ(listening->finished, 1);
    listening->board.reset(new Board());
    EXPECT_EQ(host.currentGameBoard(), listening->board.get());

    game.history.append(HistoryRecord{10001, 4500, 2, 0, 0, 4, 0, 1});
    EXPECT_EQ(&host.playedPuzzles(), &game.history);

    struct Screen {
        int id;
        bool playing, instruction;
    } screens[] = {{ScreenGameIntro, false, false},
                   {ScreenPlaying, true, false},
                   {ScreenHowToPlay, false, true}};
    for (const Screen& s : screens) {
        game.currentScreen = ScreenId(s.id);
        EXPECT_EQ(host.onPlayScreen(), s.playing) << s.id;
        EXPECT_EQ(host.onInstructionScreen(), s.instruction) << s.id;
    }
}

TEST_F(KelzoGameTest, AsBoardHostItKeepsTipsEventsFurballsAndTheInstruction)
{
    KelzoGame game;
    BoardHost& host = game;
    // The tips' spacing rule: the reminder after a tap passes at the second ask.
    EXPECT_FALSE(host.shouldShowTip(30, 0, 3, 6));
    EXPECT_TRUE(host.shouldShowTip(30, 0, 3, 6));
    TipParams params;
    params.delayMs = 450;
    host.showTip(30, params);
    EXPECT_TRUE(game.tips.isOpen(30));
    EXPECT_EQ(game.tips.lastParams().delayMs, 450);
    EXPECT_FALSE(host.shouldShowTip(33, 1, 3, 999));   // refused while a tip is open
    host.dismissTip(30);
    EXPECT_FALSE(game.tips.isOpen(30));
    host.resetTipCounters(4321);
    EXPECT_EQ(game.tips.quietFrom(), 4321);

    // Events fall due with the frame's 100 ms lead.
    host.scheduleEvent(6, 190);
    ASSERT_EQ(game.timedEvents.size(), 1);
    EXPECT_EQ(game.timedEvents[0].kind, 6);
    EXPECT_EQ(game.timedEvents[0].dueMs, gGameClock.now() - 100 + 190);

    // Furballs in flight join the current game's board; without one they are dropped.
    BoardCell furball = {};
    furball.colour = 2;
    host.addMovingFurball(furball, 1, 0, CellPos{0, 3}, CellPos{0, 3}, CellPos{2, 3}, false, 70, 1.2f, false);
    game.ownedGame.reset(new PlainGame(nullptr, false));
    game.setCurrentGame(game.ownedGame.get());
    game.currentGame->board.reset(new Board());
    host.addMovingFurball(furball, 1, 0, CellPos{0, 3}, CellPos{0, 3}, CellPos{2, 3}, false, 70, 1.2f, false);
    const Array<MovingFurball>& moving = game.currentGame->board->movingFurballs;
    ASSERT_EQ(moving.size(), 1);
    EXPECT_EQ(moving[0].target, (CellPos{2, 3}));
    EXPECT_EQ(moving[0].delayMs, 70);

    // The guided instruction.
    EXPECT_EQ(host.instructionStep(), -1);
    host.advanceTutorial();
    EXPECT_EQ(game.tutorialStep, -1);   // not running: stays off
    game.tutorialStep = 49;
    EXPECT_EQ(host.instructionStep(), 49);
    host.noteInstructionMisthrow();
    EXPECT_EQ(game.instructionMisthrow, 1);
    host.advanceTutorial();
    EXPECT_EQ(game.tutorialStep, 50);
}
