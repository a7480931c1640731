// The application object's frame, bottom to top: what runs on time (timed
// events, the game, the play screen's help tips, the clock), then the launch
// picture on the title, else the play screen (theme background, idle
// furballs, bottom bar, board, bursts, banner, score board and heads-up
// display); over them the tip bubbles, the praise word, the screen's menu and
// the open dialogs, the statistics overlay and the dimming. The result tells
// the main loop whether another frame must come.

#include <cstdlib>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/Log.h"
#include "board/Board.h"
#include "board/BoardDraw.h"
#include "board/BoardViewServices.h"
#include "board/ScoreBoard.h"
#include "game/KelzoGame.h"
#include "game/MainLoop.h"
#include "game/PlatformState.h"
#include "game/ScoreBoardKey.h"
#include "graphics/AnimationList.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/ScreenFader.h"
#include "graphics/Texture.h"
#include "scores/HiScoresExchange.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "sound/MusicCrossFader.h"
#include "ui/MenuBubble.h"
#include "ui/MenuStack.h"
#include "ui/SharedMenuTextures.h"

namespace {

const int kGameOverAlertDelayMs = 700;

bool isGameScreen(ScreenId id) { return id == ScreenPlaying || id == ScreenHowToPlay; }

// The screens where the bar says nothing while the game waits (their own pictures say it).
bool captionlessScreen(ScreenId id)
{
    return id == ScreenGameIntro || id == ScreenPlaying || id == ScreenGameOverAlert || id == ScreenNewHiScore;
}

bool onDemandDrawing() { return !gSettings || gSettings->powerOptions; }

// The idle animations play unless the player switched the animations off (and no override says otherwise).
bool idleAnimationsOn() { return !gSettings || gSettings->fxSwitchVariation != 2 || gSettings->switchC; }

}  // namespace

bool KelzoGame::playTimedEvent(int kind)
{
    switch (kind) {
    case kEventLostLife: return soundPlayer.playLostLifeEffect();
    case kEventTitleMusic: soundPlayer.setMusicState(kMusicTitle); return true;
    case kEventGameOver: return soundPlayer.playGameOverEffect();
    case kEventYay: return soundPlayer.playYayEffect();
    case kEventMouthPop: return soundPlayer.playMouthPopEffect();
    case kEventWrongMove: return soundPlayer.playWrongMoveEffect();
    case kEventUndo: return soundPlayer.playUndoEffect();
    case kEventHint: return soundPlayer.playHintEffect();
    case kEventBeatStage: return soundPlayer.playBeatStageEffect();
    case kEventAlarm: return soundPlayer.playAlarmEffect();
    default: return true;
    }
}

void KelzoGame::playDueEvents()
{
    timedEvents.runDue([this](int kind) { return playTimedEvent(kind); });
}

BottomBarState KelzoGame::bottomBarState()
{
    BottomBarState bar;
    if (!isGameScreen(currentScreen) || gGameClock.paused) {
        if (currentGame && !captionlessScreen(currentScreen))
            bar.caption = BottomBarState::kPausedCaption;
    } else {
        bar.caption = BottomBarState::kMenuCaption;
        bar.german = isLanguage(kGerman);
        if (currentScreen == ScreenHowToPlay && !tutorialDone && gAbSettings.ieh == 2)
            bar.captionAlpha = 0.57f;
    }
    bar.labels = gAbSettings.lb >= 1 && isLanguage(kEnglish);
    bar.hintAlwaysOpaque = currentScreen == ScreenHowToPlay;
    if (!currentGame)
        return bar;
    bar.undoEnabled = currentGame->canUndo();
    bar.hintEnabled = currentGame->isHintEnabled();
    const bool openFreePlay = currentGame->type() == kGameFreePlay && gAbSettings.fph < 5;
    if (currentGame->board && !openFreePlay && !currentGame->board->givenUp && currentScreen != ScreenHowToPlay)
        bar.hintNumber = currentGame->hintsLeft();
    return bar;
}

