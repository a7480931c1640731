// The application object's frame: the launch picture on the title, else the
// board and its heads-up display; over them the current screen's menu and
// the open menus and alerts.

#include <GLES/gl.h>

#include "Core/GameClock.h"
#include "Core/Log.h"
#include "board/Board.h"
#include "board/BoardDraw.h"
#include "board/ScoreBoard.h"
#include "game/KelzoGame.h"
#include "game/MainLoop.h"
#include "game/PlatformState.h"
#include "graphics/AnimationList.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/ScreenFader.h"
#include "graphics/Texture.h"
#include "sound/MusicCrossFader.h"
#include "ui/MenuStack.h"

namespace {

// How long a stuck board stays before the next one comes (until the stuck
// tip and its menu exist).
const int kNextBoardDelayMs = 1500;

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

void KelzoGame::replaceStuckBoard()
{
    if (stuckSinceMs < 0 || currentScreen != ScreenPlaying)
        return;
    if (gameTimeDiff(gGameClock.now(), stuckSinceMs) < kNextBoardDelayMs)
        return;
    if (currentGame)
        currentGame->startBoardLevel(false, false);
    nextPuzzle(true);
}

bool KelzoGame::drawGame()
{
    drawBackground(graphics, 1.0f, 0);
    bool moving = false;
    if (!currentGame)
        return false;
    if (currentScreen != ScreenGameIntro && currentGame->board) {
        moving = currentGame->drawBoard();
        moving = currentGame->board->drawHintArrow(graphics, currentScreen) || moving;   // it bobs
    }
    moving = updateAnimations(gAnimationList) || moving;
    gScoreBoard.draw(currentScreen == ScreenHowToPlay ? 100 : currentGame->type());
    currentGame->drawHud();
    // The wait for the next board is movement too: its frame must come.
    return moving || stuckSinceMs >= 0;
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
    stepTutorial();
    if (currentGame && currentScreen == ScreenPlaying)
        currentGame->tick();
    dropStaleBarTap();
    gGameClock.update();
    if (currentScreen == ScreenGameOver && gameOverMs >= 0 &&
        static_cast<int32_t>(microsSinceStart() / 1000) - gameOverMs >= 700) {
        gameOverMs = -1;
        gameOver(true, false);
    }
    replaceStuckBoard();

    const bool launchPicture =
        currentScreen == ScreenTitle || (currentScreen == ScreenThemes && previousScreen != ScreenMainMenu);
    if (launchPicture) {
        if (!launchImage)
            launchImage.reset(new Texture("Default.png", 1.0f, false));
        DrawParams opaque;
        opaque.blendMode = BlendOpaque;
        drawTexture(launchImage.get(), 0, 0, opaque);
    } else {
        launchImage.reset();
        moving = drawGame() || moving;
        moving = drawTutorial() || moving;
        if (currentScreen == ScreenPlaying || currentScreen == ScreenHowToPlay)
            moving = tips.bubbles.render() || moving;
        moving = praise.update() || moving;
        if (currentGame)
            moving = currentGame->isAnimating() != 0 || moving;
    }

    if (currentMenu) {
        if (!currentMenu->hookCalled) {
            currentMenu->hookCalled = 1;
            currentMenu->onFirstDraw();
        }
        moving = currentMenu->render() != 0 || moving;
    }
    moving = gMenuStack.render() != 0 || moving;
    if (screenFactory) {
        const int action = screenFactory->afterFrame(currentMenu.get());
        if (action != -1) {
            logPrintf("LOG", "screen %d action %d", int(currentScreen), action);
            screenAction(action);
            moving = true;
        }
    }

    if (!screenShownLogged) {
        screenShownLogged = true;
        logPrintf("LOG", "screen %d shown %d ms after start", int(currentScreen), int(microsSinceStart() / 1000));
    }
    return moving;
}
