#include "tests/modes/BestsFileTestSupport.h"
#include "tests/support/TempFolder.h"

#include "modes/FrenzyBests.h"
#include "settings/Settings.h"

namespace {

class FrenzyBestsTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        gSaveSuppressed = false;
        gFrenzyBests.clear();
    }

    void TearDown() override
    {
        gFrenzyBests.clear();
        TempFolderTest::TearDown();
    }

    static std::vector<int> bests()
    {
        std::vector<int> all;
        for (int level = 0; level < FrenzyBests::kEntries; ++level)
            all.push_back(gFrenzyBests.best(level));
        return all;
    }
};

TEST_F(FrenzyBestsTest, MissingEmptyOrForeignFileGivesNoBests)
{
    ensureFrenzyBestsLoaded();
    EXPECT_EQ(bests(), std::vector<int>(45, -1));
    writeFile(kFrenzyBestsFileName, "");
    loadFrenzyBests();
    EXPECT_EQ(bests(), std::vector<int>(45, -1));
    writeFile(kFrenzyBestsFileName, fileWords({makeTag("flex"), 2, -1, 5000, kFr01}));
    loadFrenzyBests();
    EXPECT_EQ(bests(), std::vector<int>(45, -1));
}

TEST_F(FrenzyBestsTest, RoundTripWritesTheLayout)
{
    ensureFrenzyBestsLoaded();
    EXPECT_TRUE(gFrenzyBests.record(1, 61234));
    EXPECT_TRUE(gFrenzyBests.record(37, 300000));
    ASSERT_TRUE(saveFrenzyBests());

    std::vector<int> expected = {kFr01, 45, -1, 61234};
    appendNone(&expected, 35);
    expected.push_back(300000);
    appendNone(&expected, 7);
    expected.push_back(kFr01);
    EXPECT_EQ(wordsOf(readFile(kFrenzyBestsFileName)), expected);

    gFrenzyBests.clear();
    ensureFrenzyBestsLoaded();
    EXPECT_EQ(gFrenzyBests.best(1), 61234);
    EXPECT_EQ(gFrenzyBests.best(37), 300000);
    EXPECT_EQ(gFrenzyBests.best(2), -1);
}

TEST_F(FrenzyBestsTest, EqualTimeKeepsTheBest)
{
    gFrenzyBests.pad();
    EXPECT_TRUE(gFrenzyBests.record(4, 70000));
    EXPECT_FALSE(gFrenzyBests.record(4, 70000));
    EXPECT_FALSE(gFrenzyBests.record(4, 90000));
    EXPECT_TRUE(gFrenzyBests.record(4, 69999));
    EXPECT_EQ(gFrenzyBests.best(4), 69999);
}

TEST_F(FrenzyBestsTest, LevelsOutsideOneTo37ReadNothingAndAreNeverStored)
{
    std::vector<int> words = {kFr01, 45};
    for (int i = 0; i < 45; ++i)
        words.push_back(1000 + i);
    words.push_back(kFr01);
    writeFile(kFrenzyBestsFileName, fileWords(words));
    loadFrenzyBests();
    EXPECT_EQ(gFrenzyBests.best(1), 1001);
    EXPECT_EQ(gFrenzyBests.best(37), 1037);
    for (int level : {0, -1, 38, 39, 44, 45})
        EXPECT_EQ(gFrenzyBests.best(level), -1) << level;

    ASSERT_TRUE(saveFrenzyBests());
    std::string before = readFile(kFrenzyBestsFileName);
    for (int level : {0, -1, 38, 39, 1 << 30})
        EXPECT_FALSE(gFrenzyBests.record(level, 1)) << level;
    ASSERT_TRUE(saveFrenzyBests());
    EXPECT_EQ(readFile(kFrenzyBestsFileName), before);
}

TEST_F(FrenzyBestsTest, HugeOrCutCountsKeepWhatArrived)
{
    writeFile(kFrenzyBestsFileName, fileWords({kFr01, 1000000, -1, 40000, 50000}));
    loadFrenzyBests();
    EXPECT_EQ(gFrenzyBests.best(1), 40000);
    EXPECT_EQ(gFrenzyBests.best(2), 50000);
    EXPECT_EQ(gFrenzyBests.best(3), -1);
    EXPECT_EQ(bests().size(), 45u);

    writeFile(kFrenzyBestsFileName, fileWords({kFr01, 1000001, -1, 40000}));
    loadFrenzyBests();
    EXPECT_EQ(bests(), std::vector<int>(45, -1));
    writeFile(kFrenzyBestsFileName, fileWords({kFr01, -2, -1, 40000}));
    loadFrenzyBests();
    EXPECT_EQ(bests(), std::vector<int>(45, -1));
}

TEST_F(FrenzyBestsTest, SaveLeavesTheFileAloneWhileSuppressed)
{
    writeFile(kFrenzyBestsFileName, "old");
    gFrenzyBests.pad();
    gFrenzyBests.record(3, 10);
    gSaveSuppressed = true;
    EXPECT_FALSE(saveFrenzyBests());
    gSaveSuppressed = false;
    EXPECT_EQ(readFile(kFrenzyBestsFileName), "old");
}

} // namespace
