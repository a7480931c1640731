#include <gtest/gtest.h>

#include <string>

#include "Core/HttpReply.h"

namespace {

using State = HttpReplyReader::State;

struct ReplyCase {
    const char* what;
    std::string raw;
    bool closed;
    State state;
    int status;  // checked when Complete
    std::string body;
};

std::string chunkedHead() { return "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"; }

const ReplyCase kCases[] = {
    {"sized body", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", false, HttpReplyReader::Complete, 200,
     "hello"},
    {"sized body, bytes after it ignored", "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nhello", false,
     HttpReplyReader::Complete, 200, "he"},
    {"sized body not all there yet", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nhello", false,
     HttpReplyReader::Incomplete, 0, ""},
    {"sized body cut off by a close", "HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\nhello", true,
     HttpReplyReader::Malformed, 0, ""},
    {"empty sized body", "HTTP/1.1 204 No Content\r\nContent-Length: 0\r\n\r\n", false, HttpReplyReader::Complete,
     204, ""},
    {"header names in any case, LF line ends", "HTTP/1.0 404 Not Found\ncontent-LENGTH:  3 \n\nabc", false,
     HttpReplyReader::Complete, 404, "abc"},
    {"body until the close", "HTTP/1.1 200 OK\r\nX-A: b\r\n\r\nall of it", true, HttpReplyReader::Complete, 200,
     "all of it"},
    {"body until the close, still open", "HTTP/1.1 200 OK\r\n\r\nsome", false, HttpReplyReader::Incomplete, 0, ""},
    {"chunks", chunkedHead() + "5\r\nhello\r\n1;ext=1\r\n!\r\n0\r\n\r\n", false, HttpReplyReader::Complete, 200,
     "hello!"},
    {"chunks win over a length", "HTTP/1.1 200 OK\r\nContent-Length: 1\r\nTransfer-Encoding: Chunked\r\n\r\n"
                                 "3\r\nabc\r\n0\r\n",
     false, HttpReplyReader::Complete, 200, "abc"},
    {"upper-case chunk size", chunkedHead() + "A\r\n0123456789\r\n0\r\n", false, HttpReplyReader::Complete, 200,
     "0123456789"},
    {"chunks cut off by a close", chunkedHead() + "5\r\nhel", true, HttpReplyReader::Malformed, 0, ""},
    {"chunk size not hex", chunkedHead() + "zz\r\nhello\r\n0\r\n", false, HttpReplyReader::Malformed, 0, ""},
    {"negative chunk size", chunkedHead() + "-1\r\nhello\r\n0\r\n", false, HttpReplyReader::Malformed, 0, ""},
    {"chunk size past the body limit", chunkedHead() + "FFFFFFFFFFFFFFFFFF\r\n", false,
     HttpReplyReader::Malformed, 0, ""},
    {"chunk longer than its size", chunkedHead() + "2\r\nhello\r\n0\r\n", false, HttpReplyReader::Malformed, 0, ""},
    {"endless chunk size line", chunkedHead() + std::string(2000, '0'), false, HttpReplyReader::Malformed, 0, ""},
    {"garbage instead of HTTP", "SSH-2.0-OpenSSH\r\n\r\n", false, HttpReplyReader::Malformed, 0, ""},
    {"status not three digits", "HTTP/1.1 20 OK\r\n\r\n", true, HttpReplyReader::Malformed, 0, ""},
    {"status with a sign", "HTTP/1.1 -200 OK\r\n\r\n", true, HttpReplyReader::Malformed, 0, ""},
    {"status too long", "HTTP/1.1 2000 OK\r\n\r\n", true, HttpReplyReader::Malformed, 0, ""},
    {"length not a number", "HTTP/1.1 200 OK\r\nContent-Length: 12abc\r\n\r\nx", false, HttpReplyReader::Malformed,
     0, ""},
    {"negative length", "HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\nx", false, HttpReplyReader::Malformed, 0, ""},
    {"length past the body limit", "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n", false,
     HttpReplyReader::Malformed, 0, ""},
    {"two lengths that disagree", "HTTP/1.1 200 OK\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab", false,
     HttpReplyReader::Malformed, 0, ""},
    {"headers that never end", "HTTP/1.1 200 OK\r\nX: " + std::string(kMaxHttpHeaderBytes, 'a'), false,
     HttpReplyReader::Malformed, 0, ""},
    {"closed before the headers end", "HTTP/1.1 200 OK\r\nContent-Le", true, HttpReplyReader::Malformed, 0, ""},
    {"nothing at all", "", true, HttpReplyReader::Malformed, 0, ""},
    {"a redirect is read as it is", "HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1/\r\nContent-Length: 0\r\n\r\n",
     false, HttpReplyReader::Complete, 302, ""},
};

TEST(HttpReply, ReadsOrRefusesEachReply)
{
    for (const ReplyCase& c : kCases) {
        int status = -1;
        std::string body;
        State state = parseHttpReply(c.raw, c.closed, &status, &body);
        EXPECT_EQ(state, c.state) << c.what;
        if (c.state == HttpReplyReader::Complete) {
            EXPECT_EQ(status, c.status) << c.what;
            EXPECT_EQ(body, c.body) << c.what;
        }
    }
}

// Bytes come from the socket in whatever pieces: a reply read a byte at a time, or split anywhere in two,
// reads the same as all at once.
TEST(HttpReply, AnySplitOfTheBytesReadsTheSame)
{
    for (const ReplyCase& c : kCases) {
        if (c.raw.size() > 4096)
            continue;
        int wholeStatus = 0;
        std::string wholeBody;
        State whole = parseHttpReply(c.raw, c.closed, &wholeStatus, &wholeBody);

        HttpReplyReader bytewise;
        for (char byte : c.raw)
            bytewise.take(&byte, 1);
        if (c.closed)
            bytewise.close();
        EXPECT_EQ(bytewise.state(), whole) << c.what;
        EXPECT_EQ(bytewise.body(), wholeBody) << c.what;

        for (size_t at = 0; at <= c.raw.size(); ++at) {
            HttpReplyReader split;
            split.take(c.raw.data(), at);
            split.take(c.raw.data() + at, c.raw.size() - at);
            if (c.closed)
                split.close();
            ASSERT_EQ(split.state(), whole) << c.what << " split at " << at;
            ASSERT_EQ(split.body(), wholeBody) << c.what << " split at " << at;
        }
    }
}

TEST(HttpReply, BodyUntilTheCloseStopsAtTheLimit)
{
    HttpReplyReader reader;
    std::string head = "HTTP/1.1 200 OK\r\n\r\n";
    reader.take(head.data(), head.size());
    std::string block(1024 * 1024, 'x');
    for (size_t sent = 0; sent < kMaxHttpBodyBytes; sent += block.size())
        ASSERT_EQ(reader.take(block.data(), block.size()), HttpReplyReader::Incomplete);
    EXPECT_EQ(reader.take("y", 1), HttpReplyReader::Malformed);
}

TEST(HttpReply, ManySmallChunksReadInOnePass)
{
    // 100,000 one-byte chunks: each is taken once, not the whole reply again per piece.
    std::string raw = chunkedHead();
    for (int i = 0; i < 100000; ++i)
        raw += "1\r\nk\r\n";
    raw += "0\r\n\r\n";
    HttpReplyReader reader;
    for (size_t at = 0; at < raw.size(); at += 7)
        reader.take(raw.data() + at, std::min<size_t>(7, raw.size() - at));
    ASSERT_EQ(reader.state(), HttpReplyReader::Complete);
    EXPECT_EQ(reader.body(), std::string(100000, 'k'));
}

} // namespace
