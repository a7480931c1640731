#include "tests/fuzz/support/PuzzleFiles.h"

#include "board/LevelData.h"

PuzzleFiles puzzleFilesFrom(FuzzBytes& input)
{
    uint8_t flags = input.byte();
    uint8_t cut = input.byte();
    std::string records = input.rest();
    const size_t recordSize = 4 + kPuzzleFileRecordSize;
    PuzzleFiles files;
    size_t count = records.size() / recordSize;
    if (count == 0)
        return files;
    size_t filler = (flags & 1 ? kPuzzleBatchSizes[0] : 0) + (flags & 2 ? kPuzzleBatchSizes[1] : 0);
    for (size_t n = 0; n < filler + count; ++n) {
        const char* record = records.data() + (n < filler ? n % count : n - filler) * recordSize;
        files.complexities.append(record, 4);
        files.puzzles.append(record + 4, kPuzzleFileRecordSize);
    }
    size_t drop = 4 * size_t(cut % 4);
    files.complexities.resize(files.complexities.size() > drop ? files.complexities.size() - drop : 0);
    return files;
}

void writePuzzleFiles(const PuzzleFiles& files, const char* puzzlesName, const char* complexitiesName)
{
    writeFuzzFile(puzzlesName, files.puzzles);
    writeFuzzFile(complexitiesName, files.complexities);
}
