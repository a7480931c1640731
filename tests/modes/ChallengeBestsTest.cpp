#include "tests/modes/BestsFileTestSupport.h"
#include "tests/modes/RulesFixture.h"
#include "tests/support/TempFolder.h"

#include "modes/ChallengeBests.h"
#include "modes/ChallengeRules.h"
#include "settings/Settings.h"

namespace {

const int kFlex = makeTag("flex");

class ChallengeBestsTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        gSaveSuppressed = false;
        gChallengeBests.clear();
    }

    void TearDown() override
    {
        gChallengeBests.clear();
        TempFolderTest::TearDown();
    }

    static std::vector<int> bestsOf(int difficulty)
    {
        std::vector<int> bests;
        for (int level = 0; level < ChallengeBests::kEntriesPerDifficulty; ++level)
            bests.push_back(gChallengeBests.best(difficulty, level));
        return bests;
    }

    static void expectAllNone()
    {
        for (int difficulty = 0; difficulty < 3; ++difficulty)
            EXPECT_EQ(bestsOf(difficulty), std::vector<int>(32, -1)) << difficulty;
    }
};

TEST_F(ChallengeBestsTest, MissingEmptyOrForeignFileGivesNoBests)
{
    ensurePersonalBestsLoaded();
    expectAllNone();
    EXPECT_FALSE(gChallengeBests.isEmpty());

    writeFile(kChallengeBestsFileName, "");
    loadPersonalBests();
    expectAllNone();

    writeFile(kChallengeBestsFileName, fileWords({makeTag("fr02"), 2, 5, 6, kFlex, 0, 0, kFr01}));
    loadPersonalBests();
    expectAllNone();
}

TEST_F(ChallengeBestsTest, RoundTripWritesTheLayout)
{
    ensurePersonalBestsLoaded();
    EXPECT_TRUE(gChallengeBests.record(0, 1, 25));
    EXPECT_TRUE(gChallengeBests.record(2, 30, 4000));
    ASSERT_TRUE(savePersonalBests());

    std::vector<int> expected = {kFr01, 32, -1, 25};
    appendNone(&expected, 30);
    expected.push_back(kFlex);
    expected.push_back(32);
    appendNone(&expected, 32);
    expected.push_back(32);
    appendNone(&expected, 30);
    expected.push_back(4000);
    appendNone(&expected, 1);
    expected.push_back(kFr01);
    EXPECT_EQ(wordsOf(readFile(kChallengeBestsFileName)), expected);

    gChallengeBests.clear();
    ensurePersonalBestsLoaded();
    EXPECT_EQ(gChallengeBests.best(0, 1), 25);
    EXPECT_EQ(gChallengeBests.best(2, 30), 4000);
    EXPECT_EQ(gChallengeBests.best(1, 1), -1);
}

TEST_F(ChallengeBestsTest, OnlyAStrictlyFasterRunReplacesTheBest)
{
    ensurePersonalBestsLoaded();
    EXPECT_TRUE(gChallengeBests.record(1, 5, 100));
    EXPECT_FALSE(gChallengeBests.record(1, 5, 100));
    EXPECT_FALSE(gChallengeBests.record(1, 5, 101));
    EXPECT_EQ(gChallengeBests.best(1, 5), 100);
    EXPECT_TRUE(gChallengeBests.record(1, 5, 99));
    EXPECT_EQ(gChallengeBests.best(1, 5), 99);
}

TEST_F(ChallengeBestsTest, LevelsAndDifficultiesOutsideTheLadderAreNeverStored)
{
    // A file that holds entries there (written by hand or damaged).
    std::vector<int> words = {kFr01, 40};
    for (int i = 0; i < 40; ++i)
        words.push_back(1000 + i);
    words.insert(words.end(), {kFlex, 0, 0, kFr01});
    writeFile(kChallengeBestsFileName, fileWords(words));
    loadPersonalBests();
    EXPECT_EQ(gChallengeBests.best(0, 1), 1001);
    EXPECT_EQ(gChallengeBests.best(0, 30), 1030);
    for (int level : {0, -1, 31, 38, 39})
        EXPECT_EQ(gChallengeBests.best(0, level), -1) << level;

    ASSERT_TRUE(savePersonalBests());
    std::string before = readFile(kChallengeBestsFileName);
    for (int level : {0, -1, 31, 39, 1 << 30})
        EXPECT_FALSE(gChallengeBests.record(1, level, 5)) << level;
    for (int difficulty : {-1, 3})
        EXPECT_FALSE(gChallengeBests.record(difficulty, 3, 5)) << difficulty;
    EXPECT_EQ(gChallengeBests.best(3, 3), -1);
    ASSERT_TRUE(savePersonalBests());
    EXPECT_EQ(readFile(kChallengeBestsFileName), before);
    for (int difficulty = 1; difficulty < 3; ++difficulty)
        EXPECT_EQ(bestsOf(difficulty), std::vector<int>(32, -1)) << difficulty;
}

