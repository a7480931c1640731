#include "game/KelzoGame.h"

#include <GLES/gl.h>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/Log.h"
#include "Core/String.h"
#include "board/Board.h"
#include "board/BoardDraw.h"
#include "board/BoardServices.h"
#include "board/MovingFurball.h"
#include "game/AlertId.h"
#include "game/FurballEntrance.h"
#include "game/MainLoop.h"
#include "game/PlatformState.h"
#include "graphics/AnimationList.h"
#include "graphics/FontCache.h"
#include "graphics/GlState.h"
#include "modes/FreePlayNewLevelPopup.h"
#include "board/ScoreBoard.h"
#include "scores/HiScoresExchange.h"
#include "scores/HiScoresMutex.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "sound/MusicCrossFader.h"
#include "ui/MenuStack.h"
#include "ui/SharedMenuTextures.h"

KelzoGame* gGame = nullptr;

namespace {

// Where the furballs are, for whoever reads the log (the end-to-end test
// picks its swipes from it): cell and screen centre of each.
void logFurballs(const Board& board)
{
    String line("furballs (cell:centre)");
    for (const CellPos& pos : board.positions) {
        const ScreenPoint corner = gGameGraphics ? cellToScreen(*gGameGraphics, pos.x, pos.y)
                                                 : ScreenPoint{0, 0};
        const int half = kCellPixels / 2;
        line = line + " " + String::fromInt(pos.x) + "," + String::fromInt(pos.y) + ":" +
               String::fromInt(int(corner.x) + half) + "," + String::fromInt(int(corner.y) + half);
    }
    logPrintf("LOG", "%s", line.c_str());
}

// The music fader's timed events come from its own thread (the queue takes the frame lock). Due exactly
// when asked: the title music comes back 3500 ms after the game-over tune began.
void scheduleFromFader(int kind, int delayMs)
{
    if (gGame)
        gGame->appendTimedEvent(kind, delayMs);
}

int settingsMode()
{
    return gSettings ? gSettings->gameMode : kGameArcade;
}

int settingsLevel()
{
    return gSettings ? gSettings->startLevel : 1;
}

}  // namespace

KelzoGame::KelzoGame()
{
    tips.setHost(this);
    tips.resetAllCounters(gGameClock.now());
}

KelzoGame::KelzoGame(void* handle) : platformHandle(handle), ownsProgramState_(true)
{
    gHiScoresUploader.setIdleListener(this);
    tips.setHost(this);
    tips.resetAllCounters(gGameClock.now());
    gMusicCrossFader.setEventScheduler(scheduleFromFader);
    gRenderStats = RenderStats{0, 0, 0};
    loadingScreen.showLoadingScreen();
}

KelzoGame::~KelzoGame()
{
    saveState(true);
    if (ownsProgramState_) {
        // A score the server accepted while the player quit must not be offered and sent again next run;
        // the table saves itself as it goes.
        gHiScoresUploader.setIdleListener(nullptr);
        gHiScoresUploader.finishBeforeExit(hiScores, kExitUploadWaitMs);
    }
    // The games and boards go with the members below: they must not call back.
    if (gBoardHost == this)
        gBoardHost = nullptr;
    if (gGameHost == this)
        gGameHost = nullptr;
    if (gBubbleHost == &bubbleHost)
        gBubbleHost = nullptr;
    // A later application object composes its own score board pieces.
    gScoreBoard.reset();
    if (!ownsProgramState_)
        return;
    gMusicCrossFader.setEventScheduler(nullptr);
    if (gGameGraphics == &graphics)
        gGameGraphics = nullptr;
    // Open menus hold atlases and textures: they go first, while the GL context and the shared pictures
    // they were made from still exist.
    currentMenu.reset();
    launchImage.reset();
    gMenuStack.deleteAllMenus();
    releaseSharedMenuTextures();
    delete gFontCache;
    gFontCache = nullptr;
}

void KelzoGame::progressBarRect(float* position, float* size)
{
    position[0] = 60;
    position[1] = 400;
    size[0] = 200;
    size[1] = 8;
}

