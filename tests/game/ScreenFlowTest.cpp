// The application object's screen flow on a bare object: the clock and click rules of a switch, the
// cross-fade, the screens' action codes, and the answers to the alerts that decide which game is played.

#include <gtest/gtest.h>

#include <vector>

#include "Core/File.h"
#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/Board.h"
#include "game/AlertId.h"
#include "game/KelzoGame.h"
#include "graphics/ScreenFader.h"
#include "tests/modes/PlainTestGame.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "tests/support/LocaleVariables.h"
#include "tests/support/TempFolder.h"
#include "ui/MenuBaseI.h"
#include "ui/MenuStack.h"

namespace {

// A menu that answers its action code on every release.
class AnsweringMenu : public MenuBaseI {
public:
    explicit AnsweringMenu(int code) : code(code) {}
    int render() override { return 0; }
    int hitTest(int, int) override { return -1; }
    int handleTouch(int phase, int, int) override { return phase == 2 ? code : -1; }
    int frameWantedInMs() override { return frameIn; }
    int code;
    int frameIn = -1;
};

// Makes a menu answering `code` for every screen it is asked for, and notes the screens asked.
class FakeScreens : public ScreenFactoryI {
public:
    MenuBaseI* makeMenu(KelzoGame&, ScreenId id, bool) override
    {
        asked.push_back(id);
        return new AnsweringMenu(code);
    }
    String enteredText(MenuBaseI*) override { return String("Ann"); }
    int code = 0;
    std::vector<int> asked;
};

// In a folder of its own: some switches save the state, and the first start must leave no "lang.dat".
class ScreenFlowTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        gGameClock = GameClock();
        gGameClock.updateAt(10000);
        gScreenFader.capturePending = 0;
        game.screenFactory = &screens;
    }
    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        TempFolderTest::TearDown();
    }

    // A tap that the current screen's menu answers with `code`.
    void answer(int code)
    {
        screens.code = code;
        game.currentMenu.reset(new AnsweringMenu(code));
        game.touchEnded(160, 200);
    }

    FakeScreens screens;
    KelzoGame game;
};

}  // namespace

TEST_F(ScreenFlowTest, TheClockRunsOnlyOnThePlayScreen)
{
    gGameClock.pause();
    game.showMenu(ScreenPlaying);
    EXPECT_FALSE(gGameClock.paused);
    game.showMenu(ScreenMainMenu);
    EXPECT_TRUE(gGameClock.paused);
    game.showMenu(ScreenPlaying);
    EXPECT_FALSE(gGameClock.paused);
    game.showMenu(ScreenModeMenu);
    game.showMenu(ScreenSettings);   // not from the play screen: nothing to pause
    EXPECT_TRUE(gGameClock.paused);
}

TEST_F(ScreenFlowTest, SwitchesKeepTheLastThreeScreensAndAskTheFactoryForMenus)
{
    game.showMenu(ScreenMainMenu);
    game.showMenu(ScreenModeMenu);
    game.showMenu(ScreenPlaying);
    EXPECT_EQ(ScreenPlaying, game.currentScreen);
    EXPECT_EQ(ScreenModeMenu, game.previousScreen);
    EXPECT_EQ(ScreenMainMenu, game.screenBeforePrevious);
    // The play screen has no menu; screen 5 builds nothing either.
    EXPECT_EQ((std::vector<int>{ScreenMainMenu, ScreenModeMenu}), screens.asked);
    EXPECT_TRUE(game.currentMenu.isNull());
    game.showMenu(ScreenUnused);
    EXPECT_TRUE(game.currentMenu.isNull());
    EXPECT_EQ(ScreenUnused, game.currentScreen);
}

TEST_F(ScreenFlowTest, TwoSwitchesWithin300MsClickOnce)
{
    game.showMenu(ScreenMainMenu);
    const int32_t first = game.lastTransitionSoundMs;
    EXPECT_NE(-1, first);
    gGameClock.updateAt(10300);
    game.showMenu(ScreenSettings);
    EXPECT_EQ(first, game.lastTransitionSoundMs);
    gGameClock.updateAt(10301);
    game.showMenu(ScreenMainMenu);
    EXPECT_EQ(first + 301, game.lastTransitionSoundMs);
    // The title and the game-over screens never click.
    gGameClock.updateAt(20000);
    for (ScreenId quiet : {ScreenTitle, ScreenGameOver}) {
        game.showMenu(quiet);
        EXPECT_EQ(first + 301, game.lastTransitionSoundMs) << quiet;
    }
}

