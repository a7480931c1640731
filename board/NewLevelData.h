#ifndef KELZO_BOARD_NEWLEVELDATA_H
#define KELZO_BOARD_NEWLEVELDATA_H

#include "Core/Array.h"
#include "Core/File.h"
#include "Core/String.h"
#include "board/LevelData.h"
#include "board/LevelSchemes.h"

// The game's 78,250 puzzles in two files: "newLdPuzzles.dat" (13 bytes a
// record: rows, moves, directions) and "newLdComplexities.dat" (a float32 a
// record). At run time they are sorted into 30 level lists by complexity
// under one of the level schemes. Each file is opened on first use and kept
// open. Records that either file lacks are left out of every list, so a
// short or missing file makes lists shorter or empty, never a bad read.
class NewLevelData : public LevelDataI {
public:
    NewLevelData();
    NewLevelData(const char* puzzlesPath, const char* complexitiesPath);

    bool getPuzzle(LevelRecord* out, int puzzleId, int* level, int scheme) override;
    // The record number of a puzzle id in the scheme's level lists; -1 for a
    // scheme outside 0..39 or an id the lists do not have.
    int levelListEntry(int puzzleId, int scheme);
    // Picks from the lists of the scheme the settings give.
    bool pickPuzzle(LevelRecord* out, int level, int* index, float pickValue, int tryNumber) override;
    bool pickPuzzleInScheme(int scheme, LevelRecord* out, int level, int* index, float pickValue, int tryNumber);

    // The record of a packed id (batch << 13 | record within the batch), as
    // the console names puzzles; false for a batch of 10 or more, a record
    // beyond its batch, or a record the files lack.
    bool readPuzzleByPackedId(int packed, LevelRecord* out);

    // Sorts the store into level lists for a scheme 0..39; nothing when they
    // already are. False when the complexities cannot be read.
    bool buildLevelLists(int scheme);

    // How many candidates a pick compares, by the variation "pd".
    static int candidateCount(int pd, float pickValue, int tryNumber);

    int listCount(int list) const { return list >= 0 && list < kLevelCount ? lists_[list].size() : 0; }
    int listEntry(int list, int index) const { return lists_[list][index]; }
    int builtScheme() const { return builtScheme_; }
    int recordCount() const { return recordCount_; }
    int complexityFileReads() const { return complexityReads_; }
    float complexityOf(int recordNumber) const { return complexities_[recordNumber]; }
    bool readRecord(int recordNumber, LevelRecord* out);
    int picksMade() const { return picks_; }

    // Closes the files and forgets the lists: the next use opens the files
    // again (after they were replaced, and in tests).
    void close();

private:
    bool openFiles();
    bool entryOf(int level, int index, ListEntry* entry) const;

    String puzzlesPath_;
    String complexitiesPath_;
    File puzzles_;
    File complexityFile_;
    bool opened_ = false;
    int recordCount_ = 0;
    Array<float> complexities_;
    Array<int> lists_[kLevelCount];
    int builtScheme_ = -1;
    int complexityReads_ = 0;
    int picks_ = 0;
};

extern NewLevelData gNewLevelData;

#endif
