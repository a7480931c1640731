#include "ui/Scroller.h"

#include "Core/GameClock.h"
#include "settings/AbSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

int32_t gNow = 0;
int32_t fakeNow() { return gNow; }

struct Move {
    int32_t time;
    int x;
};

class ScrollerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gNow = 5000;
        savedTtd = gAbSettings.ttd;
        gAbSettings.ttd = 0;
        pager.setClock(fakeNow);
        pager.pageWidth = 320;
        pager.minPage = 0;
        pager.maxPage = 3;
        pager.bandTop = 100;
        pager.bandBottom = 400;
    }
    void TearDown() override { gAbSettings.ttd = savedTtd; }

    void restOn(int page)
    {
        pager.page = page;
        pager.pagePos = pager.position = static_cast<float>(page);
    }
    // Press at x, the moves at times after the press, release at (releaseTime, releaseX).
    bool gesture(int x, const std::vector<Move>& moves, int32_t releaseTime, int releaseX)
    {
        int32_t start = gNow;
        EXPECT_TRUE(pager.beginDrag(x, 200));
        for (const Move& m : moves) {
            gNow = start + m.time;
            pager.drag(m.x, 200);
        }
        gNow = start + releaseTime;
        bool tapped = false;
        EXPECT_TRUE(pager.endDrag(releaseX, 200, &tapped));
        return tapped;
    }
    // Frames until the pager rests; fails the test when it never does.
    int settle()
    {
        int frames = 0;
        while (pager.isMoving() && frames < 2000) {
            gNow += 16;
            pager.step();
            frames++;
        }
        EXPECT_FALSE(pager.isMoving());
        return frames;
    }

    Scroller pager;
    int savedTtd = -1;
};

TEST_F(ScrollerTest, PullPastTheLastPageShowsHalfAndEasesBackWithoutPassingIt)
{
    restOn(3);
    pager.beginDrag(300, 200);
    gNow += 100;
    pager.drag(60, 200);  // 0.75 page beyond the last one
    EXPECT_FLOAT_EQ(pager.position, 3.375f);
    gNow += 500;  // held still: nothing left to flick with
    bool tapped = true;
    pager.endDrag(60, 200, &tapped);
    EXPECT_FALSE(tapped);
    EXPECT_EQ(pager.velocity, 0.0f);
    EXPECT_EQ(pager.page, 3);

    float last = pager.position;
    for (int frame = 0; frame < 500 && pager.isMoving(); frame++) {
        pager.step();
        ASSERT_LE(pager.position, last) << "eases back steadily";
        ASSERT_GE(pager.position, 3.0f) << "never past the page";
        last = pager.position;
    }
    EXPECT_EQ(pager.position, 3.0f);
}

TEST_F(ScrollerTest, PullBeforeTheFirstPageIsHalvedToo)
{
    restOn(0);
    pager.beginDrag(40, 200);
    pager.drag(200, 200);  // half a page before page 0
    EXPECT_FLOAT_EQ(pager.position, -0.25f);
}

TEST_F(ScrollerTest, ReleaseFlicksOnlyBeyondAFifthOfAPageWithinTheLast300Ms)
{
    struct Case {
        const char* name;
        std::vector<Move> moves;
        int32_t releaseTime;
        int releaseX;
        float velocity;
    };
    // Press at x 200 on page 1.
    const Case cases[] = {
        {"40 px in 100 ms", {{50, 180}}, 100, 160, 0.0f},
        {"exactly a fifth", {{50, 170}}, 100, 136, 0.0f},
        {"just over a fifth, leftwards", {{50, 170}}, 100, 135, (65 + 5) / 450.0f},
        {"rightwards goes back", {{50, 250}}, 100, 300, -(100 + 5) / 450.0f},
        {"fast early, held still for the last 300 ms", {{50, 40}, {100, 40}}, 450, 40, 0.0f},
        {"slow start, fast finish measures the finish", {{100, 195}, {500, 190}, {700, 150}}, 800, 100,
         (90 + 5) / 450.0f},
    };
    for (const Case& c : cases) {
        restOn(1);
        pager.velocity = 0.0f;
        gesture(200, c.moves, c.releaseTime, c.releaseX);
        EXPECT_FLOAT_EQ(pager.velocity, c.velocity) << c.name;
    }
}

