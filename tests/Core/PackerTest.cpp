#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Core/Packer.h"
#include "tests/Core/PackedStreamBuilder.h"

namespace {

std::string depackToString(const std::vector<unsigned char>& stream, unsigned int room = 70000) {
    std::vector<unsigned char> dst(room, 0xEE);
    unsigned int n = depackSafe(stream.data(), (unsigned)stream.size(), dst.data(), room);
    if (n == kDepackFailed) return "<failed>";
    return std::string(dst.begin(), dst.begin() + n);
}

TEST(PackerTest, EndMarkerAfterFirstByte) {
    std::vector<unsigned char> stream = StreamBuilder('A').end().out;
    EXPECT_EQ(stream, (std::vector<unsigned char>{'A', 0xC0, 0x00}));
    EXPECT_EQ(depackToString(stream), "A");
}

TEST(PackerTest, KnownStreams) {
    struct Case {
        const char* what;
        std::vector<unsigned char> stream;
        std::string expected;
    } cases[] = {
        {"short match repeats an overlapping pattern", StreamBuilder('A').shortMatch(1, 3).end().out, "AAAA"},
        {"literals", StreamBuilder('a').literals("bcd").end().out, "abcd"},
        {"long match below offset 128 gets 2 more", StreamBuilder('a').literals("bcd").longMatch(4, 3, false).end().out,
         "abcdabcda"},
        {"single byte from 2 back", StreamBuilder('x').literal('y').single(2).end().out, "xyx"},
        {"single token with offset 0 writes a zero", StreamBuilder('x').single(0).end().out, std::string("x\0", 2)},
        {"repeat match reuses the last offset after a literal",
         StreamBuilder('a').literals("bc").shortMatch(3, 2).literal('z').repeatMatch(2).end().out, "abcabzab"},
        {"after a match the offset's high part counts from 2",
         StreamBuilder('a').literals("bcdefgh").shortMatch(2, 2).longMatch(8, 2, true).end().out,
         "abcdefghghcdef"},
    };
    for (const Case& c : cases) EXPECT_EQ(depackToString(c.stream), c.expected) << c.what;
}

TEST(PackerTest, LongMatchLengthGrowsWithOffset) {
    std::string text;
    for (int i = 0; i < 33000; ++i) text += (char)('a' + (i * 7 + i / 26) % 26);
    struct Case {
        int offset;
        int extra;
    } cases[] = {{127, 2}, {128, 0}, {1279, 0}, {1280, 1}, {31999, 1}, {32000, 2}};
    for (const Case& c : cases) {
        StreamBuilder b(text[0]);
        b.literals(text.substr(1)).longMatch(c.offset, 3, false).end();
        std::string out = depackToString(b.out);
        ASSERT_EQ(out.size(), text.size() + 3 + c.extra) << "offset " << c.offset;
        EXPECT_EQ(out.substr(text.size()), text.substr(text.size() - c.offset, 3 + c.extra)) << "offset " << c.offset;
    }
}

TEST(PackerTest, DamagedStreamsFailCleanly) {
    std::vector<unsigned char> good = StreamBuilder('A').shortMatch(1, 3).end().out;
    std::vector<unsigned char> dst(4, 0);
    EXPECT_EQ(depackSafe(good.data(), (unsigned)good.size(), dst.data(), 4), 4u);
    EXPECT_EQ(depackSafe(good.data(), (unsigned)good.size(), dst.data(), 3), kDepackFailed) << "destination too short";

    struct Case {
        const char* what;
        std::vector<unsigned char> stream;
    } cases[] = {
        {"no end marker", StreamBuilder('a').literals("bc").out},
        {"cut inside a token", std::vector<unsigned char>(good.begin(), good.end() - 1)},
        {"match reaching before the start", StreamBuilder('a').shortMatch(5, 2).end().out},
        {"long match reaching before the start", StreamBuilder('a').longMatch(300, 2, false).end().out},
        {"single byte reaching before the start", StreamBuilder('a').single(9).end().out},
        {"endless gamma", {'a', 0x9F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) EXPECT_EQ(depackToString(c.stream), "<failed>") << c.what;

    unsigned char byte = 0;
    EXPECT_EQ(depackSafe(nullptr, 3, dst.data(), 4), kDepackFailed);
    EXPECT_EQ(depackSafe(good.data(), 0, dst.data(), 4), kDepackFailed);
    EXPECT_EQ(depackSafe(good.data(), (unsigned)good.size(), nullptr, 4), kDepackFailed);
    EXPECT_EQ(depackSafe(good.data(), (unsigned)good.size(), &byte, 0), kDepackFailed);
}

TEST(PackerTest, ReachesThroughThePackerFront) {
    std::vector<unsigned char> stream = StreamBuilder('q').shortMatch(1, 2).end().out;
    unsigned char dst[3];
    Packer packer;
    EXPECT_EQ(packer.depack(stream.data(), (unsigned)stream.size(), dst, sizeof dst), 3u);
    EXPECT_EQ(std::string((char*)dst, 3), "qqq");
}

}  // namespace
