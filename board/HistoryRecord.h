#ifndef KELZO_BOARD_HISTORYRECORD_H
#define KELZO_BOARD_HISTORYRECORD_H

#include <cstdint>

// One puzzle of the play history (32 bytes): the board appends it when a
// puzzle ends and reads it back to restart one; the application keeps the
// list and saves it in this order.
struct HistoryRecord {
    // Flags.
    static const int kCarried = 1;      // carried over from the board it was left on
    static const int kFinished = 2;     // made at the end of a puzzle
    static const int kAbandoned = 4;    // not counted; its time is not play time
    static const int kKept = 8;         // left to be played again later
    static const int kSaved = 16;       // written with its extra word and tag
    static const int kSampled = 32;     // already sent in a history sample

    int32_t puzzleId;        // level x 10000 + index
    int32_t playMs;          // time spent on it
    int32_t gameType;
    int32_t credit;          // hints left in the game: lets a hinted puzzle still count
    int32_t hintedThrough;   // the board's hinted-through count
    int32_t flags;
    int32_t scheme;          // level-data scheme; -1 none
    int32_t extra;           // the board's undo count
};

static_assert(sizeof(HistoryRecord) == 32, "HistoryRecord is eight int32");

#endif