void KelzoGame::loadResources()
{
    loadLanguageChoice();
    loadingScreen.setLoadingProgress(0);
    loadingScreen.setLoadingProgress(15);
    loadCommonGraphics(graphics, &loadingScreen);
    soundPlayer.loadSoundEffects(gAbSettings.mem);
    loadingScreen.setLoadingProgress(85);
    gGameGraphics = &graphics;
    loadingScreen.setLoadingProgress(87);
    loadSharedMenuTextures();
    loadingScreen.setLoadingProgress(90);
    startFresh(false);
    loadingScreen.setLoadingProgress(100);
    pauseClockIfRunning();
    tips.resetAllCounters(gGameClock.now());
}

// ---- Games

OwnedPtr<CurrentGameI>& KelzoGame::slotFor(int type)
{
    return type >= 0 && type < kKeptGameTypes ? keptGames[type] : ownedGame;
}

CurrentGameI* KelzoGame::keptGame(int type) const
{
    return type >= 0 && type < kKeptGameTypes ? keptGames[type].get() : nullptr;
}

void KelzoGame::deleteGame(OwnedPtr<CurrentGameI>& slot)
{
    if (currentGame && currentGame == slot.get())
        currentGame = nullptr;
    slot.reset();
}

void KelzoGame::setKeptGame(int type, CurrentGameI* game)
{
    OwnedPtr<CurrentGameI>& slot = keptGames[type];
    if (slot.get() == game)
        return;
    deleteGame(slot);
    slot.reset(game);
}

void KelzoGame::setCurrentGame(CurrentGameI* game)
{
    // A game owned apart lives only while it is the current one.
    if (ownedGame && ownedGame.get() != game)
        deleteGame(ownedGame);
    currentGame = game;
}

void KelzoGame::freezeKeptBoardsResumeCurrent()
{
    alignBoardTimers();
    tips.resetGameCounters(gGameClock.now());
    bottomButton = -1;
}

void KelzoGame::startGame(bool modeChanged, bool createNew)
{
    const int mode = settingsMode();
    CurrentGameI* kept = keptGame(mode);
    if (kept) {
        const bool challenge = mode == kGameChallenge;
        const bool sameChallenge =
            challenge && (gAbSettings.ncm < 1 ? kept->difficulty() == (gSettings ? gSettings->difficulty : 0)
                                              : kept->level == settingsLevel());
        const bool sameFrenzyLevel = mode == kGameFrenzy && kept->level == settingsLevel();
        if (modeChanged && (sameChallenge || sameFrenzyLevel) && kept->hasProgress()) {
            String message = formatText(sameChallenge ? 306 : 307, int(kept->level));
            showAlert(AlertContinueGame, getText(305), message, getText(308), getText(309));
            tips.resetGameCounters(gGameClock.now());
            setCurrentGame(nullptr);
            bottomButton = -1;
            return;
        }
        if (mode == kGameFreePlay && !kept->board.isNull()) {
            if (kept->level != settingsLevel()) {
                setCurrentGame(kept);
                kept->startBoardLevel(false, true);
                kept->level = settingsLevel();
                nextPuzzle(false);
                freezeKeptBoardsResumeCurrent();
            } else {
                showAlert(AlertSameFreePlayLevel, getText(310), getText(311), getText(308), getText(309));
                tips.resetGameCounters(gGameClock.now());
                setCurrentGame(nullptr);
                bottomButton = -1;
            }
            return;
        }
    }
    OwnedPtr<CurrentGameI>& slot = slotFor(mode);
    if (createNew) {
        if (currentGame == slot.get())
            currentGame = nullptr;
        setCurrentGame(replaceCurrentGame(&graphics, slot, false));
    } else {
        setCurrentGame(nullptr);
        deleteGame(slot);
    }
    freezeKeptBoardsResumeCurrent();
}

void KelzoGame::nextPuzzle(bool)
{
    if (!currentGame)
        return;
    currentGame->endLevel();
    if (settingsMode() == kGameFreePlay) {
        const int level = currentGame->level;
        HistoryRecord* kept = nullptr;
        for (int i = history.size() - 1; i >= 0 && !kept; i--)
            if (levelOfPuzzleId(history[i].puzzleId) == level && (history[i].flags & HistoryRecord::kKept))
                kept = &history[i];
        if (kept)
            setBoard(*kept);
        else
            startNewLevelAvoidingRecent();
    } else {
        startNewLevelAvoidingRecent();
    }
    startFurballEntrance(false);
    saveState(false);
}

