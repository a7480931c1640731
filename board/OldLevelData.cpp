#include "board/OldLevelData.h"

#include <cstdlib>

#include "Core/Platform.h"

OldLevelData gOldLevelData;

static const int kHeaderSize = 4 * kOldLevelCount;

OldLevelData::OldLevelData()
{
    open(makeResourcePath("oldLevelData", "dat").c_str());
}

OldLevelData::OldLevelData(const char* path)
{
    open(path);
}

bool OldLevelData::open(const char* path)
{
    file_.close();
    for (int level = 0; level < kOldLevelCount; level++)
        counts_[level] = starts_[level] = 0;
    if (!file_.open(path, false))
        return false;
    file_.seekEnd();
    int size = file_.tell();
    file_.seek(0);
    int available = size > kHeaderSize ? (size - kHeaderSize) / int(sizeof(LevelRecord)) : 0;
    int start = 0;
    for (int level = 0; level < kOldLevelCount; level++) {
        int count = 0;
        if (!readInt(file_, &count) || count < 0)
            count = 0;
        if (count > available - start)
            count = available - start;   // the file ends before this level's records do
        counts_[level] = count;
        starts_[level] = kHeaderSize + int(sizeof(LevelRecord)) * start;
        start += count;
    }
    return true;
}

bool OldLevelData::readRecord(int block, int index, LevelRecord* out)
{
    if (file_.seek(starts_[block] + int(sizeof(LevelRecord)) * index) != 0)
        return false;
    LevelRecord record;
    if (file_.read(&record, int(sizeof record)) != int(sizeof record))
        return false;
    *out = record;
    return true;
}

bool OldLevelData::getPuzzle(LevelRecord* out, int puzzleId, int* level, int /*scheme*/)
{
    *level = puzzleId / kPuzzleIdsPerLevel;
    ListEntry entry;
    if (!lookupListEntry(counts_, kOldLevelCount, *level - 1, puzzleId % kPuzzleIdsPerLevel, &entry))
        return false;
    return readRecord(entry.list, entry.index, out);
}

bool OldLevelData::pickPuzzle(LevelRecord* out, int level, int* index, float /*pickValue*/, int /*tryNumber*/)
{
    int block = level >= 1 && level <= kOldLevelCount ? level - 1 : 0;
    if (counts_[block] == 0)
        return false;
    int drawn = rand() % counts_[block];
    if (!readRecord(block, drawn, out))
        return false;
    *index = drawn;
    return true;
}
