#include "tests/modes/RulesFixture.h"

#include "modes/ArcadeRules.h"
#include "modes/BlitzRules.h"
#include "modes/BtCRules.h"

namespace {

using BlitzBtCRulesTest = RulesTest;

TEST_F(BlitzBtCRulesTest, BlitzBankByDifficulty)
{
    EXPECT_EQ(blitzTimeLimitMs(0), 60000.0f);
    EXPECT_EQ(blitzTimeLimitMs(1), 180000.0f);
    EXPECT_EQ(blitzTimeLimitMs(2), 300000.0f);
    EXPECT_EQ(blitzTimeLimitMs(3), 1.0f);
}

TEST_F(BlitzBtCRulesTest, BlitzPeakAndBankAcrossSolves)
{
    // A new game at level 3, peak 0; the first solve shows peak 3 at level 4.
    int level = kBlitzStartLevel;
    int peak = 0;
    int bank = static_cast<int>(blitzTimeLimitMs(1));
    peak = blitzPeakAfterSolve(level, peak);
    ++level;
    bank = blitzBankAfterBoard(bank, 25000);
    EXPECT_EQ(peak, 3);
    EXPECT_EQ(level, 4);
    EXPECT_EQ(bank, 155000);
    peak = blitzPeakAfterSolve(level, peak);
    EXPECT_EQ(peak, 4);
    EXPECT_EQ(blitzPeakAfterSolve(2, 9), 9);
}

TEST_F(BlitzBtCRulesTest, BlitzSavedPeakRange)
{
    EXPECT_TRUE(blitzSavedPeakValid(98));
    EXPECT_TRUE(blitzSavedPeakValid(-1));
    EXPECT_TRUE(blitzSavedPeakValid(0));
    EXPECT_FALSE(blitzSavedPeakValid(99));
    EXPECT_FALSE(blitzSavedPeakValid(-2));
}

TEST_F(BlitzBtCRulesTest, BtCPuzzleCountAndRecordability)
{
    EXPECT_EQ(btcPuzzleCount(false), 8);
    EXPECT_EQ(btcPuzzleCount(true), 2);
    EXPECT_FALSE(btcScoreRecordable(1));
    EXPECT_TRUE(btcScoreRecordable(0));
    EXPECT_TRUE(btcScoreRecordable(-1));
}

TEST_F(BlitzBtCRulesTest, BtCClockCountsTheRunningPuzzle)
{
    struct Case {
        int total;
        int elapsed;
        int minutes;
        int seconds;
    };
    const Case cases[] = {
        {65000, 0, 1, 5}, {60000, 5999, 1, 5}, {0, 59999, 0, 59},
        {0, 0, 0, 0},     {3599000, 0, 59, 59}, {9999999, 4000, 166, 43},   // a given-up puzzle
    };
    for (const Case& c : cases) {
        BtCClock clock = btcClock(c.total, c.elapsed);
        EXPECT_EQ(clock.minutes, c.minutes) << c.total << " + " << c.elapsed;
        EXPECT_EQ(clock.seconds, c.seconds) << c.total << " + " << c.elapsed;
    }
}

TEST_F(BlitzBtCRulesTest, BtCSlowSolveAgainstHalfTheEasyArcadeTime)
{
    // Level 1 at difficulty 0 allows 64 s whatever the game's own difficulty.
    settings.difficulty = 2;
    EXPECT_FALSE(btcSlowSolve(1, 32000, settings, ab));
    EXPECT_TRUE(btcSlowSolve(1, 32001, settings, ab));
    EXPECT_FALSE(btcSlowSolve(2, 38176, settings, ab));
    EXPECT_TRUE(btcSlowSolve(2, 38177, settings, ab));
}

} // namespace
