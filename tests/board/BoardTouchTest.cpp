#include "BoardTestSupport.h"

#include <cmath>

namespace {

// Centre pixel of a cell at scale 1.0.
int px(int column) { return 3 + 45 * column + 22; }
int py(int row) { return 73 + 45 * row + 22; }

class TouchTest : public GameBoardTest {
protected:
    void drag(int x0, int y0, int x1, int y1)
    {
        board().handleTouch(0, x0, y0);
        board().handleTouch(1, x1, y1);
    }
};

} // namespace

TEST_F(TouchTest, SwipeNeedsMoreThan22Pixels)
{
    placeDiagram(board(), rowDiagram(3, "1...2.."));
    drag(px(0), py(3), px(0) + 22, py(3));
    EXPECT_EQ(0, board().history.size());
    EXPECT_EQ(1, board().touchActive);
    board().handleTouch(1, px(0) + 23, py(3));
    EXPECT_EQ(1, board().history.size());
    EXPECT_EQ(0, board().touchActive);
    EXPECT_EQ("...1...", render(board()).substr(8 * 3, 7));
    EXPECT_EQ(1, boardStatistic("Moved"));
}

TEST_F(TouchTest, DiagonalDragsByTheirSlope)
{
    struct Case {
        const char* name;
        const char* row;
        int ddx, ddy;
        int moves;
        int stillActive;
        int wrongTries;   // refused moves that were reported
    } cases[] = {
        {"clear horizontal", "1...2..", 30, 14, 1, 0, 0},
        {"clear horizontal refused", "1......", 30, 14, 0, 0, 1},
        {"silent horizontal", "1...2..", 30, 16, 1, 0, 0},
        {"silent horizontal refused", "1......", 30, 16, 0, 1, 0},
        {"too steep", "1...2..", 30, 21, 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        placeDiagram(board(), rowDiagram(2, c.row));
        drag(px(0), py(2), px(0) + c.ddx, py(2) + c.ddy);
        EXPECT_EQ(c.moves, board().history.size());
        EXPECT_EQ(c.stillActive, board().touchActive);
        EXPECT_EQ(c.wrongTries, boardStatistic("MovWrongOffBoard"));
    }
}

TEST_F(TouchTest, VerticalSwipeUp)
{
    placeDiagram(board(), {".......", "..3....", ".......", ".......", ".......", "..4....", ".......", "......."});
    drag(px(2), py(5), px(2) + 5, py(5) - 30);
    ASSERT_EQ(1, board().history.size());
    EXPECT_EQ(-1, board().history[0].dy);
    EXPECT_EQ(4, board().colourAt(2, 2));
}

TEST_F(TouchTest, TouchOnEmptyCellNextToAFurballMovesIt)
{
    placeDiagram(board(), rowDiagram(3, "...1..2"));
    EXPECT_EQ((CellPos{3, 3}), board().furballForTouch(px(2), py(3), 1, 0));
    drag(px(2), py(3), px(2) + 40, py(3));
    ASSERT_EQ(1, board().history.size());
    EXPECT_EQ(3, board().history[0].x);
    EXPECT_EQ(".....1.", render(board()).substr(8 * 3, 7));
}

TEST_F(TouchTest, TouchFindsTheFurballThatCanMove)
{
    // Right of the finger only (4, 3) can be thrown left; the neighbour
    // above the touch point cannot move left at all.
    placeDiagram(board(), {".......", ".......", "3......", "1...5..", ".......", ".......", ".......", "......."});
    EXPECT_EQ((CellPos{4, 3}), board().furballForTouch(px(4) - 10, py(3), -1, 0));
    // On a furball that can move, the touch takes it.
    EXPECT_EQ((CellPos{4, 3}), board().furballForTouch(px(4), py(3), -1, 0));
    // Far from everything: the cell under the finger.
    EXPECT_EQ((CellPos{3, 6}), board().furballForTouch(px(3), py(6), 1, 0));
    // Off the board entirely.
    EXPECT_EQ((CellPos{-1, -1}), board().furballForTouch(160, 20, 1, 0));
}

TEST_F(TouchTest, TapOnAFurballCountsAWrongTry)
{
    placeDiagram(board(), rowDiagram(3, "1...2.."));
    board().level = 2;
    for (int tap = 0; tap < 2; tap++) {
        board().handleTouch(0, px(0), py(3));
        board().handleTouch(2, px(0), py(3));
    }
    EXPECT_EQ(2, boardStatistic("MovWrongKelzoBetter"));
    // Each tap asks for the reminder under its spacing rule.
    EXPECT_EQ((std::vector<FakeBoardHost::TipAsk>(2, {30, 0, 3, 6})), host.tipAsks);
    EXPECT_EQ((std::vector<int>{30, 30}), host.shownTips);
    EXPECT_EQ(0, board().touchActive);

    board().handleTouch(0, px(2), py(3));
    board().handleTouch(2, px(2), py(3));
    EXPECT_EQ(2, boardStatistic("MovWrongKelzoBetter"));
    EXPECT_EQ(0, board().history.size());
}

TEST_F(TouchTest, SwipeSpeedFromItsPace)
{
    gAbSettings.as = 1;
    placeDiagram(board(), rowDiagram(3, "1...2.."));
    gGameClock.updateAt(100000);
    board().handleTouch(0, px(0), py(3));
    gGameClock.updateAt(100040);
    board().handleTouch(1, px(0) + 44, py(3));
    ASSERT_GE(board().movingFurballs.size(), 1);
    float expected = 1.0f + (std::log(50.0f) - 3.3f) / 6.0f;
    EXPECT_NEAR(expected, board().movingFurballs[0].speed, 1e-4);
    EXPECT_NEAR(1.10f, board().movingFurballs[0].speed, 0.01f);

    // A slow drag is held at the lower bound; without "as" the speed is 1.
    SetUp();
    gAbSettings.as = 1;
    placeDiagram(board(), rowDiagram(3, "1...2.."));
    board().handleTouch(0, px(0), py(3));
    gGameClock.updateAt(103000);
    board().handleTouch(1, px(0) + 30, py(3));
    EXPECT_NEAR(0.65f, board().movingFurballs[0].speed, 1e-5);
    SetUp();
    placeDiagram(board(), rowDiagram(3, "1...2.."));
    drag(px(0), py(3), px(0) + 80, py(3));
    EXPECT_FLOAT_EQ(1.0f, board().movingFurballs[0].speed);
}

// "fic" picks the Frenzy touch's reach across the swipe from a table: a value
// from outside its row (a file, the console, -1 from a reply) takes the first.
TEST_F(TouchTest, FrenzyTouchReachCopesWithAnyFicValue)
{
    settings.gameMode = kGameFrenzy;
    placeDiagram(board(), {"1.2....", ".......", "...3...", "...4...", ".......", ".......", ".......", "......."});
    const int x = px(3) + 16;   // right of centre, between the rows of 3 and 4
    const int y = py(2) + 30;
    gAbSettings.fic = 0;
    const CellPos usual = board().furballForTouch(x, y, 0, 1);
    ASSERT_TRUE(board().hasFurballAt(usual.x, usual.y));
    for (int fic : {-1, 7, 99, -9999, 2147483647}) {
        gAbSettings.fic = fic;
        EXPECT_EQ(usual, board().furballForTouch(x, y, 0, 1)) << fic;
    }
    gAbSettings.fic = 0;
}
