#ifndef KELZO_BOARD_OLDLEVELDATA_H
#define KELZO_BOARD_OLDLEVELDATA_H

#include "Core/File.h"
#include "board/LevelData.h"

// The older store of 19 levels in "oldLevelData.dat": 19 int32 counts, then
// the 17-byte records of level 1, level 2, ... Opened at construction and
// kept open. Counts are checked against the file's size, so a damaged file
// gives fewer records, never a read past its end.
class OldLevelData : public LevelDataI {
public:
    OldLevelData();
    explicit OldLevelData(const char* path);

    bool getPuzzle(LevelRecord* out, int puzzleId, int* level, int scheme) override;
    bool pickPuzzle(LevelRecord* out, int level, int* index, float pickValue, int tryNumber) override;

    // Opens another file in place of the current one; false when it does not open.
    bool open(const char* path);

    int levelCount(int level) const { return level >= 1 && level <= kOldLevelCount ? counts_[level - 1] : 0; }

private:
    bool readRecord(int block, int index, LevelRecord* out);

    File file_;
    int counts_[kOldLevelCount] = {};
    int starts_[kOldLevelCount] = {};
};

extern OldLevelData gOldLevelData;

#endif
