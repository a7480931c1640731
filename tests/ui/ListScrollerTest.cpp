#include "ui/ListScroller.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <thread>
#include <vector>

namespace {

std::atomic<int32_t> gNow{0};
int32_t fakeNow() { return gNow.load(); }

const float kTop = 0.0001f;

class ListScrollerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gNow = 1000;
        list.setClock(fakeNow);
    }
    // Press at y, then moves every 16 ms to each y, release at the last one.
    void drag(int startY, const std::vector<int>& ys, int32_t stepMs = 16)
    {
        list.handleTouch(0, 160, startY);
        int y = startY;
        for (int next : ys) {
            gNow += stepMs;
            y = next;
            list.handleTouch(1, 160, y);
        }
        gNow += stepMs;
        list.handleTouch(2, 160, y);
    }
    // Frames of 16 ms until the list rests; returns the largest and smallest shown positions.
    void settle(float* highest, float* lowest)
    {
        *highest = *lowest = list.shownPosition();
        bool moving = true;
        for (int frame = 0; frame < 2000 && moving; frame++) {
            gNow += 16;
            float shown = list.step(&moving);
            *highest = std::max(*highest, shown);
            *lowest = std::min(*lowest, shown);
        }
        EXPECT_FALSE(moving);
    }

    ListScroller list{120, 0.22f, 99.0001f};
};

TEST_F(ListScrollerTest, QuickFlickIsAlwaysTheSameSpeed)
{
    struct Case {
        int startY;
        std::vector<int> ys;
        float velocity;
    };
    const Case cases[] = {
        {300, {280, 260, 249}, 0.25f},          // 51 px up
        {300, {250}, 0.0f},                     // exactly 50 px is no flick
        {400, {300, 200, 100}, 0.25f},          // 300 px up: no faster
        {100, {150, 250, 380}, -0.25f},         // down
        {300, {305, 295, 290}, 0.0f},           // a small drag
    };
    for (const Case& c : cases) {
        ListScroller fresh(120, 0.22f, 99.0001f);
        fresh.setClock(fakeNow);
        fresh.handleTouch(0, 160, 240);
        fresh.handleTouch(2, 160, 240);  // a step later drags start from the top
        fresh.handleTouch(0, 160, c.startY);
        int y = c.startY;
        for (int next : c.ys) {
            gNow += 16;
            y = next;
            fresh.handleTouch(1, 160, y);
        }
        gNow += 16;
        fresh.handleTouch(2, 160, y);
        EXPECT_FLOAT_EQ(fresh.currentVelocity(), c.velocity) << "from " << c.startY << " to " << y;
    }
}

TEST_F(ListScrollerTest, SlowDragMeasuresOnlyItsLast300Ms)
{
    // 200 px up over a second, but only 40 px in the last 300 ms.
    list.handleTouch(0, 160, 400);
    gNow += 350;
    list.handleTouch(1, 160, 300);
    gNow += 350;
    list.handleTouch(1, 160, 240);
    gNow += 200;
    list.handleTouch(1, 160, 220);
    gNow += 100;
    list.handleTouch(2, 160, 200);
    EXPECT_EQ(list.currentVelocity(), 0.0f);
}

TEST_F(ListScrollerTest, DragFollowsTheFingerAfterTenPixelsAndStopsAtTheMargin)
{
    list.setMaxPos(3.0f);
    list.handleTouch(0, 160, 300);
    list.handleTouch(1, 160, 290);
    list.step(nullptr);
    EXPECT_EQ(list.targetPosition(), kTop) << "10 px is still a press";
    list.handleTouch(1, 160, 220);
    EXPECT_FLOAT_EQ(list.targetPosition(), kTop + 0.5f) << "80 px up is half a unit on";
    list.handleTouch(1, 160, 400);
    EXPECT_FLOAT_EQ(list.targetPosition(), kTop - 0.22f) << "pulled down, only as far as the margin";
    list.handleTouch(2, 160, 400);
}

TEST_F(ListScrollerTest, PressesOutsideTheBandAreIgnored)
{
    struct Case {
        int x, y;
    };
    const Case cases[] = {{40, 240}, {280, 240}, {160, 40}, {160, 440}};
    for (const Case& c : cases) {
        list.handleTouch(0, c.x, c.y);
        EXPECT_FALSE(list.isDragging()) << c.x << "," << c.y;
    }
    list.handleTouch(0, 41, 41);
    EXPECT_TRUE(list.isDragging());
}

TEST_F(ListScrollerTest, BounceSettlesExactlyOnTheEnd)
{
    struct Case {
        const char* name;
        float maxPos;
        bool flickDown;  // finger down: the list runs back to its top
        float rest;
    };
    const Case cases[] = {
        {"bottom", 0.5f, false, 0.5f},
        {"top", 2.0f, true, kTop},
    };
    for (const Case& c : cases) {
        ListScroller one(120, 0.22f, c.maxPos);
        one.setClock(fakeNow);
        if (c.flickDown) {
            // Move a little way into the list first, then flick back.
            one.handleTouch(0, 160, 300);
            one.handleTouch(1, 160, 240);
            gNow += 500;
            one.handleTouch(2, 160, 240);
            one.step(nullptr);
        }
        one.handleTouch(0, 160, c.flickDown ? 100 : 380);
        gNow += 16;
        one.handleTouch(1, 160, c.flickDown ? 200 : 280);
        gNow += 16;
        one.handleTouch(2, 160, c.flickDown ? 300 : 180);
        ASSERT_NE(one.currentVelocity(), 0.0f) << c.name;

        bool moving = true;
        float highest = one.shownPosition(), lowest = highest;
        for (int frame = 0; frame < 2000 && moving; frame++) {
            gNow += 16;
            float shown = one.step(&moving);
            highest = std::max(highest, shown);
            lowest = std::min(lowest, shown);
        }
        EXPECT_FALSE(moving) << c.name;
        if (c.flickDown)
            EXPECT_LT(lowest, kTop) << c.name << ": it overshoots the top";
        else
            EXPECT_GT(highest, c.maxPos) << c.name << ": it overshoots the bottom";
        EXPECT_GE(lowest, kTop - 0.22f) << c.name;
        EXPECT_LE(highest, c.maxPos + 0.22f) << c.name;
        EXPECT_EQ(one.shownPosition(), c.rest) << c.name;
        EXPECT_EQ(one.targetPosition(), c.rest) << c.name;
        EXPECT_EQ(one.currentVelocity(), 0.0f) << c.name;
    }
}

