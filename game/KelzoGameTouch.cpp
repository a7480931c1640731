// The application object's touches: the open menus first, then the current
// screen's menu or the game; the action codes of the screens' menus and the
// answers to the alerts the application raises.

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/Log.h"
#include "board/Board.h"
#include "game/AlertId.h"
#include "game/KelzoGame.h"
#include "game/TutorialSteps.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "ui/CustomAlertView.h"
#include "ui/MenuStack.h"
#include "ui/TappableLog.h"

namespace {

const int kClickSpacingMs = 301;
const int kBarTop = 436;               // touches below are the bottom bar's
const int kUndoRight = 56;             // the undo button, at the bar's left end
const int kBarTapLeft = 77;            // the double tap that leaves the game lands between the buttons
const int kBarTapRight = 263;
const int kDoubleTapRadiusSquared = 500;
const int kDoubleTapMs = 1900;
const int kThemeChosenBase = 100;      // the theme screen answers 100 + theme for a choice

int selectedMode() { return gSettings ? gSettings->gameMode : kGameArcade; }

bool onBarScreen(ScreenId id) { return id == ScreenPlaying || id == ScreenGameIntro || id == ScreenHowToPlay; }

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
    gGameClock.update();
    tips.bubbles.removeOlderThan(1350, true);
    bool consumed = false;
    gMenuStack.dispatchTouch(0, x, y, &consumed);
    if (consumed) {
        barTapCount = 0;
        barFirstTapMs = -1;
        return;
    }
    if (currentGame && currentGame->isInputBlocked()) {
        barTapCount = 0;
        barFirstTapMs = -1;
        return;
    }
    if (y > kBarTop && onBarScreen(currentScreen) && x >= kBarTapLeft && x <= kBarTapRight &&
        (barTapCount == 0 || barTapCount == 2)) {
        barTapCount++;
        barTapX = x;
        barTapY = y;
    } else if (!(y > kBarTop && onBarScreen(currentScreen))) {
        barTapCount = 0;
        barFirstTapMs = -1;
        if (currentMenu)
            currentMenu->handleTouch(0, x, y);
    }
    if (touchesReachGame() && currentGame)
        currentGame->handleTouch(0, x, y);
}

void KelzoGame::touchEnded(int x, int y)
{
    gGameClock.update();
    bool consumed = false;
    gMenuStack.dispatchTouch(2, x, y, &consumed);
    if (consumed)
        return;
    lastReleaseX = x;
    lastReleaseY = y;
    if (currentMenu) {
        const int action = currentMenu->handleTouch(2, x, y);
        if (action != -1) {
            logPrintf("LOG", "screen %d action %d", int(currentScreen), action);
            screenAction(action);
        }
    }
    if (currentGame && currentGame->isInputBlocked())
        return;
    if (y > kBarTop && onBarScreen(currentScreen) && x >= kBarTapLeft && x <= kBarTapRight) {
        const int dx = x - barTapX;
        const int dy = y - barTapY;
        const bool near = dx * dx + dy * dy <= kDoubleTapRadiusSquared;
        if (near && barTapCount == 1) {
            barTapCount = 2;
            barFirstTapMs = gGameClock.now();
        } else if (near && barTapCount == 3) {
            barTapCount = 0;
            barFirstTapMs = -1;
            if (currentScreen == ScreenHowToPlay)
                askToLeaveTutorial();
            else
                showMenu(ScreenMainMenu);
            return;
        } else {
            barTapCount = 0;
            barFirstTapMs = -1;
        }
    } else {
        barTapCount = 0;
        barFirstTapMs = -1;
    }
    if (y >= kBarTop + 1 && x < kUndoRight && tutorialUndoAllowed() && currentGame && currentGame->undo())
        tutorialUndone();
    tutorialTouchEnded(x, y);
    if (touchesReachGame() && currentGame)
        currentGame->handleTouch(2, x, y);
}

bool KelzoGame::touchesReachGame() const
{
    return currentScreen == ScreenPlaying || (currentScreen == ScreenHowToPlay && tutorialPlayerStep(tutorialStep));
}

void KelzoGame::dropStaleBarTap()
{
    if (barFirstTapMs >= 0 && gameTimeDiff(gGameClock.now(), barFirstTapMs) >= kDoubleTapMs) {
        barTapCount = 0;
        barFirstTapMs = -1;
    }
}

void KelzoGame::showPreviousScreen() { showMenu(previousScreen); }

