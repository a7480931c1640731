// "hiScores.dat", read as the game reads it at start (HiScoreTable::load). Whatever was read must save and
// read back to the same table; the table's answers must stay inside their ranges.
#include "scores/HiScoreTable.h"
#include "tests/fuzz/support/FuzzSupport.h"

namespace {

const char kFile[] = "hiScores.dat";

void checkTable(HiScoreTable& table)
{
    for (int slot = 0; slot < HiScoreTable::kSlotCount; ++slot) {
        const HiScoreList& list = table.list(slot);
        if (list.count() < HiScoreTable::kShownEntries)
            fuzzFailure("hi_scores_dat", "a slot shows fewer than 12 entries");
        int rank = table.rankOf(slot, 1000, false);
        if (rank < 1 || rank > list.count() + 1)
            fuzzFailure("hi_scores_dat", "rank outside the list: " + std::to_string(rank));
        const HiScoreEntry* pending = table.pendingEntry(slot);
        if (pending && (pending->score < 1 || !pending->pending))
            fuzzFailure("hi_scores_dat", "a pending entry that is not one");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFile(kFile, data, size);
    std::string first;
    {
        HiScoreTable table;
        table.load(kFile);
        checkTable(table);
        if (!table.save())
            fuzzFailure("hi_scores_dat", "the table could not be saved");
        first = readFuzzFile(kFile);
    }
    HiScoreTable again;
    again.load(kFile);
    if (!again.save())
        fuzzFailure("hi_scores_dat", "the table could not be saved again");
    expectSameBytes("hi_scores_dat", "table saved, loaded and saved again", first, readFuzzFile(kFile));
    return 0;
}
