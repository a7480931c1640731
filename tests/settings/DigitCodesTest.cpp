#include <gtest/gtest.h>

#include "Core/MemoryStream.h"
#include "settings/DigitCodes.h"

namespace {

String encoded5(int value)
{
    StringStream out(16);
    encodeDigits5(out, value);
    return out.toString();
}

String encoded6(int value)
{
    StringStream out(16);
    encodeDigits6(out, value);
    return out.toString();
}

TEST(DigitCodesTest, FiveBitDigits)
{
    struct { int value; const char* text; } cases[] = {
        {0, "0"}, {31, "K"}, {32, "l1"}, {100, "n3"}, {-5, "0"}, {1024, "ll1"}, {2147483647, "------1"},
    };
    for (auto c : cases) {
        EXPECT_STREQ(encoded5(c.value).c_str(), c.text) << c.value;
        const char* cursor = c.text;
        EXPECT_EQ(decodeDigits5(cursor), c.value < 0 ? 0 : c.value) << c.text;
        EXPECT_EQ(*cursor, '\0');
    }
}

TEST(DigitCodesTest, FiveBitNumbersFollowEachOther)
{
    StringStream out(16);
    for (int v : {100, 0, 33})
        encodeDigits5(out, v);
    String text = out.toString();
    const char* cursor = text.c_str();
    EXPECT_EQ(decodeDigits5(cursor), 100);
    EXPECT_EQ(decodeDigits5(cursor), 0);
    EXPECT_EQ(decodeDigits5(cursor), 33);
    // A number cut off before its last digit ends at the end of the text.
    const char* cut = "ll";
    EXPECT_EQ(decodeDigits5(cut), 0);
    EXPECT_EQ(*cut, '\0');
}

TEST(DigitCodesTest, SixBitDigits)
{
    struct { int value; const char* text; } cases[] = {
        {0, "0"}, {63, "-"}, {64, "01"}, {100, "n1"}, {-1, "0"}, {4096, "001"},
    };
    for (auto c : cases)
        EXPECT_STREQ(encoded6(c.value).c_str(), c.text) << c.value;
}

TEST(DigitCodesTest, KeepAlphanumeric)
{
    EXPECT_STREQ(keepAlphanumeric("Linux 6.1.0-18-amd64").c_str(), "Linux61018amd64");
    EXPECT_STREQ(keepAlphanumeric("").c_str(), "");
    EXPECT_STREQ(keepAlphanumeric("\xc3\xa9_-").c_str(), "");
}

} // namespace