TEST_F(ListScrollerTest, FrictionStopsAFlickInTheMiddleOfALongList)
{
    drag(380, {280, 180});
    float highest, lowest;
    settle(&highest, &lowest);
    float shown = list.shownPosition();
    EXPECT_GT(shown, 1.0f) << "coasted on past the drag";
    EXPECT_LT(shown, 99.0f);
    EXPECT_EQ(list.targetPosition(), shown);
    EXPECT_EQ(list.currentVelocity(), 0.0f);
}

TEST_F(ListScrollerTest, WithoutMarginTheListOnlyFollows)
{
    ListScroller flat(120, 0.0f, 5.0f);
    flat.setClock(fakeNow);
    flat.handleTouch(0, 160, 380);
    gNow += 16;
    flat.handleTouch(1, 160, 200);
    gNow += 16;
    flat.handleTouch(2, 160, 100);
    ASSERT_EQ(flat.currentVelocity(), 0.25f);
    gNow += 16;
    bool moving = false;
    float shown = flat.step(&moving);
    EXPECT_TRUE(moving);
    EXPECT_FLOAT_EQ(shown, kTop + 1.0f) << "the drag's own distance, capped at 1 unit, and no coasting";
}

// The high-score screen refills its list from a worker thread: the worker changes maxPos (and
// its rows, under the scroller's lock) while the main thread drags and steps.
TEST_F(ListScrollerTest, WorkerRefillsWhileTheMainThreadDrags)
{
    std::vector<int> rows(40, 0);
    std::atomic<bool> stop{false};
    std::thread worker([&] {
        for (int round = 0; !stop.load() && round < 20000; round++) {
            MutexLock lock(&list.mutex());
            int count = 10 + round % 60;
            rows.assign(count, round);
            list.setMaxPos(static_cast<float>(count) / 4.0f);
        }
    });

    bool finite = true, whole = true;
    for (int gesture = 0; gesture < 300; gesture++) {
        int y = 100 + gesture % 7 * 40;
        list.handleTouch(0, 160, y);
        for (int m = 0; m < 8; m++) {
            gNow += 5;
            list.handleTouch(1, 160, y + (gesture % 2 ? 20 : -20) * m);
            list.step(nullptr);
        }
        list.handleTouch(2, 160, y);
        // Drawing reads the rows at the shown position under the same lock.
        MutexLock lock(&list.mutex());
        float shown = list.step(nullptr);
        finite = finite && std::isfinite(shown);
        int row = static_cast<int>(shown * 4.0f);
        if (row >= 0 && row < static_cast<int>(rows.size()) && rows[row] != rows[0])
            whole = false;
    }
    stop = true;
    worker.join();
    EXPECT_TRUE(finite);
    EXPECT_TRUE(whole) << "a row from a half-done refill";

    list.setMaxPos(2.0f);
    float highest, lowest;
    settle(&highest, &lowest);
    EXPECT_GE(list.shownPosition(), kTop);
    EXPECT_LE(list.shownPosition(), 2.0f);
}

TEST_F(ListScrollerTest, EveryOperationWaitsForTheOwnersLock)
{
    struct Case {
        const char* name;
        std::function<void(ListScroller&)> run;
    };
    const Case cases[] = {
        {"press", [](ListScroller& l) { l.handleTouch(0, 160, 240); }},
        {"move", [](ListScroller& l) { l.handleTouch(1, 160, 200); }},
        {"release", [](ListScroller& l) { l.handleTouch(2, 160, 200); }},
        {"step", [](ListScroller& l) { l.step(nullptr); }},
        {"setMaxPos", [](ListScroller& l) { l.setMaxPos(3.0f); }},
        {"shownPosition", [](ListScroller& l) { l.shownPosition(); }},
        {"targetPosition", [](ListScroller& l) { l.targetPosition(); }},
        {"currentVelocity", [](ListScroller& l) { l.currentVelocity(); }},
        {"maxPosition", [](ListScroller& l) { l.maxPosition(); }},
        {"isDragging", [](ListScroller& l) { l.isDragging(); }},
        {"isMoving", [](ListScroller& l) { l.isMoving(); }},
    };
    for (const Case& c : cases) {
        std::atomic<bool> done{false};
        std::thread other;
        {
            MutexLock lock(&list.mutex());
            other = std::thread([&] {
                c.run(list);
                done = true;
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            EXPECT_FALSE(done.load()) << c.name << " ran while the owner held the lock";
        }
        other.join();
        EXPECT_TRUE(done.load()) << c.name;
    }
}

}  // namespace
