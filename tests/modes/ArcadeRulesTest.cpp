#include "tests/modes/RulesFixture.h"

#include "modes/ArcadeRules.h"

namespace {

using ArcadeRulesTest = RulesTest;

TEST_F(ArcadeRulesTest, LevelTimeGrowsInSinglePrecisionLevelByLevel)
{
    EXPECT_EQ(arcadeTimeLimitMs(1, 1, settings, ab), 40000.0f);
    EXPECT_EQ(arcadeTimeLimitMs(0, 1, settings, ab), 40000.0f);
    EXPECT_EQ(arcadeTimeLimitMs(2, 1, settings, ab), 47720.0f);
    EXPECT_NEAR(arcadeTimeLimitMs(10, 1, settings, ab), 195805.0f, 1.0f);
    EXPECT_NEAR(arcadeTimeLimitMs(30, 1, settings, ab), 3114140.0f, 5.0f);
    // The growth slows after level 11 and again after 15.
    float at11 = arcadeTimeLimitMs(11, 1, settings, ab);
    EXPECT_FLOAT_EQ(arcadeTimeLimitMs(12, 1, settings, ab), at11 * 1.15f);
    float at15 = arcadeTimeLimitMs(15, 1, settings, ab);
    EXPECT_FLOAT_EQ(arcadeTimeLimitMs(16, 1, settings, ab), at15 * 1.145f);
}

TEST_F(ArcadeRulesTest, LevelTimeFactors)
{
    ab.aet = 4;   // offset 0
    EXPECT_EQ(arcadeTimeLimitMs(2, 1, settings, ab), 47720.0f);
    ab.aet = 6;   // offset 0.02 on every level's growth
    EXPECT_FLOAT_EQ(arcadeTimeLimitMs(2, 1, settings, ab), 48520.0f);
    EXPECT_FLOAT_EQ(arcadeTimeLimitMs(3, 1, settings, ab), 40000.0f * 1.213f * 1.213f);
    ab.aet = -1;

    EXPECT_FLOAT_EQ(arcadeTimeLimitMs(2, 2, settings, ab), 47720.0f * 0.4f);
    EXPECT_FLOAT_EQ(arcadeTimeLimitMs(2, 0, settings, ab), 47720.0f * 1.6f);
    settings.mainVariation = 3;   // scale factor 1.1
    EXPECT_FLOAT_EQ(arcadeTimeLimitMs(2, 0, settings, ab), 47720.0f * 1.6f * 1.1f);
    EXPECT_EQ(arcadeTimeLimitMs(2, 1, settings, ab), 47720.0f);
    settings.fasterClock = true;
    EXPECT_FLOAT_EQ(arcadeTimeLimitMs(2, 1, settings, ab), 11930.0f);
    EXPECT_FLOAT_EQ(arcadeTimeLimitMs(1, 2, settings, ab), 40000.0f * 0.25f * 0.4f);
}

TEST_F(ArcadeRulesTest, StartLevelAndHintsByDifficulty)
{
    struct Case {
        int difficulty;
        bool mh;
        int globalDifficulty;
        int level;
        int hints;
    };
    const Case cases[] = {
        {0, false, 0, 1, 3}, {0, true, 0, 1, 4}, {1, true, 1, 3, 3},
        {2, false, 2, 6, 2}, {0, true, 2, 1, 2}, {7, false, 1, 1, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(arcadeStartLevel(c.difficulty), c.level) << c.difficulty;
        EXPECT_EQ(arcadeStartHints(c.difficulty, c.mh, c.globalDifficulty), c.hints)
            << c.difficulty << " " << c.mh << " " << c.globalDifficulty;
    }
}

TEST_F(ArcadeRulesTest, PuzzlesPerLevelByLevelRepeatsAndDifficulty)
{
    struct Case {
        int level;
        int difficulty;
        int levelRepeats;
        int puzzles;
    };
    const Case cases[] = {
        {1, 0, 0, 2},  {3, 1, 0, 2},  {6, 2, 0, 2},  {2, 0, 0, 3},   // every start level has 2
        {4, 0, 0, 4},  {5, 0, 0, 5},  {6, 0, 0, 5},  {7, 0, 0, 6},
        {8, 0, 0, 6},  {9, 0, 0, 7},  {13, 0, 0, 7}, {14, 0, 0, 8},  {29, 2, 0, 8},
        {7, 0, 1, 5},  {8, 0, 2, 6},  {12, 0, 1, 6}, {13, 0, 2, 7},  {29, 0, 1, 7},
        {7, 2, 0, 3},  {10, 2, 2, 6}, {8, 1, 10, 6}, {29, 1, -1, 8},
        {30, 0, 0, kArcadeEndlessPuzzles}, {30, 2, 1, kArcadeEndlessPuzzles},
    };
    for (const Case& c : cases)
        EXPECT_EQ(arcadePuzzleSize(c.level, c.difficulty, c.levelRepeats), c.puzzles)
            << "level " << c.level << " difficulty " << c.difficulty << " _lr_ " << c.levelRepeats;
}

TEST_F(ArcadeRulesTest, Level30ShrinksPastTheSeventhPuzzle)
{
    EXPECT_EQ(arcadeLevel30Shrink(0), 1.0f);
    EXPECT_EQ(arcadeLevel30Shrink(7), 1.0f);
    EXPECT_FLOAT_EQ(arcadeLevel30Shrink(8), 0.9f);
    EXPECT_FLOAT_EQ(arcadeLevel30Shrink(10), 0.729f);

    float full = arcadeTimeLimitMs(30, 1, settings, ab);
    EXPECT_EQ(arcadeShrunkTimeMs(30, 1, kArcadeEndlessPuzzles - 7, settings, ab), full);
    EXPECT_FLOAT_EQ(arcadeShrunkTimeMs(30, 1, kArcadeEndlessPuzzles - 9, settings, ab), full * 0.81f);
    // Below level 30 the count of puzzles plays no part.
    EXPECT_EQ(arcadeShrunkTimeMs(29, 1, 0, settings, ab), arcadeTimeLimitMs(29, 1, settings, ab));
}

TEST_F(ArcadeRulesTest, PointsGrowWithLevelAndTimeLeft)
{
    struct Case {
        int level;
        int difficulty;
        int elapsedMs;
        int points;
    };
    const Case cases[] = {
        {1, 2, 999999, 20},   // no bonus: 1.25 x 0.002 x 7500 + 1, plus 1
        {1, 2, 0, 28},        // bonus 0.2 x 16000
        {1, 2, 3200, 20},     // the bonus has just run out
        {2, 1, 0, 28},        // bonus x 0.55 x 0.93, points x 0.7
        {1, 0, 0, 15},        // bonus x 0.3, points x 0.5
        {0, 2, 999999, 17},   // no growth below level 1
    };
    for (const Case& c : cases) {
        float levelTime = arcadeTimeLimitMs(c.level, c.difficulty, settings, ab);
        EXPECT_EQ(arcadePoints(c.level, c.difficulty, levelTime, c.elapsedMs, settings.scaleFactor()), c.points)
            << "level " << c.level << " difficulty " << c.difficulty << " elapsed " << c.elapsedMs;
    }
    // A larger scale factor shrinks the easy difficulty's bonus, not its base.
    float easyTime = arcadeTimeLimitMs(1, 0, settings, ab);
    EXPECT_LT(arcadePoints(1, 0, easyTime, 0, 2.0f), arcadePoints(1, 0, easyTime, 0, 1.0f));
    EXPECT_EQ(arcadePoints(1, 0, easyTime, 999999, 2.0f), arcadePoints(1, 0, easyTime, 999999, 1.0f));
}

TEST_F(ArcadeRulesTest, HalfLevelHintOnlyForLongLevels)
{
    struct Case {
        int puzzles;
        int movesLeft;
        int difficulty;
        bool hint;
    };
    const Case cases[] = {
        {6, 3, 0, true},  {6, 3, 1, true},  {6, 3, 2, false}, {7, 3, 2, true},
        {5, 2, 0, false}, {6, 2, 0, false}, {6, 4, 1, false}, {8, 4, 2, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(arcadeHalfLevelHint(c.puzzles, c.movesLeft, c.difficulty), c.hint)
            << c.puzzles << " puzzles, " << c.movesLeft << " left, difficulty " << c.difficulty;
}

TEST_F(ArcadeRulesTest, BankTopUpNeverExceedsTheFullLevelTime)
{
    EXPECT_EQ(arcadeToppedUpBank(20000, 15000, 40000.0f, 40000.0f), 13000);
    EXPECT_EQ(arcadeToppedUpBank(40000, 1000, 40000.0f, 40000.0f), 40000);
    EXPECT_EQ(arcadeToppedUpBank(40000, 0, 47720.0f, 47720.0f), 47720);
    // The shrunk level time gives a smaller top-up; the cap stays the full time.
    EXPECT_EQ(arcadeToppedUpBank(20000, 15000, 40000.0f, 30000.0f), 11000);
    // An overdrawn bank still gets its fifth, in whole milliseconds.
    EXPECT_EQ(arcadeToppedUpBank(1000, 2000, 40000.0f, 12345.0f), 1469);
}

TEST_F(ArcadeRulesTest, UsedFractionOfTheBank)
{
    EXPECT_EQ(bankUsedFraction(10000, 10001, 40000.0f), 1.0f);
    EXPECT_FLOAT_EQ(bankUsedFraction(30000, 10000, 40000.0f), 0.5f);
    EXPECT_EQ(bankUsedFraction(50000, 0, 40000.0f), 0.0f);
    EXPECT_EQ(bankUsedFraction(40000, 0, 40000.0f), 0.0f);
}

TEST_F(ArcadeRulesTest, TimeIsUpOnlyWhileThePuzzleIsOpen)
{
    EXPECT_TRUE(bankRunOut(10000, 10001, 2));
    EXPECT_FALSE(bankRunOut(10000, 10000, 5));
    EXPECT_FALSE(bankRunOut(10000, 20000, 1));   // solved board
}

TEST_F(ArcadeRulesTest, LowTimeAlarm)
{
    struct Case {
        int bank;
        int elapsed;
        float reference;
        bool due;
    };
    const Case cases[] = {
        {23000, 13000, 100000.0f, false},   // not yet run 13,001 ms
        {23001, 13001, 100000.0f, true},
        {28001, 13001, 100000.0f, false},   // 15,000 left
        {28000, 13001, 100000.0f, true},    // 14,999 left
        {13001, 13001, 100000.0f, false},   // nothing left
        {12000, 13001, 100000.0f, false},   // overdrawn
        {23001, 13001, 50000.0f, false},    // 10,000 left is 20 % exactly
        {23000, 13001, 50000.0f, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lowTimeAlarmDue(c.bank, c.elapsed, c.reference), c.due)
            << "bank " << c.bank << " elapsed " << c.elapsed << " reference " << c.reference;
}

} // namespace