void KelzoGame::startFurballEntrance(bool fast)
{
    if (!currentGame || currentGame->board.isNull())
        return;
    Board& board = *currentGame->board;
    logPrintf("LOG", "puzzle %d of level %d", board.puzzleId, currentGame->level);
    logFurballs(board);
    ::startFurballEntrance(board, fast, settingsMode() == kGameBlitz, gGameClock.running(), timedEvents);
}

void KelzoGame::logBoardFurballs()
{
    if (currentGame && currentGame->board)
        logFurballs(*currentGame->board);
}

void KelzoGame::playMove(const MoveEntry& move)
{
    if (!currentGame || currentGame->board.isNull())
        return;
    if (gAbSettings.ddh < 10) {
        currentGame->makeMove(CellPos{move.x, move.y}, move.dx, move.dy, false, 0, 1.0f);
        return;
    }
    currentGame->board->setHintMarker(move, 100);
    int showMs = gAbSettings.nhq >= 1 ? 5000 - 500 * gAbSettings.nhq : 5000;
    bool arrows = gAbSettings.nhd > 0;
    bool forced = false;
    const bool edgeMove = (move.x == 0 && move.dx == 1) || (move.x == 6 && move.dx == -1);
    if (edgeMove && gAbSettings.nhs >= 1) {
        arrows = true;
        showMs = 9000;
        forced = true;
    }
    const int limit = gAbSettings.ddh - 10 > 4 ? 99 : gAbSettings.ddh - 10;
    if (!forced && currentGame->level > limit)
        return;
    int id = 58;
    if (arrows)
        id = move.dx == 1 ? 59 : move.dx == -1 ? 60 : move.dy == 1 ? 62 : 61;
    const ScreenPoint at = cellToScreen(graphics, move.x, move.dy == 1 ? move.y : move.y - 1);
    TipParams params;
    params.showMs = showMs;
    params.delayMs = 100;
    params.fadeOutMs = gAbSettings.nhf > 0 ? 1800 - 300 * gAbSettings.nhf : 1800;
    params.dismissOnTouch = 1;
    params.scale = 0.75f;
    params.x = int(at.x) + 22;
    params.y = int(at.y) + 46;
    params.flipArrow = move.dy == 1 ? 1 : 0;
    showTip(id, params);
}

// ---- Focus and clock

void KelzoGame::pauseClock()
{
    clockWasRunning = !gGameClock.paused;
    if (clockWasRunning)
        gGameClock.pause();
}

void KelzoGame::resumeClock()
{
    if (clockWasRunning && gGameClock.paused) {
        gGameClock.update();
        gGameClock.resume();
    }
}

void KelzoGame::pauseClockIfRunning()
{
    if (!gGameClock.paused)
        gGameClock.pause();
}

void KelzoGame::resumeClockIfPaused()
{
    if (gGameClock.paused) {
        gGameClock.update();
        gGameClock.resume();
    }
}

void KelzoGame::pause()
{
    saveState(true);
    gAbSettings.saveAndReportPause();
    // The score screen may be gone when the replies come: they must not reach it.
    gHiScoresUploader.detach();
    MutexLock lock(&gHiScoresMutex);
    gHiScoresFetcher.setListener(nullptr);
}

void KelzoGame::requestRedraw()
{
    gPlatformState.keepDrawing = true;
}

void KelzoGame::resume()
{
    gAbSettings.countResume();
    dimScreen = false;
}

// ---- ReportFactsI

int KelzoGame::playHistoryCount() { return history.size(); }

void KelzoGame::playHistoryRecord(int index, int* elapsedMs, int* kind, int* flags)
{
    const HistoryRecord& record = history[index];
    *elapsedMs = record.playMs;
    *kind = record.gameType;
    *flags = record.flags;
}

bool KelzoGame::currentBoard(int* elapsedMs, int* undos, bool* hasPossibleMove)
{
    if (!currentGame || currentGame->board.isNull())
        return false;
    const Board& board = *currentGame->board;
    *elapsedMs = board.elapsedMs();
    *undos = board.undoCount;
    *hasPossibleMove = board.hasPossibleMove() != 0;
    return true;
}

// ---- BoardHost

bool KelzoGame::onPlayScreen() { return currentScreen == ScreenPlaying; }

