// The how-to-play tutorial on a bare application object: the screen that opens
// it, the board its alert lays out, taps that move it on, the demonstrations,
// the undo it waits for after a wrong move, and its two ways out.

#include "tests/ui/DataFolderGlTest.h"

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/Board.h"
#include "board/BoardHost.h"
#include "game/AlertId.h"
#include "game/KelzoGame.h"
#include "game/TutorialSteps.h"
#include "modes/ExplainingGame.h"
#include "modes/GameHost.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "ui/MenuStack.h"

#include <string>

#include <unistd.h>

namespace {

// Bubbles and alerts load their pictures, fonts and texts from the data folder. The tips option is off:
// the tutorial's tips show all the same.
class TutorialTest : public DataFolderGlTest {
protected:
    void SetUp() override
    {
        DataFolderGlTest::SetUp();
        // Touches read the real clock, here 10 s on: the tests set how far into its step the tutorial is.
        gGameClock = GameClock();
        gGameClock.startMs -= 10000;
        gGameClock.update();
        savedSettings = gSettings;
        settings.switchB = false;
        settings.gameMode = kGameArcade;
        gSettings = &settings;
        gBoardHost = &game;
        gGameHost = &game;
    }
    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        game.tips.removeAll();
        game.setCurrentGame(nullptr);
        gSettings = savedSettings;
        DataFolderGlTest::TearDown();
    }

    // The how-to-play screen opened from `from`, its alert answered: the board is laid out.
    void openTutorial(ScreenId from = ScreenTitle)
    {
        game.currentScreen = from;
        game.showMenu(ScreenHowToPlay);
        ASSERT_EQ(game.currentAlertId, AlertHowToPlayStart);
        game.alertButtonClicked(0, nullptr);
        gMenuStack.deleteAllMenus();
    }

    // A tap well into the step: the first asks the step's bubble to go, the next moves on.
    void tapOn()
    {
        game.tutorialStepStart = gGameClock.now() - 1000;
        game.tutorialTouchEnded(160, 200);
        game.tutorialTouchEnded(160, 200);
    }

    Board& board() { return *game.currentGame->board; }

    Settings settings;
    Settings* savedSettings = nullptr;
    KelzoGame game;
};

}  // namespace

TEST_F(TutorialTest, TheScreenPutsTheGameAsideForAnInstructionGameAndItsAlertLaysOutTheBoard)
{
    game.currentScreen = ScreenTitle;
    gGameClock.pause();
    const int began = gAbSettings.counter(StatBeganInst);
    game.showMenu(ScreenHowToPlay);
    EXPECT_EQ(gAbSettings.counter(StatBeganInst), began + 1);
    EXPECT_FALSE(gGameClock.paused);
    EXPECT_TRUE(game.currentMenu.isNull()) << "the tutorial is its board, no menu";
    ASSERT_NE(dynamic_cast<ExplainingGame*>(game.currentGame), nullptr);
    ASSERT_FALSE(game.currentGame->board.isNull());
    EXPECT_EQ(board().furballCount(), 0);
    EXPECT_EQ(board().level, -1);
    EXPECT_EQ(game.tutorialStep, 42);
    EXPECT_EQ(game.currentAlertId, AlertHowToPlayStart);

    // Taps do nothing before the alert is answered.
    game.tutorialStepStart = gGameClock.now() - 1000;
    game.tutorialTouchEnded(160, 200);
    EXPECT_EQ(game.tutorialStep, 42);

    game.alertButtonClicked(0, nullptr);
    gMenuStack.deleteAllMenus();
    for (const TutorialFurball& furball : kTutorialFurballs)
        EXPECT_EQ(board().colourAt(furball.x, furball.y), furball.colour) << furball.x << "," << furball.y;
    EXPECT_EQ(board().furballCount(), 4);
    EXPECT_EQ(game.tutorialStep, 43);
    EXPECT_TRUE(game.tips.isOpen(43)) << "tutorial tips show with the tips option off";
}

