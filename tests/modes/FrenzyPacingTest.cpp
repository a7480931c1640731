#include "tests/modes/RulesFixture.h"

#include "modes/FrenzyPacing.h"

namespace {

class FrenzyPacingTest : public RulesTest {
protected:
    // A level-1 board (target 18) with `furballs` and `moves` in its history.
    static FrenzyBoardView board(int furballs, int moves = 0, bool hasMove = true)
    {
        FrenzyBoardView view;
        view.exists = true;
        view.furballs = furballs;
        view.historyMoves = moves;
        view.hasPossibleMove = hasMove;
        return view;
    }

    int interval(int level, const FrenzyBoardView& view, int* unadjusted = nullptr)
    {
        return frenzySpawnInterval(level, view, settings, ab, unadjusted);
    }
};

TEST_F(FrenzyPacingTest, ShortfallsNeverNegative)
{
    FrenzyShortfalls s = frenzyShortfalls(18, 7);
    EXPECT_EQ(s.s1, 11);
    EXPECT_EQ(s.s2, 6);
    EXPECT_EQ(s.s3, 1);
    s = frenzyShortfalls(18, 13);
    EXPECT_EQ(s.s1, 5);
    EXPECT_EQ(s.s2, 0);
    EXPECT_EQ(s.s3, 0);
    s = frenzyShortfalls(18, 40);
    EXPECT_EQ(s.s1, 0);
}

TEST_F(FrenzyPacingTest, FirstLevelStartsAt8450OnAFreshBoard)
{
    int unadjusted = 0;
    EXPECT_EQ(interval(1, FrenzyBoardView(), &unadjusted), 8450);
    EXPECT_EQ(unadjusted, 8450);
    // With no possible move the board waits half as long; the unadjusted
    // interval does not say so.
    EXPECT_EQ(interval(1, board(18, 0, false), &unadjusted), 4225);
    EXPECT_EQ(unadjusted, 8450);
}

TEST_F(FrenzyPacingTest, IntervalByFurballsOnTheBoard)
{
    struct Case {
        int furballs;
        int interval;
    };
    const Case cases[] = {
        {18, 8450},   // shortfall exactly 0 adds nothing
        {17, 8300},   {13, 7700},   {12, 7250}, {7, 4800},
        {28, 8450},   // no slowing up to 28
        {29, 8450},   // 29 adds 0
        {30, 8490},   {33, 8610},   {34, 8690},
    };
    for (const Case& c : cases)
        EXPECT_EQ(interval(1, board(c.furballs)), c.interval) << c.furballs << " furballs";
}

TEST_F(FrenzyPacingTest, MovesSettleTheIntervalInDoublePrecision)
{
    int unadjusted = 0;
    EXPECT_EQ(interval(1, board(18, 10), &unadjusted), 7614);   // 8450 - 700 ln 3.3
    EXPECT_EQ(unadjusted, 7614);
    // Without a board the history does not count.
    EXPECT_EQ(interval(1, FrenzyBoardView()), 8450);
}

TEST_F(FrenzyPacingTest, FloorOf100BeforeTheScale)
{
    EXPECT_EQ(interval(1, board(0, 1000)), 100);
    settings.frenzySpeedFactor = 2.0f;
    EXPECT_EQ(interval(1, board(0, 1000)), 50);
    EXPECT_EQ(interval(1, board(18)), 4225);
    settings.frenzySpeedFactor = 0.5f;
    EXPECT_EQ(interval(1, board(0, 1000)), 200);
}

TEST_F(FrenzyPacingTest, TutorialLevelHasItsOwnPace)
{
    EXPECT_EQ(interval(-1, FrenzyBoardView()), 7450);
    EXPECT_EQ(interval(-1, board(3)), 7450);    // no shortfalls
    EXPECT_EQ(interval(-1, board(40)), 7450);   // no crowding
    EXPECT_EQ(interval(-1, board(40, 0, false)), 3725);
    EXPECT_EQ(interval(-1, board(3, 10)), 6733);   // 7450 - 600 ln 3.3
}

TEST_F(FrenzyPacingTest, PaceIsTruncatedToWholeSteps)
{
    // Level 4's pace 6.35 counts as 6: 1450 + 6000.
    EXPECT_EQ(interval(4, FrenzyBoardView()), 7450);
    ab.fsa = 2;   // 7.35
    EXPECT_EQ(interval(4, FrenzyBoardView()), 8450);
}

TEST_F(FrenzyPacingTest, MovePull)
{
    EXPECT_EQ(frenzyMovePull(1, 1, FrenzyBoardView(), ab), 0.39f);
    EXPECT_EQ(frenzyMovePull(1, 1, board(18), ab), 0.39f);
    EXPECT_FLOAT_EQ(frenzyMovePull(1, 1, board(17), ab), 0.401f);
    EXPECT_FLOAT_EQ(frenzyMovePull(1, 1, board(7), ab), 0.39f + 0.011f * 11 + 0.019f * 6 + 0.026f);
    EXPECT_EQ(frenzyMovePull(1, 1, board(29), ab), 0.39f);
    EXPECT_FLOAT_EQ(frenzyMovePull(1, 1, board(30), ab), 0.386f);
    EXPECT_FLOAT_EQ(frenzyMovePull(1, 1, board(34), ab), 0.39f - 0.02f - 0.007f);
    EXPECT_EQ(frenzyMovePull(1, 1, board(200), ab), 0.01f);

    EXPECT_EQ(frenzyMovePull(-1, 0, board(3), ab), 0.34f);
    EXPECT_EQ(frenzyMovePull(-1, 1, board(3), ab), 0.38f);
    EXPECT_EQ(frenzyMovePull(-1, 2, FrenzyBoardView(), ab), 0.42f);
}

} // namespace