TEST_F(ScrollerTest, NoFlickSettlesOnTheNearestPage)
{
    restOn(1);
    gesture(200, {{50, 180}}, 100, 160);
    EXPECT_EQ(pager.page, 1);
    settle();
    EXPECT_EQ(pager.position, 1.0f);

    restOn(1);
    gesture(200, {{300, 100}, {900, 20}}, 1300, 20);  // slow drag of 180 px: past half a page
    EXPECT_EQ(pager.page, 2);
    settle();
    EXPECT_EQ(pager.position, 2.0f);
}

TEST_F(ScrollerTest, FlickCoastsOnAndRestsOnAWholePageInsideTheBounds)
{
    pager.friction = 0.85f;
    restOn(0);
    gesture(300, {{50, 200}}, 100, 100);
    ASSERT_GT(pager.velocity, 0.0f);
    settle();
    EXPECT_GE(pager.page, 1);
    EXPECT_LE(pager.page, pager.maxPage);
    EXPECT_EQ(pager.position, static_cast<float>(pager.page));

    restOn(3);
    gesture(100, {{50, 250}}, 100, 300);  // a hard flick back from the last page
    settle();
    EXPECT_GE(pager.page, 0);
    EXPECT_EQ(pager.position, static_cast<float>(pager.page));
}

TEST_F(ScrollerTest, QuickTapWhileCoastingOnlyStopsIt)
{
    restOn(0);
    gesture(300, {{50, 200}}, 100, 60);
    pager.step();
    pager.step();
    ASSERT_GE(std::fabs(pager.velocity), 0.007f) << "still coasting";

    bool tapped = gesture(160, {}, 80, 161);
    EXPECT_FALSE(tapped);
    EXPECT_EQ(pager.velocity, 0.0f);
    settle();
    EXPECT_EQ(pager.position, static_cast<float>(pager.page));
}

TEST_F(ScrollerTest, TapsAndSideZones)
{
    struct Case {
        int ttd;
        int startPage;
        int x;
        bool tapped;
        int page;
    };
    // The language pager: pageWidth 78, pages 0..4; side zones around x 70 and x 250.
    const Case cases[] = {
        {0, 2, 70, true, 2},    // "ttd" 0: every tap goes to the owner
        {0, 2, 250, true, 2},
        {1, 2, 70, false, 1},   // left zone turns back
        {1, 2, 41, false, 1},   // 29 px off the zone's centre is still in it
        {1, 2, 250, false, 3},  // right zone turns on
        {1, 0, 70, true, 0},    // nothing before the first page: the owner gets the tap
        {1, 4, 250, true, 4},   // nor after the last
        {1, 2, 160, true, 2},   // a tap in the middle
        {1, 2, 101, true, 2},   // 31 px off the left zone
    };
    pager.pageWidth = 78;
    pager.maxPage = 4;
    for (const Case& c : cases) {
        gAbSettings.ttd = c.ttd;
        restOn(c.startPage);
        pager.velocity = 0.0f;
        bool tapped = gesture(c.x, {}, 120, c.x);
        EXPECT_EQ(tapped, c.tapped) << "ttd " << c.ttd << " page " << c.startPage << " x " << c.x;
        EXPECT_EQ(pager.page, c.page) << "ttd " << c.ttd << " page " << c.startPage << " x " << c.x;
        EXPECT_EQ(pager.pagePos, static_cast<float>(c.page));
    }
}

TEST_F(ScrollerTest, LongPressOrWanderingIsNoTap)
{
    restOn(1);
    EXPECT_FALSE(gesture(160, {}, 600, 160)) << "600 ms is too long";
    restOn(1);
    EXPECT_FALSE(gesture(160, {{50, 170}}, 100, 161)) << "strayed 10 px on the way";
    restOn(1);
    EXPECT_TRUE(gesture(160, {{50, 169}}, 599, 161));
}

