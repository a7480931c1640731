// The framing of a server's reply, as httpRequest reads it from the socket. The same bytes read at once and
// read in the pieces the input's first byte chooses (as a slow server would send them) must give one result.
#include "Core/HttpReply.h"
#include "tests/fuzz/support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes input(data, size);
    uint8_t how = input.byte();
    bool closed = (how & 1) != 0;
    size_t piece = (how >> 1) + 1;
    std::string raw = input.rest();

    int status = 0;
    std::string body;
    HttpReplyReader::State whole = parseHttpReply(raw, closed, &status, &body);

    HttpReplyReader reader;
    for (size_t at = 0; at < raw.size(); at += piece)
        reader.take(raw.data() + at, std::min(piece, raw.size() - at));
    if (closed)
        reader.close();
    if (reader.state() != whole || reader.body() != body || reader.status() != status)
        fuzzFailure("http_reply", "read in pieces of " + std::to_string(piece) + " differs from read at once");
    if (whole == HttpReplyReader::Complete && (status < 100 || status > 999))
        fuzzFailure("http_reply", "complete reply with status " + std::to_string(status));
    if (body.size() > kMaxHttpBodyBytes)
        fuzzFailure("http_reply", "body past the limit");
    return 0;
}
