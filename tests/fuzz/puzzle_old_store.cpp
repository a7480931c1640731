// The older puzzle store "oldLevelData.dat" (19 counts, then 17-byte records), asked for puzzles by id and
// picked for levels as the game does for the old schemes. What comes back must be a record the file holds.
#include <cstring>

#include "board/LevelData.h"
#include "board/OldLevelData.h"
#include "tests/fuzz/support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes input(data, size);
    int ids[4];
    for (int& id : ids)
        id = input.int32();
    std::string file = input.rest();
    writeFuzzFile("oldLevelData.dat", file);

    OldLevelData store("oldLevelData.dat");
    size_t total = 0;
    for (int level = 1; level <= kOldLevelCount; ++level)
        total += size_t(store.levelCount(level));
    if (4 * kOldLevelCount + total * sizeof(LevelRecord) > file.size() && total > 0)
        fuzzFailure("puzzle_old_store", "the counts promise more records than the file holds");

    for (int id : ids) {
        LevelRecord record;
        int level = -1;
        bool found = store.getPuzzle(&record, id, &level, -1);
        if (found && level != id / kPuzzleIdsPerLevel)
            fuzzFailure("puzzle_old_store", "the level of an id is not id / 10000");
        int index = -1;
        if (store.pickPuzzle(&record, id % 25 - 2, &index, 0.5f, 0)) {
            int block = id % 25 - 2;
            block = block >= 1 && block <= kOldLevelCount ? block : 1;
            if (index < 0 || index >= store.levelCount(block))
                fuzzFailure("puzzle_old_store", "a pick outside its level");
        }
        if (found)
            puzzleFingerprint(record);
    }
    return 0;
}
