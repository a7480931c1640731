#include "tests/ui/DataFolderGlTest.h"

#include <string>

#include <unistd.h>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/Board.h"
#include "board/GameGraphics.h"
#include "board/ScoreBoard.h"
#include "game/KelzoGame.h"
#include "graphics/ScreenFader.h"
#include "modes/ExplainingGame.h"
#include "tests/modes/PlainTestGame.h"
#include "tests/scores/ScoreServerFixture.h"
#include "scores/HiScoresExchange.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "ui/MenuBaseI.h"
#include "ui/MenuStack.h"
#include "ui/SharedMenuTextures.h"

namespace {

// A whole frame of the application object with the game's pictures, fonts and texts from the data folder,
// on a settings record of the test's own.
class KelzoGameFrameTest : public DataFolderGlTest {
protected:
    void SetUp() override
    {
        DataFolderGlTest::SetUp();
        gGameClock = GameClock();
        gGameClock.updateAt(50000);
        savedSettings = gSettings;
        gSettings = &settings;
        savedIeh = gAbSettings.ieh;
        savedFph = gAbSettings.fph;
        savedLb = gAbSettings.lb;
        gAbSettings.lb = -1;
        // Made afresh: textures an earlier test's GL context made are not this context's.
        releaseSharedMenuTextures();
        loadSharedMenuTextures();
        // A cross-fade left running by an earlier test would keep every frame moving.
        gScreenFader.capturePending = 0;
        gScreenFader.startTime = -1;
    }
    void TearDown() override
    {
        gAbSettings.ieh = savedIeh;
        gAbSettings.fph = savedFph;
        gAbSettings.lb = savedLb;
        gSettings = savedSettings;
        releaseSharedMenuTextures();
        DataFolderGlTest::TearDown();
    }

    // A plain game of the type with a board of two furballs that can move.
    static PlainTestGame* playing(KelzoGame& game, int type)
    {
        PlainTestGame* plain = new PlainTestGame(&game.graphics, false);
        plain->settings.gameMode = type;
        plain->board.reset(new Board());
        BoardCell cell = freshCell();
        cell.colour = 2;
        plain->board->placeFurballAt(0, 0, cell);
        plain->board->placeFurballAt(3, 0, cell);
        game.ownedGame.reset(plain);
        game.setCurrentGame(plain);
        return plain;
    }

    Settings settings;
    Settings* savedSettings = nullptr;
    int savedIeh = -1, savedFph = -1, savedLb = -1;
};

}  // namespace

// What the bar shows follows the screen, the clock and the game: the menu caption while a game plays, "Game
// Paused" over a paused game's menus, nothing on screens with pictures of their own; the hint number only
// where hints count.
TEST_F(KelzoGameFrameTest, TheBottomBarFollowsScreenClockAndGame)
{
    struct Case {
        ScreenId screen;
        bool paused;
        bool withGame;
        int type;
        int ieh;
        BottomBarState::Caption caption;
        float captionAlpha;
        int hintNumber;
    };
    const Case cases[] = {
        {ScreenPlaying, false, true, kGameArcade, -1, BottomBarState::kMenuCaption, 1.0f, 3},
        {ScreenPlaying, true, true, kGameArcade, -1, BottomBarState::kNoCaption, 1.0f, 3},
        {ScreenMainMenu, true, true, kGameArcade, -1, BottomBarState::kPausedCaption, 1.0f, 3},
        {ScreenMainMenu, true, false, kGameArcade, -1, BottomBarState::kNoCaption, 1.0f, -1},
        {ScreenGameOverAlert, true, true, kGameArcade, -1, BottomBarState::kNoCaption, 1.0f, 3},
        {ScreenHowToPlay, false, true, kGameArcade, 2, BottomBarState::kMenuCaption, 0.57f, -1},
        {ScreenHowToPlay, false, true, kGameArcade, 1, BottomBarState::kMenuCaption, 1.0f, -1},
        {ScreenPlaying, false, true, kGameFreePlay, -1, BottomBarState::kMenuCaption, 1.0f, -1},
    };
    for (const Case& c : cases) {
        KelzoGame game;
        gAbSettings.ieh = c.ieh;
        gAbSettings.fph = -1;
        if (c.withGame)
            playing(game, c.type);
        game.currentScreen = c.screen;
        gGameClock = GameClock();
        if (c.paused)
            gGameClock.pause();
        const BottomBarState bar = game.bottomBarState();
        EXPECT_EQ(bar.caption, c.caption) << "screen " << c.screen << " paused " << c.paused;
        EXPECT_FLOAT_EQ(bar.captionAlpha, c.captionAlpha) << "screen " << c.screen;
        EXPECT_EQ(bar.hintNumber, c.hintNumber) << "screen " << c.screen << " type " << c.type;
        EXPECT_EQ(bar.hintAlwaysOpaque, c.screen == ScreenHowToPlay);
    }

    KelzoGame game;
    PlainTestGame* plain = playing(game, kGameArcade);
    game.currentScreen = ScreenPlaying;
    plain->board->givenUp = 1;
    EXPECT_EQ(game.bottomBarState().hintNumber, -1) << "a board given up";
}

