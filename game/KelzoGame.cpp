#include "game/KelzoGame.h"

#include <GLES/gl.h>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/Log.h"
#include "Core/Random.h"
#include "Core/String.h"
#include "board/Board.h"
#include "board/BoardDraw.h"
#include "board/BoardServices.h"
#include "board/MovingFurball.h"
#include "game/MainLoop.h"
#include "game/PlatformState.h"
#include "graphics/AnimationList.h"
#include "graphics/FontCache.h"
#include "graphics/GlState.h"
#include "settings/AbSettings.h"
#include "sound/MusicCrossFader.h"
#include "ui/MenuStack.h"
#include "ui/SharedMenuTextures.h"

KelzoGame* gGame = nullptr;

KelzoGame::KelzoGame() = default;

namespace {

// How long a finished board's bursts may fly before the next board comes.
const int kNextBoardDelayMs = 1500;
const int kPlayLevel = 1;

// The game on the play screen until the game modes exist: it tells the
// application when the board is over.
class PlayScreenGame : public CurrentGameI {
public:
    void moveMade(bool chainLeftBoard) override;
    void finishBoard() override;
};

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

void PlayScreenGame::moveMade(bool chainLeftBoard)
{
    if (!chainLeftBoard || board.isNull())
        return;
    logPrintf("LOG", "move made, %d furballs left", board->furballCount());
    logFurballs(*board);
    if (board->furballCount() > 1 && !board->hasPossibleMove()) {
        logPrintf("LOG", "board stuck");
        if (gGame)
            gGame->boardFinished();
    }
}

void PlayScreenGame::finishBoard()
{
    CurrentGameI::finishBoard();
    logPrintf("LOG", "board solved");
    if (gGame)
        gGame->boardFinished();
}

// The music fader's timed events come from its own thread.
void scheduleFromFader(int kind, int delayMs)
{
    if (!gGame)
        return;
    MutexLock lock(&gGame->frameMutex);
    gGame->scheduleEvent(kind, delayMs);
}

}  // namespace

KelzoGame::KelzoGame(void* handle) : platformHandle(handle), ownsProgramState_(true)
{
    gMusicCrossFader.setEventScheduler(scheduleFromFader);
    gRenderStats = RenderStats{0, 0, 0};
    loadingScreen.showLoadingScreen();
}

KelzoGame::~KelzoGame()
{
    if (!ownsProgramState_)
        return;
    gMusicCrossFader.setEventScheduler(nullptr);
    if (gGameGraphics == &graphics)
        gGameGraphics = nullptr;
    // Open menus hold atlases and textures: they go first, while the GL context and the shared pictures
    // they were made from still exist.
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
    loadingScreen.setLoadingProgress(90);
    showPlayScreen();
    loadingScreen.setLoadingProgress(100);
    pauseClockIfRunning();
}

void KelzoGame::showPlayScreen()
{
    screenId = kScreenPlaying;
    soundPlayer.setMusicState(kMusicInGame);
    startPuzzle();
    clockStartPending = true;
    logPrintf("LOG", "play screen ready");
}

void KelzoGame::startPuzzle()
{
    if (currentGame.isNull())
        currentGame.reset(new PlayScreenGame());
    currentGame->level = kPlayLevel;
    Board* board = Board::createForPuzzle(kPlayLevel, &recentPuzzles[0], &recentPuzzles[1], &recentPuzzles[2],
                                          randomFloat(1.0f));
    recentPuzzles[2] = recentPuzzles[1];
    recentPuzzles[1] = recentPuzzles[0];
    recentPuzzles[0] = board->record;
    currentGame->board.reset(board);
    boardEndedMs = -1;
    logPrintf("LOG", "puzzle %d of level %d", board->puzzleId, kPlayLevel);
    logFurballs(*board);
}

void KelzoGame::boardFinished()
{
    if (boardEndedMs < 0)
        boardEndedMs = gGameClock.now();
}

void KelzoGame::playDueEvents()
{
    const int32_t now = gGameClock.now();
    for (int i = 0; i < timedEvents.size();) {
        const TimedEvent event = timedEvents[i];
        if (gameTimeDiff(now, event.dueMs) < 0) {
            i++;
            continue;
        }
        timedEvents.removeAt(i);
        if (event.kind == 6)
            soundPlayer.playWrongMoveEffect();
        else if (event.kind == 7)
            soundPlayer.playUndoEffect();
    }
}

