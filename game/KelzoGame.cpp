#include "game/KelzoGame.h"

#include <GLES/gl.h>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/Log.h"
#include "board/Board.h"
#include "board/BoardServices.h"
#include "board/MovingFurball.h"
#include "game/MainLoop.h"
#include "graphics/FontCache.h"
#include "settings/AbSettings.h"
#include "sound/MusicCrossFader.h"

KelzoGame* gGame = nullptr;

KelzoGame::KelzoGame() = default;

namespace {

// The music fader's timed events come from its own thread.
void scheduleFromFader(int kind, int delayMs)
{
    if (!gGame)
        return;
    MutexLock lock(&gGame->frameMutex);
    gGame->scheduleEvent(kind, delayMs);
}

}  // namespace

KelzoGame::KelzoGame(void* handle) : platformHandle(handle)
{
    gMusicCrossFader.setEventScheduler(scheduleFromFader);
    loadingScreen.showLoadingScreen();
}

KelzoGame::~KelzoGame()
{
    gMusicCrossFader.setEventScheduler(nullptr);
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
    soundPlayer.loadSoundEffects(gAbSettings.mem);
    loadingScreen.setLoadingProgress(85);
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
}

bool KelzoGame::drawFrame()
{
    MutexLock lock(&frameMutex);
    gGameClock.update();
    gMusicCrossFader.frameStep();
    if (clockStartPending && screenId == kScreenPlaying) {
        clockStartPending = false;
        resumeClockIfPaused();
        logPrintf("LOG", "play screen shown %d ms after start", int(microsSinceStart() / 1000));
    }
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    return false;
}

void KelzoGame::handleTouch(int, TouchPoint, TouchPoint)
{
    MutexLock lock(&frameMutex);
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
    *elapsedMs = record.elapsedMs;
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
