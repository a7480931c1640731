#pragma once

#include <cstddef>
#include <string>

// Reads an HTTP/1.1 reply as its bytes arrive from the connection: the status line, the headers, and a
// body sized by Content-Length, sent in chunks, or running until the server closes. Whatever the server
// sends, the reader keeps a bounded amount of memory (headers up to kMaxHttpHeaderBytes, body up to
// kMaxHttpBodyBytes) and does work in proportion to the bytes given, so a reply can be read piece by
// piece in any split. A reply it cannot make sense of is Malformed at once, so the caller need not wait
// for a time-out.
//
//   HttpReplyReader reader;
//   while (reader.state() == HttpReplyReader::Incomplete && (got = receive(buf)) > 0) reader.take(buf, got);
//   if (got == 0) reader.close();
//   if (reader.state() == HttpReplyReader::Complete && reader.status() == 200) use(reader.body());

const size_t kMaxHttpHeaderBytes = 64 * 1024;
const size_t kMaxHttpBodyBytes = 16 * 1024 * 1024;

class HttpReplyReader {
public:
    enum State { Incomplete, Complete, Malformed };

    // Takes the next bytes of the connection; bytes after a complete reply are ignored.
    State take(const char* bytes, size_t length);
    // The server closed the connection: a body without a length ends here, anything else unfinished is
    // Malformed.
    State close();

    State state() const { return state_; }
    int status() const { return status_; }  // 100..999 once the status line is read, else 0
    const std::string& body() const { return body_; }

private:
    enum Phase { StatusAndHeaders, SizedBody, BodyToClose, ChunkSize, ChunkData, ChunkEnd, Done };

    void step();
    bool takeHeaders();
    bool takeLine(std::string* line, size_t maxLength);
    void takeBody(size_t count);
    void fail() { state_ = Malformed; }
    void finish() { state_ = Complete; phase_ = Done; }

    State state_ = Incomplete;
    Phase phase_ = StatusAndHeaders;
    std::string pending_;  // bytes not yet taken apart
    size_t pendingStart_ = 0;
    size_t lineScanned_ = 0;  // no line end before this position of pending_
    size_t headerBytes_ = 0;
    bool chunked_ = false;
    bool hasLength_ = false;
    int status_ = 0;
    size_t bodyLeft_ = 0;  // of the sized body, or of the current chunk
    std::string body_;
};

// The reply in `raw`, read at once; `closed` when the server has closed the connection after it.
HttpReplyReader::State parseHttpReply(const std::string& raw, bool closed, int* status, std::string* body);