TEST_F(ChallengeBestsTest, HugeOrCutCountsKeepWhatArrived)
{
    // A count of a million with three entries behind it: the reader takes
    // the three and stops at the end of the data.
    writeFile(kChallengeBestsFileName, fileWords({kFr01, 1000000, -1, 50, 60}));
    loadPersonalBests();
    EXPECT_EQ(gChallengeBests.best(0, 1), 50);
    EXPECT_EQ(gChallengeBests.best(0, 2), 60);
    EXPECT_EQ(gChallengeBests.best(0, 3), -1);
    EXPECT_EQ(bestsOf(1), std::vector<int>(32, -1));

    // Counts outside 0..1,000,000 stop the read before anything is taken.
    writeFile(kChallengeBestsFileName, fileWords({kFr01, 1000001, -1, 50}));
    loadPersonalBests();
    expectAllNone();
    writeFile(kChallengeBestsFileName, fileWords({kFr01, 2, -1, 70, kFlex, -3, 1, 2}));
    loadPersonalBests();
    EXPECT_EQ(gChallengeBests.best(0, 1), 70);
    EXPECT_EQ(bestsOf(1), std::vector<int>(32, -1));

    // A cut second list keeps its first entries; a wrong separator stops
    // after the first list.
    writeFile(kChallengeBestsFileName, fileWords({kFr01, 0, kFlex, 5, -1, 80}));
    loadPersonalBests();
    EXPECT_EQ(gChallengeBests.best(1, 1), 80);
    EXPECT_EQ(gChallengeBests.best(1, 2), -1);
    writeFile(kChallengeBestsFileName, fileWords({kFr01, 2, -1, 70, kFr01, 2, -1, 90}));
    loadPersonalBests();
    EXPECT_EQ(gChallengeBests.best(0, 1), 70);
    EXPECT_EQ(gChallengeBests.best(1, 1), -1);
}

TEST_F(ChallengeBestsTest, EntriesBelowMinusOneReadAsNoBestSoARunCanBeatThem)
{
    writeFile(kChallengeBestsFileName, fileWords({kFr01, 4, -1, -7, 40, -2147483647 - 1, kFlex, 2, -1, -5, 0, kFr01}));
    loadPersonalBests();
    EXPECT_EQ(gChallengeBests.best(0, 1), -1);
    EXPECT_EQ(gChallengeBests.best(0, 2), 40);
    EXPECT_EQ(gChallengeBests.best(0, 3), -1);
    EXPECT_EQ(gChallengeBests.best(1, 1), -1);
    EXPECT_TRUE(gChallengeBests.record(0, 1, 500));
    EXPECT_TRUE(gChallengeBests.record(1, 1, 500));
}

TEST_F(ChallengeBestsTest, SaveLeavesTheFileAloneWhileSuppressed)
{
    writeFile(kChallengeBestsFileName, "old");
    gChallengeBests.pad();
    gChallengeBests.record(0, 2, 10);
    gSaveSuppressed = true;
    EXPECT_FALSE(savePersonalBests());
    gSaveSuppressed = false;
    EXPECT_EQ(readFile(kChallengeBestsFileName), "old");
}

TEST_F(ChallengeBestsTest, LoadOnlyOnceUntilEmptied)
{
    writeFile(kChallengeBestsFileName, fileWords({kFr01, 2, -1, 70, kFlex, 0, 0, kFr01}));
    ensurePersonalBestsLoaded();
    EXPECT_EQ(gChallengeBests.best(0, 1), 70);
    writeFile(kChallengeBestsFileName, fileWords({kFr01, 2, -1, 30, kFlex, 0, 0, kFr01}));
    ensurePersonalBestsLoaded();
    EXPECT_EQ(gChallengeBests.best(0, 1), 70);
    gChallengeBests.clear();
    ensurePersonalBestsLoaded();
    EXPECT_EQ(gChallengeBests.best(0, 1), 30);
}

class ChallengeMedalForLevelTest : public ChallengeBestsTest {
protected:
    void SetUp() override
    {
        ChallengeBestsTest::SetUp();
        settings.slowdownB = -1;
        settings.mainVariation = 0;
        settings.fasterClock = false;
        settings.levelRepeatsVariation = 0;
        ab.ncm = 1;
        gChallengeBests.pad();
    }

    Settings settings;
    AbSettings ab;
};

TEST_F(ChallengeMedalForLevelTest, GradesTheDifficultyZeroBestAgainstItsPar)
{
    // Level 1 at difficulty 0 has a par of 60 s.
    EXPECT_EQ(challengeMedalForLevel(1, settings, ab), kMedalNone);
    gChallengeBests.record(1, 1, 5);   // another difficulty's best counts for nothing
    EXPECT_EQ(challengeMedalForLevel(1, settings, ab), kMedalNone);
    gChallengeBests.record(0, 1, 43);
    EXPECT_EQ(challengeMedalForLevel(1, settings, ab), kMedalBronze);
    gChallengeBests.record(0, 1, 42);
    EXPECT_EQ(challengeMedalForLevel(1, settings, ab), kMedalSilver);
    gChallengeBests.record(0, 1, 21);
    EXPECT_EQ(challengeMedalForLevel(1, settings, ab), kMedalGold);
    ab.ncm = 0;
    EXPECT_EQ(challengeMedalForLevel(1, settings, ab), kMedalNone);
    EXPECT_EQ(challengeMedalForLevel(31, settings, ab), kMedalNone);
}

} // namespace
