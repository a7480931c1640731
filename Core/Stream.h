#ifndef KELZO_CORE_STREAM_H
#define KELZO_CORE_STREAM_H

#include <cstdint>

#include "Core/Array.h"
#include "Core/String.h"

// Byte streams. Every saved file of the game is written through them in one
// layout: int32 little-endian, booleans as one byte, floats as 4-byte IEEE
// little-endian, texts as an int32 byte count and the bytes (no NUL), and
// four-character tags as int32 constants (see makeTag). Failure shows only as
// a false result or a short byte count; nothing throws or prints.
class Stream {
public:
    virtual ~Stream() {}
    virtual bool isOk() = 0;
    virtual int seek(int position) = 0;
    virtual int skip(int count) = 0;
    virtual int tell() = 0;
};

class StreamIn : public virtual Stream {
public:
    // Returns the number of bytes read.
    virtual int read(void* buffer, int count) = 0;
};

class StreamOut : public virtual Stream {
public:
    // Returns the number of bytes written.
    virtual int write(const void* buffer, int count) = 0;
    virtual int flush() = 0;
};

class StreamIo : public StreamIn, public StreamOut {
};

// Readers check every count and length taken from a file against a cap
// before they allocate; texts are capped at this many bytes.
const int kMaxByteStringLength = 999999;

// The int32 value of a four-character tag written as a multi-character
// constant: makeTag("fr01") == 0x66723031, which lies on disk as "10rf".
constexpr int makeTag(const char (&name)[5])
{
    return static_cast<int>((static_cast<uint32_t>(static_cast<unsigned char>(name[0])) << 24) |
                            (static_cast<uint32_t>(static_cast<unsigned char>(name[1])) << 16) |
                            (static_cast<uint32_t>(static_cast<unsigned char>(name[2])) << 8) |
                            static_cast<uint32_t>(static_cast<unsigned char>(name[3])));
}

// Text output: the bytes only, no length and no NUL. Writing exactly "\n"
// as a C string flushes the stream. An int is written as decimal text.
StreamOut& operator<<(StreamOut& out, const String& text);
StreamOut& operator<<(StreamOut& out, const char* text);
StreamOut& operator<<(StreamOut& out, int value);
StreamOut& operator<<(StreamOut& out, char byte);

// Binary values; each is true only when all its bytes moved. After a failed
// read the value is left alone.
bool writeInt32(StreamOut& out, int value);
bool readInt(StreamIn& in, int* value);
bool readWord(StreamIn& in, int* value);
bool writeInt16(StreamOut& out, int value);                // low 16 bits
bool readInt16(StreamIn& in, int* value);                  // sign-extended
bool writeByte(StreamOut& out, int value);                 // low 8 bits
bool readByte(StreamIn& in, int* value);                   // 0..255
bool writeBool(StreamOut& out, bool value);                // 1 or 0
bool readBool(StreamIn& in, bool* value);                  // any byte but 0 is true
bool writeFloat(StreamOut& out, float value);
bool readFloat(StreamIn& in, float* value);

// An int32 count that must lie in 0..maxCount; false (value left alone) when
// it does not, so a damaged file cannot make the reader allocate wildly.
bool readCount(StreamIn& in, int* value, int maxCount);

// Texts: int32 byte count, then the bytes.
bool writeByteString(StreamOut& out, const String& text);
// Reads a text of at most kMaxByteStringLength bytes into `bytes`, sized to
// length + 1 with a NUL after the text. On a short read the array holds just
// one NUL and the result is false.
bool readByteString(StreamIn& in, Array<char>* bytes);
// The same into a String; the String is left alone on failure.
bool streamReadByteString(StreamIn& in, String* text);

#endif
