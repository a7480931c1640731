#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Core/String.h"

TEST(String, NullAndEmptyTextsDifferOnlyInTheirBuffer)
{
    String none(static_cast<const char*>(nullptr));
    String empty("");
    EXPECT_EQ(none.data(), nullptr);
    EXPECT_STREQ(none.c_str(), "");
    EXPECT_EQ(empty.capacity(), 1);
    EXPECT_TRUE(none == empty);
    EXPECT_TRUE(none == static_cast<const char*>(nullptr));
    EXPECT_TRUE(empty == "");
}

TEST(String, CapacityIsPowerOfTwoAndAssigningEmptyFreesIt)
{
    String s("hello");          // 6 bytes with the NUL
    EXPECT_EQ(s.capacity(), 8);
    s += " world";
    EXPECT_EQ(s, "hello world");
    EXPECT_EQ(s.capacity(), 16);
    EXPECT_EQ(s.c_str()[s.length()], 0);
    s = String();
    EXPECT_EQ(s.data(), nullptr);
    EXPECT_EQ(s.capacity(), 0);
    EXPECT_EQ(s.length(), 0);
}

TEST(String, AppendingItselfOrAPartOfItselfSurvivesGrowth)
{
    String s("abcd");
    s += s;
    EXPECT_EQ(s, "abcdabcd");
    s += s.c_str() + 6;
    EXPECT_EQ(s, "abcdabcdcd");
}

TEST(String, ConcatenationAndComparison)
{
    String a("ab");
    EXPECT_EQ(a + String("cd"), "abcd");
    EXPECT_EQ(a + "x", "abx");
    EXPECT_EQ(a + 'y', "aby");
    EXPECT_EQ("z" + a, "zab");
    EXPECT_FALSE(a == "abc");
    EXPECT_FALSE(a == String("ac"));
    EXPECT_TRUE(a != "a");
}

TEST(String, LengthConstructorLeavesRoomForTheCaller)
{
    String s(5);
    EXPECT_EQ(s.length(), 5);
    EXPECT_EQ(s.capacity(), 8);
    memcpy(s.data(), "abcde", 5);
    s[0] = 'A';
    EXPECT_EQ(s, "Abcde");
}

TEST(String, FormatCutsTextsLongerThanItsBuffer)
{
    EXPECT_EQ(String::format("%d-%s", 42, "x"), "42-x");
    String longArg(2000);
    memset(longArg.data(), 'q', 2000);
    String cut = String::format("<%s>", longArg.c_str());
    EXPECT_EQ(cut.length(), String::kFormatBufferSize - 1);
    EXPECT_EQ(cut[0], '<');
    EXPECT_EQ(cut[cut.length() - 1], 'q');
}

