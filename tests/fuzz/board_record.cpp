// The board record inside a saved game, read as a resumed game reads it (Board::load from the saved game's
// stream). A record that loads must save and load back to the same board.
#include "Core/MemoryStream.h"
#include "board/Board.h"
#include "board/LevelData.h"
#include "board/NewLevelData.h"
#include "tests/fuzz/support/FuzzSupport.h"

namespace {

// A puzzle store of three level-1 records, so saved puzzle ids find their records.
void writeSmallStore()
{
    static bool written = false;
    if (written)
        return;
    written = true;
    std::string puzzles, complexities;
    for (int n = 0; n < 3; ++n) {
        LevelRecord record{};
        record.complexity = 1.0f + n;
        record.rows[0] = 0x15;  // furballs at x = 0, 2, 4 of row 0
        record.moves[0] = 0;
        record.moves[1] = 1 * 8;
        record.moves[2] = record.moves[3] = LevelRecord::kNoMove;
        record.directions = 0;
        puzzles.append(reinterpret_cast<const char*>(record.rows), kPuzzleFileRecordSize);
        complexities.append(reinterpret_cast<const char*>(&record.complexity), 4);
    }
    writeFuzzFile("newLdPuzzles.dat", puzzles);
    writeFuzzFile("newLdComplexities.dat", complexities);
    gNewLevelData.close();
}

std::string saved(const Board& board)
{
    MemoryStreamOut out;
    board.save(out);
    return std::string(out.data(), out.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeSmallStore();
    Board board;
    MemoryStreamIn in(data, int(size));
    if (!board.load(in))
        return 0;
    std::string first = saved(board);

    Board again;
    MemoryStreamIn reread(first.data(), int(first.size()));
    if (!again.load(reread))
        fuzzFailure("board_record", "a saved board does not load");
    expectSameBytes("board_record", "board saved, loaded and saved again", first, saved(again));
    return 0;
}
