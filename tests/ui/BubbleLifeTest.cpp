#include "ui/BubbleLife.h"

#include "Core/GameClock.h"
#include "settings/AbSettings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Bubbles read the global game clock; each test starts it at 10 s, running.
class BubbleLifeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = gGameClock;
        savedTtb = gAbSettings.ttb;
        gGameClock = GameClock();
        gGameClock.updateAt(10000);
    }
    void TearDown() override
    {
        gGameClock = saved;
        gAbSettings.ttb = savedTtb;
    }
    static void at(int age) { gGameClock.updateAt(10000 + age); }

    GameClock saved;
    int savedTtb = -1;
};

TEST_F(BubbleLifeTest, CloseKeepsAYoungScheduledFadeOutUnlessForced)
{
    struct Case {
        const char* name;
        int scheduled;  // fadeOutEnd before the close
        int age;
        bool force;
        int fadeOutEnd;
        bool closing;
    };
    const Case cases[] = {
        {"scheduled, 500 ms old: ignored", 5000, 500, false, 5000, false},
        {"scheduled, 900 ms old: still ignored", 5000, 900, false, 5000, false},
        {"scheduled, 500 ms old, forced", 5000, 500, true, 1100, true},
        {"scheduled, 901 ms old", 5000, 901, false, 1501, true},
        {"nothing scheduled, young", 0, 100, false, 700, true},
        {"an earlier end stays", 1000, 950, false, 1000, true},
    };
    for (const Case& c : cases) {
        at(0);
        BubbleLife life;
        life.fadeOutEnd = c.scheduled;
        at(c.age);
        life.close(600, c.force);
        EXPECT_EQ(life.fadeOutEnd, c.fadeOutEnd) << c.name;
        EXPECT_EQ(life.closing != 0, c.closing) << c.name;
        EXPECT_EQ(life.fadeOutLength, 600) << c.name;
    }
}

struct FrameCase {
    int age;
    bool visible;
    float factor;
    bool finished;
};

void expectFrames(const BubbleLife& life, const FrameCase* cases, int n, const char* name)
{
    for (int i = 0; i < n; i++) {
        const FrameCase& c = cases[i];
        gGameClock.updateAt(10000 + c.age);
        BubbleLife::Frame f = life.frame();
        EXPECT_EQ(f.visible, c.visible) << name << " at " << c.age;
        EXPECT_EQ(f.finished, c.finished) << name << " at " << c.age;
        EXPECT_EQ(f.hide, c.finished) << name << " at " << c.age;
        if (c.visible) {
            EXPECT_NEAR(f.factor, c.factor, 1e-4) << name << " at " << c.age;
        }
    }
}

TEST_F(BubbleLifeTest, ClosedAtOnceStillFadesInForWhatTheFadeOutLeaves)
{
    BubbleLife life;
    life.close(600, false);
    const FrameCase frames[] = {
        {100, true, 1.0f / 6, false},  // fade-in 1/6, fade-out 5/6
        {300, true, 0.5f, false},      // the two meet
        {500, true, 1.0f / 6, false},
        {600, true, 0.0f, false},
        {601, false, 0, false},        // invisible tail
        {4100, false, 0, false},
        {4101, false, 0, true},
    };
    expectFrames(life, frames, 7, "closed at once");
}

TEST_F(BubbleLifeTest, DelayAndFadeOutKeepTheInvisibleTail)
{
    BubbleLife life;
    life.delay = 1000;
    life.fadeOutEnd = 2000;  // scheduled at construction: ends 2000 ms after the delay
    const FrameCase frames[] = {
        {999, false, 0, false},
        {1300, true, 0.5f, false},       // fade-in from the delay on
        {1600, true, 1400.0f / 1800, false},  // fade-in over; 1400 ms of the fade-out left
        {2100, true, 900.0f / 1800, false},
        {3000, true, 0.0f, false},
        {6500, false, 0, false},         // 3500 ms after the end: still there
        {6501, false, 0, true},
    };
    expectFrames(life, frames, 7, "delay and fade-out");
}