TEST(String, NumberTexts)
{
    struct Case { String got; const char* want; };
    const Case cases[] = {
        {String::fromInt(-7), "-7"},
        {String::fromInt(0), "0"},
        {String::fromInt(-2147483647 - 1), "-2147483648"},
        {String::fromIntGrouped(0), "0"},
        {String::fromIntGrouped(999), "999"},
        {String::fromIntGrouped(1000), "1,000"},
        {String::fromIntGrouped(123456), "123,456"},
        {String::fromIntGrouped(2147483647), "2,147,483,647"},
        {String::fromIntGrouped(1234567, "."), "1.234.567"},
        {String::fromIntGrouped(5000, "\xc2\xa0"), "5\xc2\xa0" "000"},
        {String::fromIntPadded(42, 5), "00042"},
        {String::fromIntPadded(-42, 5), "-0042"},
        {String::fromHexByte(10), "0A"},
        {String::fromHex32(0xDEADBEEFu), "DEADBEEF"},
        {String::fromBool(true), "1"},
        {String::fromDouble(1.23456, 2), "1.23"},
        {String::fromFloat(0.5f, 12), "0.500000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want);
}

TEST(String, SubstringsAndSearch)
{
    String abc("abc");
    EXPECT_EQ(abc.mid(5), "");
    EXPECT_EQ(abc.mid(1, 10), "bc");
    EXPECT_EQ(abc.mid(0, 2), "ab");
    EXPECT_EQ(abc.mid(3), "");
    EXPECT_EQ(String("abcabc").indexOf("ca"), 2);
    EXPECT_EQ(String("abcabc").indexOf("bc", 2), 4);
    EXPECT_EQ(abc.indexOf("abcd"), -1);
    EXPECT_EQ(abc.indexOf("x"), -1);
}

TEST(String, TrimAndSplitTable)
{
    struct Case { const char* text; char sep; std::vector<const char*> pieces; };
    const Case cases[] = {
        {"", ',', {}},
        {",", ',', {"", ""}},
        {" x ,y", ',', {"x", "y"}},
        {"a,b,,c", ',', {"a", "b", "", "c"}},
        {"a,", ',', {"a", ""}},
        {"line1\r\nline2\r\n", '\n', {"line1", "line2", ""}},
        {"say hello  there", ' ', {"say", "hello", "", "there"}},
        {"\t\x01 ", ',', {""}},
    };
    for (const Case& c : cases) {
        Array<String> got = String(c.text).split(c.sep);
        ASSERT_EQ(got.size(), static_cast<int>(c.pieces.size())) << c.text;
        for (int i = 0; i < got.size(); i++)
            EXPECT_EQ(got[i], c.pieces[i]) << c.text << " piece " << i;
    }
    EXPECT_EQ(String("\t\r\n").trimmed(), "");
    EXPECT_EQ(String("a\r").trimmed(), "a");
    EXPECT_EQ(String("\xc3\xa9 ").trimmed(), "\xc3\xa9");
}

TEST(String, ReplaceEndsEvenWhenTheReplacementHoldsThePattern)
{
    String s("a-b-c");
    s.replaceAll("-", "--");
    EXPECT_EQ(s, "a--b--c");
    String t("%1 and %1");
    t.replaceAll("%1", "x%1y");
    EXPECT_EQ(t, "x%1y and x%1y");
    String u("aaa");
    u.replaceAll("", "b");
    EXPECT_EQ(u, "aaa");
    u.replaceAll("aa", "c");
    EXPECT_EQ(u, "ca");
    String v("one two two");
    EXPECT_TRUE(v.replaceFirst("two", "2"));
    EXPECT_EQ(v, "one 2 two");
    EXPECT_FALSE(v.replaceFirst("three", "3"));
}

TEST(String, LowerCaseInPlaceAndCopy)
{
    String s("HeLLo1");
    String copy = s.lowerCased();
    EXPECT_EQ(s, "HeLLo1");
    EXPECT_EQ(copy, "hello1");
    EXPECT_EQ(s.toLowerCase(), "hello1");
    EXPECT_EQ(s, "hello1");
    s.replaceChar('l', 'L');
    EXPECT_EQ(s, "heLLo1");
}

TEST(ParseInt, AcceptsAndRejects)
{
    struct Case { const char* text; int length; bool ok; int value; };
    const Case cases[] = {
        {"0", -1, true, 0},
        {"123456789", -1, true, 123456789},
        {"-2147483648", -1, true, -2147483647 - 1},
        {"-00000000000000042", -1, true, -42},
        {"1234", 2, true, 12},
        {"1234567890", -1, false, 0},
        {"", -1, false, 0},
        {"-", -1, false, 0},
        {"12a", -1, false, 0},
        {"+5", -1, false, 0},
        {" 5", -1, false, 0},
        {"-2147483649", -1, false, 0},
        {"-99999999999", -1, false, 0},
    };
    for (const Case& c : cases) {
        int value = 777;
        EXPECT_EQ(parseInt(c.text, &value, c.length), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : 777) << c.text;
    }
    int value = 777;
    EXPECT_FALSE(parseInt(nullptr, &value));
}

TEST(ParseBool, ExactWordsOnly)
{
    struct Case { const char* text; bool ok; bool value; };
    const Case cases[] = {
        {"1", true, true}, {"true", true, true}, {"yes", true, true}, {"on", true, true},
        {"0", true, false}, {"false", true, false}, {"no", true, false}, {"off", true, false},
        {"TRUE", false, false}, {"", false, false}, {"on ", false, false},
    };
    for (const Case& c : cases) {
        bool value = !c.value;
        EXPECT_EQ(parseBool(c.text, &value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(ParseDouble, AcceptsAndRejects)
{
    struct Case { const char* text; bool ok; double value; };
    const Case cases[] = {
        {"3.25", true, 3.25},
        {"-0.5", true, -0.5},
        {"7", true, 7.0},
        {"1.", true, 1.0},
        {".5", true, 0.5},
        {"0.1234567891234", true, 0.123456789},
        {"", false, 0},
        {"-", false, 0},
        {"1.2.3", false, 0},
        {"1e5", false, 0},
        {"123456789012345678901", false, 0},
    };
    for (const Case& c : cases) {
        double value = -99;
        EXPECT_EQ(parseDouble(c.text, &value), c.ok) << c.text;
        EXPECT_DOUBLE_EQ(value, c.ok ? c.value : -99) << c.text;
    }
    float f = 0;
    EXPECT_TRUE(parseFloat("2.5", &f));
    EXPECT_FLOAT_EQ(f, 2.5f);
}
