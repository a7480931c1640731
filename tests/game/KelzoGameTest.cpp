#include <gtest/gtest.h>

#include "Core/GameClock.h"
#include "board/Board.h"
#include "game/KelzoGame.h"
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

    game.playHistory.append(HistoryRecord{10001, 4500, 2, 0, 0, 4, 0, 1});
    ASSERT_EQ(facts.playHistoryCount(), 1);
    facts.playHistoryRecord(0, &elapsed, &kind, &flags);
    EXPECT_EQ(elapsed, 4500);
    EXPECT_EQ(kind, 2);
    EXPECT_EQ(flags, 4);

    game.currentGame.reset(new CurrentGameI());
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
