// The application object's screen actions: what each screen's action code
// leads to, and the play screen's tappable heads-up areas (level select,
// skip, level info) with the skip question they raise.

#include "Core/Language.h"
#include "Core/Log.h"
#include "board/Board.h"
#include "board/LevelRecord.h"
#include "game/AlertId.h"
#include "game/KelzoGame.h"
#include "game/SelectedMode.h"
#include "modes/FreePlayRules.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "ui/Glower.h"

namespace {

const int kThemeChosenBase = 100;      // the theme screen answers 100 + theme for a choice

// The heads-up areas: their action codes, and the glow that lights while one is pressed.
const int kHudLevelSelect = 4;
const int kHudSkip = 5;
const int kHudLevelInfo = 6;
// An area runs from its label at the top of the score board down over the control beneath it (the level
// number's box, the restart or mode picture), whose foot lies near y 60.
const int kHudAreaY = 5;
const int kHudAreaWidth = 44;
const int kHudAreaHeight = 57;
const int kHudHitMarginX = 10;
const int kLevelInfoTip = 57;

}  // namespace

void KelzoGame::showPreviousScreen() { showMenu(previousScreen); }

void KelzoGame::screenAction(int action)
{
    MutexLock lock(&frameMutex);
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
        // A chosen theme (100 and up) has its alert up already: its answer leaves.
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
            // The table keeps the name with the score and offers it the next time.
            storeHiScore(screenFactory->enteredText(currentMenu.get()));
            showMenu(ScreenHiScores, true);
            // Its score is in the table now: a restart must not offer the finished game (and its score) again.
            currentGame->ended = true;
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
        // 1: the page has opened the other game's store page itself and stays.
        if (action == 0)
            showMenu(ScreenMainMenu);
        return;
    case ScreenTitle:
    case ScreenLanguage:
        // The first start's language answer goes on as the title's does.
        if (currentScreen == ScreenTitle)
            languageFirst = false;
        if (currentScreen == ScreenLanguage && previousScreen == ScreenSettings)
            showMenu(ScreenSettings);
        else
            showMenu(tutorialDone ? ScreenModeMenu : ScreenHowToPlay);
        return;
    case ScreenHowToPlay:
        // The how-to-play screen's Back: the tutorial counts as seen, as when it is left.
        tutorialDone = true;
        showMenu(ScreenMainMenu);
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
    case 7: showMenu(ScreenPlaying); return;
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
    const int chosen = gSettings->startLevel;
    bool changed = false;
    if (type == kGameChallenge || type == kGameFrenzy) {
        if (currentGame->level != chosen) {
            currentGame->level = chosen;
            currentGame->restartLevel();
            changed = true;
        }
    } else if (currentGame->board && currentGame->board->level != chosen) {
        // The puzzle in play is kept to come back to at its own level.
        currentGame->startLevel(true);
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

// ---- The play screen's heads-up areas

void KelzoGame::createGlower()
{
    hudView.removeAllChildren();
    hudView.armedTag = -1;
    auto addArea = [this](int tag, int x) {
        ViewChild& child = hudView.addChild();
        child.element.reset(new Glower(1.0f, kHudAreaWidth, kHudAreaHeight));
        child.tag = tag;
        child.x = x;
        child.y = kHudAreaY;
        child.tappable = 1;
        child.hitMarginX = kHudHitMarginX;
        // Where the frame draws it (the view at the origin): tappable before the first frame.
        child.element->x = x;
        child.element->y = kHudAreaY;
    };
    switch (selectedMode()) {
    case kGameFreePlay:
        addArea(kHudLevelSelect, 140);
        addArea(kHudSkip, 230);
        if (gAbSettings.bfp == 2 || gAbSettings.bfp == 3)
            addArea(kHudLevelInfo, 42);
        break;
    case kGameChallenge:
        addArea(kHudLevelSelect, 143);
        if (gAbSettings.ncm >= 1 && gAbSettings.ncp < 1)
            addArea(kHudSkip, 222);
        break;
    case kGameFrenzy:
        // The French level caption is wider while the skip area sits beside it.
        addArea(kHudLevelSelect, isLanguage(kFrench) && gAbSettings.fsp < 1 ? 149 : 158);
        if (gAbSettings.fsp < 1)
            addArea(kHudSkip, 232);
        break;
    default:
        break;
    }
}

void KelzoGame::hudAction(int action)
{
    switch (action) {
    case kHudLevelSelect:
        showMenu(ScreenLevelSelect);
        playClick();
        return;
    case kHudLevelInfo:
        if (gAbSettings.bfp == 2) {
            showTip(kLevelInfoTip, TipParams());
        } else if (gAbSettings.bfp == 3) {
            openLevelSelect(firstUnsolvedLevelOfSelectedMode());
            if (screenFactory && currentMenu)
                screenFactory->showLevelInfo(currentMenu.get());
        }
        return;
    case kHudSkip:
        showSkipAlert();
        return;
    default:
        return;
    }
}

void KelzoGame::showSkipAlert()
{
    const int type = currentGame ? currentGame->type() : selectedMode();
    if (type == kGameChallenge || type == kGameFrenzy) {
        showAlert(AlertRestartLevel, getText(292).c_str(), getText(293).c_str(), getText(1).c_str(),
                  getText(0).c_str(), 0, 16);
        return;
    }
    const String message = getText(298) + "\n" + skipMessageLine();
    showAlert(AlertSkipPuzzle, getText(297).c_str(), message.c_str(), getText(1).c_str(), getText(0).c_str(), 0,
              16);
    playClick();
}

// How far the player is from finishing the level the skip leaves.
String KelzoGame::skipMessageLine()
{
    const int level = firstUnsolvedLevelOfSelectedMode();
    const bool gameLevel = currentGame && currentGame->level == level;
    const int startLevel = gSettings ? gSettings->startLevel : 1;
    const bool freePlayCounting = gAbSettings.fph < 5 || startLevel < 1;
    if (!freePlayCounting || !gameLevel)
        return getText(gameLevel ? 299 : 300);
    const int fs = gSettings ? gSettings->freeSkipsVariation : 0;
    const int repeats = gSettings ? gSettings->levelRepeatsVariation : 0;
    const int required = freePlayRequiredSolves(level, gAbSettings.fph, fs);
    const int left = required - solvedPuzzlesInLevel();
    if (left == 1)
        return getText(301);
    if (left > 1)
        return formatText(302, left);
    const bool started = puzzlesLeftInLevel() < freePlayLevelSize(level, repeats);
    return getText(required > 0 && started ? 299 : 300);
}
