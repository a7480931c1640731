// Puzzles named by packed id (batch << 13 | record in the batch), as the console loads them onto the board
// (loadPuzzleByPackedId over the game's store). A board built from whatever record the files hold must keep
// its cells and position list in agreement.
#include "board/Board.h"
#include "board/LevelData.h"
#include "board/NewLevelData.h"
#include "tests/fuzz/support/PuzzleFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes input(data, size);
    int packed[4];
    for (int& id : packed)
        id = input.int32();
    writePuzzleFiles(puzzleFilesFrom(input), "newLdPuzzles.dat", "newLdComplexities.dat");
    gNewLevelData.close();  // the files were replaced

    for (int id : packed) {
        Board board;
        if (!loadPuzzleByPackedId(board, id))
            continue;
        int furballs = 0;
        for (int y = 0; y < Board::kRows; ++y)
            for (int x = 0; x < Board::kColumns; ++x)
                furballs += board.colourAt(x, y) != 0;
        if (furballs != board.positions.size())
            fuzzFailure("puzzle_packed_id", "the board's cells, positions and record disagree");
    }
    return 0;
}
