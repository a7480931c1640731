// The puzzle store's two files ("newLdPuzzles.dat", "newLdComplexities.dat"), sorted into level lists as a
// game start sorts them, then asked for puzzles by id (as a saved game asks) and picked for levels (as a new
// board picks). Every list entry must name a record both files hold, and what a lookup returns must be that
// record as the files hold it.
#include <cstring>

#include "board/LevelData.h"
#include "board/LevelSchemes.h"
#include "board/NewLevelData.h"
#include "tests/fuzz/support/PuzzleFiles.h"

namespace {

void checkRecord(const PuzzleFiles& files, int number, const LevelRecord& record)
{
    size_t at = size_t(number) * kPuzzleFileRecordSize;
    if (number < 0 || at + kPuzzleFileRecordSize > files.puzzles.size() || 4 * size_t(number) + 4 >
        files.complexities.size())
        fuzzFailure("puzzle_new_store", "record " + std::to_string(number) + " is not in both files");
    float complexity;
    memcpy(&complexity, files.complexities.data() + 4 * size_t(number), 4);
    if (memcmp(record.rows, files.puzzles.data() + at, kPuzzleFileRecordSize) != 0 ||
        memcmp(&record.complexity, &complexity, 4) != 0)
        fuzzFailure("puzzle_new_store", "record " + std::to_string(number) + " differs from the files");
    puzzleFingerprint(record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes input(data, size);
    int scheme = int(input.byte()) - 1;  // -1 and values past the 40 schemes are asked for too
    int ids[4];
    for (int& id : ids)
        id = input.int32();
    PuzzleFiles files = puzzleFilesFrom(input);
    writePuzzleFiles(files, "puzzles.dat", "complexities.dat");

    NewLevelData store("puzzles.dat", "complexities.dat");
    if (!store.buildLevelLists(scheme))
        return 0;
    for (int list = 0; list < kLevelCount; ++list) {
        for (int i = 0; i < store.listCount(list); ++i) {
            int number = store.listEntry(list, i);
            if (number < 0 || number >= store.recordCount())
                fuzzFailure("puzzle_new_store", "a list names record " + std::to_string(number));
        }
    }
    for (int id : ids) {
        LevelRecord record;
        int level = -1;
        if (store.getPuzzle(&record, id, &level, scheme) && level != id / kPuzzleIdsPerLevel)
            fuzzFailure("puzzle_new_store", "the level of an id is not id / 10000");
        for (float pickValue : {-1.0f, 0.1f, 0.9f}) {
            int index = -1;
            int forLevel = id % 40 - 5;
            if (!store.pickPuzzleInScheme(scheme, &record, forLevel, &index, pickValue, id & 15))
                continue;
            int list = forLevel >= 1 && forLevel <= kLevelCount ? forLevel - 1 : 0;
            if (index < 0 || index >= store.listCount(list))
                fuzzFailure("puzzle_new_store", "a pick outside its list");
            checkRecord(files, store.listEntry(list, index), record);
        }
    }
    return 0;
}
