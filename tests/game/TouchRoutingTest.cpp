// The application object's touch routing on a bare object: the bottom bar's undo and hint (pressed and
// released on the same button), the bar's double tap on each screen that has the bar, and the play screen's
// heads-up areas by mode.

#include <gtest/gtest.h>

#include <vector>

#include "board/Board.h"
#include "game/AlertId.h"
#include "settings/AbSettings.h"
#include "tests/game/GameTouchFixture.h"

namespace {

std::vector<Touch> tap(int x, int y, int ms = 10100) { return {{0, x, y, ms}, {2, x, y, ms + 80}}; }

std::vector<Touch> pressRelease(int x0, int y0, int x1, int y1) { return {{0, x0, y0, 10100}, {2, x1, y1, 10200}}; }

}  // namespace

TEST_F(GameTouchTest, UndoAndHintNeedPressAndReleaseOnTheSameButton)
{
    struct Case {
        const char* name;
        ScreenId screen;
        int tutorialStep;
        bool undoPending;
        std::vector<Touch> touches;
        int undos;
        bool hinted;
    } cases[] = {
        {"undo", ScreenPlaying, -1, false, tap(20, 460), 1, false},
        {"hint", ScreenPlaying, -1, false, tap(300, 460), 0, true},
        {"undo pressed, released on hint", ScreenPlaying, -1, false, pressRelease(20, 460, 300, 460), 0, false},
        {"hint pressed, released on undo", ScreenPlaying, -1, false, pressRelease(300, 460, 20, 460), 0, false},
        {"pressed above the bar", ScreenPlaying, -1, false, pressRelease(20, 436, 20, 460), 0, false},
        {"released above the bar", ScreenPlaying, -1, false, pressRelease(20, 460, 20, 436), 0, false},
        {"slid off the button", ScreenPlaying, -1, false, pressRelease(300, 460, 274, 460), 0, false},
        {"tutorial step 49, undo expected", ScreenHowToPlay, 49, true, tap(20, 460), 1, false},
        {"tutorial step 50, no undo expected", ScreenHowToPlay, 50, false, tap(20, 460), 0, false},
        {"tutorial step 48", ScreenHowToPlay, 48, true, tap(20, 460), 0, false},
        {"tutorial has no hint", ScreenHowToPlay, 49, true, tap(300, 460), 0, false},
        {"the intro has no buttons", ScreenGameIntro, -1, false, tap(20, 460), 0, false},
    };
    for (const Case& c : cases) {
        NotingGame* noting = play(kGameArcade, c.screen);
        game.tutorialStep = c.tutorialStep;
        game.tutorialUndoPending = c.undoPending;
        touch(c.touches);
        EXPECT_EQ(c.undos, noting->undos) << c.name;
        // With no hint left, the hint offers to give the puzzle up.
        EXPECT_EQ(c.hinted, game.currentAlertId == AlertGiveUpForHint) << c.name;
        EXPECT_EQ(-1, game.bottomButton) << c.name << ": the release forgets the pressed button";
        gMenuStack.deleteAllMenus();
        game.currentAlertId = -1;
    }
}

TEST_F(GameTouchTest, FreePlayAsksBeforeTheFirstHintOfABoard)
{
    struct Case {
        int fph;
        int gameLevel, freePlayLevel, hintedThrough;
        bool asks;
    } cases[] = {
        {4, 3, 3, 0, true},    // hints cost progress: ask
        {15, 2, 3, 0, true},   // a level below the one reached: ask
        {15, 3, 3, 0, false},  // counted hints at the level reached: no question
        {4, 3, 3, 1, false},   // a hint was used on this board already
    };
    for (const Case& c : cases) {
        gAbSettings.fph = c.fph;
        NotingGame* noting = play(kGameFreePlay, ScreenPlaying);
        noting->level = c.gameLevel;
        game.currentLevel = c.freePlayLevel;
        noting->board->hintedThrough = c.hintedThrough;
        touch(tap(300, 460));
        EXPECT_EQ(c.asks ? 1 : 0, noting->confirms) << "fph " << c.fph << " level " << c.gameLevel;
        gMenuStack.deleteAllMenus();
    }
}

