#include <gtest/gtest.h>

#include "modes/FreePlayRules.h"

namespace {

// The allowance at each level 1..30 for one ladder.
std::vector<int> allowances(int fph, int freeSkips)
{
    std::vector<int> byLevel;
    for (int level = 1; level <= 30; ++level)
        byLevel.push_back(freePlayRequiredSolves(level, fph, freeSkips));
    return byLevel;
}

// The first level at which the allowance reaches each value 1, 2, ...
std::vector<int> firstLevels(const std::vector<int>& byLevel)
{
    std::vector<int> first;
    for (int level = 1; level <= 30; ++level)
        while (static_cast<int>(first.size()) < byLevel[level - 1])
            first.push_back(level);
    return first;
}

TEST(FreePlayRulesTest, DefaultHintLadder)
{
    EXPECT_EQ(freePlayRequiredSolves(4, 15, 1), 1);
    EXPECT_EQ(freePlayRequiredSolves(5, 15, 1), 2);
    EXPECT_EQ(freePlayRequiredSolves(30, 15, 1), 2);
    EXPECT_EQ(freePlayRequiredSolves(0, 15, 1), 0);
    // Every "fph" from 15 up shares the ladder.
    EXPECT_EQ(allowances(99, -1), allowances(15, 3));
}

TEST(FreePlayRulesTest, RepeatedThresholdCountsTwice)
{
    EXPECT_EQ(freePlayRequiredSolves(1, 5, 0), 2);
    EXPECT_EQ(freePlayRequiredSolves(2, 5, 0), 3);
    EXPECT_EQ(freePlayRequiredSolves(9, 5, 0), 3);
    EXPECT_EQ(freePlayRequiredSolves(10, 5, 0), 4);
    EXPECT_EQ(freePlayRequiredSolves(17, 5, 0), 4);
    EXPECT_EQ(freePlayRequiredSolves(18, 5, 0), 5);
    EXPECT_EQ(freePlayRequiredSolves(40, 5, 0), 5);   // past the last threshold
}

TEST(FreePlayRulesTest, SkipLaddersWhenFphIsFourOrLess)
{
    EXPECT_EQ(allowances(3, -1), std::vector<int>(30, 0));
    EXPECT_EQ(allowances(3, 0), std::vector<int>(30, 0));
    EXPECT_EQ(allowances(-1, 15), std::vector<int>(30, 0));
    EXPECT_EQ(freePlayRequiredSolves(1, 3, 1), 2);
    EXPECT_EQ(freePlayRequiredSolves(1, -1, 1), 2);
    EXPECT_EQ(freePlayRequiredSolves(1, 4, 1), 2);
}

TEST(FreePlayRulesTest, EveryLadderByTheLevelsWhereItSteps)
{
    struct Case {
        int fph;
        int freeSkips;
        std::vector<int> steps;   // level of each threshold, repeats included
    };
    const std::vector<Case> cases = {
        {4, 1, {1, 1, 5, 10, 15}},     {4, 2, {1, 4, 9, 15}},  {4, 3, {1, 5, 10, 14}},
        {4, 4, {4, 9, 15}},            {4, 5, {5, 10, 15}},    {4, 6, {4, 12}},
        {4, 7, {5, 12}},               {4, 8, {1, 1, 5, 9, 13, 16}},
        {4, 9, {6, 13}},               {4, 10, {6, 13}},       {4, 11, {5, 12}},
        {4, 12, {4, 12}},              {4, 13, {4, 10, 16}},   {4, 14, {5, 12, 19}},
        {5, 9, {1, 1, 2, 10, 18}},     {6, 1, {1, 2, 6, 12, 20}}, {7, 1, {1, 1, 10, 18}},
        {8, 1, {1, 1, 4, 10, 18}},     {9, 1, {1, 1, 7, 14}},  {10, 1, {1, 5, 10, 18}},
        {11, 1, {1, 6, 12, 20}},       {12, 1, {1, 5, 15}},    {13, 1, {1, 7, 15}},
        {14, 1, {1, 7}},               {15, 1, {1, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(firstLevels(allowances(c.fph, c.freeSkips)), c.steps)
            << "fph " << c.fph << " _fs_ " << c.freeSkips;
}

TEST(FreePlayRulesTest, LevelLengthsByLevelRepeats)
{
    struct Case {
        int levelRepeats;
        std::vector<int> lengths;   // levels 1..30
    };
    auto row = [](std::vector<std::pair<int, int>> ranges) {
        // (first level, length) pairs; each range runs to the next one or 30.
        std::vector<int> lengths;
        for (size_t i = 0; i < ranges.size(); ++i) {
            int end = i + 1 < ranges.size() ? ranges[i + 1].first : 31;
            for (int level = ranges[i].first; level < end; ++level)
                lengths.push_back(ranges[i].second);
        }
        return lengths;
    };
    const std::vector<Case> cases = {
        {1, row({{1, 2}, {2, 3}, {5, 4}, {9, 5}, {15, 6}})},
        {2, row({{1, 2}, {2, 3}, {3, 4}, {7, 5}, {12, 6}, {16, 7}})},
        {4, row({{1, 2}, {2, 3}, {3, 4}, {7, 5}, {10, 6}, {13, 7}, {16, 8}})},
        {5, row({{1, 2}, {2, 3}, {3, 4}, {6, 5}, {9, 6}, {13, 7}, {16, 8}})},
        {6, row({{1, 2}, {2, 3}, {3, 4}, {6, 5}, {9, 6}, {13, 7}})},
        {7, row({{1, 2}, {2, 3}, {3, 4}, {4, 5}, {7, 6}, {11, 7}, {16, 8}})},
        {8, row({{1, 2}, {2, 4}, {4, 5}, {7, 6}, {11, 7}, {16, 8}})},
        {9, row({{1, 2}, {2, 4}, {3, 5}, {6, 6}, {10, 7}, {16, 8}})},
        {10, row({{1, 3}, {2, 4}, {3, 5}, {6, 6}, {10, 7}, {16, 8}})},
        {0, row({{1, 2}, {2, 3}, {3, 4}, {5, 5}, {8, 6}, {12, 7}, {16, 8}})},
    };
    for (const Case& c : cases) {
        std::vector<int> lengths;
        for (int level = 1; level <= 30; ++level)
            lengths.push_back(freePlayLevelSize(level, c.levelRepeats));
        EXPECT_EQ(lengths, c.lengths) << "_lr_ " << c.levelRepeats;
    }
    // Values without a row of their own take the default row.
    for (int other : {3, -1, 11})
        for (int level = 1; level <= 30; ++level)
            EXPECT_EQ(freePlayLevelSize(level, other), freePlayLevelSize(level, 0)) << other << " " << level;
    EXPECT_EQ(freePlayLevelSize(31, 10), 8);
}

} // namespace
