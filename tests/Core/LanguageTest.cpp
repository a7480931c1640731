#include "Core/Language.h"

#include "tests/support/TempFolder.h"

#include <string>
#include <vector>

namespace {

std::string str(const String& s) { return std::string(s.c_str(), s.length()); }

// An English file whose ids match the ones the game uses: 31.. language names, 39..44 durations,
// 66 + theme the theme words.
std::string englishFile()
{
    std::vector<std::string> lines(80, "");
    lines[0] = "Hello furball";
    lines[1] = "%d furballs left of %s";
    lines[2] = "100%% done";
    lines[31] = "English";
    lines[39] = "minute";
    lines[40] = "minutes";
    lines[41] = "second";
    lines[42] = "seconds";
    lines[44] = "s";
    lines[68] = "soccer ball";
    lines[69] = "big furball";  // a theme word that holds the word it replaces
    lines[70] = "%s";
    std::string text = "# English texts\n";
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::string germanFile()
{
    std::vector<std::string> lines(80, "");
    lines[0] = "Hallo furball";
    lines[1] = "%s bleiben %d";  // placeholders swapped: must never reach printf
    lines[2] = "100%% fertig";
    lines[32] = "Deutsch";
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class LanguageTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        writeFile("english.txt", englishFile());
        writeFile("german.txt", germanFile());
        theme = 0;
        languageCounter = -1;
        setLanguageCounters(&languageCounter, &theme);
    }
    void TearDown() override
    {
        unloadLanguage();
        setLanguageCounters(nullptr, nullptr);
        TempFolderTest::TearDown();
    }

    int theme = 0;
    int languageCounter = -1;
};

}  // namespace

TEST(LanguageFile, SplittingRules)
{
    struct Case {
        const char* file;
        std::vector<std::string> texts;
    } cases[] = {
        {"# comment\n\nHello\\nWorld", {"", "Hello\nWorld"}},
        {"   \nx", {"", "x"}},                          // a line of blanks is an empty text
        {"  # indented comment\nx", {"x"}},
        {"a\r\nb\r\n", {"a", "b", ""}},                  // CR LF; a final LF gives one more text
        {"a\\nb\\nc\\", {"a\nb\nc\\"}},                  // a lone backslash at the end stays
        {"\\\\n", {"\\\n"}},
        {"tab\\t stays", {"tab\\t stays"}},              // no other escapes
        {"", {}},
        {"x # not a comment", {"x # not a comment"}},
    };
    for (const Case& c : cases) {
        Array<String> texts = splitLanguageTexts(String(c.file));
        std::vector<std::string> got;
        for (const String& t : texts)
            got.push_back(str(t));
        EXPECT_EQ(got, c.texts) << c.file;
    }
}

TEST(LanguageFile, NoLanguageGivesQuestionMark)
{
    unloadLanguage();
    EXPECT_EQ(str(getText(0)), "?");
    EXPECT_EQ(str(formatText(1, 5, "x")), "?");
    EXPECT_FALSE(isLanguage(0));
    EXPECT_EQ(currentLanguage(), 0);
}

TEST(LanguageFile, FormatSignatures)
{
    struct Case {
        const char* text;
        const char* signature;
    } cases[] = {
        {"plain", ""},          {"%d of %s", "is"},    {"100%% %i", "i"},   {"%-5.2f|%x", "fi"},
        {"%*d", "ii"},          {"%ld %lu", "lili"},   {"%n", "!"},         {"%1$s", "!"},
        {"50%", "!"},           {"%y", "!"},           {"%c%p", "ip"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(str(formatSignature(String(c.text))), c.signature) << c.text;
}

TEST_F(LanguageTest, MissingIdShowsQuestionMark)
{
    setLanguage(0);
    EXPECT_EQ(str(getText(0)), "Hello furball");
    EXPECT_EQ(str(getText(70)), "%s");
    EXPECT_EQ(str(getText(5000)), "?");
    EXPECT_EQ(str(getText(-1)), "?");
    EXPECT_EQ(str(getLanguageName()), "English");
    EXPECT_EQ(languageCounter, 0);
}

TEST_F(LanguageTest, ThemeWordReplacesFurballInEnglishOnly)
{
    setLanguage(0);
    theme = 2;
    EXPECT_EQ(str(getText(0)), "Hello soccer ball");
    EXPECT_EQ(str(getText(1)), "%d soccer balls left of %s");
    theme = 3;  // the word itself contains "furball": the replacement must still end
    EXPECT_EQ(str(getText(0)), "Hello big furball");
    theme = 4;  // a theme word with a placeholder must not reach printf
    EXPECT_EQ(str(formatText(0)), "Hello furball");
    theme = 9;  // no word for this theme: left as it is
    EXPECT_EQ(str(getText(0)), "Hello furball");

    theme = 2;
    setLanguage(1);
    EXPECT_EQ(str(getText(0)), "Hallo furball");
}

TEST_F(LanguageTest, FormatUsesEnglishWhenTranslationPlaceholdersDiffer)
{
    setLanguage(1);
    EXPECT_EQ(languageCounter, 1);
    testing::internal::CaptureStdout();
    EXPECT_EQ(str(formatText(1, 3, "Anna")), "3 furballs left of Anna");
    EXPECT_EQ(str(formatText(1, 4, "Bo")), "4 furballs left of Bo");
    std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("ERR"), std::string::npos);
    EXPECT_EQ(log.find("text 1 "), log.rfind("text 1 ")) << "logged once: " << log;
    EXPECT_EQ(languageCounter, 1) << "loading the English reference is not a language choice";
    EXPECT_EQ(str(formatText(2)), "100% fertig");
    EXPECT_EQ(str(getLanguageName()), "Deutsch");
    EXPECT_TRUE(isLanguage(1));
    EXPECT_EQ(currentLanguage(), 1);
}

TEST_F(LanguageTest, FormattingIsBounded)
{
    setLanguage(0);
    std::string longName(3000, 'x');
    String text = formatText(70, longName.c_str());
    EXPECT_EQ(text.length(), 1023);
}

TEST_F(LanguageTest, ChoiceFile)
{
    struct Case {
        const char* bytes;
        int size;
        int language;
    } cases[] = {
        {"\x01\x00\x00\x00", 4, 1}, {"\x04\x00\x00\x00", 4, 4}, {"\x07\x00\x00\x00", 4, 0},
        {"\xff\xff\xff\xff", 4, 0}, {"\x03\x00", 2, 0},          // too short
    };
    for (const Case& c : cases) {
        writeFile("lang.dat", std::string(c.bytes, c.size));
        loadLanguageChoice();
        EXPECT_EQ(currentLanguage(), c.language) << c.size;
        EXPECT_TRUE(isLanguage(c.language));
    }
    remove("lang.dat");
    loadLanguageChoice();
    EXPECT_TRUE(isLanguage(0));

    EXPECT_TRUE(setLanguage(3));
    EXPECT_EQ(readFile("lang.dat"), std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(str(getText(0)), "?") << "french.txt is missing: a language with no texts";
    loadLanguageChoice();
    EXPECT_EQ(currentLanguage(), 3);
}

TEST_F(LanguageTest, DurationTexts)
{
    setLanguage(0);
    struct Case {
        int seconds;
        const char* text;
    } cases[] = {
        {0, "0 seconds"},  {1, "1 second"},   {59, "59 seconds"},          {60, "1 minute"},
        {61, "1 minute 1s"}, {125, "2 minutes 5s"}, {3600, "60 minutes"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(str(formatDurationText(c.seconds)), c.text) << c.seconds;
}