void KelzoGame::screenAction(int action)
{
    switch (currentScreen) {
    case ScreenModeMenu:
        if (action == 0) {
            startSelectedMode();
            playClick();
        } else if (action == 1) {
            if (currentGame && gSettings)
                gSettings->startLevel = currentGame->level;
            showMenu(ScreenMainMenu);
        }
        saveState(false);
        return;
    case ScreenThemes:
        // A chosen theme has its alert up already; its answer leaves.
        if (action < kThemeChosenBase)
            showPreviousScreen();
        return;
    case ScreenRating:
        if (action == 0)
            showMenu(ScreenMainMenu);
        else if (action == 1)
            showMenu(ScreenHistory);
        return;
    case ScreenHistory:
        if (action == 0)
            showMenu(ScreenRating);
        return;
    case ScreenHiScores:
        if (fromNewHiScore) {
            fromNewHiScore = false;
            startGame(false, false);
        }
        if (previousScreen == ScreenPlaying || previousScreen == ScreenMainMenu) {
            showPreviousScreen();
        } else {
            showMenu(ScreenModeMenu);
            if (history.size() > 0)
                maybeAskForRating(levelOfPuzzleId(history[history.size() - 1].puzzleId) - 1, 500);
        }
        return;
    case ScreenNewHiScore:
        if (action == 0 && currentGame && screenFactory) {
            lastEnteredName = screenFactory->enteredText(currentMenu.get());
            storeHiScore(lastEnteredName);
            showMenu(ScreenHiScores, true);
            saveState(false);
            fromNewHiScore = true;
        } else {
            fromNewHiScore = false;
            startGame(false, false);
            if (previousScreen == ScreenModeMenu)
                startSelectedMode();
            else
                showMenu(ScreenModeMenu);
        }
        return;
    case ScreenGameOverAlert:
        startGame(false, true);
        showMenu(ScreenPlaying);
        return;
    case ScreenGameIntro:
        showMenu(ScreenPlaying);
        return;
    case ScreenSettings:
        showMenu(ScreenMainMenu);
        return;
    case ScreenContact:
        showPreviousScreen();
        return;
    case ScreenLevelSelect:
        if (action == 1)
            takeSelectedLevel();
        showPreviousScreen();
        return;
    case ScreenAds:
        if (action == 0)
            showMenu(ScreenMainMenu);
        return;
    case ScreenTitle:
    case ScreenLanguage:
        if (currentScreen == ScreenTitle && languageFirst) {
            // The language is chosen: the title itself follows.
            languageFirst = false;
            showMenu(ScreenTitle);
            return;
        }
        if (currentScreen == ScreenLanguage && previousScreen == ScreenSettings)
            showMenu(ScreenSettings);
        else
            showMenu(tutorialDone ? ScreenModeMenu : ScreenHowToPlay);
        return;
    case ScreenMainMenu:
        mainMenuAction(action);
        return;
    default:
        return;
    }
}

void KelzoGame::mainMenuAction(int action)
{
    switch (action) {
    case 7: resumeToPlay(); return;
    case 0:
        if (currentGame && currentGame->recordsScoreOnQuit() && currentGame->score() > 0)
            gameOver(false, false);
        if (currentScreen == ScreenMainMenu)
            showMenu(ScreenModeMenu);
        return;
    case 4: showMenu(ScreenSettings); return;
    case 2: showMenu(ScreenRating); return;
    case 1: showMenu(ScreenHiScores); return;
    case 8: showMenu(ScreenAds); return;
    case 11: showMenu(ScreenThemes); return;
    case 5: showMenu(ScreenHowToPlay); return;
    case 6: showMenu(ScreenContact); return;
    case 3:
        if (currentGame && currentGame->board && currentGame->board->givenUp) {
            showMenu(ScreenPlaying);
            currentGame->restartLevel();
        } else if (currentGame) {
            playClick();
            showAlert(AlertRestartLevel, getText(292).c_str(), getText(293).c_str(), getText(1).c_str(),
                      getText(294).c_str(), 0, 16);
        }
        return;
    default:
        return;
    }
}

void KelzoGame::takeSelectedLevel()
{
    if (!currentGame || !gSettings)
        return;
    const int type = currentGame->type();
    bool changed = false;
    if (type == kGameChallenge || type == kGameFrenzy) {
        if (currentGame->level != gSettings->startLevel) {
            currentGame->level = gSettings->startLevel;
            currentGame->restartLevel();
            changed = true;
        }
    } else if (currentGame->board && currentGame->level != gSettings->startLevel) {
        // The puzzle in play is left to be played later; the next one comes from the chosen level.
        currentGame->startBoardLevel(false, true);
        currentGame->level = gSettings->startLevel;
        nextPuzzle(false);
        changed = true;
    }
    if (changed)
        gAbSettings.count(StatChangedLev);
}