TEST_F(GameTouchTest, TheBarsDoubleTapLeavesEachScreenItsOwnWay)
{
    const std::vector<Touch> doubleTap = {
        {0, 160, 460, 10100}, {2, 160, 460, 10150}, {0, 162, 461, 10400}, {2, 162, 461, 10450}};
    struct Case {
        const char* name;
        ScreenId screen;
        int ieh;
        bool blocked;
        std::vector<Touch> touches;
        ScreenId after;
        int alert;
    } cases[] = {
        {"play screen", ScreenPlaying, 0, false, doubleTap, ScreenMainMenu, -1},
        {"game intro", ScreenGameIntro, 0, false, doubleTap, ScreenMainMenu, -1},
        {"tutorial asks first", ScreenHowToPlay, 0, false, doubleTap, ScreenHowToPlay, AlertLeaveTutorial},
        {"tutorial with ieh 2 stays", ScreenHowToPlay, 2, false, doubleTap, ScreenHowToPlay, -1},
        {"play screen, 5 s between the taps",
         ScreenPlaying, 0, false,
         {{0, 160, 460, 10100}, {2, 160, 460, 10150}, {0, 160, 460, 15000}, {2, 160, 460, 15050}},
         ScreenMainMenu, -1},
        {"tutorial, 1 s between the taps",
         ScreenHowToPlay, 1, false,
         {{0, 160, 470, 10100}, {2, 160, 470, 10150}, {0, 160, 470, 11100}, {2, 160, 470, 11151}},
         ScreenHowToPlay, -1},
        {"outside the band", ScreenPlaying, 0, false,
         {{0, 76, 460, 10100}, {2, 76, 460, 10150}, {0, 76, 460, 10400}, {2, 76, 460, 10450}},
         ScreenPlaying, -1},
        {"a tap on the board in between", ScreenPlaying, 0, false,
         {{0, 160, 460, 10100}, {2, 160, 460, 10150}, {0, 160, 300, 10200}, {2, 160, 300, 10250},
          {0, 160, 460, 10400}, {2, 160, 460, 10450}},
         ScreenPlaying, -1},
        {"a game that blocks input", ScreenPlaying, 0, true, doubleTap, ScreenPlaying, -1},
    };
    for (const Case& c : cases) {
        gAbSettings.ieh = c.ieh;
        NotingGame* noting = play(kGameArcade, c.screen);
        noting->blocked = c.blocked;
        game.tutorialDone = false;
        game.currentAlertId = -1;
        touch(c.touches);
        EXPECT_EQ(c.after, game.currentScreen) << c.name;
        EXPECT_EQ(c.alert, game.currentAlertId) << c.name;
        gMenuStack.deleteAllMenus();
    }
}

TEST_F(GameTouchTest, ATouchAnOpenDialogTakesClearsTheDoubleTap)
{
    play(kGameArcade, ScreenPlaying);
    touch({{0, 160, 460, 10100}, {2, 160, 460, 10150}});
    EXPECT_EQ(2, game.barTap.count());
    game.showAlert(AlertInformation, "News", "Read me.", "OK", nullptr, 0, 16);
    touch({{0, 160, 460, 10300}});
    EXPECT_EQ(0, game.barTap.count());
}

TEST_F(GameTouchTest, ThePlayScreensHeadsUpAreasByMode)
{
    struct Case {
        const char* name;
        int mode;
        int bfp, ncm, ncp, fsp;
        int x;
        ScreenId after;
        int alert;
        int tip;
    } cases[] = {
        {"Free Play level", kGameFreePlay, 0, 0, 0, 0, 150, ScreenLevelSelect, -1, -1},
        {"Free Play level, hit margin", kGameFreePlay, 0, 0, 0, 0, 130, ScreenLevelSelect, -1, -1},
        {"Free Play, beside the margin", kGameFreePlay, 0, 0, 0, 0, 129, ScreenPlaying, -1, -1},
        {"Free Play skip", kGameFreePlay, 0, 0, 0, 0, 240, ScreenPlaying, AlertSkipPuzzle, -1},
        {"Free Play info off", kGameFreePlay, 0, 0, 0, 0, 50, ScreenPlaying, -1, -1},
        {"Free Play info as a tip", kGameFreePlay, 2, 0, 0, 0, 50, ScreenPlaying, -1, 57},
        {"Free Play info as the level page", kGameFreePlay, 3, 0, 0, 0, 50, ScreenLevelSelect, -1, -1},
        {"Challenge level", kGameChallenge, 0, 0, 0, 0, 150, ScreenLevelSelect, -1, -1},
        {"Challenge restart", kGameChallenge, 0, 1, 0, 0, 230, ScreenPlaying, AlertRestartLevel, -1},
        {"Challenge without medals", kGameChallenge, 0, 0, 0, 0, 230, ScreenPlaying, -1, -1},
        {"Challenge with paid skips", kGameChallenge, 0, 1, 1, 0, 230, ScreenPlaying, -1, -1},
        {"Frenzy level", kGameFrenzy, 0, 0, 0, 0, 165, ScreenLevelSelect, -1, -1},
        {"Frenzy restart", kGameFrenzy, 0, 0, 0, 0, 240, ScreenPlaying, AlertRestartLevel, -1},
        {"Frenzy without skip", kGameFrenzy, 0, 0, 0, 1, 240, ScreenPlaying, -1, -1},
        {"Arcade has none", kGameArcade, 3, 1, 0, 0, 150, ScreenPlaying, -1, -1},
    };
    for (const Case& c : cases) {
        gAbSettings.bfp = c.bfp;
        gAbSettings.ncm = c.ncm;
        gAbSettings.ncp = c.ncp;
        gAbSettings.fsp = c.fsp;
        game.tips.removeAll();
        game.tips.resetAllCounters(gGameClock.now());
        play(c.mode, ScreenPlaying);
        game.currentAlertId = -1;
        touch(tap(c.x, 20));
        EXPECT_EQ(c.after, game.currentScreen) << c.name;
        EXPECT_EQ(c.alert, game.currentAlertId) << c.name;
        EXPECT_EQ(c.tip == 57, game.tips.isOpen(57)) << c.name;
        gMenuStack.deleteAllMenus();
    }
}

