#include "BoardTestSupport.h"

#include "board/MovingFurball.h"

namespace {

int inFlightTotal(Board& board)
{
    int total = 0;
    for (int y = 0; y < Board::kRows; y++)
        for (int x = 0; x < Board::kColumns; x++)
            total += board.cellAt(x, y).inFlight;
    return total;
}

class FlightTest : public GameBoardTest {
protected:
    // Runs frames 10 ms apart until nothing moves; returns the frame count.
    int runFrames(int limit = 1000)
    {
        int frames = 0;
        while (frames < limit) {
            clock += 10;
            gGameClock.updateAt(clock);
            frames++;
            Array<FlightFrame> drawn;
            Array<FlightImpact> struck;
            bool moving = advanceFlights(board(), drawn, struck);
            for (const FlightImpact& impact : struck)
                impacts.push_back(impact);
            for (int i = 0; i < board().movingFurballs.size(); i++)
                if (board().movingFurballs[i].started() && startFrame[i] < 0)
                    startFrame[i] = frames;
            if (!moving)
                return frames;
        }
        return frames;
    }

    int clock = 100000;
    int startFrame[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    std::vector<FlightImpact> impacts;
};

} // namespace

TEST_F(FlightTest, ThreeRecordChainStartsInSequenceAndClearsItsCounts)
{
    placeDiagram(board(), rowDiagram(3, "1..2.3."));
    ASSERT_EQ(1, board().tryMove(CellPos{0, 3}, 1, 0, false, 0, 1.0f));
    Array<MovingFurball>& records = board().movingFurballs;
    ASSERT_EQ(3, records.size());
    EXPECT_TRUE(records[0].started());
    EXPECT_TRUE(records[0].noImpact);
    EXPECT_FALSE(records[1].started());
    EXPECT_FALSE(records[2].started());
    EXPECT_GT(board().cellAt(2, 3).inFlight, 0);
    EXPECT_GT(board().cellAt(4, 3).inFlight, 0);

    int frames = runFrames();
    EXPECT_LT(frames, 1000);
    EXPECT_GT(startFrame[1], 0);
    EXPECT_GT(startFrame[2], startFrame[1]);
    EXPECT_EQ(0, records.size());
    EXPECT_EQ(0, inFlightTotal(board()));

    // Two strikes: the thrown furball on the second, the second on the third.
    ASSERT_EQ(2u, impacts.size());
    EXPECT_EQ((CellPos{3, 3}), impacts[0].source);
    EXPECT_EQ((CellPos{4, 3}), impacts[0].target);
    EXPECT_EQ((CellPos{5, 3}), impacts[1].source);
    EXPECT_EQ((CellPos{-1, -1}), impacts[1].target);
    EXPECT_EQ(1, impacts[0].strikerColour);
    EXPECT_EQ(2, impacts[0].colour);
}

TEST_F(FlightTest, KnockedFurballStartsWhenItsPusherStrikes)
{
    placeDiagram(board(), rowDiagram(3, "1..2.3."));
    board().tryMove(CellPos{0, 3}, 1, 0, false, 0, 1.0f);
    // 140 ms wind-up, then two cells rolled from 0.003 cells/ms accelerating,
    // then the 50 ms standstill that ends in the strike: about 0.6 s.
    runFrames(30);
    EXPECT_FALSE(board().movingFurballs[1].started());
    runFrames(20);
    EXPECT_TRUE(board().movingFurballs[1].started());
    EXPECT_FALSE(board().movingFurballs[2].started());
}

TEST_F(FlightTest, WrongNeighbourMoveShakesBothInPlace)
{
    placeDiagram(board(), rowDiagram(1, "12....."));
    EXPECT_EQ(0, board().tryMove(CellPos{0, 1}, 1, 0, false, 0, 1.0f));
    Array<MovingFurball>& records = board().movingFurballs;
    ASSERT_EQ(2, records.size());
    float greatest[2] = {0, 0};
    for (int frame = 0; frame < 300 && records.size() > 0; frame++) {
        clock += 5;
        gGameClock.updateAt(clock);
        Array<FlightFrame> drawn;
        Array<FlightImpact> struck;
        advanceFlights(board(), drawn, struck);
        for (int i = 0; i < records.size(); i++)
            greatest[i] = std::max(greatest[i], records[i].path.maxDistance);
        for (const FlightImpact& impact : struck)
            impacts.push_back(impact);
    }
    EXPECT_EQ(0, records.size());
    EXPECT_NEAR(0.15f, greatest[0], 0.01f);
    EXPECT_NEAR(0.15f, greatest[1], 0.01f);
    EXPECT_EQ(0, inFlightTotal(board()));
    // The second shake is a strike in place: a small burst, no travel.
    ASSERT_EQ(1u, impacts.size());
    EXPECT_EQ(impacts[0].source, impacts[0].target);
}

TEST_F(FlightTest, OffBoardGhostStrikesNothing)
{
    placeDiagram(board(), rowDiagram(1, "12....."));
    EXPECT_EQ(0, board().tryMove(CellPos{1, 1}, 1, 0, false, 0, 1.0f));
    ASSERT_EQ(2, board().movingFurballs.size());
    EXPECT_TRUE(board().movingFurballs[1].ghost);
    runFrames();
    EXPECT_TRUE(impacts.empty());
    EXPECT_EQ(0, inFlightTotal(board()));
}

TEST_F(FlightTest, NewThrowFinishesAFurballStillSettlingInItsCell)
{
    placeDiagram(board(), {"...1...", ".......", ".......", ".......", ".......", ".......", "......5", "...2..."});
    ASSERT_EQ(1, board().tryMove(CellPos{3, 0}, 0, 1, false, 0, 1.0f));   // lands on (3, 6)
    runFrames(120);   // the furball rolled and now rests in its final 720 ms
    ASSERT_EQ(2, board().movingFurballs.size());
    MovingFurball& settling = board().movingFurballs[0];
    EXPECT_FALSE(settling.path.finished);
    // Throw it again before it settled: the old record completes at once.
    board().tryMove(CellPos{3, 6}, 1, 0, false, 0, 1.0f);
    EXPECT_TRUE(board().movingFurballs[0].path.completeAll);
    runFrames();
    EXPECT_EQ(0, inFlightTotal(board()));
}

TEST_F(FlightTest, RollingPoseFollowsThePath)
{
    placeDiagram(board(), rowDiagram(3, "1.....2"));
    board().tryMove(CellPos{0, 3}, 1, 0, false, 0, 1.0f);
    MovingFurball& thrown = board().movingFurballs[0];
    bool hit = false;
    FurballPose pose;
    clock += 70;   // halfway through the wind-up
    gGameClock.updateAt(clock);
    thrown.step(board(), &hit, &pose);
    EXPECT_FLOAT_EQ(0.0f, pose.column);
    EXPECT_LT(pose.pulse, 1.0f);
    // Rightwards is 3 quarter turns; theme 0 (the fixture's) takes the face's turns off.
    EXPECT_EQ((3 + 4 - thrown.cell.face % 4) % 4, pose.quarterTurns);
    clock += 400;
    gGameClock.updateAt(clock);
    thrown.step(board(), &hit, &pose);
    EXPECT_GT(pose.column, 1.0f);
    EXPECT_FLOAT_EQ(3.0f, pose.row);
    EXPECT_EQ(static_cast<int>(pose.column * 170.0f), pose.angle);
    EXPECT_FLOAT_EQ(1.0f, pose.pulse);
}

TEST(RollingQuarterTurns, ByDirectionLessTheFaceInTheFirstTheme)
{
    struct Case {
        int dx, dy, face, theme, turns;
    } cases[] = {
        {1, 0, 0, 0, 3},  {-1, 0, 0, 0, 1}, {0, -1, 0, 0, 2}, {0, 1, 0, 0, 0},   // face 0: the direction alone
        {1, 0, 1, 0, 2},  {1, 0, 3, 0, 0},  {-1, 0, 2, 0, 3}, {-1, 0, 3, 0, 2},
        {0, -1, 3, 0, 3}, {0, 1, 1, 0, 3},  {0, 1, 2, 0, 2},  {0, 1, 7, 0, 1},   // face 7 turns as 3
        {1, 0, 3, 1, 3},  {-1, 0, 2, 2, 1}, {0, -1, 1, 5, 2}, {0, 1, 3, 4, 0},   // other themes ignore the face
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.turns, rollingQuarterTurns(c.dx, c.dy, c.face, c.theme))
            << c.dx << "," << c.dy << " face " << c.face << " theme " << c.theme;
}

TEST_F(FlightTest, ARollingFurballTurnsByItsFaceOnlyInTheFirstTheme)
{
    for (int theme : {0, 3}) {
        SCOPED_TRACE(theme);
        SetUp();
        gAbSettings.setCounter(StatChosenTheme, theme);
        placeDiagram(board(), rowDiagram(3, ".1....2"));
        board().cellAt(1, 3).face = 1;
        board().tryMove(CellPos{1, 3}, 1, 0, false, 0, 1.0f);
        ASSERT_GE(board().movingFurballs.size(), 1);
        bool hit = false;
        FurballPose pose;
        clock += 300;
        gGameClock.updateAt(clock);
        board().movingFurballs[0].step(board(), &hit, &pose);
        ASSERT_TRUE(pose.visible);
        EXPECT_EQ(theme == 0 ? 2 : 3, pose.quarterTurns);
    }
    gAbSettings.setCounter(StatChosenTheme, 0);
}
