#include <gtest/gtest.h>

#include "board/Board.h"
#include "game/BottomBar.h"
#include "game/FrameStats.h"
#include "game/FurballIdleAnimations.h"
#include "game/PlayHelpTips.h"
#include "game/ScoreBoardKey.h"
#include "game/Tips.h"
#include "settings/AbSettings.h"
#include "tests/settings/ScopedVariation.h"

namespace {

int alwaysStart() { return 0; }
int neverStart() { return 1; }

Board* boardOf(int furballs)
{
    Board* board = new Board();
    BoardCell cell = freshCell();
    cell.colour = 3;
    for (int i = 0; i < furballs; i++)
        board->placeFurballAt(i % Board::kColumns, i / Board::kColumns, cell);
    return board;
}

}  // namespace

TEST(HintNumberLayoutTest, DigitsAndPlaces)
{
    struct Case {
        int n;
        bool raised;
        int count;
        int first, second;
        float x0, x1, y;
    };
    const Case cases[] = {
        {-1, false, 0, 0, 0, 0, 0, 0},
        {0, false, 1, 0, 0, 293.5f, 0, 444.5f},
        {9, true, 1, 9, 0, 293.5f, 0, 437.5f},
        {10, false, 2, 1, 0, 292.0f, 299.0f, 446.0f},
        {19, false, 2, 1, 9, 292.0f, 299.0f, 446.0f},
        {20, false, 2, 2, 0, 292.0f, 299.5f, 446.0f},
        {99, true, 2, 9, 9, 292.0f, 299.5f, 439.0f},
        {100, false, 2, 9, 9, 292.0f, 299.5f, 446.0f},   // shown as 99
        {123456, false, 2, 9, 9, 292.0f, 299.5f, 446.0f},
    };
    for (const Case& c : cases) {
        const HintNumberLayout layout = hintNumberLayout(c.n, c.raised);
        ASSERT_EQ(layout.count, c.count) << c.n;
        if (c.count == 0)
            continue;
        EXPECT_EQ(layout.digit[0], c.first) << c.n;
        EXPECT_FLOAT_EQ(layout.x[0], c.x0) << c.n;
        EXPECT_FLOAT_EQ(layout.y, c.y) << c.n;
        if (c.count == 2) {
            EXPECT_EQ(layout.digit[1], c.second) << c.n;
            EXPECT_FLOAT_EQ(layout.x[1], c.x1) << c.n;
        }
    }
}

TEST(ScoreBoardKeyTest, EveryVariationThatChangesThePiecesChangesTheKey)
{
    struct Case {
        int bfp, fsp, ncp, ncm;
        int type, level, freePlayLevel;
        bool howToPlay;
        int key;
    };
    const Case cases[] = {
        {-1, -1, -1, -1, 3, 5, 5, false, 3},
        {1, -1, -1, -1, 2, 4, 5, false, 202},
        {1, -1, -1, -1, 2, 5, 5, false, 2},
        {0, -1, -1, -1, 2, 4, 5, false, 2},
        {-1, 1, 1, 1, 1, 5, 5, false, 2801},
        {-1, 0, 2, 0, 0, 5, 5, false, 800},
        {1, 1, 1, 1, 6, 4, 5, true, 100},
    };
    for (const Case& c : cases) {
        ScopedVariation bfp(gAbSettings.bfp, c.bfp), fsp(gAbSettings.fsp, c.fsp), ncp(gAbSettings.ncp, c.ncp),
            ncm(gAbSettings.ncm, c.ncm);
        EXPECT_EQ(scoreBoardKey(c.type, c.level, c.freePlayLevel, c.howToPlay), c.key)
            << c.bfp << c.fsp << c.ncp << c.ncm << " type " << c.type;
    }
}

