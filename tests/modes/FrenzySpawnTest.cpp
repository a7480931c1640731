#include "tests/board/BoardTestSupport.h"

#include <set>

#include "modes/FrenzySpawn.h"

namespace {

class FrenzySpawnTest : public ::testing::Test {
protected:
    void SetUp() override { srand(7); }

    // A board with every cell filled except those listed.
    static void fillAllBut(Board& board, const std::vector<std::pair<int, int>>& holes)
    {
        Diagram rows(Board::kRows, std::string(Board::kColumns, '3'));
        for (const auto& hole : holes)
            rows[hole.second][hole.first] = '.';
        placeDiagram(board, rows);
    }
};

TEST_F(FrenzySpawnTest, FullBoardChoosesNoDrop)
{
    Board board;
    fillAllBut(board, {});
    int x = -1;
    int y = -1;
    EXPECT_FALSE(chooseSpawnCell(board, &x, &y));
    EXPECT_EQ(x, -1);
    EXPECT_EQ(y, -1);
}

TEST_F(FrenzySpawnTest, OnlyEmptyCellsAreChosen)
{
    Board board;
    fillAllBut(board, {{6, 7}});
    int x = -1;
    int y = -1;
    ASSERT_TRUE(chooseSpawnCell(board, &x, &y));
    EXPECT_EQ(x, 6);
    EXPECT_EQ(y, 7);

    const std::vector<std::pair<int, int>> holes = {{0, 0}, {3, 4}, {6, 0}};
    fillAllBut(board, holes);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(chooseSpawnCell(board, &x, &y));
        seen.insert({x, y});
    }
    EXPECT_EQ(seen, (std::set<std::pair<int, int>>(holes.begin(), holes.end())));
}

TEST_F(FrenzySpawnTest, EmptyBoardReachesEveryCell)
{
    Board board;
    placeDiagram(board, Diagram(Board::kRows, std::string(Board::kColumns, '.')));
    std::set<std::pair<int, int>> seen;
    int x = 0;
    int y = 0;
    for (int i = 0; i < 3000; ++i) {
        ASSERT_TRUE(chooseSpawnCell(board, &x, &y));
        seen.insert({x, y});
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(Board::kColumns * Board::kRows));
}

TEST_F(FrenzySpawnTest, ColourKeptOnlyWhenAskedAndSet)
{
    EXPECT_EQ(chooseSpawnColour(true, 4, 5), 4);
    std::set<int> colours;
    for (int i = 0; i < 500; ++i) {
        colours.insert(chooseSpawnColour(false, 4, 3));
        colours.insert(chooseSpawnColour(true, -1, 3));
    }
    EXPECT_EQ(colours, (std::set<int>{1, 2, 3}));
}

TEST_F(FrenzySpawnTest, SavedDropMustLieOnTheBoardInALevelColour)
{
    EXPECT_TRUE(savedSpawnUsable(0, 0, 1, 1));
    EXPECT_TRUE(savedSpawnUsable(6, 7, 7, 7));
    EXPECT_FALSE(savedSpawnUsable(7, 0, 1, 7));
    EXPECT_FALSE(savedSpawnUsable(0, 8, 1, 7));
    EXPECT_FALSE(savedSpawnUsable(-1, 3, 1, 7));
    EXPECT_FALSE(savedSpawnUsable(2, -1, 1, 7));
    EXPECT_FALSE(savedSpawnUsable(2, 3, 4, 3));
    EXPECT_FALSE(savedSpawnUsable(2, 3, 0, 3));
    EXPECT_FALSE(savedSpawnUsable(2, 3, -1, 3));
}

} // namespace
