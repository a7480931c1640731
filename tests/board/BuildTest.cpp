#include "BoardTestSupport.h"

#include <map>

namespace {

const Diagram kTenFurballs = {"1.1.1..", ".......", "..1...1", ".......", "1..1...", ".....1.", "...1..1", "......."};

std::map<int, int> colourUses(const Board& board)
{
    std::map<int, int> uses;
    for (const CellPos& p : board.positions)
        uses[board.colourAt(p.x, p.y)]++;
    return uses;
}

} // namespace

TEST_F(BoardTest, NewBoardIsEmptyInsideWalls)
{
    Board board;
    EXPECT_EQ(0, board.furballCount());
    for (int y = 0; y < Board::kGrid; y++)
        for (int x = 0; x < Board::kGrid; x++)
            EXPECT_EQ(isPlayableCell(x, y) ? 0 : 1, board.colourAt(x, y)) << x << "," << y;
    EXPECT_EQ(-1, board.puzzleId);
    EXPECT_EQ(-1, board.level);
    EXPECT_FLOAT_EQ(-1.0f, board.complexity);
    EXPECT_EQ(boardNow(), board.startTime);
}

TEST_F(BoardTest, FacesNeverRepeatBackToBack)
{
    int previous = drawFace();
    for (int i = 0; i < 200; i++) {
        int face = drawFace();
        ASSERT_NE(previous, face);
        ASSERT_TRUE(face >= 0 && face <= 3);
        previous = face;
    }
    // Every new cell draws one, so two fresh cells in a row differ too.
    int firstFace = freshCell().face;
    EXPECT_NE(firstFace, int(freshCell().face));
}

TEST_F(BoardTest, ColourSequenceFollowsThePuzzleIdAndCell)
{
    // id 10001: seed 7 * 10001 = 70007; the first draw is (51 * 51 + seed) % 8 + 1.
    Board board;
    board.level = 1;
    ColourTally tally;
    EXPECT_EQ((51 * 51 + 70007) % 8 + 1, board.chooseColour(10001, 0, 0, tally, 10, 1));
    EXPECT_EQ((51 * 51 + 70007 + 13) % 8 + 1, board.chooseColour(10001, 1, 0, tally, 10, 1));
    EXPECT_EQ(2, tally.distinct);
}

TEST_F(BoardTest, SamePuzzleGetsSameColoursEveryTime)
{
    LevelRecord record = recordOf(kTenFurballs, 2.25f);
    Board first;
    first.level = 4;
    first.buildFromRecord(record, 40017);
    Board second;
    second.level = 4;
    second.buildFromRecord(record, 40017);
    EXPECT_EQ(render(first), render(second));
    EXPECT_EQ(10, first.furballCount());
    EXPECT_FLOAT_EQ(2.25f, first.complexity);
    EXPECT_EQ(render(first), renderPositions(first));
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 7; x++)
            EXPECT_EQ(record.hasFurball(x, y), first.hasFurballAt(x, y));
    // Another puzzle id colours the same cells differently.
    Board other;
    other.level = 4;
    other.buildFromRecord(record, 40018);
    EXPECT_NE(render(first), render(other));
}

TEST_F(BoardTest, ColoursAreSharedFairly)
{
    // N = 10, K = 8: every colour is used, none more than twice.
    for (int id = 10000; id < 10200; id++) {
        Board board;
        board.level = 1;
        board.buildFromRecord(recordOf(kTenFurballs), id);
        std::map<int, int> uses = colourUses(board);
        ASSERT_EQ(8u, uses.size()) << id;
        for (const auto& use : uses)
            ASSERT_LE(use.second, 2) << id;
    }
    // N <= K: all different.
    const Diagram six = {"1.1.1..", ".......", "..1...1", ".......", "1......", ".......", ".......", "......."};
    for (int id = 20000; id < 20100; id++) {
        Board board;
        board.buildFromRecord(recordOf(six), id);
        ASSERT_EQ(6u, colourUses(board).size()) << id;
    }
}

TEST_F(BoardTest, KindCountLimitsColours)
{
    gAbSettings.cpl = 2;   // level below 5: five colours
    Board board;
    board.level = 3;
    board.buildFromRecord(recordOf(kTenFurballs), 30005);
    std::map<int, int> uses = colourUses(board);
    EXPECT_EQ(5u, uses.size());
    for (const auto& use : uses) {
        EXPECT_GE(use.first, 1);
        EXPECT_LE(use.first, 5);
        EXPECT_EQ(2, use.second);
    }
}

TEST_F(BoardTest, PlaceAndRemoveKeepTheSetInStep)
{
    Board board;
    BoardCell cell = freshCell();
    cell.colour = 4;
    board.cellAt(2, 2).inFlight = 3;
    board.placeFurballAt(2, 2, cell);
    board.placeFurballAt(2, 2, cell);
    EXPECT_EQ(1, board.furballCount());
    EXPECT_EQ(3, int(board.cellAt(2, 2).inFlight));
    EXPECT_EQ(4, board.colourAt(2, 2));

    board.removeFurballAt(5, 5);
    EXPECT_EQ(1, board.furballCount());
    EXPECT_EQ(0, board.colourAt(5, 5));
    board.removeFurballAt(2, 2);
    EXPECT_EQ(0, board.furballCount());
    EXPECT_EQ(0, board.colourAt(2, 2));
    EXPECT_EQ(int(cell.face), int(board.cellAt(2, 2).face));
}

TEST_F(BoardTest, PositionsStayOrderedByColumnThenRow)
{
    Board board;
    placeDiagram(board, {"......1", "1......", ".......", "...1...", ".......", "1......", ".......", "......1"});
    std::vector<std::pair<int, int>> order;
    for (const CellPos& p : board.positions)
        order.emplace_back(p.x, p.y);
    std::vector<std::pair<int, int>> expected = {{0, 1}, {0, 5}, {3, 3}, {6, 0}, {6, 7}};
    EXPECT_EQ(expected, order);
}

TEST_F(BoardTest, RandomBoardsFillFreeCellsOnly)
{
    OwnedPtr<Board> board(Board::createRandom(20, 5));
    EXPECT_EQ(20, board->furballCount());
    EXPECT_EQ(-1, board->puzzleId);
    EXPECT_EQ(-1, board->scheme);
    EXPECT_EQ(-1, board->level);
    for (const CellPos& p : board->positions) {
        EXPECT_GE(board->colourAt(p.x, p.y), 1);
        EXPECT_LE(board->colourAt(p.x, p.y), 5);
    }
    // Asking for no more than it has changes nothing; asking for more than
    // the field holds stops when it is full.
    std::string before = render(*board);
    board->fillRandom(12, 5);
    EXPECT_EQ(before, render(*board));
    board->fillRandom(80, 5);
    EXPECT_EQ(56, board->furballCount());
}

TEST_F(BoardTest, RandomBoardsFollowTheRandomSequence)
{
    srand(99);
    OwnedPtr<Board> first(Board::createRandom(14, 6));
    srand(99);
    OwnedPtr<Board> second(Board::createRandom(14, 6));
    EXPECT_EQ(render(*first), render(*second));
}
