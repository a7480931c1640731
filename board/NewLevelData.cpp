#include "board/NewLevelData.h"

#include <cstdlib>
#include <cstring>

#include "Core/Platform.h"
#include "board/BoardServices.h"

NewLevelData gNewLevelData;

NewLevelData::NewLevelData()
    : puzzlesPath_(makeResourcePath("newLdPuzzles", "dat")), complexitiesPath_(makeResourcePath("newLdComplexities", "dat"))
{
}

NewLevelData::NewLevelData(const char* puzzlesPath, const char* complexitiesPath)
    : puzzlesPath_(puzzlesPath), complexitiesPath_(complexitiesPath)
{
}

void NewLevelData::close()
{
    puzzles_.close();
    complexityFile_.close();
    opened_ = false;
    recordCount_ = 0;
    complexities_.clear();
    for (Array<int>& list : lists_)
        list.clear();
    builtScheme_ = -1;
}

static int fileSize(File& file)
{
    file.seekEnd();
    int size = file.tell();
    file.seek(0);
    return size;
}

bool NewLevelData::openFiles()
{
    if (opened_)
        return recordCount_ > 0;
    opened_ = true;
    bool puzzlesOk = false;
    bool complexitiesOk = false;
    puzzles_.open(puzzlesPath_.c_str(), false);
    complexityFile_.open(complexitiesPath_.c_str(), false);
    puzzlesOk = puzzles_.isOpen();
    complexitiesOk = complexityFile_.isOpen();
    if (!puzzlesOk || !complexitiesOk)
        return false;
    int fromPuzzles = fileSize(puzzles_) / kPuzzleFileRecordSize;
    int fromComplexities = fileSize(complexityFile_) / 4;
    recordCount_ = fromPuzzles < fromComplexities ? fromPuzzles : fromComplexities;
    if (recordCount_ > kPuzzleRecordCount)
        recordCount_ = kPuzzleRecordCount;
    if (recordCount_ < 0)
        recordCount_ = 0;
    return recordCount_ > 0;
}

bool NewLevelData::buildLevelLists(int scheme)
{
    if (scheme < 0 || scheme >= kLevelSchemeCount)
        scheme = 2;
    if (scheme == builtScheme_)
        return true;
    if (!openFiles())
        return false;
    if (complexities_.size() != recordCount_) {
        // The complexities never change: read them once for every scheme.
        complexities_.setSize(recordCount_);
        complexityFile_.seek(0);
        complexityReads_++;
        if (complexityFile_.read(complexities_.data(), recordCount_ * 4) != recordCount_ * 4) {
            complexities_.clear();
            return false;
        }
    }
    double lower[kLevelCount];
    double upper[kLevelCount];
    levelWindows(scheme, lower, upper);
    for (Array<int>& list : lists_) {
        list.clear();
        list.reserve(256);
    }
    for (int batch = 0; batch < kPuzzleBatchCount; batch++) {
        int end = kPuzzleBatchStarts[batch] + kPuzzleBatchSizes[batch];
        for (int n = kPuzzleBatchStarts[batch]; n < end && n < recordCount_; n++) {
            int list = 0;
            if (batch > 0) {
                double c = complexities_[n];
                list = kLevelCount - 1;   // no window holds it: the top level
                for (int l = 1; l < kLevelCount; l++) {
                    if (c >= lower[l] && c < upper[l]) {
                        list = l;
                        break;
                    }
                }
                if (batch >= 2 && list == 1)
                    continue;   // level 2 is batch 1's alone
            }
            lists_[list].append(n);
        }
    }
    builtScheme_ = scheme;
    return true;
}

