// The application object's screen flow: switching screens, the game intro,
// starting the selected mode and the end of a game.

#include <cstdlib>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/Log.h"
#include "board/Board.h"
#include "game/AlertId.h"
#include "game/KelzoGame.h"
#include "game/SelectedMode.h"
#include "game/MainLoop.h"
#include "graphics/ScreenFader.h"
#include "graphics/GlState.h"
#include "modes/BlitzRules.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "sound/MusicCrossFader.h"
#include "sound/SoundManager.h"
#include "ui/CustomAlertView.h"
#include "ui/ExplainScreen.h"
#include "ui/TappableLog.h"
#include "ui/TiledMenu.h"

namespace {

const int kHiScoreRanks = 12;          // a score ranking below these gets no entry screen
const int kFreePlaySlot = 7;
const int kYayEffect = 3;
const int kGameOverEffect = 2;

// No cross-fade into or out of the screens that open over a running picture, nor into the theme choice
// unless it comes from the main menu.
bool crossFades(ScreenId to, ScreenId from)
{
    if (to == ScreenTitle || to == ScreenNewHiScore || to == ScreenContact)
        return false;
    if (from == ScreenNewHiScore || from == ScreenContact)
        return false;
    return !(to == ScreenThemes && from != ScreenMainMenu);
}

int musicStateFor(ScreenId id, int gameOverMode)
{
    if (gameOverMode == 1 && (id == ScreenGameOverAlert || id == ScreenGameOver))
        return kMusicGameOver;
    return id == ScreenPlaying || id == ScreenLevelSelect ? kMusicInGame : kMusicTitle;
}

// The high-score slot of a game: Free Play has its own, the others go by variant.
int hiScoreSlot(CurrentGameI& game)
{
    return game.settings.gameMode == kGameFreePlay ? kFreePlaySlot : game.difficulty();
}

// The opening tip of the intro by mode; -1 none.
int introTip(int mode)
{
    switch (mode) {
    case kGameFreePlay: return 25;
    case kGameArcade: return 24;
    case kGameBeatTheClock: return 26;
    case kGameFrenzy: return 64;
    default: return -1;
    }
}

// The callout tips of the intro.
int calloutTip(int mode, int i)
{
    if (mode == kGameFreePlay)
        return 38 + i;
    if (mode == kGameBeatTheClock && i >= 2)
        return 34 + i;
    return i;
}

// How a callout of the intro moves in a language whose words run longer: its anchor's y and its font size.
struct CalloutShift {
    int language;
    int tip;
    int dy;
    int fontAdjust;
};

const CalloutShift kCalloutShifts[] = {
    {kFrench, 1, 7, 0},    {kFrench, 2, -12, 0},  {kFrench, 3, -12, 0},   {kFrench, 39, -10, -1},
    {kFrench, 41, 7, 0},   {kSpanish, 2, -12, 0}, {kSpanish, 3, -12, 0},  {kSpanish, 38, -15, -1},
    {kSpanish, 39, -15, 0}, {kSpanish, 41, 8, 0}, {kItalian, 38, -15, 0}, {kItalian, 39, -15, 0},
};

// Shown until the intro closes, at the row's place moved for the language.
TipParams calloutParams(int tip)
{
    TipParams params;
    params.showMs = 0;
    params.y = Tips::row(tip).anchorY;
    for (const CalloutShift& shift : kCalloutShifts)
        if (shift.tip == tip && isLanguage(shift.language)) {
            params.y += shift.dy;
            params.styleAdjust = shift.fontAdjust;
        }
    return params;
}

}  // namespace

bool KelzoGame::gameInProgress() const
{
    return currentGame && !currentGame->board.isNull();
}

void KelzoGame::showFirstScreen()
{
    Settings* settings = gSettings;
    languageFirst = gAbSettings.realRuns == 0;
    if (gAbSettings.realRuns <= 2 || !settings) {
        if (settings)
            settings->hiScoreValue2 = 1;   // the theme-introduction flag
        showMenu(ScreenTitle);
    } else if (settings->hiScoreValue2 > 0) {
        showMenu(ScreenTitle);
    } else {
        currentScreen = ScreenTitle;   // the theme screen returns here
        showMenu(ScreenThemes);
        settings->hiScoreValue2 = 1;
    }
}