// The areas reach down over what the player sees under each label: the level number's box, the restart
// icon, Free Play's mode picture and its count of puzzles left; a tap on the board below does nothing.
TEST_F(GameTouchTest, TheControlsUnderTheHeadsUpLabelsAnswerToo)
{
    struct Case {
        const char* name;
        int mode;
        int x, y;
        ScreenId after;
        int alert;
    } cases[] = {
        {"Free Play level box", kGameFreePlay, 172, 50, ScreenLevelSelect, -1},
        {"Free Play mode picture", kGameFreePlay, 268, 45, ScreenPlaying, AlertSkipPuzzle},
        {"Free Play puzzles left", kGameFreePlay, 74, 50, ScreenLevelSelect, -1},
        {"Challenge level box", kGameChallenge, 177, 50, ScreenLevelSelect, -1},
        {"Challenge restart icon, top", kGameChallenge, 253, 40, ScreenPlaying, AlertRestartLevel},
        {"Challenge restart icon, foot", kGameChallenge, 253, 58, ScreenPlaying, AlertRestartLevel},
        {"Frenzy level box", kGameFrenzy, 192, 50, ScreenLevelSelect, -1},
        {"Frenzy restart icon", kGameFrenzy, 263, 50, ScreenPlaying, AlertRestartLevel},
        {"Frenzy, the board below", kGameFrenzy, 192, 75, ScreenPlaying, -1},
    };
    for (const Case& c : cases) {
        gAbSettings.bfp = 3;   // Free Play's puzzles left open the level page
        gAbSettings.ncm = 1;   // Challenge shows its restart
        gAbSettings.ncp = 0;
        gAbSettings.fsp = 0;   // Frenzy shows its restart
        play(c.mode, ScreenPlaying);
        game.currentAlertId = -1;
        touch(tap(c.x, c.y));
        EXPECT_EQ(c.after, game.currentScreen) << c.name;
        EXPECT_EQ(c.alert, game.currentAlertId) << c.name;
        gMenuStack.deleteAllMenus();
    }
}

TEST_F(GameTouchTest, ATapMovesTheTutorialOnOnlyPastItsGate)
{
    struct Case {
        const char* name;
        int step;
        int tapMs;       // the step began at 10000
        int y;
        bool bubbleOpen;
        bool movesOn;
    } cases[] = {
        {"after 501 ms", 44, 10501, 300, false, true},
        {"after 500 ms", 44, 10500, 300, false, false},
        {"a tip still showing", 44, 12000, 300, true, false},
        {"on the bar", 44, 12000, 440, false, false},
        {"just above the bar", 44, 12000, 439, false, true},
        {"step 49 waits for the player's move", 49, 12000, 300, false, false},
        {"step 50 too", 50, 12000, 300, false, false},
        {"no tutorial running", -1, 12000, 300, false, false},
    };
    for (const Case& c : cases) {
        play(kGameArcade, ScreenHowToPlay);
        game.tips.removeAll();
        if (c.bubbleOpen)
            game.tips.present(44, TipParams());
        game.tutorialStep = c.step;
        game.tutorialStepStart = 10000;
        touch({{0, 300, c.y, c.tapMs - 60}, {2, 300, c.y, c.tapMs}});   // beside the bar's band
        EXPECT_EQ(c.movesOn ? c.step + 1 : c.step, game.tutorialStep) << c.name;
    }
}

TEST_F(GameTouchTest, AnUndoOffTheHintedPathRemindsOfTheWaitingHint)
{
    struct Case {
        int mode;
        int ddh;
        bool hintWaiting;
        bool tip;
        bool wrongMoveTipOpen = false;
    } cases[] = {
        {kGameArcade, 0, true, true},
        {kGameArcade, 9, true, true},
        {kGameArcade, 10, true, false},    // hints shown by a marker: no reminder
        {kGameArcade, 0, false, false},
        {kGameFreePlay, 0, true, false},
        {kGameFrenzy, 0, true, false},
        {kGameArcade, 0, true, false, true},   // the tip the undo dismissed still fades: not over it
    };
    for (const Case& c : cases) {
        gAbSettings.ddh = c.ddh;
        game.tips.removeAll();
        game.tips.resetAllCounters(0);
        NotingGame* noting = play(c.mode, ScreenPlaying);
        if (c.wrongMoveTipOpen)
            game.tips.present(13, TipParams());
        noting->board->hintedThrough = c.hintWaiting ? 1 : 0;
        touch(tap(20, 460));
        EXPECT_EQ(1, noting->undos);
        EXPECT_EQ(c.tip, game.tips.isOpen(10)) << "mode " << c.mode << " ddh " << c.ddh << " tip 13 open "
                                                << c.wrongMoveTipOpen;
        if (c.wrongMoveTipOpen) {
            EXPECT_FALSE(game.tips.isOpen(13)) << "dismissed by the undo";
        }
    }
}