// Off the play screen game time stands still; clicks and timed sounds go by the running clock.
TEST_F(ScreenFlowTest, MenusLeftFromPlayKeepClickingAndSoundingOnTime)
{
    game.currentScreen = ScreenPlaying;
    game.showMenu(ScreenMainMenu);
    ASSERT_TRUE(gGameClock.paused);
    const int32_t gameTime = gGameClock.now();
    int32_t last = game.lastTransitionSoundMs;
    for (int i = 1; i <= 3; i++) {
        gGameClock.updateAt(10000 + 400 * i);
        game.showMenu(i % 2 ? ScreenSettings : ScreenMainMenu);
        EXPECT_EQ(10000 + 400 * i, game.lastTransitionSoundMs) << i;
        EXPECT_NE(last, game.lastTransitionSoundMs) << i;
        last = game.lastTransitionSoundMs;
        game.playClick();
        EXPECT_EQ(10000 + 400 * i, game.lastClickMs) << i;
    }
    EXPECT_EQ(gameTime, gGameClock.now());

    // A silent game over: its sound falls due 200 ms on (less the frame's lead) while the clock is paused.
    game.currentScreen = ScreenPlaying;
    gGameClock.resumeAt(20000);
    gGameClock.updateAt(20000);
    game.gameOver(true, true);
    ASSERT_TRUE(gGameClock.paused);
    ASSERT_EQ(1, game.timedEvents.size());
    std::vector<int> played;
    auto play = [&](int kind) {
        played.push_back(kind);
        return true;
    };
    gGameClock.updateAt(20099);
    game.timedEvents.runDue(play);
    EXPECT_TRUE(played.empty());
    gGameClock.updateAt(20100);
    game.timedEvents.runDue(play);
    EXPECT_EQ(std::vector<int>{kEventGameOver}, played);
    EXPECT_EQ(20000, game.gameOverMs);
}

// The loop's idle question follows what the current menu wants, as read after its last frame or touch.
TEST_F(ScreenFlowTest, TheLoopDrawsWhenTheMenuWantsAFrame)
{
    EXPECT_FALSE(game.needsFrame()) << "no menu";
    struct Case {
        int frameIn;
        bool due;
    } cases[] = {{-1, false}, {0, true}, {40 * 60 * 1000, false}};
    for (const Case& c : cases) {
        AnsweringMenu* menu = new AnsweringMenu(-1);
        menu->frameIn = c.frameIn;
        game.currentMenu.reset(menu);
        gGameClock.update();
        game.handleTouch(0, TouchPoint{160, 200}, TouchPoint{-1, -1});
        EXPECT_EQ(c.due, game.needsFrame()) << c.frameIn;
        menu->frameIn = -1;   // at rest again after its next touch
        game.handleTouch(2, TouchPoint{160, 200}, TouchPoint{-1, -1});
        EXPECT_FALSE(game.needsFrame()) << c.frameIn;
    }
}

TEST_F(ScreenFlowTest, CrossFadesExceptOverRunningPictures)
{
    struct Case {
        ScreenId from, to;
        bool fades;
    } cases[] = {
        {ScreenMainMenu, ScreenThemes, true},   {ScreenTitle, ScreenThemes, false},
        {ScreenMainMenu, ScreenTitle, false},   {ScreenMainMenu, ScreenContact, false},
        {ScreenContact, ScreenMainMenu, false}, {ScreenNewHiScore, ScreenHiScores, false},
        {ScreenMainMenu, ScreenModeMenu, true}, {ScreenGameIntro, ScreenPlaying, true},
    };
    for (const Case& c : cases) {
        game.currentScreen = c.from;
        gScreenFader.capturePending = 0;
        game.showMenu(c.to);
        EXPECT_EQ(c.fades, gScreenFader.capturePending != 0) << c.from << " -> " << c.to;
    }
    gScreenFader.capturePending = 0;
}

