#include "BoardTestSupport.h"

#include <unordered_map>

#include "board/OccupancyGrid.h"

namespace {

// Independent reference: can this occupancy be brought down to one furball?
class ReferenceSolver {
public:
    bool solvable(const OccupancyGrid& grid)
    {
        uint64_t key = 0;
        int count = 0;
        for (int y = 0; y < 8; y++) {
            key |= uint64_t(grid.rows[y]) << (7 * y);
            count += __builtin_popcount(grid.rows[y]);
        }
        if (count <= 1)
            return count == 1;
        auto known = memo_.find(key);
        if (known != memo_.end())
            return known->second;
        bool result = false;
        for (int y = 0; y < 8 && !result; y++)
            for (int x = 0; x < 7 && !result; x++)
                if (grid.occupied(x, y))
                    for (int d = 0; d < 4 && !result; d++)
                        result = legalAndSolvable(grid, x, y, kDx[d], kDy[d]);
        memo_[key] = result;
        return result;
    }

    bool legalAndSolvable(const OccupancyGrid& grid, int x, int y, int dx, int dy)
    {
        if (!legal(grid, x, y, dx, dy))
            return false;
        OccupancyGrid next = grid;
        next.replayMove(x, y, dx, dy);
        return solvable(next);
    }

    static bool legal(const OccupancyGrid& grid, int x, int y, int dx, int dy)
    {
        int cx = x + dx, cy = y + dy;
        if (!isPlayableCell(cx, cy) || grid.occupied(cx, cy))
            return false;
        while (isPlayableCell(cx, cy) && !grid.occupied(cx, cy)) {
            cx += dx;
            cy += dy;
        }
        return isPlayableCell(cx, cy);
    }

    static constexpr int kDx[4] = {1, -1, 0, 0};
    static constexpr int kDy[4] = {0, 0, -1, 1};

private:
    std::unordered_map<uint64_t, bool> memo_;
};

OccupancyGrid occupancyOf(const Board& board)
{
    OccupancyGrid grid;
    for (const CellPos& p : board.positions)
        grid.set(p.x, p.y, true);
    return grid;
}

Board* clusteredBoard(int count)
{
    // Furballs packed into a 5 x 5 corner so that most boards have moves.
    Board* board = new Board();
    while (board->furballCount() < count) {
        int x = rand() % 5, y = rand() % 5;
        if (!board->hasFurballAt(x, y)) {
            board->placeFurballAt(x, y, freshCell());
            board->cellAt(x, y).colour = uint16_t(rand() % 8 + 1);
        }
    }
    return board;
}

// The search as worked on the board itself: each throw in order, counting
// solutions below it with trySearchMove.
int searchOnTheBoard(Board& board, CellPos* pos, int* dx, int* dy)
{
    static const int kDx[4] = {1, -1, 0, 0};
    static const int kDy[4] = {0, 0, -1, 1};
    std::vector<CellPos> start(board.positions.begin(), board.positions.end());
    for (const CellPos& p : start) {
        for (int d = 0; d < 4; d++) {
            int count = 0;
            board.trySearchMove(p, kDx[d], kDy[d], count);
            if (count > 0) {
                *pos = p;
                *dx = kDx[d];
                *dy = kDy[d];
                return 1;
            }
        }
    }
    return 0;
}

} // namespace

TEST_F(BoardTest, StuckTestTable)
{
    struct StuckCase {
        const char* name;
        Diagram rows;
        int expected;
    };
    const StuckCase cases[] = {
        {"empty", {".......", ".......", ".......", ".......", ".......", ".......", ".......", "......."}, 0},
        {"one furball", {".......", ".......", "...1...", ".......", ".......", ".......", ".......", "......."}, 0},
        {"side by side", {".......", ".......", "..11...", ".......", ".......", ".......", ".......", "......."}, 0},
        {"gap in a row", {".......", ".......", "..1.1..", ".......", ".......", ".......", ".......", "......."}, 1},
        {"touching pair then gap", {".......", ".......", "11.1...", ".......", ".......", ".......", ".......", "......."}, 1},
        {"gap in a column", {".......", "....2..", ".......", ".......", "....3..", ".......", ".......", "......."}, 1},
        {"diagonal only", {"1......", ".1.....", "..1....", ".......", ".......", ".......", ".......", "......."}, 0},
        {"block", {"11.....", "11.....", ".......", ".......", ".......", ".......", ".......", "......."}, 0},
    };
    for (const StuckCase& c : cases) {
        Board board;
        placeDiagram(board, c.rows);
        EXPECT_EQ(c.expected, board.hasPossibleMove()) << c.name;
    }
}

