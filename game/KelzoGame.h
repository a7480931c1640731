#ifndef KELZO_GAME_KELZOGAME_H
#define KELZO_GAME_KELZOGAME_H

#include <cstdint>

#include "Core/Array.h"
#include "Core/Mutex.h"
#include "Core/OwnedPtr.h"
#include "board/BoardCell.h"
#include "board/BoardHost.h"
#include "board/GameGraphics.h"
#include "board/LevelRecord.h"
#include "board/PositionSet.h"
#include "game/BvGameI.h"
#include "game/Tips.h"
#include "modes/CurrentGameI.h"
#include "settings/ReportFacts.h"
#include "sound/SoundPlayer.h"

// A sound or action the frame plays when its time comes (kind 6 the
// wrong-move effect, 7 the undo effect).
struct TimedEvent {
    int32_t kind;
    int32_t dueMs;
};

// The application object: the BvGameI the main loop drives, and the owner of
// everything that lasts across screens (the game in play, the play history,
// tips, the sound player, the timed events). It is the board's host, and it
// tells the statistics report about the game in progress.
//
// Until the screen flow exists its one screen is the play screen: the theme's
// background and a board of level 1; a solved board brings the next one.
class KelzoGame : public BvGameI, public BoardHost, public ReportFactsI {
public:
    static constexpr int kScreenIntro = 1;
    static constexpr int kScreenPlaying = 2;
    static constexpr int kScreenInstruction = 6;

    // A bare object, nothing loaded and nothing shown (tests).
    KelzoGame();
    // The program's object: shows the loading screen at once.
    explicit KelzoGame(void* platformHandle);
    ~KelzoGame() override;
    KelzoGame(const KelzoGame&) = delete;
    KelzoGame& operator=(const KelzoGame&) = delete;

    // ---- BvGameI
    bool drawFrame() override;
    void progressBarRect(float* position, float* size) override;
    void handleTouch(int phase, TouchPoint at, TouchPoint second) override;
    void pauseClock() override;
    void resumeClock() override;
    void pause() override;
    void resume() override;

    // ---- ReportFactsI
    int playHistoryCount() override;
    void playHistoryRecord(int index, int* elapsedMs, int* kind, int* flags) override;
    bool currentBoard(int* elapsedMs, int* undos, bool* hasPossibleMove) override;

    // ---- BoardHost
    bool onPlayScreen() override;
    bool onInstructionScreen() override;
    bool hasCurrentGame() override;
    Board* currentGameBoard() override;
    void tellMoveMade(bool chainLeftBoard) override;
    bool outOfMoves() override;
    int hintCounter() override;
    void puzzleSolved() override;
    Array<HistoryRecord>& playedPuzzles() override;
    bool shouldShowTip(int id, int limit, int limit2, int limit3) override;
    void showTip(int id, const TipParams& params) override;
    void dismissTip(int id) override;
    void resetTipCounters(int now) override;
    void playHitEffect() override;
    void playWrongMoveEffect() override;
    // Queues an event due `delay` ms from now (less the frame's 100 ms lead).
    void scheduleEvent(int kind, int delay) override;
    // Queues a furball in flight on the current game's board.
    void addMovingFurball(const BoardCell& cell, int dx, int dy, CellPos origin, CellPos source, CellPos target,
                          bool ghost, int delay, float speed, bool fast) override;
    int instructionStep() override;
    void noteInstructionMisthrow() override;
    // Moves the guided instruction to its next step.
    void advanceTutorial() override;

    // The loading part of start-up, with the loading screen's progress.
    void loadResources();
    void pauseClockIfRunning();
    void resumeClockIfPaused();

    // The board in play is over (solved, or stuck); the next one follows once
    // its bursts have faded.
    void boardFinished();

    int screenId = 0;
    int tutorialStep = -1;         // 42..54 during the guided instruction
    OwnedPtr<CurrentGameI> currentGame;
    int currentLevel = 1;
    Array<TimedEvent> timedEvents;
    Array<HistoryRecord> playHistory;
    Tips tips;
    SoundPlayer soundPlayer;
    uint8_t instructionMisthrow = 0;   // step 49 answered from a cell other than (5, 4)
    void* platformHandle = nullptr;
    bool clockWasRunning = false;      // set by pauseClock
    Mutex frameMutex;                  // held while a frame updates and draws
    GameGraphics graphics;             // gGameGraphics points here once loaded

private:
    void showPlayScreen();
    void startPuzzle();

    bool drawPlayScreen();
    // Plays the sounds of the timed events that are due (wrong move, undo).
    void playDueEvents();

    bool ownsProgramState_ = false;    // the program's object: it hands back the shared pictures and fonts
    bool clockStartPending = false;    // the play screen starts the clock with its first frame
    int32_t boardEndedMs = -1;         // game time the board in play ended; -1 while it runs
    LevelRecord recentPuzzles[3] = {}; // the last boards, not to be dealt again soon
};

// The application object; null before start-up and in most tests.
extern KelzoGame* gGame;

#endif