TEST_F(ScreenFlowTest, ActionCodesLeadToTheNextScreen)
{
    struct Case {
        ScreenId screen, previous;
        int action;
        bool tutorialDone;
        ScreenId next;
    } cases[] = {
        {ScreenTitle, ScreenTitle, 1, false, ScreenHowToPlay},
        {ScreenTitle, ScreenTitle, 1, true, ScreenModeMenu},
        {ScreenLanguage, ScreenSettings, 1, true, ScreenSettings},
        {ScreenLanguage, ScreenTitle, 1, true, ScreenModeMenu},
        {ScreenMainMenu, ScreenTitle, 0, true, ScreenModeMenu},
        {ScreenMainMenu, ScreenTitle, 4, true, ScreenSettings},
        {ScreenMainMenu, ScreenTitle, 2, true, ScreenRating},
        {ScreenMainMenu, ScreenTitle, 1, true, ScreenHiScores},
        {ScreenMainMenu, ScreenTitle, 11, true, ScreenThemes},
        {ScreenMainMenu, ScreenTitle, 5, true, ScreenHowToPlay},
        {ScreenMainMenu, ScreenTitle, 6, true, ScreenContact},
        {ScreenModeMenu, ScreenMainMenu, 1, true, ScreenMainMenu},
        {ScreenSettings, ScreenMainMenu, 0, true, ScreenMainMenu},
        {ScreenRating, ScreenMainMenu, 0, true, ScreenMainMenu},
        {ScreenRating, ScreenMainMenu, 1, true, ScreenHistory},
        {ScreenHistory, ScreenRating, 0, true, ScreenRating},
        {ScreenThemes, ScreenMainMenu, 0, true, ScreenMainMenu},
        {ScreenContact, ScreenSettings, 0, true, ScreenSettings},
        {ScreenAds, ScreenMainMenu, 0, true, ScreenMainMenu},
        {ScreenLevelSelect, ScreenPlaying, 0, true, ScreenPlaying},
        {ScreenGameIntro, ScreenModeMenu, 1, true, ScreenPlaying},
        {ScreenMainMenu, ScreenTitle, 7, true, ScreenPlaying},
        {ScreenMainMenu, ScreenTitle, 8, true, ScreenAds},
        {ScreenMainMenu, ScreenTitle, 3, true, ScreenMainMenu},   // no game: nothing to restart
        {ScreenMainMenu, ScreenTitle, 99, true, ScreenMainMenu},
        {ScreenThemes, ScreenMainMenu, 103, true, ScreenThemes},   // a theme chosen: its alert answers
        {ScreenAds, ScreenMainMenu, 1, true, ScreenAds},           // the store page opens, the page stays
        {ScreenHiScores, ScreenPlaying, 0, true, ScreenPlaying},
        {ScreenHiScores, ScreenMainMenu, 0, true, ScreenMainMenu},
        {ScreenHiScores, ScreenNewHiScore, 0, true, ScreenModeMenu},
        {ScreenGameOverAlert, ScreenPlaying, 5, true, ScreenPlaying},
        {ScreenSettings, ScreenMainMenu, 3, true, ScreenMainMenu},
        {ScreenContact, ScreenMainMenu, 1, true, ScreenMainMenu},
        {ScreenRating, ScreenMainMenu, 7, true, ScreenRating},
    };
    for (const Case& c : cases) {
        game.tutorialDone = c.tutorialDone;
        game.previousScreen = c.previous;
        game.currentScreen = c.screen;
        answer(c.action);
        EXPECT_EQ(c.next, game.currentScreen) << c.screen << " answering " << c.action;
        gMenuStack.deleteAllMenus();   // the how-to-play screen opens with its alert
    }
}

TEST_F(ScreenFlowTest, AStoredHighScoreEndsTheGameItCameFrom)
{
    PlainTestGame* played = new PlainTestGame(nullptr, false);
    played->board.reset(new Board());
    game.setKeptGame(kGameArcade, played);
    game.currentAlertId = AlertContinueGame;
    game.alertButtonClicked(1, nullptr);
    ASSERT_EQ(played, game.currentGame);

    game.previousScreen = ScreenGameOver;
    game.currentScreen = ScreenNewHiScore;
    answer(0);
    EXPECT_EQ(ScreenHiScores, game.currentScreen);
    EXPECT_TRUE(played->ended);   // saved as ended: a restart does not offer it again
}