// Only a bubble whose look still changes asks for the next frame; one at rest or faded out does not.
TEST_F(BubbleLifeTest, ChangingOnlyWhileWaitingOrFading)
{
    struct Case {
        const char* name;
        int delay;
        int fadeInLength;
        int closeAt;  // -1: not closed
        int age;
        bool changing;
    };
    const Case cases[] = {
        {"waiting out its delay", 500, 400, -1, 200, true},
        {"fading in", 0, 400, -1, 100, true},
        {"fully shown", 0, 400, -1, 400, false},
        {"fully shown, much later", 0, 400, -1, 99999, false},
        {"shown at once", 0, -1, -1, 0, false},
        {"fading out", 0, 400, 5000, 5300, true},
        {"faded out, waiting to be finished", 0, 400, 5000, 6000, false},
        {"finished", 0, 400, 5000, 9601, false},
    };
    for (const Case& c : cases) {
        at(0);
        BubbleLife life;
        life.delay = c.delay;
        life.fadeInLength = c.fadeInLength;
        if (c.closeAt >= 0) {
            at(c.closeAt);
            life.close(600, false);
        }
        at(c.age);
        EXPECT_EQ(life.frame().changing, c.changing) << c.name;
    }
}

TEST_F(BubbleLifeTest, ClosedDuringItsDelayIsFinishedAtOnce)
{
    BubbleLife life;
    life.delay = 1000;
    at(200);
    life.close(600, false);
    BubbleLife::Frame f = life.frame();
    EXPECT_FALSE(f.visible);
    EXPECT_TRUE(f.finished);
}

TEST_F(BubbleLifeTest, ZeroFadeOutRightAwayStillEnds)
{
    BubbleLife life;
    life.close(0, true);  // an end at age 0 must not read as "no fade-out"
    EXPECT_GT(life.fadeOutEnd, 0);
    at(3502);
    EXPECT_TRUE(life.frame().finished);
}

TEST_F(BubbleLifeTest, WithoutFadeOutItFadesInOverItsOwnLengthOnTheRunningClock)
{
    BubbleLife life;
    life.fadeInLength = 400;
    const FrameCase frames[] = {{0, true, 0.0f, false}, {100, true, 0.25f, false}, {400, true, 1.0f, false},
                                {99999, true, 1.0f, false}};
    expectFrames(life, frames, 4, "fade-in 400");
    at(0);
    BubbleLife plain;
    EXPECT_FLOAT_EQ(plain.frame().factor, 1.0f) << "no fade-in length: at once";
}

TEST_F(BubbleLifeTest, AnimatedBubblesAgeWhileTheGameIsPausedListBubblesDoNot)
{
    BubbleLife listed, animated;
    animated.onRunningClock = 1;
    gGameClock.pauseAt(10500);
    gGameClock.updateAt(14000);
    EXPECT_EQ(listed.age(), 500);
    EXPECT_EQ(animated.age(), 4000);
    EXPECT_EQ(animated.gameAge(), 500);
}

TEST_F(BubbleLifeTest, LateFooterWaitsForTypingUnlessTtbIsOne)
{
    BubbleLife life;
    life.fadeInLength = 600;
    life.footerDelay = 500;
    struct Case {
        int age;
        int ttb;
        bool typingDone;
        bool due;
    };
    const Case cases[] = {
        {1099, 1, true, false},  // fade-in and footer delay not over
        {1100, 0, false, false},
        {1100, 2, false, false},
        {1100, 0, true, true},
        {1100, 1, false, true},
    };
    for (const Case& c : cases) {
        at(c.age);
        gAbSettings.ttb = c.ttb;
        EXPECT_EQ(life.footerDue(c.typingDone), c.due) << c.age << " ttb " << c.ttb << " typed " << c.typingDone;
    }
}

TEST_F(BubbleLifeTest, WobbleIsAHalfDozenPixelsEvery647Ms)
{
    BubbleLife life;
    EXPECT_NEAR(life.wobbleOffset(), 0.0f, 1e-4);
    at(162);
    EXPECT_NEAR(life.wobbleOffset(), 5.5f, 0.01f);
    at(647);
    EXPECT_NEAR(life.wobbleOffset(), 0.0f, 0.01f);
}

TEST_F(BubbleLifeTest, AgesAcrossTheClockWrap)
{
    gGameClock.updateAt(2147483000);
    BubbleLife life;
    gGameClock.updateAt(300);  // the clock went round at 2^31 - 1
    EXPECT_EQ(life.age(), 947);
}

}  // namespace
