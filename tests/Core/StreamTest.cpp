#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Core/MemoryStream.h"
#include "Core/Stream.h"

namespace {

std::string bytesOf(const MemoryStreamOut& out)
{
    return std::string(out.data(), out.size());
}

// Records flushes, to see which texts flush the stream.
class FlushCounter : public MemoryStreamOut {
public:
    int flush() override
    {
        flushes++;
        return 0;
    }
    int flushes = 0;
};

// Accepts only the first `room` bytes, like a full disk.
class ShortWriter : public MemoryStreamOut {
public:
    explicit ShortWriter(int room) : room(room) {}
    int write(const void* buffer, int count) override
    {
        int n = count < room ? count : room;
        room -= n;
        return n > 0 ? MemoryStreamOut::write(buffer, n) : 0;
    }
    int room;
};

} // namespace

TEST(Stream, BinaryLayoutIsLittleEndianWithReversedTags)
{
    MemoryStreamOut out;
    EXPECT_TRUE(writeInt32(out, makeTag("fr01")));
    EXPECT_TRUE(writeInt32(out, -2));
    EXPECT_TRUE(writeInt16(out, -3));
    EXPECT_TRUE(writeBool(out, true));
    EXPECT_TRUE(writeByte(out, 200));
    EXPECT_TRUE(writeFloat(out, 1.0f));
    EXPECT_TRUE(writeByteString(out, "hey"));
    EXPECT_EQ(makeTag("fr01"), 0x66723031);
    const std::string want("10rf"
                           "\xfe\xff\xff\xff"
                           "\xfd\xff"
                           "\x01"
                           "\xc8"
                           "\x00\x00\x80\x3f"
                           "\x03\x00\x00\x00hey",
                           4 + 4 + 2 + 1 + 1 + 4 + 7);
    EXPECT_EQ(bytesOf(out), want);
}

TEST(Stream, ValuesRoundTrip)
{
    MemoryStreamOut out;
    const int ints[] = {0, 1, -1, 2147483647, -2147483647 - 1, 0x12345678};
    for (int v : ints)
        writeInt32(out, v);
    writeInt16(out, 32767);
    writeInt16(out, -32768);
    writeBool(out, false);
    writeFloat(out, -3.5f);
    writeByteString(out, String());
    writeByteString(out, "two words");

    MemoryStreamIn in(out);
    for (int v : ints) {
        int got = 0;
        EXPECT_TRUE(readInt(in, &got));
        EXPECT_EQ(got, v);
    }
    int word = 0;
    EXPECT_TRUE(readInt16(in, &word));
    EXPECT_EQ(word, 32767);
    EXPECT_TRUE(readInt16(in, &word));
    EXPECT_EQ(word, -32768);
    bool flag = true;
    EXPECT_TRUE(readBool(in, &flag));
    EXPECT_FALSE(flag);
    float f = 0;
    EXPECT_TRUE(readFloat(in, &f));
    EXPECT_EQ(f, -3.5f);
    String text("old");
    EXPECT_TRUE(streamReadByteString(in, &text));
    EXPECT_EQ(text, "");
    Array<char> bytes;
    EXPECT_TRUE(readByteString(in, &bytes));
    EXPECT_EQ(bytes.size(), 10);
    EXPECT_STREQ(bytes.data(), "two words");
    EXPECT_FALSE(readWord(in, &word));
}

TEST(Stream, AnyNonZeroByteIsTrue)
{
    const char raw[] = {0, 1, 7, '\xff'};
    MemoryStreamIn in(raw, 4);
    bool got[4];
    for (bool& b : got)
        EXPECT_TRUE(readBool(in, &b));
    EXPECT_FALSE(got[0]);
    EXPECT_TRUE(got[1] && got[2] && got[3]);
    EXPECT_FALSE(readBool(in, &got[0]));
}

TEST(Stream, ShortReadsFailAndLeaveTheValue)
{
    const char raw[] = {1, 2, 3};
    MemoryStreamIn in(raw, 3);
    int value = 55;
    EXPECT_FALSE(readInt(in, &value));
    EXPECT_EQ(value, 55);
}