// The first start by the device's language: English opens the title, any other the language choice (the
// game's own languages in the middle), whose answer goes on past the title. Only the answer stores a language.
TEST_F(ScreenFlowTest, TheFirstStartAsksForTheLanguageUnlessTheDeviceSpeaksEnglish)
{
    struct Case {
        const char* locale;
        bool tutorialDone;
        bool asked;
        int offered;
        ScreenId afterAnswer;
    } cases[] = {
        {"en_GB.UTF-8", false, false, kEnglish, ScreenHowToPlay}, {"en_US", true, false, kEnglish, ScreenModeMenu},
        {"de_DE.UTF-8", false, true, kGerman, ScreenHowToPlay},   {"es_ES", false, true, kSpanish, ScreenHowToPlay},
        {"fr_FR.UTF-8", true, true, kFrench, ScreenModeMenu},     {"it_IT", false, true, kItalian, ScreenHowToPlay},
        {"nl_NL.UTF-8", false, true, kEnglish, ScreenHowToPlay},  {"x", true, true, kEnglish, ScreenModeMenu},
    };
    LocaleVariables locale;
    const int runs = gAbSettings.realRuns;
    for (const Case& c : cases) {
        useLanguage(kEnglish);
        locale.set(nullptr, nullptr, c.locale);
        gAbSettings.realRuns = 0;
        game.tutorialDone = c.tutorialDone;
        game.showFirstScreen();
        EXPECT_EQ(ScreenTitle, game.currentScreen) << c.locale;
        EXPECT_EQ(c.asked, game.languageFirst) << c.locale;
        EXPECT_EQ(c.offered, currentLanguage()) << c.locale;
        EXPECT_FALSE(fileExists("lang.dat")) << c.locale;
        answer(1);
        EXPECT_EQ(c.afterAnswer, game.currentScreen) << c.locale;
        EXPECT_FALSE(game.languageFirst) << c.locale;
        gMenuStack.deleteAllMenus();
    }
    // Later starts open the title whatever the device speaks.
    locale.set(nullptr, nullptr, "fr_FR");
    gAbSettings.realRuns = 3;
    game.showFirstScreen();
    EXPECT_FALSE(game.languageFirst);
    gAbSettings.realRuns = runs;
    useLanguage(kEnglish);
}

TEST_F(ScreenFlowTest, AlertAnswersDecideWhichGameIsPlayed)
{
    // Without settings the selected mode is Arcade: its kept game waits in slot 0.
    PlainTestGame* kept = new PlainTestGame(nullptr, false);
    kept->board.reset(new Board());
    game.setKeptGame(kGameArcade, kept);

    // Continue the saved game: yes makes the kept game current.
    game.currentAlertId = AlertContinueGame;
    game.alertButtonClicked(1, nullptr);
    EXPECT_EQ(kept, game.currentGame);
    EXPECT_EQ(-1, game.currentAlertId);

    // The title's resume offer: yes plays on, the other button goes to the game-mode menu with the clock stopped.
    game.currentAlertId = AlertResume;
    game.alertButtonClicked(1, nullptr);
    EXPECT_EQ(ScreenPlaying, game.currentScreen);
    EXPECT_FALSE(gGameClock.paused);
    game.currentAlertId = AlertResume;
    game.alertButtonClicked(0, nullptr);
    EXPECT_EQ(ScreenModeMenu, game.currentScreen);
    EXPECT_TRUE(gGameClock.paused);

    // Game over, no more: the game goes and the game-mode menu opens.
    game.currentAlertId = AlertGameOver;
    game.alertButtonClicked(0, nullptr);
    EXPECT_EQ(nullptr, game.currentGame);
    EXPECT_EQ(nullptr, game.keptGame(kGameArcade));
    EXPECT_EQ(ScreenModeMenu, game.currentScreen);
}
