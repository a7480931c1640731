// The tutorial's rules apart from the window: the order of its steps, the tap
// gate, the undo it waits for, its closing words and way out, its pointers.

#include <gtest/gtest.h>

#include <vector>

#include "game/TutorialSteps.h"
#include "settings/Statistics.h"

namespace {

std::vector<int> walkFrom(int step, bool done)
{
    std::vector<int> steps{step};
    while (step >= 0 && steps.size() < 30) {
        step = nextTutorialStep(step, done);
        steps.push_back(step);
    }
    return steps;
}

}  // namespace

TEST(TutorialStepsTest, StepsComeInTheirOrderAndEnd)
{
    EXPECT_EQ(walkFrom(42, false), (std::vector<int>{42, 43, 44, 45, 46, 47, 54, 48, 49, 50, 51, 53, -1}));
    // A player who finished it before is not sent on to a mode.
    EXPECT_EQ(walkFrom(42, true), (std::vector<int>{42, 43, 44, 45, 46, 47, 54, 48, 49, 50, 51, -1}));
    // Counted from the first step (43) to the end.
    EXPECT_EQ(tutorialStepStatistic(43), StatInst0);
    EXPECT_EQ(tutorialStepStatistic(54), StatInst11);
    EXPECT_EQ(tutorialStepStatistic(-1), StatFinishedInst);
}

TEST(TutorialStepsTest, ATapMovesOnOnlyAboveTheBarOutsideThePlayersStepsWithNoAlert)
{
    struct Case {
        int step, pressStep, y;
        bool alert;
        bool advances;
    } cases[] = {
        {43, 43, 200, false, true},
        {53, 53, 439, false, true},
        {43, 43, 440, false, false},   // the bottom bar
        {43, 43, 200, true, false},
        {49, 49, 200, false, false},   // the player moves here, taps do nothing
        {50, 50, 200, false, false},
        {51, 51, 200, false, true},
        {51, 50, 200, false, false},   // the release of the throw that finished step 50
        {50, 49, 200, false, false},
        {44, -1, 200, false, true},    // no press seen (a release alone)
        {-1, -1, 200, false, false},   // not running
    };
    for (const Case& c : cases)
        EXPECT_EQ(tutorialTapAdvances(c.step, c.pressStep, c.y, c.alert), c.advances)
            << c.step << " pressed in " << c.pressStep << " at " << c.y;

    EXPECT_FALSE(tutorialGateOpen(0));
    EXPECT_FALSE(tutorialGateOpen(500));
    EXPECT_TRUE(tutorialGateOpen(501));
}

TEST(TutorialStepsTest, DemonstrationsRepeatEveryThreeSeconds)
{
    struct Case {
        int ms, ticks;
        bool due;
    } cases[] = {
        {0, 0, false}, {2999, 0, false}, {3000, 0, true}, {3000, 1, false}, {6100, 1, true}, {9000, 2, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tutorialTickDue(c.ms, c.ticks), c.due) << c.ms << " ms, " << c.ticks << " done";

    TutorialDemo demo;
    EXPECT_FALSE(tutorialDemoOf(44, &demo));
    EXPECT_FALSE(tutorialDemoOf(48, &demo));
    ASSERT_TRUE(tutorialDemoOf(45, &demo));
    EXPECT_FALSE(demo.marked) << "the good move has no cross";
    ASSERT_TRUE(tutorialDemoOf(46, &demo));
    EXPECT_TRUE(demo.marked);
    EXPECT_FLOAT_EQ(demo.markColumn, 5.5f) << "where the two neighbours meet";
}

TEST(TutorialStepsTest, UndoWorksInThePlayersStepsWhileExpectedAndRepeatsTheStepOnceBack)
{
    struct Case {
        int step;
        bool pending;
        bool allowed;
    } cases[] = {
        {49, true, true}, {50, true, true}, {49, false, false}, {48, true, false}, {51, true, false}, {45, true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tutorialUndoAllowed(c.step, c.pending), c.allowed) << c.step << (c.pending ? " pending" : "");

    // Step 49 begins with three furballs on the board: an undo that brings them back shows it again.
    EXPECT_TRUE(tutorialUndoRepeatsStep(49, 3));
    EXPECT_FALSE(tutorialUndoRepeatsStep(49, 2));
}

TEST(TutorialStepsTest, TheClosingWordsAndTheWayOutFollowTheSettings)
{
    EXPECT_EQ(tutorialClosingTextId(0), 346);
    EXPECT_EQ(tutorialClosingTextId(1), 345);
    EXPECT_EQ(tutorialClosingTextId(2), 345);
    EXPECT_EQ(tutorialClosingTextId(3), 346);

    struct Case {
        int dm, text;
    } names[] = {{0, 11}, {1, 12}, {2, 13}, {19, 13}, {20, 11}, {-1, 11}};
    for (const Case& c : names)
        EXPECT_EQ(tutorialModeNameTextId(c.dm), c.text) << "_dm_ " << c.dm;

    EXPECT_EQ(tutorialExit(true, 1), TutorialToMainMenu);
    EXPECT_EQ(tutorialExit(false, 1), TutorialToModeMenu);
    EXPECT_EQ(tutorialExit(false, 2), TutorialToModeMenu);
    EXPECT_EQ(tutorialExit(false, 0), TutorialToSelectedMode);
}

TEST(TutorialStepsTest, PointersShowInTheirStepsOnceTheStepHasSettled)
{
    struct Case {
        int step, ms;
        bool pending;
        int count;
    } cases[] = {
        {49, 451, false, 1}, {49, 450, false, 0}, {49, 2000, true, 0}, {50, 451, false, 1},
        {54, 101, false, 2}, {54, 100, false, 0}, {48, 5000, false, 0}, {-1, 5000, false, 0},
    };
    TutorialPointer pointers[2];
    for (const Case& c : cases)
        EXPECT_EQ(tutorialPointers(c.step, c.ms, c.pending, 1.0f, 0, pointers), c.count) << c.step << " at " << c.ms;

    // They bob between 0 and 4 px and point the way the furball goes.
    for (int now = 0; now < 2000; now += 97) {
        ASSERT_EQ(tutorialPointers(49, 1000, false, 1.0f, now, pointers), 1);
        EXPECT_GE(pointers[0].x, 295.5f - 9.5f - 0.01f);
        EXPECT_LE(pointers[0].x, 295.5f - 5.5f + 0.01f);
        EXPECT_EQ(pointers[0].angle, 180);
    }
    ASSERT_EQ(tutorialPointers(50, 1000, false, 1.0f, 0, pointers), 1);
    EXPECT_EQ(pointers[0].angle, 0);
}
