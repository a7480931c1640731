// The bottom bar's double tap as sequences of presses, releases and frame checks with their times.

#include <gtest/gtest.h>

#include <vector>

#include "game/BarDoubleTap.h"

namespace {

using Result = BarDoubleTap::Result;

struct Event {
    char kind;  // 'p' press, 'r' release, 'f' the frame's check
    int x, y;
    int ms;
};

struct Case {
    const char* name;
    std::vector<Event> events;
    bool tutorial;  // the tutorial's rule applies
    int ieh;
    Result last;    // what the last release answered
    int count;      // taps counted at the end
};

// Two taps at (150, 460): the first at 1000 ms, the second released at `second` ms, ending at (x, y).
std::vector<Event> twoTaps(int second, int x = 150, int y = 460)
{
    return {{'p', 150, 460, 900}, {'r', 150, 460, 1000}, {'p', 150, 460, second - 50}, {'r', x, y, second}};
}

Result run(BarDoubleTap& tap, const Case& c)
{
    BarDoubleTap::TutorialRule rule;
    rule.applies = c.tutorial;
    rule.ieh = c.ieh;
    Result last = BarDoubleTap::None;
    for (const Event& e : c.events) {
        if (e.kind == 'p')
            tap.press(e.x, e.y);
        else if (e.kind == 'r')
            last = tap.release(e.x, e.y, e.ms, rule);
        else
            tap.abandonIfOld(e.ms);
    }
    return last;
}

}  // namespace

TEST(BarDoubleTapTest, SequencesOfTaps)
{
    const Case cases[] = {
        {"a quick double tap leaves", twoTaps(1300), false, 0, BarDoubleTap::Leave, 0},
        {"the play screen sets no time limit", twoTaps(60000), false, 0, BarDoubleTap::Leave, 0},
        {"one tap waits", {{'p', 150, 460, 900}, {'r', 150, 460, 1000}}, false, 0, BarDoubleTap::Counted, 2},
        {"second release 22 px away still counts", twoTaps(1300, 172, 460), false, 0, BarDoubleTap::Leave, 0},
        {"second release 23 px away clears", twoTaps(1300, 173, 460), false, 0, BarDoubleTap::None, 0},
        {"diagonal 16,16 (512) clears", twoTaps(1300, 166, 476), false, 0, BarDoubleTap::None, 0},
        {"first release too far clears",
         {{'p', 150, 460, 900}, {'r', 180, 460, 1000}},
         false, 0, BarDoubleTap::None, 0},
        {"a release with no press is nothing", {{'r', 150, 460, 1000}}, false, 0, BarDoubleTap::None, 0},
        {"a second press before the release clears",
         {{'p', 150, 460, 900}, {'p', 150, 460, 950}, {'r', 150, 460, 1000}},
         false, 0, BarDoubleTap::None, 0},
        {"the frame keeps a tap 1899 ms old",
         {{'p', 150, 460, 900}, {'r', 150, 460, 1000}, {'f', 0, 0, 2899}, {'p', 150, 460, 2950}, {'r', 150, 460, 3000}},
         false, 0, BarDoubleTap::Leave, 0},
        {"the frame drops a tap 1900 ms old",
         {{'p', 150, 460, 900}, {'r', 150, 460, 1000}, {'f', 0, 0, 2900}, {'p', 150, 460, 2950}, {'r', 150, 460, 3000}},
         false, 0, BarDoubleTap::Counted, 2},
        {"tutorial: within 900 ms leaves", twoTaps(1900), true, 3, BarDoubleTap::Leave, 0},
        {"tutorial: 901 ms is too slow", twoTaps(1901), true, 3, BarDoubleTap::None, 0},
        {"tutorial ieh 1: a low release leaves", twoTaps(1300, 150, 452), true, 1, BarDoubleTap::Leave, 0},
        {"tutorial ieh 1: y 451 is not low enough", twoTaps(1300, 150, 451), true, 1, BarDoubleTap::None, 0},
        {"tutorial ieh 1: low but slow", twoTaps(1950, 150, 470), true, 1, BarDoubleTap::None, 0},
        {"tutorial ieh 2 never leaves", twoTaps(1300), true, 2, BarDoubleTap::None, 0},
    };
    for (const Case& c : cases) {
        BarDoubleTap tap;
        EXPECT_EQ(c.last, run(tap, c)) << c.name;
        EXPECT_EQ(c.count, tap.count()) << c.name;
    }
}

TEST(BarDoubleTapTest, TheFirstReleaseIsTimeStampedAndTheSecondPressNoted)
{
    BarDoubleTap tap;
    EXPECT_TRUE(tap.press(100, 450));
    EXPECT_EQ(-1, tap.firstTapMs());
    EXPECT_EQ(BarDoubleTap::Counted, tap.release(101, 451, 4321, BarDoubleTap::TutorialRule()));
    EXPECT_EQ(4321, tap.firstTapMs());
    EXPECT_FALSE(tap.secondDown());
    EXPECT_TRUE(tap.press(100, 450));
    EXPECT_TRUE(tap.secondDown());
    EXPECT_EQ(3, tap.count());
    EXPECT_FALSE(tap.press(100, 450)) << "a third press in a row is not a tap";
    tap.clear();
    EXPECT_EQ(0, tap.count());
    EXPECT_EQ(-1, tap.firstTapMs());
    EXPECT_FALSE(tap.secondDown());
}
