// The score server's list replies, taken page after page as the fetcher takes them (HiScoreRows::storeReply
// with the player's score and name). Whatever the pages hold, the list stays within its rows, and the
// player's own row, when put in, is where the list says.
#include <memory>

#include "scores/HiScoreRows.h"
#include "tests/fuzz/support/FuzzSupport.h"

namespace {

void checkRows(const HiScoreRows& rows)
{
    if (rows.rowCount < -1 || rows.rowCount > HiScoreRows::kMaxRows)
        fuzzFailure("score_fetch_reply", "row count " + std::to_string(rows.rowCount));
    if (rows.myRowIndex != -1 && (rows.myRowIndex < 1 || rows.myRowIndex > rows.storedCount()))
        fuzzFailure("score_fetch_reply", "the player's row at " + std::to_string(rows.myRowIndex) + " of " +
                                             std::to_string(rows.storedCount()));
    if (rows.serverRowsStored() < 0)
        fuzzFailure("score_fetch_reply", "fewer server rows than none");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes input(data, size);
    int myScore = input.byte() == 0 ? -1 : input.int32();
    std::string myName = input.part(32);
    auto rows = std::make_unique<HiScoreRows>();
    rows->clear();
    for (int page = 0; page < 4 && !input.empty(); ++page) {
        std::string body = input.part(1 << 16);
        rows->storeReply(String(body.data(), int(body.size())), myScore, String(myName.data(), int(myName.size())));
        checkRows(*rows);
    }
    return 0;
}