TEST(HelpTipCountsTest, TheThreeHelpTipsStayWithinOneOfEachOther)
{
    struct Case {
        int shown7, shown8, shown9;
        int after7, after8, after9;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0},
        {1, 0, 0, 1, 0, 0},
        {2, 0, 0, 2, 1, 1},   // (7,9) raises 9, (7,8) raises 8
        {0, 3, 0, 1, 3, 1},   // (7,8) raises 7, then (9,8) raises 9
        {4, 4, 1, 4, 4, 3},   // (7,9) raises 9 to 2, (9,8) to 3
    };
    for (const Case& c : cases) {
        Tips tips;
        tips.setShownCount(7, c.shown7);
        tips.setShownCount(8, c.shown8);
        tips.setShownCount(9, c.shown9);
        balanceHelpTipCounts(tips);
        EXPECT_EQ(tips.shownCount(7), c.after7);
        EXPECT_EQ(tips.shownCount(8), c.after8);
        EXPECT_EQ(tips.shownCount(9), c.after9);
    }
    EXPECT_EQ(helpTipFor(2), 9);
    EXPECT_EQ(helpTipFor(3), 8);
    EXPECT_EQ(helpTipFor(0), 7);
}

TEST(FurballIdleAnimationsTest, ChanceByThemeAndBoard)
{
    struct Case {
        int theme, furballs, oneIn;
        bool animates;
    };
    const Case cases[] = {
        {0, 0, 35, true}, {0, 40, 115, true}, {4, 10, 55, true}, {3, 10, 99, true},
        {5, 10, 220, true}, {1, 10, 55, false}, {2, 10, 55, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FurballIdleAnimations::oneIn(c.theme, c.furballs), c.oneIn) << c.theme;
        EXPECT_EQ(FurballIdleAnimations::themeAnimates(c.theme), c.animates) << c.theme;
    }
}

// Theme 0 may start every furball in one check; the others start one and wait, by theme, and a running
// animation keeps the frames coming. Checks come at most every 100 ms.
TEST(FurballIdleAnimationsTest, StartsAndWaits)
{
    struct Case {
        int theme;
        int started;
        int nextAfter;
        bool animating;
    };
    const Case cases[] = {{0, 5, 250, false}, {3, 1, 700, true}, {4, 1, 500, true}, {5, 1, 6000, true},
                          {1, 0, 0, false}};
    for (const Case& c : cases) {
        OwnedPtr<Board> board(boardOf(5));
        FurballIdleAnimations idle;
        const int now = 50000;
        EXPECT_EQ(idle.step(*board, c.theme, now, alwaysStart), c.animating) << c.theme;
        int started = 0;
        for (const CellPos& pos : board->positions)
            started += board->cellAt(pos.x, pos.y).specialStart == now;
        EXPECT_EQ(started, c.started) << c.theme;
        if (c.started) {
            EXPECT_EQ(idle.nextStartMs, now + c.nextAfter) << c.theme;
        }
    }

    OwnedPtr<Board> board(boardOf(5));
    FurballIdleAnimations idle;
    EXPECT_FALSE(idle.step(*board, 4, 1000, neverStart));
    EXPECT_EQ(idle.nextStartMs, 1100);
    board->cellAt(2, 0).specialStart = 990;
    EXPECT_TRUE(idle.step(*board, 4, 1050, alwaysStart)) << "a running animation needs the next frame";
    EXPECT_EQ(int(board->cellAt(0, 0).specialStart), -1) << "no check before 100 ms";
    EXPECT_FALSE(idle.step(*board, 0, 1050, neverStart)) << "theme 0's blinks do not keep the frames coming";
}

TEST(FrameStatsTest, FramesPerSecondOverTheLastBuckets)
{
    FrameStats stats;
    EXPECT_EQ(stats.framesPerSecond(), 0);
    for (int t = 0; t < 1000; t += 10)
        stats.frame(t);
    EXPECT_EQ(stats.framesPerSecond(), 100);
    for (int t = 1000; t < 2000; t += 40)
        stats.frame(t);
    EXPECT_EQ(stats.framesPerSecond(), 25);
    stats.frame(60000);   // a long pause: the old buckets are closed empty
    EXPECT_EQ(stats.framesPerSecond(), 0);
    stats.reset();
    EXPECT_EQ(stats.framesPerSecond(), 0);
}
