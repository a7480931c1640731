#include "tests/modes/RulesFixture.h"
#include "tests/support/TempFolder.h"

#include "modes/ChallengeRules.h"
#include "modes/FrenzyBests.h"
#include "modes/FrenzyMedals.h"

namespace {

using FrenzyMedalsTest = RulesTest;

TEST_F(FrenzyMedalsTest, ParRoundsUpToTens)
{
    struct Case {
        float seconds;
        int par;
    };
    const Case cases[] = {{61.0f, 70}, {60.0f, 60}, {60.5f, 70}, {69.9f, 70}, {0.0f, 0}, {9.0f, 10}};
    for (const Case& c : cases)
        EXPECT_EQ(roundUpToTens(c.seconds), c.par) << c.seconds;
}

TEST_F(FrenzyMedalsTest, ParGrowsWithQuotaColoursAndFmd)
{
    EXPECT_EQ(frenzyParTime(1, 60.0f, settings, ab), 80);    // 60 / 30 x 40
    EXPECT_EQ(frenzyParTime(1, 110.0f, settings, ab), 150);  // 146.7
    EXPECT_EQ(frenzyParTime(7, 60.0f, settings, ab), 100);   // 80 + 3 ln 40 = 91.1
    ab.fmd = 1;
    EXPECT_EQ(frenzyParTime(7, 60.0f, settings, ab), 90);    // 82.0
    ab.fmd = 2;
    EXPECT_EQ(frenzyParTime(7, 60.0f, settings, ab), 110);   // 100.2
    ab.fmd = -1;
    settings.frenzyLessFactor = 2.0f;                        // quota 20
    EXPECT_EQ(frenzyParTime(1, 60.0f, settings, ab), 40);
}

TEST_F(FrenzyMedalsTest, GradesAgainstBothPars)
{
    // Level 1: gold under 80 s, bronze from 150 s.
    struct Case {
        int timeMs;
        int grade;
        float progress;
    };
    const Case cases[] = {
        {0, kMedalGold, 1.0f},          {79999, kMedalGold, 1.0f / 80},
        {80000, kMedalSilver, 1.0f},    {149999, kMedalSilver, 1.0f / 70},
        {150000, kMedalBronze, 1.0f},   {999000, kMedalBronze, 1.0f},
    };
    for (const Case& c : cases) {
        float progress = -5.0f;
        EXPECT_EQ(frenzyMedalForTime(1, c.timeMs, settings, ab, &progress), c.grade) << c.timeMs;
        EXPECT_FLOAT_EQ(progress, c.progress) << c.timeMs;
    }
}

TEST_F(FrenzyMedalsTest, EqualParsLeaveSilverTenSeconds)
{
    // A quota scaled down to 1 gives both pars 10 s; silver then runs to 20 s.
    settings.frenzyLessFactor = 30.0f;
    EXPECT_EQ(frenzyParTime(1, 60.0f, settings, ab), 10);
    EXPECT_EQ(frenzyParTime(1, 110.0f, settings, ab), 10);
    EXPECT_EQ(frenzyMedalForTime(1, 9999, settings, ab, nullptr), kMedalGold);
    EXPECT_EQ(frenzyMedalForTime(1, 10000, settings, ab, nullptr), kMedalSilver);
    EXPECT_EQ(frenzyMedalForTime(1, 19999, settings, ab, nullptr), kMedalSilver);
    EXPECT_EQ(frenzyMedalForTime(1, 20000, settings, ab, nullptr), kMedalBronze);
}

class FrenzyMedalForLevelTest : public FrenzyMedalsTest {
protected:
    void SetUp() override
    {
        FrenzyMedalsTest::SetUp();
        gFrenzyBests.clear();
        gFrenzyBests.pad();
    }

    void TearDown() override { gFrenzyBests.clear(); }
};

TEST_F(FrenzyMedalForLevelTest, GradesTheStoredBest)
{
    EXPECT_EQ(frenzyMedalForLevel(1, settings, ab), kMedalNone);
    gFrenzyBests.record(1, 100000);
    EXPECT_EQ(frenzyMedalForLevel(1, settings, ab), kMedalSilver);
    gFrenzyBests.record(1, 50000);
    EXPECT_EQ(frenzyMedalForLevel(1, settings, ab), kMedalGold);
    EXPECT_EQ(frenzyMedalForLevel(2, settings, ab), kMedalNone);
    EXPECT_EQ(frenzyMedalForLevel(38, settings, ab), kMedalNone);
}

} // namespace