bool KelzoGame::drawPlayScreen()
{
    playDueEvents();
    if (boardEndedMs >= 0 && gameTimeDiff(gGameClock.now(), boardEndedMs) >= kNextBoardDelayMs)
        startPuzzle();
    drawBackground(graphics, 1.0f, 0);
    bool moving = false;
    if (!currentGame.isNull() && !currentGame->board.isNull()) {
        moving = drawBoard(graphics, *currentGame->board, 1.0f, 0, 0);
        moving = currentGame->board->drawHintArrow(graphics, screenId) || moving;   // it bobs
    }
    moving = updateAnimations(gAnimationList) || moving;
    // The wait for the next board is movement too: its frame must come.
    return moving || boardEndedMs >= 0;
}

bool KelzoGame::drawFrame()
{
    MutexLock lock(&frameMutex);
    gGameClock.update();
    gMusicCrossFader.frameStep();
    // Not while unfocused: a frame drawn then only shows the picture, and the
    // clock starts once the focus comes.
    if (clockStartPending && screenId == kScreenPlaying && gAppActive) {
        clockStartPending = false;
        resumeClockIfPaused();
        logPrintf("LOG", "play screen shown %d ms after start", int(microsSinceStart() / 1000));
    }
    if (screenId == kScreenPlaying)
        return drawPlayScreen();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    return false;
}

void KelzoGame::handleTouch(int phase, TouchPoint at, TouchPoint)
{
    MutexLock lock(&frameMutex);
    if (screenId == kScreenPlaying && !currentGame.isNull() && !currentGame->board.isNull())
        currentGame->board->handleTouch(phase, at.x, at.y);
}

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
    gAbSettings.saveAndReportExit();
}

void KelzoGame::resume()
{
    gAbSettings.countResume();
}

int KelzoGame::playHistoryCount() { return playHistory.size(); }

void KelzoGame::playHistoryRecord(int index, int* elapsedMs, int* kind, int* flags)
{
    const HistoryRecord& record = playHistory[index];
    *elapsedMs = record.playMs;
    *kind = record.gameType;
    *flags = record.flags;
}

bool KelzoGame::currentBoard(int* elapsedMs, int* undos, bool* hasPossibleMove)
{
    if (currentGame.isNull() || currentGame->board.isNull())
        return false;
    const Board& board = *currentGame->board;
    *elapsedMs = board.elapsedMs();
    *undos = board.undoCount;
    *hasPossibleMove = board.hasPossibleMove() != 0;
    return true;
}

bool KelzoGame::onPlayScreen() { return screenId == kScreenPlaying; }

bool KelzoGame::onInstructionScreen() { return screenId == kScreenInstruction; }

bool KelzoGame::hasCurrentGame() { return !currentGame.isNull(); }

Board* KelzoGame::currentGameBoard() { return currentGame.isNull() ? nullptr : currentGame->board.get(); }

void KelzoGame::tellMoveMade(bool chainLeftBoard)
{
    if (!currentGame.isNull())
        currentGame->moveMade(chainLeftBoard);
}

bool KelzoGame::outOfMoves() { return !currentGame.isNull() && ::outOfMoves(*currentGame); }

int KelzoGame::hintCounter() { return currentGame.isNull() ? 0 : currentGame->hintCounter; }

void KelzoGame::puzzleSolved()
{
    if (!currentGame.isNull())
        currentGame->finishBoard();
}

Array<HistoryRecord>& KelzoGame::playedPuzzles() { return playHistory; }

bool KelzoGame::shouldShowTip(int id, int limit, int limit2, int limit3)
{
    return tips.shouldShowSpaced(id, limit, limit2, limit3);
}

void KelzoGame::showTip(int id, const TipParams& params) { tips.show(id, params); }

void KelzoGame::dismissTip(int id) { tips.dismiss(id); }

void KelzoGame::resetTipCounters(int now) { tips.resetMoveCounters(now); }

void KelzoGame::playHitEffect() { soundPlayer.playHitEffect(); }

void KelzoGame::playWrongMoveEffect() { soundPlayer.playWrongMoveEffect(); }

int KelzoGame::instructionStep() { return tutorialStep; }

void KelzoGame::noteInstructionMisthrow() { instructionMisthrow = 1; }

void KelzoGame::scheduleEvent(int kind, int delay)
{
    timedEvents.append(TimedEvent{kind, boardNow() - 100 + delay});
}

void KelzoGame::addMovingFurball(const BoardCell& cell, int dx, int dy, CellPos origin, CellPos source,
                                 CellPos target, bool ghost, int delay, float speed, bool fast)
{
    if (currentGame.isNull() || currentGame->board.isNull())
        return;
    Board& board = *currentGame->board;
    board.movingFurballs.append(MovingFurball(board, cell, dx, dy, origin, source, target, ghost, delay, speed, fast));
}

void KelzoGame::advanceTutorial()
{
    if (tutorialStep >= 0)
        tutorialStep++;
}