TEST_F(TutorialTest, ATapMovesOnOnlyAfterHalfASecondAndOnceTheBubbleHasGone)
{
    openTutorial();
    game.tutorialStepStart = gGameClock.now() - 500;
    game.tutorialTouchEnded(160, 200);
    game.tutorialTouchEnded(160, 200);
    EXPECT_EQ(game.tutorialStep, 43) << "too soon";

    game.tutorialStepStart = gGameClock.now() - 501;
    game.tutorialTouchEnded(160, 200);
    EXPECT_EQ(game.tutorialStep, 43) << "the first tap only sends the bubble away";
    EXPECT_FALSE(game.tips.isOpen(43));
    game.tutorialTouchEnded(160, 460);
    EXPECT_EQ(game.tutorialStep, 43) << "the bottom bar does not count";
    game.tutorialTouchEnded(160, 200);
    EXPECT_EQ(game.tutorialStep, 44);
    EXPECT_TRUE(game.tips.isOpen(44));
}

TEST_F(TutorialTest, StepFortyFiveShowsItsMoveAgainEveryThreeSecondsFromTheSameBoard)
{
    openTutorial();
    tapOn();
    tapOn();
    ASSERT_EQ(game.tutorialStep, 45);
    EXPECT_EQ(board().furballCount(), 3) << "the demonstrated move knocked one off";
    EXPECT_EQ(board().colourAt(5, 4), 4);
    EXPECT_TRUE(game.tutorialDemo.active);

    for (int period = 1; period <= 2; period++) {
        game.tutorialStepStart = gGameClock.now() - 3000 * period;
        game.currentScreen = ScreenHowToPlay;
        game.stepTutorial();
        EXPECT_EQ(game.tutorialTicks, period);
        EXPECT_EQ(board().furballCount(), 3);
        EXPECT_EQ(board().history.size(), 1) << "taken back before it is made again";
    }

    // The wrong moves of 46 and 47 leave the board as it is.
    tapOn();
    EXPECT_EQ(game.tutorialStep, 46);
    tapOn();
    EXPECT_EQ(game.tutorialStep, 47);
    EXPECT_EQ(board().furballCount(), 3);
    EXPECT_EQ(board().history.size(), 1);
}

TEST_F(TutorialTest, AWrongThrowInStepFortyNineWaitsForTheUndoThatShowsTheStepAgain)
{
    openTutorial();
    for (int tap = 0; tap < 6 && game.tutorialStep != 48; tap++)
        tapOn();
    ASSERT_EQ(game.tutorialStep, 48);
    // Undo is not the player's yet.
    game.touchBegan(20, 460);
    game.touchEnded(20, 460);
    EXPECT_EQ(board().history.size(), 1);
    tapOn();
    ASSERT_EQ(game.tutorialStep, 49);

    // Thrown from the wrong furball: the tip says so and an undo is expected.
    ASSERT_NE(game.currentGame->makeMove(CellPos{2, 4}, 1, 0, false, 0, 1.0f), 0);
    EXPECT_EQ(game.tutorialStep, 49);
    EXPECT_EQ(game.tutorialUndoPending, 1);
    EXPECT_TRUE(game.tips.isOpen(52));
    EXPECT_LT(board().furballCount(), 3);

    game.touchBegan(20, 460);
    game.touchEnded(20, 460);
    EXPECT_EQ(board().furballCount(), 3);
    EXPECT_EQ(game.tutorialUndoPending, 0);
    EXPECT_EQ(game.tutorialStep, 49);
    EXPECT_TRUE(game.tips.isOpen(49)) << "the step is shown again";
    game.touchEnded(20, 460);
    EXPECT_EQ(board().history.size(), 1) << "no second undo once none is expected";

    // The right throws: 49 and 50 move on by the moves themselves.
    ASSERT_NE(game.currentGame->makeMove(CellPos{5, 4}, -1, 0, false, 0, 1.0f), 0);
    EXPECT_EQ(game.tutorialStep, 50);
    ASSERT_NE(game.currentGame->makeMove(CellPos{3, 4}, 1, 0, false, 0, 1.0f), 0);
    EXPECT_EQ(game.tutorialStep, 51);
    EXPECT_EQ(board().furballCount(), 1);
    EXPECT_TRUE(game.tips.isOpen(51));
}