bool KelzoGame::drawPlayScreen()
{
    bool moving = false;
    drawBackground(graphics, 1.0f, 0);
    Board* board = currentGame ? currentGame->board.get() : nullptr;
    if (board && currentScreen != ScreenGameIntro && idleAnimationsOn())
        moving = idleAnimations.step(*board, boardTheme(), gGameClock.current, rand) || moving;
    bottomBar.draw(graphics, bottomBarState());
    if (board && currentScreen != ScreenGameIntro) {
        moving = currentGame->drawBoard() || moving;
        // The board may have been replaced by the drawing (a solved puzzle moves on).
        if (currentGame && currentGame->board)
            moving = currentGame->board->drawHintArrow(graphics, currentScreen) != 0 || moving;   // it bobs
    }
    moving = updateAnimations(gAnimationList) || moving;
    moving = drawTutorial() || moving;   // the demonstration finger and the pointers
    if (!currentGame || currentGame->type() != kGameTwoPlayer)
        graphics.common[kEntryTopBanner].draw(0.0f, 70.0f, DrawParams());
    if (currentGame) {
        gScoreBoard.draw(scoreBoardKey(currentGame->type(), currentGame->level, currentLevel,
                                       currentScreen == ScreenHowToPlay));
        currentGame->drawHud();
    }
    // A pressed heads-up area glows over the score board, where its label and control are.
    if (currentScreen == ScreenPlaying)
        hudView.render(0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 0.0f, false);
    return moving;
}

void KelzoGame::drawLaunchPicture()
{
    if (!launchImage)
        launchImage.reset(new Texture("Default.png", 1.0f, false));
    DrawParams opaque;
    opaque.blendMode = BlendOpaque;
    drawTexture(launchImage.get(), 0, 0, opaque);
}

bool KelzoGame::drawMenus()
{
    bool moving = false;
    if (currentMenu) {
        if (!currentMenu->hookCalled) {
            currentMenu->hookCalled = 1;
            currentMenu->onFirstDraw();
        }
        moving = currentMenu->render() != 0;
    }
    takeMenuFrameWish();
    moving = updateAnimations(gBubbleAnimations) || moving;
    moving = gMenuStack.render() != 0 || moving;
    if (screenFactory) {
        const int action = screenFactory->afterFrame(currentMenu.get());
        if (action != -1) {
            logPrintf("LOG", "screen %d action %d", int(currentScreen), action);
            screenAction(action);
            moving = true;
        }
    }
    return moving;
}

void KelzoGame::drawDimming()
{
    if (!dimScreen || !gMenuShadowTexture)
        return;
    // The shadow texture is a small dark square; enlarged twice over the screen it dims what lies below.
    DrawParams cover;
    cover.scaleX = 320.0f / float(gMenuShadowTexture->width);
    cover.scaleY = 480.0f / float(gMenuShadowTexture->height);
    drawTexture(gMenuShadowTexture.get(), 0, 0, cover);
    drawTexture(gMenuShadowTexture.get(), 0, 0, cover);
}

bool KelzoGame::drawFrame()
{
    MutexLock lock(&frameMutex);
    gMusicCrossFader.frameStep();
    bool moving = gScreenFader.draw() != 0;
    frameCount++;
    if (frameCount == 3 && gSettings)
        soundPlayer.startMainTheme(gSettings->sliderB);
    playDueEvents();
    // Whether or not a score screen still waits for it, an accepted upload stops being pending now.
    gHiScoresUploader.applyResult(hiScores);
    stepTutorial();
    if (currentGame)
        currentGame->tick();
    if (currentGame && currentScreen == ScreenPlaying)
        helpTips.frame(gGameClock.now(), tips, *currentGame, gMenuStack.size() > 0);
    dropStaleBarTap();
    gGameClock.update();
    if (currentScreen == ScreenGameOver && gameOverMs != -1 &&
        gameTimeDiff(gGameClock.running(), gameOverMs) >= kGameOverAlertDelayMs) {
        gameOverMs = -1;
        gameOver(true, false);
    }

    const bool launchPicture =
        currentScreen == ScreenTitle || (currentScreen == ScreenThemes && previousScreen != ScreenMainMenu);
    if (launchPicture) {
        drawLaunchPicture();
    } else {
        launchImage.reset();
        moving = drawPlayScreen() || moving;
    }
    moving = tips.bubbles.render() || moving;
    moving = praise.update() || moving;
    if (currentGame)
        moving = currentGame->isAnimating() != 0 || moving;
    moving = drawMenus() || moving;
    frameStats.frame(gGameClock.current);
    if (gSettings && (gSettings->showFps || gSettings->showFpsMore))
        frameStats.draw(graphics, gSettings->showFpsMore);
    drawDimming();

    if (!screenShownLogged) {
        screenShownLogged = true;
        logPrintf("LOG", "screen %d shown %d ms after start", int(currentScreen), int(microsSinceStart() / 1000));
    }
    if (!onDemandDrawing())
        return true;
    if (currentScreen == ScreenPlaying && !gGameClock.paused && gSettings && gSettings->gameMode == kGameFrenzy)
        return true;
    return moving;
}
