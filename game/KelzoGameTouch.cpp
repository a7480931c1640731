// The application object's touches: the open menus first, then the heads-up
// areas of the play screen, the current screen's menu, the bottom bar (undo,
// hint, and the double tap that leaves) and the game. Alert answers arrive
// from the menu stack inside touchEnded; everything runs under frameMutex.

#include "Core/GameClock.h"
#include "Core/Log.h"
#include "board/Board.h"
#include "game/AlertId.h"
#include "game/KelzoGame.h"
#include "Core/Language.h"
#include "game/TouchZones.h"
#include "game/TutorialSteps.h"
#include "settings/AbSettings.h"
#include "ui/MenuStack.h"

namespace {

const int kBubbleTouchAgeMs = 1350;    // a touch closes the touch-dismissed tips this old

const int kUndoDismissedTips[] = {6, 20, 13, 14, 30, 58, 61, 62, 59, 60};
const int kHintDismissedTips[] = {7, 8, 9, 10, 12, 13, 14, 30, 58, 61, 62, 59, 60};
const int kUndoHintTip = 10;           // "the hint is still waiting" after an undo
const int kUndoHintTipLimit = 3;
const int kHintHighlightMode = 2;

}  // namespace

void KelzoGame::handleTouch(int phase, TouchPoint at, TouchPoint)
{
    MutexLock lock(&frameMutex);
    if (phase == 0) {
        touchBegan(at.x, at.y);
    } else if (phase == 2) {
        touchEnded(at.x, at.y);
    } else if (phase == 1) {
        bool consumed = false;
        gMenuStack.dispatchTouch(1, at.x, at.y, &consumed);
        if (consumed)
            return;
        if (currentMenu)
            currentMenu->handleTouch(1, at.x, at.y);
        else if (currentGame)
            currentGame->handleTouch(1, at.x, at.y);
    }
}

void KelzoGame::touchBegan(int x, int y)
{
    MutexLock lock(&frameMutex);
    gGameClock.update();
    tutorialPressStep = tutorialStep;
    bool consumed = false;
    gMenuStack.dispatchTouch(0, x, y, &consumed);
    if (consumed) {
        barTap.clear();
        return;
    }
    if (currentScreen != ScreenHowToPlay)
        tips.bubbles.removeOlderThan(kBubbleTouchAgeMs, true);
    if (currentScreen == ScreenPlaying) {
        bool hudConsumed = false;
        hudView.handleTouch(0, x, y, &hudConsumed);
    }
    if (currentGame && currentGame->isInputBlocked()) {
        barTap.clear();
        return;
    }
    if (inBottomBar(currentScreen, y)) {
        barTouchBegan(x, y);
    } else {
        barTap.clear();
        if (currentMenu)
            currentMenu->handleTouch(0, x, y);
    }
    if (currentGame && touchesReachGame())
        currentGame->handleTouch(0, x, y);
}

void KelzoGame::barTouchBegan(int x, int y)
{
    const BarButton button = barButtonAt(currentScreen, tutorialStep, x);
    if (button != BarNone) {
        bottomButton = button;
        barTap.clear();
        return;
    }
    if (BarDoubleTap::inBand(x))
        barTap.press(x, y);
    else
        barTap.clear();
}

void KelzoGame::touchEnded(int x, int y)
{
    MutexLock lock(&frameMutex);
    gGameClock.update();
    bool consumed = false;
    gMenuStack.dispatchTouch(2, x, y, &consumed);
    if (consumed)
        return;
    if (opensHiddenCorner(currentScreen, lastReleaseX, lastReleaseY, x, y)) {
        showMenu(ScreenContact);
        return;
    }
    lastReleaseX = x;
    lastReleaseY = y;
    if (currentMenu) {
        const int action = currentMenu->handleTouch(2, x, y);
        if (action != -1) {
            logPrintf("LOG", "screen %d action %d", int(currentScreen), action);
            screenAction(action);
        }
    }
    if (currentScreen == ScreenPlaying) {
        bool hudConsumed = false;
        const int action = hudView.handleTouch(2, x, y, &hudConsumed);
        if (action != -1)
            hudAction(action);
    }
    if (currentGame && currentGame->isInputBlocked())
        return;
    if (y > kBarTop)
        barTouchEnded(x, y);
    else
        barTap.clear();
    bottomButton = BarNone;
    tutorialTouchEnded(x, y);
    if (currentGame && touchesReachGame())
        currentGame->handleTouch(2, x, y);
}

bool KelzoGame::touchesReachGame() const
{
    return currentScreen == ScreenPlaying || (currentScreen == ScreenHowToPlay && tutorialPlayerStep(tutorialStep));
}

void KelzoGame::barTouchEnded(int x, int y)
{
    if (x < kUndoRight && bottomButton == BarUndo) {
        barTap.clear();
        if (currentScreen == ScreenPlaying || tutorialUndoAllowed())
            undoPressed();
        return;
    }
    if (x > kHintLeft && bottomButton == BarHint) {
        barTap.clear();
        if (currentScreen != ScreenPlaying || !currentGame)
            return;
        const Board* board = currentGame->board.get();
        const bool ask = currentGame->type() == kGameFreePlay &&
                         (gAbSettings.fph < 5 || currentGame->level < currentLevel) && board &&
                         board->hintedThrough == 0;
        if (!ask || !currentGame->confirmHint())
            hintPressed();
        return;
    }
    if (!showsBottomBar(currentScreen) || !BarDoubleTap::inBand(x)) {
        barTap.clear();
        return;
    }
    if (barTap.release(x, y, gGameClock.now(), barTapRule()) == BarDoubleTap::Leave)
        leaveByDoubleTap();
}

BarDoubleTap::TutorialRule KelzoGame::barTapRule() const
{
    BarDoubleTap::TutorialRule rule;
    rule.applies = currentScreen == ScreenHowToPlay && !tutorialDone && gAbSettings.ieh >= 1;
    rule.ieh = gAbSettings.ieh;
    return rule;
}

void KelzoGame::leaveByDoubleTap()
{
    if (currentScreen == ScreenHowToPlay)
        askToLeaveTutorial();
    else
        showMenu(ScreenMainMenu);
}

void KelzoGame::dropStaleBarTap() { barTap.abandonIfOld(gGameClock.now()); }

void KelzoGame::playClick()
{
    MutexLock lock(&frameMutex);
    const int32_t now = gGameClock.now();
    if (lastClickMs != -1 && gameTimeDiff(now, lastClickMs) < kClickSpacingMs)
        return;
    soundPlayer.playMenuClickEffect();
    lastClickMs = now;
}

void KelzoGame::undoPressed()
{
    MutexLock lock(&frameMutex);
    for (int id : kUndoDismissedTips)
        dismissTip(id);
    if (!currentGame || !currentGame->board || !currentGame->undo())
        return;
    Board& board = *currentGame->board;
    board.showHint(kHintHighlightMode);
    if (tutorialUndoAllowed()) {
        tutorialUndone();
        return;
    }
    const int type = currentGame->type();
    if (type != kGameFrenzy && type != kGameFreePlay && board.hintPending() && gAbSettings.ddh <= 9 &&
        tips.shouldShow(kUndoHintTip, kUndoHintTipLimit, false))
        showTip(kUndoHintTip, TipParams());
}

void KelzoGame::hintPressed()
{
    MutexLock lock(&frameMutex);
    for (int id : kHintDismissedTips)
        dismissTip(id);
    if (currentGame)
        currentGame->playHint();
}