// The winning throw's finger may stay down a while after the move: its release is no tap, and the bubble
// over the last furball stays until a real one.
TEST_F(TutorialTest, TheReleaseOfTheLastThrowLeavesStepFiftyOnesBubbleOpen)
{
    openTutorial();
    for (int tap = 0; tap < 8 && game.tutorialStep != 49; tap++)
        tapOn();
    ASSERT_EQ(game.tutorialStep, 49);
    ASSERT_NE(game.currentGame->makeMove(CellPos{5, 4}, -1, 0, false, 0, 1.0f), 0);
    ASSERT_EQ(game.tutorialStep, 50);

    game.touchBegan(160, 275);
    ASSERT_NE(game.currentGame->makeMove(CellPos{3, 4}, 1, 0, false, 0, 1.0f), 0);
    ASSERT_EQ(game.tutorialStep, 51);
    game.tutorialStepStart = gGameClock.now() - 1000;   // held well past the tap gate
    game.touchEnded(220, 275);
    EXPECT_EQ(game.tutorialStep, 51);
    EXPECT_TRUE(game.tips.isOpen(51)) << "the throw's release sent the bubble away";

    game.touchBegan(160, 200);
    game.touchEnded(160, 200);
    EXPECT_FALSE(game.tips.isOpen(51)) << "a tap of its own does";
}

TEST_F(TutorialTest, StepFiftyOneSaysNothingWithMoreThanOneFurballLeft)
{
    openTutorial();
    game.tutorialStep = 50;
    ASSERT_EQ(board().furballCount(), 4);
    game.advanceTutorial();
    EXPECT_EQ(game.tutorialStep, 51);
    EXPECT_FALSE(game.tips.isOpen(51));
    EXPECT_EQ(game.tips.openCount(), 0);
}

TEST_F(TutorialTest, FinishingReloadsTheStateAndGoesOnBySettingsAndWhereItCameFrom)
{
    struct Case {
        ScreenId from;
        int sg;
        bool doneBefore;
        ScreenId next;
    } cases[] = {
        {ScreenTitle, 0, false, ScreenGameIntro},   // on into a game of the selected mode
        {ScreenTitle, 1, false, ScreenModeMenu},
        {ScreenTitle, 2, true, ScreenModeMenu},
        {ScreenMainMenu, 1, true, ScreenMainMenu},
    };
    for (const Case& c : cases) {
        settings.sgVariation = c.sg;
        game.tutorialDone = c.doneBefore;
        openTutorial(c.from);
        game.tutorialStep = 51;
        tapOn();
        if (!c.doneBefore) {
            ASSERT_EQ(game.tutorialStep, 53);
            EXPECT_TRUE(game.tips.isOpen(53));
            tapOn();
        }
        EXPECT_EQ(game.tutorialStep, -1);
        EXPECT_TRUE(game.tutorialDone);
        EXPECT_EQ(game.currentScreen, c.next) << "from " << c.from << ", _sg_ " << c.sg;
        EXPECT_EQ(dynamic_cast<ExplainingGame*>(game.currentGame), nullptr);
        EXPECT_TRUE(game.ownedGame.isNull() || game.ownedGame.get() == game.currentGame);
        gMenuStack.deleteAllMenus();
    }
}

TEST_F(TutorialTest, TheBarsDoubleTapAsksAndOnlyAYesLeaves)
{
    openTutorial();
    tapOn();
    ASSERT_EQ(game.tutorialStep, 44);
    for (int tap = 0; tap < 2; tap++) {
        game.touchBegan(160, 460);
        game.touchEnded(160, 460);
    }
    EXPECT_EQ(game.currentAlertId, AlertLeaveTutorial);
    EXPECT_EQ(game.tutorialStep, 44) << "the bar's taps do not move the tutorial on";
    game.alertButtonClicked(0, nullptr);
    gMenuStack.deleteAllMenus();
    EXPECT_EQ(game.currentScreen, ScreenHowToPlay);
    EXPECT_EQ(game.tutorialStep, 44);

    const int skipped = gAbSettings.counter(StatSkippedInst);
    game.showAlert(AlertLeaveTutorial, "", "", "", "", 0, 16);
    game.alertButtonClicked(1, nullptr);
    EXPECT_EQ(game.currentScreen, ScreenMainMenu);
    EXPECT_TRUE(game.tutorialDone);
    EXPECT_EQ(game.tutorialStep, -1);
    EXPECT_EQ(dynamic_cast<ExplainingGame*>(game.currentGame), nullptr);
    EXPECT_TRUE(gGameClock.paused);
    EXPECT_EQ(gAbSettings.counter(StatSkippedInst), skipped + 1);
}