TEST_F(ScrollerTest, SideZoneNeedsThePressThereToo)
{
    gAbSettings.ttd = 1;
    pager.pageWidth = 78;
    pager.maxPage = 4;
    restOn(2);
    // Pressed 9 px right of the left zone's reach, released inside it.
    EXPECT_TRUE(gesture(109, {{40, 105}}, 100, 100));
    EXPECT_EQ(pager.page, 2);
}

TEST_F(ScrollerTest, DragsCountOnlyInsideTheBand)
{
    restOn(1);
    EXPECT_FALSE(pager.beginDrag(200, 99));
    EXPECT_FALSE(pager.beginDrag(200, 400));
    EXPECT_FALSE(pager.drag(100, 200)) << "no drag runs";
    EXPECT_FALSE(pager.endDrag(100, 200, nullptr));

    EXPECT_TRUE(pager.beginDrag(200, 100));
    EXPECT_TRUE(pager.drag(40, 450)) << "outside the band the drag is kept but ignored";
    EXPECT_EQ(pager.position, 1.0f);
    EXPECT_TRUE(pager.endDrag(40, 450, nullptr));
    EXPECT_FALSE(pager.isDragging());
}

TEST_F(ScrollerTest, DragLongerThanTheRingTakesItsReferenceFromTheSamplesStillHeld)
{
    // A fast, steady drag leftwards: 5 px every 5 ms, more samples than the ring holds, all
    // within 300 ms. The reference must be the oldest sample the ring still holds.
    const int cap = ScrollSamples::kCapacity;
    const int moves = cap + cap / 4;
    restOn(0);
    std::vector<Move> path;
    for (int i = 1; i <= moves; i++)
        path.push_back({5 * i, 300 - 5 * i});
    int releaseX = 300 - 5 * moves;
    gesture(300, path, 5 * moves, releaseX);

    int oldestHeld = 300 - 5 * (moves - cap + 1);
    int dx = releaseX - oldestHeld;
    ASSERT_GT(-dx, pager.pageWidth / 5);
    EXPECT_FLOAT_EQ(pager.velocity, (-dx + 5) / 450.0f);
}

TEST_F(ScrollerTest, TimesAcrossTheClockWrapStillMeasure)
{
    gNow = 2147483600;
    restOn(1);
    pager.beginDrag(200, 200);
    gNow = 5;  // the clock went round at 2^31 - 1: 52 ms later
    bool tapped = false;
    pager.endDrag(200, 200, &tapped);
    EXPECT_TRUE(tapped) << "a 52-ms press is a tap";
}

TEST(ScrollerClockTest, AHoldBeforeTheReleaseStopsTheFlickWhileTheGameWaits)
{
    // Menus show while the game clock is paused; the frame time goes on.
    const GameClock saved = gGameClock;
    const int savedTtd = gAbSettings.ttd;
    gAbSettings.ttd = 0;
    gGameClock.updateAt(10000);
    gGameClock.pauseAt(10000);
    Scroller slider;
    slider.pageWidth = 78;
    slider.minPage = 0;
    slider.maxPage = 4;
    slider.bandTop = 0;
    slider.bandBottom = 480;
    slider.beginDrag(200, 240);
    for (int i = 1; i <= 8; i++) {
        gGameClock.updateAt(10000 + 30 * i);
        slider.drag(200 - 78 * i / 8, 240);
    }
    gGameClock.updateAt(10240 + 400);
    bool tapped = false;
    slider.endDrag(122, 240, &tapped);
    EXPECT_EQ(slider.velocity, 0.0f) << "the finger rested 400 ms before it left";
    EXPECT_FALSE(tapped);
    gAbSettings.ttd = savedTtd;
    gGameClock = saved;
}

}  // namespace
