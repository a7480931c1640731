#include "tests/modes/RulesFixture.h"

#include "modes/ChallengeRules.h"

namespace {

using ChallengeRulesTest = RulesTest;

TEST_F(ChallengeRulesTest, PuzzlesPerLevelByLevelRepeats)
{
    struct Case {
        int levelRepeats;
        std::vector<int> firstLevelOfEachCount;   // levels where 3, 4, 5, ... begin
    };
    const std::vector<Case> cases = {
        {1, {1, 3, 7, 11}},
        {2, {1, 2, 7, 11}},
        {0, {1, 2, 5, 8, 14}},
        {-1, {1, 2, 5, 8, 14}},
        {10, {1, 2, 5, 8, 14}},
    };
    for (const Case& c : cases) {
        std::vector<int> starts;
        int previous = 0;
        for (int level = 1; level <= 30; ++level) {
            int count = challengePuzzleCount(level, c.levelRepeats);
            if (count != previous)
                starts.push_back(level);
            EXPECT_EQ(count, 3 + static_cast<int>(starts.size()) - 1) << "level " << level;
            previous = count;
        }
        EXPECT_EQ(starts, c.firstLevelOfEachCount) << "_lr_ " << c.levelRepeats;
    }
}

TEST_F(ChallengeRulesTest, ParGrowsInSinglePrecisionAndRounds)
{
    ab.cet = 3;   // growth offset 0
    struct Case {
        int level;
        int par;
    };
    const Case cases[] = {
        {1, 30},  {2, 50},                 // 40 x 1.21 = 48.4
        {11, 420},                         // 403.65 -> 410, a half minute up
        {12, 480},                         // 488.4 -> 490, a half minute down
        {13, 540},                         // 566.6 -> 570, whole minutes down
        {20, 1860}, {30, 8220},
    };
    for (const Case& c : cases)
        EXPECT_EQ(challengeParTime(c.level, 1, settings, ab), c.par) << "level " << c.level;
    ab.cet = -1;
    EXPECT_EQ(challengeParTime(13, 1, settings, ab), 540);
}

TEST_F(ChallengeRulesTest, ParFactors)
{
    ab.cet = 5;   // 1.23 a level
    EXPECT_EQ(challengeParTime(4, 1, settings, ab), 80);   // 74.4
    ab.cet = 3;
    EXPECT_EQ(challengeParTime(4, 1, settings, ab), 70);   // 70.9 truncated first

    EXPECT_EQ(challengeParTime(1, 0, settings, ab), 60);   // 55.5
    EXPECT_EQ(challengeParTime(1, 2, settings, ab), 20);   // 16.95
    settings.slowdownB = 0;                                // speed factor 1.6
    EXPECT_EQ(challengeParTime(1, 0, settings, ab), 90);   // 88.8
    EXPECT_EQ(challengeParTime(1, 1, settings, ab), 30);
    settings.levelRepeatsVariation = 1;                    // level 2 still has 3 puzzles
    EXPECT_EQ(challengeParTime(2, 1, settings, ab), 40);   // 36.3
    settings.fasterClock = true;
    EXPECT_EQ(challengeParTime(2, 1, settings, ab), 10);
    settings.levelRepeatsVariation = 0;
    EXPECT_EQ(challengeParTime(2, 1, settings, ab), 12);
}

TEST_F(ChallengeRulesTest, ParRoundings)
{
    struct Case {
        float seconds;
        int par;
    };
    const Case cases[] = {
        {30.0f, 30},   {30.9f, 30},  {31.0f, 40},  {180.0f, 180}, {171.0f, 180},
        {190.0f, 180}, {200.0f, 210}, {181.0f, 180}, {210.0f, 210}, {530.0f, 540},
        {570.0f, 540}, {599.0f, 600},
    };
    for (const Case& c : cases)
        EXPECT_EQ(roundChallengePar(c.seconds), c.par) << c.seconds;
}

TEST_F(ChallengeRulesTest, HintsSpotRows)
{
    struct Case {
        int ncm;
        int cmh;
        int difficulty;
        int level;
        int hints;
    };
    const Case cases[] = {
        // Medals on: the ladder by "cmh" alone.
        {1, -1, 2, 4, 1}, {1, 0, 0, 5, 2},  {1, 1, 0, 4, 1},  {1, 1, 0, 13, 2}, {1, 1, 0, 14, 3},
        {1, 2, 0, 6, 2},  {1, 2, 0, 7, 3},  {1, 3, 0, 6, 2},  {1, 3, 0, 12, 3}, {1, 3, 0, 13, 4},
        {1, 4, 0, 5, 2},  {1, 4, 0, 11, 3}, {1, 9, 0, 16, 4}, {1, 4, 0, 17, 5},
        // Medals off, "cmh" below 2.
        {0, -1, 2, 6, 1}, {0, 1, 2, 7, 2},  {0, 1, 0, 5, 3},  {0, 1, 0, 6, 4},  {0, 0, 0, 6, 3},
        {-1, 1, 1, 5, 1}, {-1, 1, 1, 6, 2},
        // "cmh" 2 and 3.
        {0, 2, 2, 8, 1},  {0, 3, 2, 9, 2},  {0, 2, 2, 15, 3}, {0, 2, 0, 5, 2},  {0, 2, 0, 6, 3},
        {0, 2, 0, 12, 4}, {0, 2, 1, 6, 1},  {0, 2, 1, 7, 2},  {0, 2, 1, 13, 3}, {0, 3, 0, 5, 3},
        {0, 3, 0, 6, 4},  {0, 3, 1, 6, 2},  {0, 3, 1, 13, 4},
        // "cmh" 4 and above.
        {0, 4, 0, 5, 2},  {0, 4, 0, 6, 3},  {0, 4, 0, 11, 4}, {0, 4, 0, 16, 5}, {0, 4, 2, 9, 2},
        {0, 4, 2, 10, 3}, {0, 7, 2, 20, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(challengeHintsForLevel(c.level, c.difficulty, c.ncm, c.cmh), c.hints)
            << "ncm " << c.ncm << " cmh " << c.cmh << " difficulty " << c.difficulty << " level " << c.level;
}

TEST_F(ChallengeRulesTest, MedalsIncludeTheirBounds)
{
    struct Case {
        int timeMs;
        int par;
        int grade;
        float progress;
    };
    const Case cases[] = {
        {21000, 60, kMedalGold, 0.0f},     {0, 60, kMedalGold, 1.0f},
        {10500, 60, kMedalGold, 0.5f},     {21001, 60, kMedalSilver, 0.99995f},
        {42600, 60, kMedalSilver, 0.0f},   {42601, 60, kMedalBronze, 1.0f},
        {35000, 100, kMedalGold, 0.0f},    {71000, 100, kMedalSilver, 0.0f},
        {2450, 7, kMedalGold, 0.0f},       {4970, 7, kMedalSilver, 0.0f},
        {4971, 7, kMedalBronze, 1.0f},     {57000, 163, kMedalGold, 0.00087f},
    };
    for (const Case& c : cases) {
        float progress = -5.0f;
        EXPECT_EQ(challengeMedalForTime(c.timeMs, c.par, 1, &progress), c.grade) << c.timeMs << " of " << c.par;
        EXPECT_NEAR(progress, c.progress, 1e-4f) << c.timeMs << " of " << c.par;
    }
    float untouched = -5.0f;
    EXPECT_EQ(challengeMedalForTime(1000, 60, 0, &untouched), kMedalNone);
    EXPECT_EQ(challengeMedalForTime(1000, 60, -1, nullptr), kMedalNone);
    EXPECT_EQ(untouched, -5.0f);
}

TEST_F(ChallengeRulesTest, MedalsForceDifficultyZeroFromTheChosenLevel)
{
    EXPECT_EQ(challengeDifficulty(2, 1), 0);
    EXPECT_EQ(challengeDifficulty(2, 0), 2);
    EXPECT_EQ(challengeDifficulty(1, -1), 1);
    EXPECT_EQ(challengeStartLevel(2, 14, 1), 14);
    EXPECT_EQ(challengeStartLevel(0, 14, 0), 1);
    EXPECT_EQ(challengeStartLevel(1, 14, 0), 3);
    EXPECT_EQ(challengeStartLevel(2, 14, -1), 6);
}

TEST_F(ChallengeRulesTest, RunPassesWithinParOrWithMedals)
{
    EXPECT_TRUE(challengeRunPasses(60999, 60, 0, false));   // whole seconds count
    EXPECT_FALSE(challengeRunPasses(61000, 60, 0, false));
    EXPECT_TRUE(challengeRunPasses(900000, 60, 1, false));
    EXPECT_FALSE(challengeRunPasses(1000, 60, 1, true));
    EXPECT_FALSE(challengeRunPasses(1000, 60, 0, true));
}

TEST_F(ChallengeRulesTest, TimeFractionAcrossTheRun)
{
    EXPECT_FLOAT_EQ(challengeTimeFraction(20000, 10000, 60), 0.5f);
    EXPECT_EQ(challengeTimeFraction(50000, 20000, 60), 1.0f);
    EXPECT_EQ(challengeTimeFraction(0, 0, 60), 0.0f);
}

TEST_F(ChallengeRulesTest, HurryWarning)
{
    struct Case {
        int par;
        int accumulated;
        int elapsed;
        bool due;
    };
    const Case cases[] = {
        {100, 75000, 13000, false},   // the board has not run 13,001 ms
        {100, 75000, 13001, true},    // 11,999 left, 88 % used
        {100, 60000, 13001, false},   // 26,999 left
        {100, 72000, 13001, true},    // 14,999 left, 85 % used
        {100, 86999, 13001, false},   // nothing left
        {100, 90000, 13001, false},   // overdrawn
        {60, 32000, 14000, false},    // 14,000 left but only 77 % used
        {60, 35000, 13001, true},     // 11,999 left, 80.0017 % used
    };
    for (const Case& c : cases)
        EXPECT_EQ(challengeHurryDue(c.par, c.accumulated, c.elapsed), c.due)
            << "par " << c.par << " accumulated " << c.accumulated << " elapsed " << c.elapsed;
}

TEST_F(ChallengeRulesTest, ProgressPastTheFirstLevelOrPuzzle)
{
    EXPECT_FALSE(challengeHasProgress(1, 0, 3, 3));
    EXPECT_TRUE(challengeHasProgress(2, 0, 4, 4));
    EXPECT_TRUE(challengeHasProgress(1, 0, 2, 3));
    EXPECT_FALSE(challengeHasProgress(3, 1, 4, 4));
    EXPECT_TRUE(challengeHasProgress(4, 1, 4, 4));
    EXPECT_FALSE(challengeHasProgress(6, 2, 5, 5));
    EXPECT_TRUE(challengeHasProgress(7, 2, 5, 5));
}

} // namespace