bool NewLevelData::readRecord(int recordNumber, LevelRecord* out)
{
    if (!openFiles() || recordNumber < 0 || recordNumber >= recordCount_)
        return false;
    uint8_t bytes[kPuzzleFileRecordSize];
    if (puzzles_.seek(recordNumber * kPuzzleFileRecordSize) != 0
        || puzzles_.read(bytes, kPuzzleFileRecordSize) != kPuzzleFileRecordSize)
        return false;
    float complexity;
    if (complexities_.size() == recordCount_) {
        complexity = complexities_[recordNumber];
    } else {
        if (complexityFile_.seek(recordNumber * 4) != 0 || complexityFile_.read(&complexity, 4) != 4)
            return false;
    }
    out->complexity = complexity;
    memcpy(out->rows, bytes, kPuzzleFileRecordSize);
    return true;
}

bool NewLevelData::entryOf(int level, int index, ListEntry* entry) const
{
    int counts[kLevelCount];
    for (int l = 0; l < kLevelCount; l++)
        counts[l] = lists_[l].size();
    return lookupListEntry(counts, kLevelCount, level - 1, index, entry);
}

int NewLevelData::levelListEntry(int puzzleId, int scheme)
{
    ListEntry entry;
    if (scheme < 0 || scheme > 39 || puzzleId < 0 || !buildLevelLists(scheme) ||
        !entryOf(puzzleId / kPuzzleIdsPerLevel, puzzleId % kPuzzleIdsPerLevel, &entry))
        return -1;
    return lists_[entry.list][entry.index];
}

bool NewLevelData::getPuzzle(LevelRecord* out, int puzzleId, int* level, int scheme)
{
    *level = puzzleId / kPuzzleIdsPerLevel;
    ListEntry entry;
    if (!buildLevelLists(scheme) || !entryOf(*level, puzzleId % kPuzzleIdsPerLevel, &entry))
        return false;
    return readRecord(lists_[entry.list][entry.index], out);
}

int NewLevelData::candidateCount(int pd, float pickValue, int tryNumber)
{
    if (pickValue == -1.0f)
        return 1;
    if (pd < 2)
        return pd == 1 && (pickValue < 0.34f || pickValue > 0.66f) && tryNumber <= 9 ? 2 : 1;
    if (pickValue < 0.2f || pickValue > 0.8f)
        return tryNumber <= 9 ? 3 : (tryNumber <= 13 ? 2 : 1);
    if (pickValue < 0.37f || pickValue > 0.63f)
        return tryNumber <= 9 ? 2 : 1;
    return 1;
}

bool NewLevelData::pickPuzzle(LevelRecord* out, int level, int* index, float pickValue, int tryNumber)
{
    return pickPuzzleInScheme(mappedLevelScheme(boardLevelScheme()), out, level, index, pickValue, tryNumber);
}

bool NewLevelData::pickPuzzleInScheme(int scheme, LevelRecord* out, int level, int* index, float pickValue,
                                      int tryNumber)
{
    picks_++;
    if (!buildLevelLists(scheme))
        return false;
    // Levels outside 1..30 take list 0, as the lookup of their ids does.
    int list = level >= 1 && level <= kLevelCount ? level - 1 : 0;
    if (lists_[list].isEmpty())
        return false;
    const Array<int>& entries = lists_[list];
    int candidates = candidateCount(boardVariation("pd"), pickValue, tryNumber);
    int kept = -1;
    for (int i = 0; i < candidates; i++) {
        int drawn = rand() % entries.size();
        float c = complexities_[entries[drawn]];
        float keptC = kept < 0 ? 0.0f : complexities_[entries[kept]];
        if (kept < 0 || (pickValue > 0.5f ? c > keptC : c < keptC))
            kept = drawn;
    }
    if (!readRecord(entries[kept], out))
        return false;
    *index = kept;
    return true;
}

bool NewLevelData::readPuzzleByPackedId(int packed, LevelRecord* out)
{
    if (packed < 0)
        return false;
    int batch = packed >> 13;
    int number = packed & 0x1FFF;
    if (batch >= kPuzzleBatchCount || number >= kPuzzleBatchSizes[batch])
        return false;
    return readRecord(kPuzzleBatchStarts[batch] + number, out);
}