TEST_F(BoardTest, ColourLines)
{
    Board board;
    placeDiagram(board, {"1.1.1..", "11.....", "1..2...", ".......", ".......", ".......", ".......", "......3"});
    EXPECT_EQ(1, board.scanDirection(CellPos{0, 0}, 1, 0));    // same colour all along
    EXPECT_EQ(0, board.scanDirection(CellPos{0, 1}, 1, 0));    // neighbour of the same colour
    EXPECT_EQ(0, board.scanDirection(CellPos{0, 2}, 1, 0));    // another colour further on
    EXPECT_EQ(0, board.scanDirection(CellPos{6, 7}, 1, 0));    // leaves the board at once
    EXPECT_EQ(0, board.scanDirection(CellPos{6, 7}, 0, -1));   // nothing met
    EXPECT_EQ(0, board.scanDirection(CellPos{0, 0}, 0, 1));    // neighbour below
    EXPECT_EQ(1, board.scanDirection(CellPos{4, 0}, -1, 0));
    // Row 0: (0,0) right, (2,0) both ways, (4,0) left; (1,1) nowhere ((0,1) is its neighbour).
    EXPECT_EQ(4, board.countColourMoves());
}

TEST_F(BoardTest, BoardHashDigestsColoursAndPositions)
{
    Board board;
    placeDiagram(board, {"2......", ".......", ".......", ".......", ".......", ".......", ".......", "......."});
    // Only cell (0, 0) is non-zero, and it comes first: 2 * 17 * 13^55, then the position (0, 0).
    uint32_t h = 34;
    for (int i = 0; i < 55; i++)
        h *= 13u;
    h = h * 13u * 13u;
    EXPECT_EQ(int32_t(h), board.hash());
}

TEST_F(BoardTest, TwoFurballsThrowOneTowardTheOther)
{
    Board board;
    placeDiagram(board, {".......", ".......", ".1...2.", ".......", ".......", ".......", ".......", "......."});
    for (unsigned seed = 1; seed < 6; seed++) {
        srand(seed);
        bool odd = rand() & 1;
        srand(seed);
        CellPos pos;
        int dx = 0, dy = 0;
        ASSERT_EQ(1, board.findSolvingMove(&pos, &dx, &dy));
        EXPECT_EQ(odd ? (CellPos{1, 2}) : (CellPos{5, 2}), pos);
        EXPECT_EQ(odd ? 1 : -1, dx);
        EXPECT_EQ(0, dy);
    }
    const Diagram none[] = {
        {".......", ".......", ".12....", ".......", ".......", ".......", ".......", "......."},
        {".......", ".......", ".1.....", "...2...", ".......", ".......", ".......", "......."},
    };
    for (const Diagram& rows : none) {
        placeDiagram(board, rows);
        srand(3);
        rand();
        int second = rand();
        srand(3);
        CellPos pos;
        int dx = 0, dy = 0;
        EXPECT_EQ(0, board.findSolvingMove(&pos, &dx, &dy));
        EXPECT_EQ(second, rand()) << "one random number is drawn first";
    }
}

TEST_F(BoardTest, SearchAnswersInItsOrderOfTries)
{
    struct SearchCase {
        const char* name;
        Diagram rows;
        int found;
        CellPos pos;
        int dx, dy;
    };
    const SearchCase cases[] = {
        {"three in a row", {"1.1.1..", ".......", ".......", ".......", ".......", ".......", ".......", "......."},
         1, {0, 0}, 1, 0},
        {"two full columns", {"11.....", "11.....", "11.....", "11.....", "11.....", "11.....", "11.....", "11....."},
         0, {0, 0}, 0, 0},
        {"a column: the first thrower's only move fails",
         {".......", "...1...", ".......", "...1...", "...1...", ".......", ".......", "......."}, 1, {3, 3}, 0, -1},
        {"no move at all", {"1......", "..1....", "....1..", ".......", ".......", ".......", ".......", "......."},
         0, {0, 0}, 0, 0},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.name);
        Board board;
        placeDiagram(board, c.rows);
        CellPos pos;
        int dx = 0, dy = 0;
        ASSERT_EQ(c.found, board.findSolvingMove(&pos, &dx, &dy));
        if (c.found) {
            EXPECT_EQ(c.pos, pos);
            EXPECT_EQ(c.dx, dx);
            EXPECT_EQ(c.dy, dy);
        }
    }
}

