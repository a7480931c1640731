#include "Core/HttpReply.h"

#include <cctype>
#include <cstring>

namespace {

const size_t kMaxChunkLineBytes = 1024;

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trimmed(const std::string& text)
{
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// "HTTP/1.1 200 OK" -> 200; 0 when the line is not a status line.
int statusOfLine(const std::string& line)
{
    if (line.compare(0, 5, "HTTP/") != 0)
        return 0;
    size_t space = line.find(' ');
    if (space == std::string::npos || line.size() < space + 4)
        return 0;
    const char* code = line.c_str() + space + 1;
    if (code[0] < '1' || code[0] > '9' || !isdigit(static_cast<unsigned char>(code[1]))
        || !isdigit(static_cast<unsigned char>(code[2])) || (code[3] != '\0' && code[3] != ' '))
        return 0;
    return (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
}

// A decimal length no larger than `limit`; false for anything else.
bool parseLength(const std::string& text, size_t limit, size_t* value)
{
    if (text.empty())
        return false;
    size_t v = 0;
    for (char c : text) {
        if (!isdigit(static_cast<unsigned char>(c)))
            return false;
        v = v * 10 + static_cast<size_t>(c - '0');
        if (v > limit)
            return false;
    }
    *value = v;
    return true;
}

// The size of a chunk line ("1a" or "1a;name=value"), no larger than `limit`; false for anything else.
bool parseChunkSize(const std::string& line, size_t limit, size_t* value)
{
    size_t v = 0;
    size_t i = 0;
    for (; i < line.size() && isxdigit(static_cast<unsigned char>(line[i])); ++i) {
        char c = static_cast<char>(tolower(static_cast<unsigned char>(line[i])));
        v = v * 16 + static_cast<size_t>(isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'a' + 10);
        if (v > limit)
            return false;
    }
    if (i == 0)
        return false;
    size_t rest = line.find_first_not_of(" \t", i);
    if (rest != std::string::npos && line[rest] != ';')
        return false;
    *value = v;
    return true;
}

} // namespace

HttpReplyReader::State HttpReplyReader::take(const char* bytes, size_t length)
{
    if (state_ != Incomplete || length == 0)
        return state_;
    pending_.append(bytes, length);
    step();
    // Whatever is left is the start of a line not yet complete.
    pending_.erase(0, pendingStart_);
    lineScanned_ = lineScanned_ > pendingStart_ ? lineScanned_ - pendingStart_ : 0;
    pendingStart_ = 0;
    return state_;
}

HttpReplyReader::State HttpReplyReader::close()
{
    if (state_ == Incomplete) {
        if (phase_ == BodyToClose)
            finish();
        else
            fail();
    }
    return state_;
}

bool HttpReplyReader::takeLine(std::string* line, size_t maxLength)
{
    size_t from = pendingStart_ > lineScanned_ ? pendingStart_ : lineScanned_;
    size_t end = pending_.find('\n', from);
    if (end == std::string::npos) {
        lineScanned_ = pending_.size();
        if (pending_.size() - pendingStart_ > maxLength)
            fail();
        return false;
    }
    size_t lineLength = end - pendingStart_;
    if (lineLength > maxLength) {
        fail();
        return false;
    }
    line->assign(pending_, pendingStart_, lineLength);
    if (!line->empty() && line->back() == '\r')
        line->pop_back();
    pendingStart_ = end + 1;
    lineScanned_ = pendingStart_;
    return true;
}

bool HttpReplyReader::takeHeaders()
{
    std::string line;
    for (;;) {
        size_t room = kMaxHttpHeaderBytes > headerBytes_ ? kMaxHttpHeaderBytes - headerBytes_ : 0;
        size_t before = pendingStart_;
        if (!takeLine(&line, room))
            return false;
        headerBytes_ += pendingStart_ - before;
        if (status_ == 0) {
            status_ = statusOfLine(line);
            if (status_ == 0) {
                fail();
                return false;
            }
            continue;
        }
        if (line.empty())
            return true;
        size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;  // not a header; nothing we need
        std::string name = lowerCase(trimmed(line.substr(0, colon)));
        std::string value = trimmed(line.substr(colon + 1));
        if (name == "transfer-encoding" && lowerCase(value).find("chunked") != std::string::npos) {
            chunked_ = true;
        } else if (name == "content-length") {
            size_t length = 0;
            if (!parseLength(value, kMaxHttpBodyBytes, &length) || (hasLength_ && length != bodyLeft_)) {
                fail();
                return false;
            }
            hasLength_ = true;
            bodyLeft_ = length;
        }
    }
}

void HttpReplyReader::takeBody(size_t count)
{
    body_.append(pending_, pendingStart_, count);
    pendingStart_ += count;
    bodyLeft_ -= count;
}

void HttpReplyReader::step()
{
    while (state_ == Incomplete) {
        size_t available = pending_.size() - pendingStart_;
        std::string line;
        switch (phase_) {
        case StatusAndHeaders:
            if (!takeHeaders())
                return;
            // Chunks win over a length, as HTTP/1.1 says.
            if (chunked_)
                phase_ = ChunkSize;
            else if (hasLength_)
                phase_ = SizedBody;
            else
                phase_ = BodyToClose;
            if (phase_ == SizedBody && bodyLeft_ == 0)
                finish();
            break;
        case SizedBody:
        case ChunkData: {
            if (available == 0)
                return;
            takeBody(available < bodyLeft_ ? available : bodyLeft_);
            if (bodyLeft_ == 0) {
                if (phase_ == SizedBody)
                    finish();
                else
                    phase_ = ChunkEnd;
            }
            break;
        }
        case BodyToClose:
            if (available == 0)
                return;
            if (body_.size() + available > kMaxHttpBodyBytes) {
                fail();
                return;
            }
            bodyLeft_ = available;
            takeBody(available);
            break;
        case ChunkSize: {
            if (!takeLine(&line, kMaxChunkLineBytes))
                return;
            size_t size = 0;
            if (!parseChunkSize(line, kMaxHttpBodyBytes - body_.size(), &size)) {
                fail();
                return;
            }
            if (size == 0) {
                finish();  // trailers, if any, are of no interest
                return;
            }
            bodyLeft_ = size;
            phase_ = ChunkData;
            break;
        }
        case ChunkEnd:
            if (!takeLine(&line, kMaxChunkLineBytes))
                return;
            if (!line.empty()) {
                fail();
                return;
            }
            phase_ = ChunkSize;
            break;
        case Done:
            return;
        }
    }
}

HttpReplyReader::State parseHttpReply(const std::string& raw, bool closed, int* status, std::string* body)
{
    HttpReplyReader reader;
    reader.take(raw.data(), raw.size());
    if (closed)
        reader.close();
    *status = reader.status();
    *body = reader.body();
    return reader.state();
}