void KelzoGame::showMenu(ScreenId id, bool newHiScore)
{
    if (crossFades(id, currentScreen))
        gScreenFader.capturePending = 1;
    gRenderStats = RenderStats{0, 0, 0};
    frameStats.reset();
    removeTipBubbles();
    currentMenu.reset();

    const int music = musicStateFor(id, soundPlayer.gameOverMode);
    if (id == ScreenGameOverAlert && music == kMusicGameOver && gSoundManager && gSettings &&
        gSoundManager->isMusicSuppressed(gSettings->sliderB))
        soundPlayer.playLostLifeEffect();
    const bool keepGameOverMusic = soundPlayer.musicState == kMusicGameOver &&
                                   (gMusicCrossFader.musicOn || gMusicCrossFader.isRunning());
    if (!keepGameOverMusic)
        soundPlayer.setMusicState(music);

    buildScreen(id, newHiScore);

    if (id != ScreenTitle && id != ScreenGameOverAlert && id != ScreenGameOver) {
        const int32_t now = gGameClock.now();
        if (lastTransitionSoundMs == -1 || gameTimeDiff(now, lastTransitionSoundMs) >= kClickSpacingMs) {
            soundPlayer.playMenuClickEffect();
            lastTransitionSoundMs = now;
        }
    }

    screenBeforePrevious = previousScreen;
    previousScreen = currentScreen;
    currentScreen = id;
    screenShownLogged = false;
    logPrintf("LOG", "screen %d (from %d)", int(id), int(previousScreen));
    logScreenMenu(id);

    if (id == ScreenPlaying) {
        resumeClockIfPaused();
        alignBoardTimers();
        createGlower();
    } else if (previousScreen == ScreenPlaying) {
        pauseClockIfRunning();
    }
}

void KelzoGame::logScreenMenu(ScreenId id)
{
    TiledMenu* tiled = dynamic_cast<TiledMenu*>(currentMenu.get());
    if (tiled)
        logPrintf("LOG", "screen %d taps: %s", int(id), tappableChildrenText(tiled->inner).c_str());
}

void KelzoGame::buildScreen(ScreenId id, bool newHiScore)
{
    switch (id) {
    case ScreenGameIntro:
        buildGameIntro();
        currentAlertId = AlertGameIntro;
        bottomButton = -1;
        return;
    case ScreenPlaying:
        // A game without a board gets one, unless it lays its board out itself (Challenge, after its
        // level intro).
        if (currentGame && currentGame->board.isNull() && !currentGame->resumeWithoutBoard())
            nextPuzzle(true);
        else
            logBoardFurballs();   // a board resumed
        bottomButton = -1;
        return;
    case ScreenHowToPlay:
        // No menu: the tutorial's board and its alert.
        buildHowToPlay();
        return;
    case ScreenGameOverAlert: {
        const int score = currentGame ? currentGame->score() : 0;
        const String message = formatText(288, groupedNumberText(score).c_str()) + "\n\n" + getText(289);
        showAlert(AlertGameOver, getText(287).c_str(), message.c_str(), getText(290).c_str(),
                  getText(291).c_str(), 0, 16);
        if (currentGame)
            currentGame->ended = true;
        saveState(false);
        return;
    }
    case ScreenGameOver:
        if (currentGame)
            currentGame->ended = true;
        saveState(false);
        return;
    case ScreenNewHiScore:
        scheduleEvent(kYayEffect, 200);
        break;
    case ScreenMainMenu:
        gAbSettings.count(StatMainMenu);
        break;
    case ScreenRating:
        gAbSettings.count(StatViewedStats);
        break;
    case ScreenHistory:
        gAbSettings.count(StatViewedtHist);
        break;
    case ScreenModeMenu:
        gAbSettings.count(StatGameModeMenu);
        break;
    case ScreenAds:
        gAbSettings.count(StatMoreGames);
        break;
    default:
        break;
    }
    if (screenFactory && id != ScreenUnused)
        currentMenu.reset(screenFactory->makeMenu(*this, id, newHiScore));
}

