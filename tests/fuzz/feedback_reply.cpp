// The feedback server's answer to a sent form, judged as the contact screen judges it (isFeedbackAccepted):
// accepted exactly when the request went through and the answer begins "Ok".
#include "menus/FeedbackForm.h"
#include "tests/fuzz/support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes input(data, size);
    bool requestOk = (input.byte() & 1) != 0;
    std::string reply = input.rest();
    bool accepted = isFeedbackAccepted(requestOk, String(reply.data(), int(reply.size())));
    bool expected = requestOk && reply.compare(0, 2, "Ok") == 0;
    if (accepted != expected)
        fuzzFailure("feedback_reply", accepted ? "accepted a reply that does not say Ok" : "refused an Ok");
    return 0;
}
