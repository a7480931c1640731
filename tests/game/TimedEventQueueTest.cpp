#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "Core/Mutex.h"
#include "game/TimedEventQueue.h"

namespace {

int32_t gFakeNow = 0;
int32_t fakeClock() { return gFakeNow; }

// A queue on a clock the test sets, and the kinds each walk played.
class TimedEventQueueTest : public ::testing::Test {
protected:
    void SetUp() override { gFakeNow = 5000; }

    std::vector<int> frame(bool loaded = true)
    {
        std::vector<int> played;
        events.runDue([&](int kind) {
            if (!loaded)
                return false;
            played.push_back(kind);
            return true;
        });
        return played;
    }

    Mutex lock;
    TimedEventQueue events{lock, fakeClock};
};

}  // namespace

// When an entry first plays: schedule() takes the frame's 100-ms lead off, append() does not.
TEST_F(TimedEventQueueTest, DueTimesWithAndWithoutTheLead)
{
    struct Case {
        bool lead;
        int delay;
        int later;   // ms between queueing and the walk
        bool plays;
    };
    const Case cases[] = {
        {true, -1, 0, true},      // "at once"
        {true, 0, 0, true},
        {true, 100, 0, true},
        {true, 101, 0, false},
        {true, 101, 1, true},
        {true, 1600, 1499, false},
        {true, 1600, 1500, true},
        {false, 0, 0, true},
        {false, 250, 249, false},
        {false, 250, 250, true},
    };
    for (const Case& c : cases) {
        gFakeNow = 5000;
        TimedEventQueue queue(lock, fakeClock);
        if (c.lead)
            queue.schedule(kEventHint, c.delay);
        else
            queue.append(kEventHint, c.delay);
        gFakeNow += c.later;
        int played = 0;
        queue.runDue([&](int) { return ++played > 0; });
        EXPECT_EQ(played == 1, c.plays) << (c.lead ? "schedule " : "append ") << c.delay << " after " << c.later;
        EXPECT_EQ(queue.size(), c.plays ? 0 : 1);
    }
}

// At game time 99 an event asked for at once is due at -1, an ordinary time like any other.
TEST_F(TimedEventQueueTest, ADueTimeOfMinusOneStillPlays)
{
    gFakeNow = 99;
    events.schedule(kEventMouthPop, 0);
    ASSERT_EQ(events.at(0).dueMs, -1);
    EXPECT_EQ(frame(), std::vector<int>{kEventMouthPop});
    EXPECT_EQ(events.size(), 0);
}

// A walk steps past the place of the entry it just played, so entries due together are spread over frames.
TEST_F(TimedEventQueueTest, NeighboursDueTogetherComeAFrameApart)
{
    events.schedule(kEventUndo, 0);
    events.schedule(kEventHint, 0);
    events.schedule(kEventYay, 0);
    events.schedule(kEventAlarm, 5000);
    EXPECT_EQ(frame(), (std::vector<int>{kEventUndo, kEventYay}));
    EXPECT_EQ(frame(), std::vector<int>{kEventHint});
    EXPECT_EQ(frame(), std::vector<int>{});
    EXPECT_EQ(events.size(), 1) << "the alarm is not due yet";
}

// An effect loaded in the background is waited for by the kinds that must be heard; the others are dropped.
TEST_F(TimedEventQueueTest, RetriedKindsWaitForTheirEffectToLoad)
{
    struct Case {
        int kind;
        bool retried;
    };
    const Case cases[] = {
        {kEventLostLife, false}, {kEventTitleMusic, false}, {kEventGameOver, true}, {kEventYay, true},
        {4, false},              {kEventMouthPop, false},   {kEventWrongMove, false}, {kEventUndo, true},
        {kEventHint, true},      {kEventBeatStage, true},   {kEventAlarm, true},    {11, false},
    };
    for (const Case& c : cases) {
        TimedEventQueue queue(lock, fakeClock);
        queue.schedule(c.kind, -1);
        std::vector<int> played;
        queue.runDue([&](int) { return false; });
        EXPECT_EQ(queue.size(), c.retried ? 1 : 0) << "kind " << c.kind;
        EXPECT_EQ(TimedEventQueue::retried(c.kind), c.retried) << "kind " << c.kind;
        queue.runDue([&](int kind) {
            played.push_back(kind);
            return true;
        });
        EXPECT_EQ(played.size(), c.retried ? 1u : 0u) << "kind " << c.kind << " plays once loaded";
        EXPECT_EQ(queue.size(), 0);
    }
}

// The music fader queues from its own thread while frames walk the queue: nothing is lost or played twice.
TEST_F(TimedEventQueueTest, EventsQueuedFromAnotherThreadDuringFrames)
{
    const int kEvents = 20000;
    std::atomic<bool> done{false};
    std::thread fader([&] {
        for (int i = 0; i < kEvents; i++)
            events.schedule(i % 2 ? kEventTitleMusic : kEventLostLife, -1);
        done = true;
    });
    int played = 0;
    while (!done || events.size() > 0)
        events.runDue([&](int) { return ++played > 0; });
    fader.join();
    EXPECT_EQ(played, kEvents);
}
