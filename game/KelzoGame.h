#ifndef KELZO_GAME_KELZOGAME_H
#define KELZO_GAME_KELZOGAME_H

#include <cstdint>

#include "Core/Array.h"
#include "Core/OwnedPtr.h"
#include "board/BoardCell.h"
#include "board/PositionSet.h"
#include "game/Tips.h"
#include "modes/CurrentGameI.h"
#include "sound/SoundPlayer.h"

// A sound or action the frame plays when its time comes (kind 6 the
// wrong-move effect, 7 the undo effect).
struct TimedEvent {
    int32_t kind;
    int32_t dueMs;
};

// One puzzle of the play history (32 bytes). Flags: bit 0 carried flag,
// bit 1 solved, bit 2 replayed, bit 3 bookmark.
struct HistoryRecord {
    int32_t puzzleId;
    int32_t elapsedMs;
    int32_t gameType;
    int32_t hintedThrough;
    int32_t hintCounter;
    int32_t flags;
    int32_t scheme;
    int32_t undoCount;
};

static_assert(sizeof(HistoryRecord) == 32, "HistoryRecord is eight int32");

// The application object as far as the board uses it: the screen and
// tutorial step it is on, the game in play, pending timed events, the play
// history, tips and the sound player. The shell's own work (screens, frame,
// saving) is added around these members.
class KelzoGame {
public:
    static const int kScreenIntro = 1;
    static const int kScreenPlaying = 2;
    static const int kScreenInstruction = 6;

    int screenId = 0;
    int tutorialStep = -1;         // 42..54 during the guided instruction
    OwnedPtr<CurrentGameI> currentGame;
    int currentLevel = 1;
    Array<TimedEvent> timedEvents;
    Array<HistoryRecord> playHistory;
    Tips tips;
    SoundPlayer soundPlayer;
    uint8_t instructionMisthrow = 0;   // step 49 answered from a cell other than (5, 4)

    // Queues an event due `delay` ms from now (less the frame's 100 ms lead).
    void scheduleEvent(int kind, int delay);
    // Queues a furball in flight on the current game's board.
    void addMovingFurball(const BoardCell& cell, int dx, int dy, CellPos origin, CellPos source, CellPos target,
                          bool ghost, int delay, float speed, bool fast);
    // Moves the guided instruction to its next step.
    void advanceTutorial();
};

// The application object; null before start-up and in most tests.
extern KelzoGame* gGame;

#endif