// With nothing moving the frame asks for no other, unless every frame must count (drawing on demand is off) or
// Frenzy runs on the play screen; the screen is dimmed while the flag says so. Without a game the menus still
// draw.
TEST_F(KelzoGameFrameTest, WhatTheFrameAnswersAndTheDimming)
{
    KelzoGame game;
    loadCommonGraphics(game.graphics);
    gGameGraphics = &game.graphics;
    game.currentScreen = ScreenMainMenu;
    game.previousScreen = ScreenMainMenu;
    for (int i = 0; i < 3; i++)
        game.drawFrame();
    EXPECT_FALSE(game.drawFrame()) << "nothing moves";
    const RGBA plain = pixel(160, 300);

    game.dimScreen = true;
    game.drawFrame();
    const RGBA dimmed = pixel(160, 300);
    EXPECT_LT(int(dimmed.r) + dimmed.g + dimmed.b, int(plain.r) + plain.g + plain.b);
    game.dimScreen = false;

    settings.powerOptions = false;
    EXPECT_TRUE(game.drawFrame()) << "every frame counts";
    settings.powerOptions = true;

    settings.gameMode = kGameFrenzy;
    game.currentScreen = ScreenPlaying;
    EXPECT_TRUE(game.drawFrame()) << "Frenzy on the play screen with the clock running";
    gGameClock.pause();
    EXPECT_FALSE(game.drawFrame()) << "paused";
    gGameGraphics = nullptr;
}

// After a silent game over the alert follows 700 ms later on the running clock: game time stands still there.
TEST_F(KelzoGameFrameTest, TheSilentGameOversAlertWaitsOnTheRunningClock)
{
    KelzoGame game;
    game.currentScreen = ScreenGameOver;
    gGameClock.pause();
    game.gameOverMs = gGameClock.scaledElapsed() + 600000;   // ten minutes on: not yet
    game.drawFrame();
    EXPECT_EQ(ScreenGameOver, game.currentScreen);
    game.gameOverMs = gGameClock.scaledElapsed() - 5000;     // long gone by
    game.drawFrame();
    EXPECT_EQ(ScreenGameOverAlert, game.currentScreen);
    EXPECT_EQ(-1, game.gameOverMs);
    EXPECT_TRUE(gGameClock.paused);
    gMenuStack.deleteAllMenus();   // the game-over alert
}

namespace {

// A screen's menu that counts its first-draw calls and its draws, and moves while asked to.
class CountingMenu : public MenuBaseI {
public:
    int render() override
    {
        draws++;
        return moving ? 1 : 0;
    }
    int hitTest(int, int) override { return -1; }
    int handleTouch(int, int, int) override { return -1; }
    void onFirstDraw() override { firstDraws++; }
    int draws = 0;
    int firstDraws = 0;
    bool moving = false;
};

}  // namespace

// Without a game the play screen's parts are left out and the screen's menu still draws: its first-draw call
// comes once, and a menu that moves keeps the frames coming.
TEST_F(KelzoGameFrameTest, TheScreensMenuDrawsWithoutAGame)
{
    KelzoGame game;
    loadCommonGraphics(game.graphics);
    gGameGraphics = &game.graphics;
    game.currentScreen = ScreenMainMenu;
    game.previousScreen = ScreenMainMenu;
    CountingMenu* menu = new CountingMenu();
    game.currentMenu.reset(menu);
    game.drawFrame();
    game.drawFrame();
    EXPECT_EQ(menu->firstDraws, 1);
    EXPECT_EQ(menu->draws, 2);
    menu->moving = true;
    EXPECT_TRUE(game.drawFrame());
    menu->moving = false;
    EXPECT_FALSE(game.drawFrame());
    gGameGraphics = nullptr;
}

