#ifndef KELZO_BOARD_LEVELDATA_H
#define KELZO_BOARD_LEVELDATA_H

#include "board/LevelRecord.h"

// The puzzle store: the game's pre-made puzzles with their stored solutions.
// A puzzle id is level * 10000 + index in the level's list.

const int kPuzzleBatchCount = 10;
const int kPuzzleRecordCount = 78250;
extern const int kPuzzleBatchSizes[kPuzzleBatchCount];
extern const int kPuzzleBatchStarts[kPuzzleBatchCount];
const int kPuzzleFileRecordSize = 13;   // rows, moves and directions of a LevelRecord
const int kOldLevelCount = 19;
const int kPuzzleIdsPerLevel = 10000;

// A store of puzzles. Both operations report false when the store has no
// puzzle to give (a missing or empty file); the record is then untouched.
class LevelDataI {
public:
    // The record of a puzzle id; *level receives id / 10000.
    virtual bool getPuzzle(LevelRecord* out, int puzzleId, int* level, int scheme) = 0;
    // A random puzzle of a level; *index receives its place in the level's list.
    virtual bool pickPuzzle(LevelRecord* out, int level, int* index, float pickValue, int tryNumber) = 0;
    virtual ~LevelDataI() = default;
};

// The lookup rule every reader shares: list `list` of `listCount` (outside
// the range means list 0), entry `index` when it exists, else entry 0 of the
// list, else entry 0 of list 0. False when even that list is empty.
struct ListEntry {
    int list;
    int index;
};
bool lookupListEntry(const int* counts, int listCount, int list, int index, ListEntry* out);

// The record of a puzzle id from the store that serves the scheme: 0..39
// the new store, any other value the old one. *level receives id / 10000.
bool levelRecordLookup(LevelRecord* out, int puzzleId, int* level, int scheme);

// A code of the shape of a record's stored solution: one byte per stored
// move, first move highest. Puzzles that play alike share it.
int puzzleFingerprint(const LevelRecord& record);

#endif