TEST(Stream, LengthsBeyondTheCapsAreRefusedBeforeAnyAllocation)
{
    struct Case { int length; int bytesPresent; bool ok; };
    const Case cases[] = {
        {0, 0, true},
        {5, 5, true},
        {999999, 0, false},        // allowed length, but the bytes are missing
        {1000000, 1000000, false}, // over the cap even though bytes follow
        {-1, 0, false},
        {2147483647, 0, false},
    };
    for (const Case& c : cases) {
        MemoryStreamOut out;
        writeInt32(out, c.length);
        for (int i = 0; i < c.bytesPresent; i++)
            out.putByte('z');
        MemoryStreamIn in(out);
        Array<char> bytes;
        EXPECT_EQ(readByteString(in, &bytes), c.ok) << c.length;
        if (c.ok) {
            EXPECT_EQ(bytes.size(), c.length + 1);
            EXPECT_EQ(bytes[c.length], 0);
        } else {
            EXPECT_LE(bytes.size(), 1) << c.length;
            EXPECT_TRUE(bytes.size() == 0 || bytes[0] == 0);
        }
        if (c.length > 999999 || c.length < 0) {
            EXPECT_EQ(in.tell(), 4) << "read past a refused length";
        }
        MemoryStreamIn again(out);
        String text("kept");
        EXPECT_EQ(streamReadByteString(again, &text), c.ok);
        if (!c.ok) {
            EXPECT_EQ(text, "kept");
        }
    }
}

TEST(Stream, ReadCountChecksTheRange)
{
    MemoryStreamOut out;
    writeInt32(out, 10);
    writeInt32(out, 11);
    writeInt32(out, -1);
    MemoryStreamIn in(out);
    int count = 3;
    EXPECT_TRUE(readCount(in, &count, 10));
    EXPECT_EQ(count, 10);
    EXPECT_FALSE(readCount(in, &count, 10));
    EXPECT_FALSE(readCount(in, &count, 10));
    EXPECT_FALSE(readCount(in, &count, 10));
    EXPECT_EQ(count, 10);
}

TEST(Stream, ShortWritesAreReported)
{
    ShortWriter out(6);
    EXPECT_TRUE(writeInt32(out, 1));
    EXPECT_FALSE(writeInt32(out, 2));
    EXPECT_FALSE(writeByteString(out, "x"));
}

TEST(Stream, TextOperatorsWriteBytesOnlyAndFlushOnALoneNewline)
{
    FlushCounter out;
    out << String("ab") << "c" << -12 << 'd';
    EXPECT_EQ(bytesOf(out), "abc-12d");
    EXPECT_EQ(out.flushes, 0);
    out << "a\n";
    EXPECT_EQ(out.flushes, 0);
    out << "\n";
    EXPECT_EQ(out.flushes, 1);
}

TEST(MemoryStream, SeekSkipAndTextEnd)
{
    StringStream ss(4);
    ss.write("abc", 3);
    ss.seek(0);
    ss.write("x", 1);
    EXPECT_EQ(ss.size(), 4);
    EXPECT_EQ(ss.tell(), 1);
    EXPECT_STREQ(ss.c_str(), "x");
    EXPECT_EQ(ss.tell(), 1);
    ss.seek(3);
    ss.skip(-10);
    EXPECT_EQ(ss.tell(), 0);
    ss.skip(100);
    EXPECT_EQ(ss.tell(), 4);
    ss.seek(-5);
    EXPECT_EQ(ss.tell(), 0);
}

TEST(MemoryStream, GrowsByDoublingAndKeepsBytes)
{
    MemoryStreamOut out;
    out.write("12345", 5);
    EXPECT_EQ(out.capacity(), 8);
    EXPECT_EQ(out.write("6789", 4), 4);
    EXPECT_EQ(out.capacity(), 16);
    EXPECT_EQ(bytesOf(out), "123456789");
    out.seek(12);
    out.write("!", 1);
    EXPECT_EQ(bytesOf(out), std::string("123456789\0\0\0!", 13));
    out.padTo(15, '.');
    EXPECT_EQ(out.size(), 15);
    EXPECT_EQ(out.tell(), 15);
}

TEST(MemoryStream, StringStreamBuildsText)
{
    StringStream ss;
    EXPECT_EQ(ss.capacity(), 4096);
    ss << "score=" << 1500 << "&name=" << String("Ann");
    EXPECT_STREQ(ss.c_str(), "score=1500&name=Ann");
    EXPECT_EQ(ss.toString(), "score=1500&name=Ann");
    StringStream full(2);
    full << "ab";
    EXPECT_STREQ(full.c_str(), "ab");
}

TEST(MemoryStream, InputStreamStopsAtTheEnd)
{
    MemoryStreamIn in("abcdef", 6);
    char buffer[8] = {};
    EXPECT_EQ(in.read(buffer, 4), 4);
    in.skip(-1);
    EXPECT_EQ(in.read(buffer, 8), 3);
    EXPECT_EQ(std::string(buffer, 3), "def");
    EXPECT_EQ(in.read(buffer, 1), 0);
    in.seek(100);
    EXPECT_EQ(in.tell(), 6);
}
