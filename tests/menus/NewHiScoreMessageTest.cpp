#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Core/Language.h"
#include "menus/NewHiScoreMessage.h"
#include "tests/support/TempFolder.h"

namespace {

// English and German texts for the ids the message uses, in a folder of their own.
class NewHiScoreMessageTest : public TempFolderTest {
protected:
    void useLanguage(int language, const std::vector<std::pair<int, std::string>>& texts)
    {
        std::vector<std::string> lines(501);
        for (const auto& t : texts)
            lines[t.first] = t.second;
        std::string text;
        for (const std::string& line : lines)
            text += line + "\n";
        writeFile(std::string(gLanguageNames[language]) + ".txt", text);
        unloadLanguage();
        gLanguage = new Language(language);
    }
    void SetUp() override
    {
        TempFolderTest::SetUp();
        useLanguage(kEnglish, {{39, "minute"}, {40, "minutes"}, {41, "second"}, {42, "seconds"}, {500, "and"},
                               {190, "Your time:"}, {191, "You scored %s points"}, {192, "\\nThat's %s place!"},
                               {193, "st"}, {194, "nd"}, {195, "rd"}, {196, "th"}, {197, "Type your name."}});
    }
    void TearDown() override
    {
        unloadLanguage();
        TempFolderTest::TearDown();
    }
};

TEST_F(NewHiScoreMessageTest, TimeReadsInWholeMinutesAndSeconds)
{
    struct Case {
        int ms;
        const char* text;
    } cases[] = {{61500, "1 minute and 1 second"},    {60000, "1 minute and 0 seconds"}, {59999, "59 seconds"},
                 {0, "0 seconds"},                    {5000, "5 seconds"},               {1000, "1 second"},
                 {125000, "2 minutes and 5 seconds"}, {3600000, "60 minutes and 0 seconds"}};
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, hiScoreTimeText(c.ms).c_str()) << c.ms;
}

TEST_F(NewHiScoreMessageTest, TimeUsesTheLanguagesWords)
{
    useLanguage(kGerman, {{39, "Minute"}, {40, "Minuten"}, {41, "Sekunde"}, {42, "Sekunden"}, {500, "und"}});
    EXPECT_STREQ("1 Minute und 1 Sekunde", hiScoreTimeText(61500).c_str());
    EXPECT_STREQ("2 Minuten und 30 Sekunden", hiScoreTimeText(150000).c_str());
}

TEST_F(NewHiScoreMessageTest, PlacesTakeTheirSuffixes)
{
    struct Case {
        int rank;
        const char* text;
    } cases[] = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {11, "11th"}, {12, "12th"}};
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, rankText(c.rank).c_str()) << c.rank;
}

TEST_F(NewHiScoreMessageTest, MessageJoinsResultPlaceAndRequest)
{
    struct Case {
        int score;
        bool isTime;
        int rank;
        const char* text;
    } cases[] = {
        {1234567, false, 1, "You scored 1,234,567 points\nThat's 1st place!\n\nType your name."},
        {999, false, 12, "You scored 999 points\nThat's 12th place!\n\nType your name."},
        {61500, true, 3, "Your time: 1 minute and 1 second\nThat's 3rd place!\n\nType your name."},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, newHiScoreMessage(c.score, c.isTime, c.rank).c_str()) << c.score;
}

TEST_F(NewHiScoreMessageTest, ScoreDigitsAreGroupedByTheLanguagesSeparator)
{
    // "5,000" reads as five in German; a language without a separator keeps the comma.
    struct Case {
        int language;
        const char* separator;
        int score;
        const char* text;
    } cases[] = {{kGerman, ".", 1234567, "Du hast 1.234.567 Punkte"},
                 {kFrench, "\xc2\xa0", 5000, "Du hast 5\xc2\xa0" "000 Punkte"},
                 {kItalian, "", 5000, "Du hast 5,000 Punkte"},
                 {kSpanish, "too long", 5000, "Du hast 5,000 Punkte"}};
    for (const Case& c : cases) {
        useLanguage(c.language, {{191, "Du hast %s Punkte"}, {192, ""}, {497, c.separator}});
        const std::string message = newHiScoreMessage(c.score, false, 1).c_str();
        EXPECT_EQ(c.text, message.substr(0, message.find('\n'))) << c.language;
    }
}

}  // namespace
