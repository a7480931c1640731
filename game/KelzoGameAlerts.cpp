// The alerts the application object raises and its answers to them, by the
// id the answer comes back under (AlertId.h); ids it never raised are ignored.

#include <cstdio>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/Log.h"
#include "Core/Platform.h"
#include "board/Board.h"
#include "game/AlertId.h"
#include "game/KelzoGame.h"
#include "game/SelectedMode.h"
#include "modes/ChallengeBests.h"
#include "platform/ServerAddresses.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "ui/CustomAlertView.h"
#include "ui/TappableLog.h"

namespace {

const int kMessageFontSize = 16;
const int kTimeUpTip = 12;
const int kTimeUpTipLimit = 3;
const int kAwayFromLevelTip = 22;
const int kRatedVersion = 162;         // the rating answer of a player who agreed to rate

}  // namespace

void KelzoGame::showAlert(int id, const String& title, const String& message, const String& button1,
                          const String& button2)
{
    showAlert(id, title.c_str(), message.c_str(), button1.c_str(), button2.isEmpty() ? nullptr : button2.c_str(),
              0, kMessageFontSize);
}

void KelzoGame::showAlert(int id, const char* title, const char* message, const char* button1, const char* button2,
                          int startDelayMs, int messageFontSize)
{
    MutexLock lock(&frameMutex);
    currentAlertId = id;
    AlertOptions options;
    options.messageFontSize = messageFontSize;
    // The menu stack owns it from here.
    CustomAlertView* alert = new CustomAlertView(this, title, message, button1, button2, nullptr, options);
    alert->startDelayMs = startDelayMs;
    logAlert(id, title, alert);
}

void KelzoGame::logAlert(int id, const char* title, CustomAlertView* alert)
{
    logPrintf("LOG", "alert %d: %s", id, title ? title : "");
    logPrintf("LOG", "alert %d taps: %s", id, tappableChildrenText(alert->inner).c_str());
}

bool KelzoGame::isAlertShowing(int id) { return currentAlertId == id; }

void KelzoGame::alertButtonClicked(int button, CustomAlertView*)
{
    MutexLock lock(&frameMutex);
    const int id = currentAlertId;
    currentAlertId = -1;
    logPrintf("LOG", "alert %d answered %d", id, button);
    answerAlert(id, button);
}

void KelzoGame::answerAlert(int id, int button)
{
    switch (id) {
    case AlertTimeUp:
        // Losing the life now, or seeing the puzzle through given up (the life goes when it is done).
        if (!currentGame)
            return;
        if (button == 0) {
            currentGame->endGame();
        } else if (currentGame->board) {
            currentGame->board->givenUp = 1;
            if (tips.shouldShow(kTimeUpTip, kTimeUpTipLimit, false))
                showTip(kTimeUpTip, TipParams());
        }
        return;
    case AlertFreePlayNewLevel:
    case AlertFreePlayLevelResult:
        answerFreePlayLevelAlert(id, button);
        return;
    case AlertConfirmHint:
        if (button == 1)
            hintPressed();
        return;
    case AlertSkipPuzzle:
        if (button == 1) {
            soundPlayer.playLostLifeEffect();
            if (currentGame)
                currentGame->startBoardLevel(false, false);
            nextPuzzle(false);
            gAbSettings.count(StatSkippedPuz);
        }
        return;
    case AlertLeaveTutorial:
        if (button == 1)
            leaveTutorial(false);
        return;
    case AlertHowToPlayStart:
        startTutorial();
        return;
    case AlertGameIntro:
        showMenu(ScreenPlaying);
        if (currentGame && currentGame->type() == kGameFreePlay && currentGame->level != currentLevel &&
            tips.shouldShowSpaced(kAwayFromLevelTip, 3, 3, 3))
            showTip(kAwayFromLevelTip, TipParams());
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
    case AlertGiveUpForHint:
        if (button == 1) {
            if (currentGame)
                currentGame->giveUp();
            hintPressed();
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
            if (selectedMode() >= 0 && selectedMode() < kKeptGameTypes)
                deleteGame(keptGames[selectedMode()]);
            showMenu(ScreenModeMenu);
        }
        return;
    case AlertClearScores:
        if (button == 1) {
            hiScores.setDefaults();
            showAlert(AlertInformation, getText(280).c_str(), getText(281).c_str(), getText(0).c_str(), nullptr,
                      0, kMessageFontSize);
        }
        return;
    case AlertResetProgress:
        if (button == 1) {
            resetProgress();
            showAlert(AlertInformation, getText(282).c_str(), getText(283).c_str(), getText(0).c_str(), nullptr,
                      0, kMessageFontSize);
        }
        return;
    case AlertRatingRequest:
        if (button == 1) {
            gAbSettings.count(StatClickedRateMe);
            if (gSettings)
                gSettings->ratingValue2 = kRatedVersion;
            saveState(false);
            launchBrowser(gOwnStoreLink);
        }
        return;
    case AlertThemeChosen:
        showPreviousScreen();
        return;
    default:
        // AlertInformation, and ids nobody raised: nothing to do.
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

void KelzoGame::resetProgress()
{
    MutexLock lock(&frameMutex);
    if (gSettings) {
        // The time already played stays in the totals the history no longer holds.
        for (const HistoryRecord& record : history) {
            if (record.flags & HistoryRecord::kAbandoned)
                continue;
            const int seconds = record.playMs / 1000;
            gSettings->playTimeTotal += seconds;
            if (record.gameType >= 0 && record.gameType < 4)
                gSettings->playTimeByMode[record.gameType] += seconds;
        }
        gSettings->startLevel = 1;
    }
    history.clear();
    currentLevel = 1;
    const int mode = selectedMode();
    if (mode == kGameFreePlay || mode == kGameChallenge)
        setCurrentGame(nullptr);
    deleteGame(keptGames[kGameFreePlay]);
    deleteGame(keptGames[kGameChallenge]);
    saveState(false);
    // The Frenzy bests ("fPersonalBests.dat") are not progress: they stay.
    remove(dataFilePath(kChallengeBestsFileName).c_str());
    loadPersonalBests();   // empties the three lists and reads the file that is no longer there
}