void KelzoGame::storeHiScore(const String& name)
{
    const int type = currentGame->type();
    const int slot = type == kGameFreePlay ? 7 : currentGame->difficulty();
    if (type == kGameBeatTheClock)
        hiScores.addScoreLowerBetter(slot, currentGame->score(), name, currentGame->seed);
    else
        hiScores.addScore(slot, currentGame->score(), name, currentGame->seed);
}

void KelzoGame::playClick()
{
    const int32_t now = gGameClock.now();
    if (lastClickMs != -1 && gameTimeDiff(now, lastClickMs) < kClickSpacingMs)
        return;
    soundPlayer.playMenuClickEffect();
    lastClickMs = now;
}

// ---- Alerts

void KelzoGame::showAlert(int id, const String& title, const String& message, const String& button1,
                          const String& button2)
{
    showAlert(id, title.c_str(), message.c_str(), button1.c_str(), button2.isEmpty() ? nullptr : button2.c_str(),
              0, 16);
}

void KelzoGame::showAlert(int id, const char* title, const char* message, const char* button1, const char* button2,
                          int startDelayMs, int messageFontSize)
{
    currentAlertId = id;
    AlertOptions options;
    options.messageFontSize = messageFontSize;
    CustomAlertView* alert = new CustomAlertView(this, title, message, button1, button2, nullptr, options);
    alert->startDelayMs = startDelayMs;
    logPrintf("LOG", "alert %d: %s", id, title ? title : "");
    logPrintf("LOG", "alert %d taps: %s", id, tappableChildrenText(alert->inner).c_str());
}

bool KelzoGame::isAlertShowing(int id) { return currentAlertId == id; }

void KelzoGame::alertButtonClicked(int button, CustomAlertView*)
{
    const int id = currentAlertId;
    currentAlertId = -1;
    logPrintf("LOG", "alert %d answered %d", id, button);
    answerAlert(id, button);
}

void KelzoGame::answerAlert(int id, int button)
{
    switch (id) {
    case AlertFreePlayNewLevel:
    case AlertFreePlayLevelResult:
        answerFreePlayLevelAlert(id, button);
        return;
    case AlertTimeUp:
        // Losing the life now, or seeing the puzzle through given up (the life goes when it is done).
        if (!currentGame)
            return;
        if (button == 0) {
            currentGame->endGame();
        } else if (currentGame->board) {
            currentGame->board->givenUp = 1;
            if (tips.shouldShow(12, 3, false))
                showTip(12, TipParams());
        }
        return;
    case AlertGameIntro:
        showMenu(ScreenPlaying);
        if (currentGame && currentGame->type() == kGameFreePlay && currentGame->level != currentLevel &&
            tips.shouldShowSpaced(22, 3, 3, 3))
            showTip(22, TipParams());
        return;
    case AlertRestartLevel:
        if (button == 1 && currentGame) {
            currentGame->restartLevel();
            if (currentScreen != ScreenPlaying)
                showMenu(ScreenPlaying);
        }
        return;
    case AlertResume:
        if (button == 1) {
            resumeToPlay();
        } else {
            pauseClockIfRunning();
            showMenu(ScreenModeMenu);
        }
        return;
    case AlertContinueGame:
    case AlertSameFreePlayLevel:
        continueKeptGame(id, button);
        return;
    case AlertGameOver:
        if (button == 1) {
            startSelectedMode();
        } else {
            setCurrentGame(nullptr);
            OwnedPtr<CurrentGameI>& slot = keptGames[selectedMode() < kKeptGameTypes ? selectedMode() : 0];
            if (selectedMode() < kKeptGameTypes)
                deleteGame(slot);
            showMenu(ScreenModeMenu);
        }
        return;
    case AlertThemeChosen:
        showPreviousScreen();
        return;
    case AlertLeaveTutorial:
        if (button == 1)
            leaveTutorial(false);
        return;
    case AlertHowToPlayStart:
        startTutorial();
        return;
    default:
        return;
    }
}

void KelzoGame::continueKeptGame(int id, int button)
{
    CurrentGameI* kept = keptGame(selectedMode());
    if (id == AlertContinueGame) {
        if (button == 1 && kept) {
            setCurrentGame(kept);
        } else {
            startGame(false, true);
            if (currentScreen == ScreenPlaying && currentGame && currentGame->board.isNull() &&
                currentGame->type() != kGameChallenge)
                nextPuzzle(true);
        }
    } else {
        setCurrentGame(kept);
        if (button != 1 && kept) {
            if (kept->board)
                kept->startBoardLevel(false, false);
            nextPuzzle(false);
        }
        showMenu(ScreenGameIntro);
    }
    alignBoardTimers();
}