// The tutorial's caption is composed into the score board once and drawn from its cache afterwards.
TEST_F(KelzoGameFrameTest, TheTutorialsCaptionIsCachedOnTheScoreBoard)
{
    KelzoGame game;
    loadCommonGraphics(game.graphics);
    gGameGraphics = &game.graphics;
    ExplainingGame* explaining = new ExplainingGame(&game.graphics);
    explaining->board.reset(new Board());
    game.ownedGame.reset(explaining);
    game.setCurrentGame(explaining);
    game.currentScreen = ScreenHowToPlay;
    game.previousScreen = ScreenMainMenu;
    gScoreBoard.reset();
    game.drawFrame();
    game.drawFrame();
    EXPECT_EQ(gScoreBoard.key, 100);
    EXPECT_EQ(gScoreBoard.sheet.regionCount(), 1);
    EXPECT_FALSE(gScoreBoard.rebuilding()) << "no piece is rendered again in later frames";
    gGameGraphics = nullptr;
}

// A pressed heads-up area of the play screen glows over the score board, where its control is seen.
TEST_F(KelzoGameFrameTest, APressedHeadsUpAreaGlowsOverTheScoreBoard)
{
    KelzoGame game;
    loadCommonGraphics(game.graphics);
    gGameGraphics = &game.graphics;
    settings.gameMode = kGameFrenzy;
    playing(game, kGameFrenzy);
    game.currentScreen = ScreenPlaying;
    game.previousScreen = ScreenMainMenu;
    game.createGlower();
    auto areaLight = [&game]() {
        game.drawFrame();
        game.drawFrame();
        long lit = 0;
        for (int y = 10; y < 58; y += 2)
            for (int x = 162; x < 198; x += 2) {
                const RGBA p = pixel(x, y);
                lit += p.r + p.g + p.b;
            }
        return lit;
    };
    const long resting = areaLight();
    bool consumed = false;
    game.hudView.handleTouch(0, 180, 45, &consumed);
    ASSERT_NE(-1, game.hudView.armedTag) << "the level box is part of its area";
    const long pressed = areaLight();
    saveFrame("hud_area_pressed");
    EXPECT_GT(pressed, resting + resting / 10);
    gGameGraphics = nullptr;
}

// The program's uploader sends a score, its screen gone: the application's next frame takes the accepted reply
// into the table.
class KelzoGameUploadTest : public KelzoGameFrameTest, protected ScoreServerLink {
protected:
    void SetUp() override
    {
        KelzoGameFrameTest::SetUp();
        settings.switchA = true;
        settings.gameMode = kGameFreePlay;
    }
    void TearDown() override
    {
        gHiScoresUploader.detach();
        gHiScoresUploader.clearDone();
        shutDownScores();
        KelzoGameFrameTest::TearDown();
    }
    bool uploadOf(KelzoGame& game)
    {
        game.hiScores.addScore(7, 4500, "Bob", 987654);
        return gHiScoresUploader.start(*game.hiScores.pendingEntry(7), 7, nullptr, nullptr);
    }
};

TEST_F(KelzoGameUploadTest, TheNextFrameTakesAnAcceptedUploadWithoutAScreen)
{
    ASSERT_TRUE(startServer({"--modes", "late", "--late", "0.3"}));
    KelzoGame game;
    loadCommonGraphics(game.graphics);
    gGameGraphics = &game.graphics;
    game.currentScreen = ScreenMainMenu;
    ASSERT_TRUE(uploadOf(game));
    ASSERT_TRUE(waitUntil([] { return gHiScoresUploader.isDone(); }));
    EXPECT_NE(game.hiScores.pendingEntry(7), nullptr) << "the worker leaves the table alone";
    game.drawFrame();
    EXPECT_EQ(game.hiScores.pendingEntry(7), nullptr);
    gGameGraphics = nullptr;
}
