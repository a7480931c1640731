#ifndef KELZO_BOARD_HISTORYRECORD_H
#define KELZO_BOARD_HISTORYRECORD_H

#include <cstdint>

// One puzzle of the play history (32 bytes): the board appends it when a
// puzzle ends and reads it back to restart one; the application keeps the
// list. Flags: bit 0 carried flag, bit 1 solved, bit 2 replayed, bit 3 bookmark.
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

#endif