bool KelzoGame::onInstructionScreen() { return currentScreen == ScreenHowToPlay; }

bool KelzoGame::hasCurrentGame() { return currentGame != nullptr; }

Board* KelzoGame::currentGameBoard() { return currentGame ? currentGame->board.get() : nullptr; }

void KelzoGame::tellMoveMade(bool chainLeftBoard)
{
    if (!currentGame)
        return;
    currentGame->onMoveMade(chainLeftBoard);
    Board* board = currentGame->board.get();
    if (!chainLeftBoard || !board)
        return;
    logPrintf("LOG", "move made, %d furballs left", board->furballCount());
    logFurballs(*board);
    if (currentScreen == ScreenPlaying && board->furballCount() > 1 && !board->hasPossibleMove())
        logPrintf("LOG", "board stuck");
}

bool KelzoGame::outOfMoves() { return currentGame && ::outOfMoves(*currentGame); }

int KelzoGame::hintsLeft() { return currentGame ? currentGame->hintsLeft() : 0; }

void KelzoGame::puzzleFinished()
{
    if (!currentGame || !currentGame->takesFinishedBoard())
        return;
    logPrintf("LOG", "board solved");
    currentGame->onPuzzleFinished();
}

bool KelzoGame::tipsOn() { return !gSettings || gSettings->switchB; }

const Board* KelzoGame::tipBoard() { return currentGameBoard(); }

Array<HistoryRecord>& KelzoGame::playedPuzzles() { return history; }

int KelzoGame::currentGameType() { return currentGame ? currentGame->type() : -1; }

int KelzoGame::currentGameLevel() { return currentGame ? currentGame->level : 0; }

void KelzoGame::showFreePlayNewLevelPopup()
{
    // Shown again for the same level, it comes at once.
    openFreePlayNewLevelPopup(!(currentGame && currentGame->levelPopupShown));
}

bool KelzoGame::shouldShowTip(int id, int limit, int limit2, int limit3)
{
    return tips.shouldShowSpaced(id, limit, limit2, limit3);
}

void KelzoGame::showTip(int id, const TipParams& params) { tips.show(id, params); }

void KelzoGame::presentTip(int id, const TipParams& params) { tips.present(id, params); }

void KelzoGame::dismissTip(int id) { tips.dismiss(id); }

// Every alert and popup sits on the menu stack while it is open (the alert id can outlive a screen that
// was left by a tap, such as the game intro's).
bool KelzoGame::isAnyAlertShowing() { return gMenuStack.size() > 0; }

void KelzoGame::showPraise(bool useListB, bool useListC, const char* text, int delayMs)
{
    praise.show(useListB, useListC, text, delayMs);
}

bool KelzoGame::shouldShowGameTip(int id, int limit, bool force) { return tips.shouldShow(id, limit, force); }

void KelzoGame::resetTipCounters(int now) { tips.resetMoveCounters(now); }

void KelzoGame::resetLevelTipCounters() { tips.resetLevelCounters(gGameClock.now()); }

void KelzoGame::removeTipBubbles() { tips.removeAll(); }

bool KelzoGame::tipBubblesEmpty() { return tips.bubbles.bubbles.isEmpty(); }

void KelzoGame::resumeGameClock() { resumeClockIfPaused(); }

void KelzoGame::playHitEffect() { soundPlayer.playHitEffect(); }

void KelzoGame::playWrongMoveEffect() { soundPlayer.playWrongMoveEffect(); }

int KelzoGame::instructionStep() { return tutorialStep; }

void KelzoGame::noteInstructionMisthrow()
{
    tutorialUndoPending = 1;
    logPrintf("LOG", "tutorial wrong throw");
}

void KelzoGame::scheduleEvent(int kind, int delay) { timedEvents.schedule(kind, delay); }

void KelzoGame::appendTimedEvent(int kind, int delayMs) { timedEvents.append(kind, delayMs); }

void KelzoGame::addMovingFurball(const BoardCell& cell, int dx, int dy, CellPos origin, CellPos source,
                                 CellPos target, bool ghost, int delay, float speed, bool fast)
{
    if (!currentGame || currentGame->board.isNull())
        return;
    Board& board = *currentGame->board;
    board.movingFurballs.append(MovingFurball(board, cell, dx, dy, origin, source, target, ghost, delay, speed, fast));
}
