#include "Core/UrlEncode.h"

#include <gtest/gtest.h>

TEST(UrlEncode, EncodesEverythingButLettersDigitsAndSixMarks)
{
    struct Case {
        std::string text;
        std::string encoded;
    } cases[] = {
        {"", ""},
        {"Az09", "Az09"},
        {"~!*()'", "~!*()'"},
        {" ", "%20"},
        {"-_./", "%2d%5f%2e%2f"},
        {"a=b&c", "a%3db%26c"},
        {"\n\r\t", "%0a%0d%09"},
        {"%", "%25"},
        {"\xc3\xa9", "%c3%a9"},  // bytes of 128 and above, lower-case hex
        {std::string("\xff\x80\x7f", 3), "%ff%80%7f"},
        {std::string("a\0b", 3), "a%00b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(urlEncode(c.text), c.encoded) << c.text;
}

TEST(UrlEncode, CStringFormGivesTheSameAsString)
{
    EXPECT_EQ(urlEncode("x y-z"), "x%20y%2dz");
    EXPECT_EQ(urlEncodeCString("\xe4!"), "%e4!");
    EXPECT_EQ(urlEncode(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(byteToHex(0xab), "ab");
    EXPECT_EQ(byteToHex(5), "05");
}