TEST_F(BoardTest, SearchAgreesWithAReferenceSolverAndLeavesTheBoardAsItWas)
{
    ReferenceSolver reference;
    srand(2024);
    int solvedBoards = 0;
    for (int i = 0; i < 400; i++) {
        int count = 3 + i % 8;
        OwnedPtr<Board> board(clusteredBoard(count));
        std::vector<unsigned char> before = cellBytes(*board);
        std::string positionsBefore = renderPositions(*board);
        OccupancyGrid grid = occupancyOf(*board);

        CellPos pos;
        int dx = 0, dy = 0;
        int found = board->findSolvingMove(&pos, &dx, &dy);
        ASSERT_TRUE(before == cellBytes(*board)) << i;
        ASSERT_EQ(positionsBefore, renderPositions(*board)) << i;

        ASSERT_EQ(reference.solvable(grid), found == 1) << "board " << i << "\n" << render(*board);
        if (found) {
            solvedBoards++;
            ASSERT_TRUE(reference.legalAndSolvable(grid, pos.x, pos.y, dx, dy)) << i;
            // No earlier try (set order, then right, left, up, down) solves.
            static const int kDx[4] = {1, -1, 0, 0};
            static const int kDy[4] = {0, 0, -1, 1};
            for (const CellPos& p : board->positions) {
                for (int d = 0; d < 4; d++) {
                    if (p == pos && kDx[d] == dx && kDy[d] == dy)
                        goto checked;
                    ASSERT_FALSE(reference.legalAndSolvable(grid, p.x, p.y, kDx[d], kDy[d])) << i;
                }
            }
        checked:;
        }
    }
    EXPECT_GT(solvedBoards, 50);
}

TEST_F(BoardTest, CountingStopsAtTwoSolutions)
{
    Board board;
    placeDiagram(board, {"1.1.1.1", ".......", "1.1.1.1", ".......", "1.1.1.1", ".......", ".......", "......."});
    int count = 0;
    board.countSolutions(count);
    EXPECT_EQ(2, count);
    count = 5;
    std::vector<unsigned char> before = cellBytes(board);
    board.trySearchMove(CellPos{0, 0}, 1, 0, count);
    EXPECT_EQ(5, count);
    EXPECT_TRUE(before == cellBytes(board));
}

TEST_F(BoardTest, SearchGivesUpOnBoardsAboveSixteenFurballs)
{
    Board board;
    placeDiagram(board, {"1.1.1.1", ".......", "1.1.1.1", ".......", "1.1.1.1", ".......", "1.1.1.1", "1......"});
    ASSERT_EQ(17, board.furballCount());
    CellPos pos;
    int dx = 0, dy = 0;
    EXPECT_EQ(0, board.findSolvingMove(&pos, &dx, &dy));
}

TEST_F(BoardTest, RememberingSearchFindsTheSameMoveAsTheSearchOnTheBoard)
{
    srand(4711);
    for (int i = 0; i < 600; i++) {
        OwnedPtr<Board> board(clusteredBoard(3 + i % 10));
        CellPos fast, slow;
        int fastDx = 0, fastDy = 0, slowDx = 0, slowDy = 0;
        int foundFast = board->findSolvingMove(&fast, &fastDx, &fastDy);
        std::vector<unsigned char> before = cellBytes(*board);
        int foundSlow = searchOnTheBoard(*board, &slow, &slowDx, &slowDy);
        ASSERT_TRUE(before == cellBytes(*board)) << i;
        ASSERT_EQ(foundSlow, foundFast) << i << "\n" << render(*board);
        if (foundFast) {
            ASSERT_EQ(slow, fast) << i;
            ASSERT_EQ(slowDx, fastDx) << i;
            ASSERT_EQ(slowDy, fastDy) << i;
        }
    }
}
