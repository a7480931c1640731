#include "BoardTestSupport.h"

#include "board/MoveUndoRecord.h"

namespace {

class FrenzyHintTest : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        settings.gameMode = kGameFrenzy;
    }

    int find(Board& board, CellPos* pos, int* dx, int* dy) { return board.findColourMoveWithin3(pos, dx, dy); }
};

} // namespace

TEST_F(FrenzyHintTest, PicksAColourMoveAtRandom)
{
    Board board;
    placeDiagram(board, {"1.1....", ".......", "2...2..", ".......", ".......", ".......", "3.....4", "......."});
    // Colour moves in search order: (0,0) right, (0,2) right, (2,0) left, (4,2) left.
    const CellPos expectedPos[] = {{0, 0}, {0, 2}, {2, 0}, {4, 2}};
    const int expectedDx[] = {1, 1, -1, -1};
    ASSERT_EQ(4, board.countColourMoves());
    for (unsigned seed = 1; seed <= 8; seed++) {
        srand(seed);
        int chosen = rand() % 4;
        srand(seed);
        CellPos pos;
        int dx = 0, dy = 0;
        ASSERT_EQ(1, find(board, &pos, &dx, &dy));
        EXPECT_EQ(expectedPos[chosen], pos);
        EXPECT_EQ(expectedDx[chosen], dx);
        EXPECT_EQ(0, dy);
    }
}

TEST_F(FrenzyHintTest, LooksTwoAndThreeMovesAhead)
{
    struct AheadCase {
        const char* name;
        Diagram rows;
        int found;
    };
    const AheadCase cases[] = {
        // No colour line now; throwing the 2 right opens the column between the 1s.
        {"two moves", {"1......", ".......", "2.3....", ".......", "1......", ".......", ".......", "......."}, 1},
        {"neighbours only", {"12.....", "34.....", ".......", ".......", ".......", ".......", ".......", "......."}, 0},
        {"no furball", {".......", ".......", ".......", ".......", ".......", ".......", ".......", "......."}, 0},
    };
    for (const AheadCase& c : cases) {
        SCOPED_TRACE(c.name);
        Board board;
        placeDiagram(board, c.rows);
        std::vector<unsigned char> before = cellBytes(board);
        std::string positions = renderPositions(board);
        CellPos pos;
        int dx = 0, dy = 0;
        EXPECT_EQ(0, board.searchColourMoves(&pos, &dx, &dy, 1, false));
        EXPECT_EQ(c.found, find(board, &pos, &dx, &dy));
        if (c.found) {
            EXPECT_EQ((CellPos{0, 2}), pos);
            EXPECT_EQ(1, dx);
        }
        EXPECT_TRUE(before == cellBytes(board));
        EXPECT_EQ(positions, renderPositions(board));
    }
}

TEST_F(FrenzyHintTest, NeighbourOfTheSameColourIsNoColourMove)
{
    Board board;
    placeDiagram(board, {"11.1...", ".......", ".......", ".......", ".......", ".......", ".......", "......."});
    EXPECT_EQ(0, board.scanDirection(CellPos{0, 0}, 1, 0));
    // Only (1,0) right and (3,0) left remain.
    EXPECT_EQ(2, board.countColourMoves());
    for (unsigned seed = 1; seed <= 6; seed++) {
        srand(seed);
        CellPos pos;
        int dx = 0, dy = 0;
        ASSERT_EQ(1, board.searchColourMoves(&pos, &dx, &dy, 1, false));
        EXPECT_TRUE((pos == CellPos{1, 0} && dx == 1) || (pos == CellPos{3, 0} && dx == -1));
    }
}

TEST_F(FrenzyHintTest, RecordedMoveFollowsTheFrenzyRuleAndRestoresExactly)
{
    srand(31);
    for (int round = 0; round < 40; round++) {
        OwnedPtr<Board> board(Board::createRandom(20 + round % 20, 3));
        std::vector<unsigned char> before = cellBytes(*board);
        for (const CellPos& p : board->positions) {
            for (int d = 0; d < 4; d++) {
                static const int kDx[4] = {1, -1, 0, 0};
                static const int kDy[4] = {0, 0, 1, -1};
                // The look-ahead applies exactly what the move rule does.
                Board reference;
                reference.clearPositions();
                for (const CellPos& q : board->positions)
                    reference.placeFurballAt(q.x, q.y, board->cellAt(q.x, q.y));
                int made = reference.tryMove(p, kDx[d], kDy[d], true, 0, 1.0f);
                {
                    MoveUndoRecord move(*board);
                    move.apply(p.x, p.y, kDx[d], kDy[d]);
                    ASSERT_EQ(made == 1, move.applied());
                    if (made) {
                        ASSERT_EQ(render(reference), render(*board));
                    }
                }
                ASSERT_TRUE(before == cellBytes(*board));
            }
        }
        CellPos pos;
        int dx = 0, dy = 0;
        board->findColourMoveWithin3(&pos, &dx, &dy);
        ASSERT_TRUE(before == cellBytes(*board));
    }
}
