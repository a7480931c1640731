// The score server's answer to a submitted score, read as the uploader reads it (readSubmitReply). Only an
// answer that begins "Ok," counts as accepted; the rank changes only when the first line says one.
#include "scores/ScoreSubmission.h"
#include "tests/fuzz/support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    String body(reinterpret_cast<const char*>(data), int(size));
    const int kUntouched = -12345;
    int rank = kUntouched;
    bool accepted = readSubmitReply(body, &rank);
    bool saysOk = size >= 3 && data[0] == 'O' && data[1] == 'k' && data[2] == ',';
    if (accepted != saysOk)
        fuzzFailure("score_submit_reply", accepted ? "accepted without \"Ok,\"" : "refused an \"Ok,\" answer");
    if (!accepted && rank != kUntouched)
        fuzzFailure("score_submit_reply", "a refused answer changed the rank");
    return 0;
}