void KelzoGame::buildGameIntro()
{
    const int mode = selectedMode();
    int textId = 8;
    if (!gameInProgress())
        textId = 9;
    else if (mode == kGameFreePlay)
        textId = 10;
    else if ((mode == kGameArcade && currentGame->score() == 0) || mode == kGameBlitz || mode == kGameFrenzy)
        textId = 9;
    const String introText = getText(textId);

    // The opening dialog's answer plays on (alert 7, set by the caller); Challenge and Two Player have none,
    // and a tap on the overlay plays on instead.
    const int tip = introTip(mode);
    if (tip >= 0) {
        const int titleId = Tips::row(tip).titleId;
        CustomAlertView* alert = tips.showWithText(tip, introText.c_str(), this);
        logAlert(AlertGameIntro, titleId != -1 ? getText(titleId).c_str() : "", alert);
    } else if (mode == kGameBlitz) {
        const int variant = currentGame ? currentGame->difficulty() : 0;
        const String title = getText(388);
        const String message = formatText(389, int(blitzTimeLimitMs(variant) / 60000.0f));
        logAlert(AlertGameIntro, title.c_str(),
                 new CustomAlertView(this, title.c_str(), message.c_str(), introText.c_str(), nullptr, nullptr,
                                     AlertOptions()));
    }
    currentMenu.reset(new ExplainScreen());
    logPrintf("LOG", "game intro: %s", introText.c_str());

    if (mode == kGameBlitz || mode == kGameFrenzy)
        return;
    // The callouts explain the screen itself, so they come whatever the tips option says.
    for (int i = 0; i < 4; i++) {
        const int tip = calloutTip(mode, i);
        tips.present(tip, calloutParams(tip));
    }
}

void KelzoGame::startSelectedMode()
{
    saveState(false);
    const int mode = selectedMode();
    const bool modeChanged = !currentGame || currentGame->settings.gameMode != mode;
    startGame(modeChanged, true);
    if (mode == kGameChallenge)
        showMenu(ScreenPlaying);
    else if (mode == kGameFrenzy)
        showMenu(currentAlertId == AlertContinueGame ? ScreenPlaying : ScreenGameIntro);
    else if (currentGame)
        showMenu(ScreenGameIntro);
}

void KelzoGame::gameOver(bool withAlert, bool silent)
{
    if (silent) {
        showMenu(ScreenGameOver);
        if (soundPlayer.gameOverMode != 1)
            scheduleEvent(kGameOverEffect, 200);
        // Off the play screen the game clock stands still: the wait for what follows is real time.
        gameOverMs = static_cast<int32_t>(microsSinceStart() / 1000);
        pauseClockIfRunning();
        return;
    }
    if (currentGame) {
        const int type = currentGame->settings.gameMode;
        gAbSettings.count(type == kGameArcade ? StatFinArcG : type == kGameBlitz ? StatFinBlitzG : StatFinFrenzyG);
        if (currentGame->isScoreRecordable()) {
            const int rank = hiScores.rankOf(hiScoreSlot(*currentGame), currentGame->score(),
                                             type == kGameBeatTheClock);
            if (rank >= 1 && rank <= kHiScoreRanks) {
                showMenu(ScreenNewHiScore);
                return;
            }
        }
    }
    if (withAlert)
        showMenu(ScreenGameOverAlert);
    else
        startGame(false, true);
}

void KelzoGame::resumeToPlay()
{
    showMenu(ScreenPlaying);
    if (currentGame && currentGame->settings.gameMode == kGameFreePlay && currentGame->level != currentLevel &&
        tips.shouldShowSpaced(22, 3, 3, 3))
        showTip(22, TipParams());
    if (currentGame && currentGame->board.isNull() && !currentGame->resumeWithoutBoard())
        nextPuzzle(true);
}
