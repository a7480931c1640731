#include <gtest/gtest.h>

#include "HiScoreTableFixture.h"

namespace {

// A slot of 12 empty entries filled in memory with these scores, best
// first, none pending.
void fill(HiScoreTable& table, int slot, std::initializer_list<int> scores, bool lowerIsBetter)
{
    table.list(slot);
    int n = 0;
    for (int score : scores) {
        std::string name = "p" + std::to_string(n++);
        if (lowerIsBetter)
            table.addScoreLowerBetter(slot, score, String(name.c_str()), n);
        else
            table.addScore(slot, score, String(name.c_str()), n);
    }
    table.clearPending(slot);
}

TEST_F(HiScoreTableTest, AFreshStartRanksAnyScoreFirst)
{
    HiScoreTable table;
    table.load("missing.dat");
    for (int slot : {0, 7, 31, 40}) {
        EXPECT_EQ(table.slotList(slot).count(), 12);
        for (int score : {0, 1, 9999999}) {
            EXPECT_EQ(table.rankOf(slot, score, false), 1) << slot << " " << score;
            EXPECT_EQ(table.rankOf(slot, score, true), 1) << slot << " " << score;
        }
    }
    HiScoreTable empty;  // pfValue 0, no load: no entries at all
    EXPECT_EQ(empty.slotList(3).count(), 0);
    EXPECT_EQ(empty.rankOf(3, 5, false), 1);
    EXPECT_EQ(empty.rankOf(3, 5, true), 1);
}

TEST_F(HiScoreTableTest, EqualScoresRankAfterTheOnesAlreadyThere)
{
    struct Case {
        bool lowerIsBetter;
        std::initializer_list<int> standing;
        int score;
        int rank;
    } cases[] = {
        {false, {500, 300, 300, 100}, 300, 4},
        {false, {500, 300, 300, 100}, 301, 2},
        {false, {500, 300, 300, 100}, 100, 5},
        {false, {500, 300, 300, 100}, 0, 5},   // beats the empty entries that follow
        {true, {1000, 2000, 2000, 4000}, 2000, 4},
        {true, {1000, 2000, 2000, 4000}, 1999, 2},
        {true, {1000, 2000, 2000, 4000}, 999999, 5},
        {true, {1000}, 1000, 2},
    };
    for (const Case& c : cases) {
        HiScoreTable table;  // no file: nothing is saved between the cases
        fill(table, 4, c.standing, c.lowerIsBetter);
        EXPECT_EQ(table.rankOf(4, c.score, c.lowerIsBetter), c.rank) << c.score;
        int position = c.lowerIsBetter ? table.addScoreLowerBetter(4, c.score, "new", 9)
                                       : table.addScore(4, c.score, "new", 9);
        EXPECT_EQ(position, c.rank - 1) << c.score;
        EXPECT_EQ(str(table.slotList(4)[position].name), "new") << c.score;
        ASSERT_NE(table.lastAdded(), nullptr);
        EXPECT_EQ(table.lastAdded(), &table.slotList(4)[position]);
    }
}

TEST_F(HiScoreTableTest, AThirteenthScoreStaysInMemoryButNotInTheFile)
{
    HiScoreTable table;
    table.load("hiScores.dat");
    for (int i = 1; i <= 13; ++i)
        table.addScore(5, 1000 - i, "p", i);
    // Twelve empty entries were beaten and pushed along too.
    EXPECT_EQ(table.slotList(5).count(), 25);
    EXPECT_EQ(table.slotList(5)[12].score, 987);
    EXPECT_EQ(table.rankOf(5, 987, false), 14);

    HiScoreTable loaded;
    loaded.load("hiScores.dat");
    EXPECT_EQ(loaded.slotList(5).count(), 12);
    EXPECT_EQ(loaded.slotList(5)[11].score, 988);
    EXPECT_EQ(loaded.rankOf(5, 987, false), 13);
}

TEST_F(HiScoreTableTest, PendingEntrySkipsScoreZeroAndPositionsFromTwelveOn)
{
    HiScoreTable table;
    table.load("missing.dat");
    for (int i = 0; i < 12; ++i)
        table.addScore(6, 500 - i, "shown", i);
    table.clearPending(6);
    table.addScore(6, 1, "thirteenth", 13);  // lands at position 12
    EXPECT_EQ(table.pendingEntry(6), nullptr);

    table.addScore(9, 0, "zero", 1);
    EXPECT_EQ(table.pendingEntry(9), nullptr) << "a score of 0 is not sent";
    table.addScore(9, 0, "zero again", 2);
    table.addScore(9, 0, "zero once more", 3);
    table.addScoreLowerBetter(9, 1, "one", 4);  // after the zeros, before the empty entries
    const HiScoreEntry* pending = table.pendingEntry(9);
    ASSERT_NE(pending, nullptr);
    EXPECT_EQ(str(pending->name), "one");

    EXPECT_EQ(table.pendingEntry(32), nullptr);
    EXPECT_EQ(table.pendingEntry(-1), nullptr);
    table.clearPending(9);
    EXPECT_EQ(table.pendingEntry(9), nullptr);
}

TEST_F(HiScoreTableTest, ClearPendingLeavesOtherSlotsAndLaterPositions)
{
    HiScoreTable table;
    table.load("missing.dat");
    for (int i = 0; i < 13; ++i)
        table.addScore(2, 100 - i, "p", i);
    table.addScore(3, 50, "other", 1);
    table.clearPending(2);
    for (int i = 0; i < 12; ++i)
        EXPECT_FALSE(table.slotList(2)[i].pending) << i;
    EXPECT_TRUE(table.slotList(2)[12].pending);
    EXPECT_TRUE(table.slotList(3)[0].pending);
    table.clearPending(32);  // no such slot: nothing happens
    EXPECT_TRUE(table.slotList(3)[0].pending);
}

TEST_F(HiScoreTableTest, DefaultsFollowTheSettingsKind)
{
    struct Case {
        int kind;
        const char* top3;
        const char* last;
    } cases[] = {
        {0, "", ""},
        {-1, "", ""},
        {1, "World Champion=5000 Champion Furball=4000 Genius Furball=2500", "Baby Furball=25"},
        {2, "World Champion=5000 Champion=4000 Pro=2500", "Baby=25"},
        {3, "World Champion=10000 Champion=8000 Pro=5000", "Baby=25"},
        {7, "World Champion=5000 Champion=4000 Pro=2500", "Baby=25"},
    };
    for (const Case& c : cases) {
        settings.hiScoreDefaultsKind = c.kind;
        HiScoreTable table;
        for (int slot : {0, 31}) {
            EXPECT_EQ(describe(table, slot, 3), c.top3) << c.kind;
            std::string last = table.slotList(slot).count() == 12
                                   ? str(table.slotList(slot)[11].name) + "=" +
                                         std::to_string(table.slotList(slot)[11].score)
                                   : "";
            EXPECT_EQ(last, c.last) << c.kind;
        }
        EXPECT_EQ(table.pendingEntry(0), nullptr) << "defaults are never sent";
    }
}

TEST_F(HiScoreTableTest, ResetKeepsTheNamesAndForgetsTheLastAdded)
{
    settings.hiScoreDefaultsKind = 2;
    HiScoreTable table;
    table.load("hiScores.dat");
    table.addScore(0, 6000, "Champ", 1);
    table.setOnlineName("Online");
    EXPECT_EQ(describe(table, 0, 1), "Champ=6000*");
    table.setDefaults();
    EXPECT_EQ(describe(table, 0, 1), "World Champion=5000");
    EXPECT_EQ(table.slotList(0).count(), 12);
    EXPECT_EQ(table.lastAdded(), nullptr);
    EXPECT_EQ(str(table.lastName()), "Champ");
    EXPECT_EQ(str(table.onlineName()), "Online");
}

TEST_F(HiScoreTableTest, ListShowsAtLeastTwelveEntries)
{
    HiScoreTable table;  // no defaults, nothing loaded: empty slots
    EXPECT_EQ(table.slotList(8).count(), 0);
    EXPECT_EQ(table.list(8).count(), 12);
    EXPECT_EQ(table.list(8)[11].score, -1);
    EXPECT_EQ(&table.list(99), &table.slotList(31)) << "slots above 31 are slot 31";
}

} // namespace
