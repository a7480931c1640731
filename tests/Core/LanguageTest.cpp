#include "Core/Language.h"

#include "tests/support/TempFolder.h"

#include <functional>
#include <string>
#include <vector>
#include "tests/support/StdString.h"

namespace {

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

std::string fileOf(const std::vector<std::string>& lines)
{
    std::string text;
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
        {"plain", ""},          {"%d of %s", "is"},    {"100%% %i", "i"},   {"%-5.2f|%x", "!"},
        {"%*d", "!"},           {"%ld %lu", "ll"},     {"%n", "!"},         {"%1$s", "!"},
        {"50%", "!"},           {"%y", "!"},           {"%c%p", "ip"},      {"%5d", "!"},
        {"%.2f", "!"},          {"%05d", "!"},         {"%-0+d", "i"},      {"%hhd %hu", "ii"},
        {"%lld", "L"},          {"%lf %g", "ff"},      {"%ls", "!"},        {"%lc", "!"},
        {"%zu", "!"},           {"%Lf", "!"},          {"%hf", "!"},        {"%llld", "!"},
        {"%m", "!"},            {"% d", "i"},          {"%%%d%%", "i"},
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

TEST(LanguageFile, FormatKindsComeFromTheValuesTypes)
{
    enum Small { kSmall };
    EXPECT_EQ(formatKindOf<int>(), 'i');
    EXPECT_EQ(formatKindOf<unsigned>(), 'i');
    EXPECT_EQ(formatKindOf<char>(), 'i');
    EXPECT_EQ(formatKindOf<bool>(), 'i');
    EXPECT_EQ(formatKindOf<short>(), 'i');
    EXPECT_EQ(formatKindOf<Small>(), 'i');
    EXPECT_EQ(formatKindOf<long>(), 'l');
    EXPECT_EQ(formatKindOf<unsigned long long>(), 'L');
    EXPECT_EQ(formatKindOf<float>(), 'f');
    EXPECT_EQ(formatKindOf<double>(), 'f');
    EXPECT_EQ(formatKindOf<const char*>(), 's');
    EXPECT_EQ(formatKindOf<char*>(), 's');
    EXPECT_EQ(formatKindOf<const void*>(), 'p');
}

// Damaged texts, in the English file and in a translation. None may reach printf: each comes back at
// once as a text of bounded size, formatted from the English text when that one fits the values.
TEST_F(LanguageTest, HostileTextsNeverReachPrintf)
{
    struct Case {
        const char* hostile;
        const char* english;  // a sound text for the same values
        std::function<String(int)> format;
        const char* formatted;
    } cases[] = {
        {"Level %s", "Level %d", [](int id) { return formatText(id, 7); }, "Level 7"},
        {"Moves %n", "Moves %d", [](int id) { return formatText(id, 7); }, "Moves 7"},
        {"%999999999d", "%d", [](int id) { return formatText(id, 7); }, "7"},
        {"%2147483647d", "%d", [](int id) { return formatText(id, 7); }, "7"},
        {"%.999999999f", "%f", [](int id) { return formatText(id, 2.5); }, "2.500000"},
        {"%*d", "%d", [](int id) { return formatText(id, 7); }, "7"},
        {"%1$d", "%d", [](int id) { return formatText(id, 7); }, "7"},
        {"50%", "50%%", [](int id) { return formatText(id); }, "50%"},
        {"Score %", "Score %d", [](int id) { return formatText(id, 7); }, "Score 7"},
        {"%d of %d", "%d done", [](int id) { return formatText(id, 7); }, "7 done"},      // too many
        {"%d", "%d of %d", [](int id) { return formatText(id, 3, 8); }, "3 of 8"},        // too few
        {"%s and %s", "%s", [](int id) { return formatText(id, "Anna"); }, "Anna"},
    };
    // Text 100 + k is the hostile text in both files; text 150 + k is hostile in German only.
    std::vector<std::string> english(200, ""), german(200, "");
    const int count = sizeof cases / sizeof cases[0];
    for (int k = 0; k < count; ++k) {
        english[100 + k] = german[100 + k] = german[150 + k] = cases[k].hostile;
        english[150 + k] = cases[k].english;
    }
    writeFile("english.txt", fileOf(english));
    writeFile("german.txt", fileOf(german));

    for (int language : {0, 1}) {
        setLanguage(language);
        testing::internal::CaptureStdout();
        for (int k = 0; k < count; ++k) {
            const Case& c = cases[k];
            SCOPED_TRACE(std::string(gLanguageNames[language]) + ": " + c.hostile);
            EXPECT_EQ(str(c.format(100 + k)), c.hostile) << "shown as it stands, never formatted";
            EXPECT_EQ(str(c.format(100 + k)), c.hostile) << "the same again";
            EXPECT_EQ(str(c.format(150 + k)), c.formatted);
        }
        std::string log = testing::internal::GetCapturedStdout();
        EXPECT_NE(log.find("text 100 "), std::string::npos);
        EXPECT_EQ(log.find("text 100 "), log.rfind("text 100 ")) << "logged once: " << log;
    }
}

// Every "furball" of a very long line takes the theme word, the word itself holding "furball" too; the
// old rebuild of the whole line at each word took about a second for a line like this.
TEST_F(LanguageTest, ThemeWordInALineOfFortyThousandFurballs)
{
    std::vector<std::string> lines(80, "");
    lines[68] = "soccer ball";
    lines[69] = "big furball";
    std::string line, soccer, big;
    for (int i = 0; i < 40000; ++i) {
        line += "furball; ";
        soccer += "soccer ball; ";
        big += "big furball; ";
    }
    line += "end";  // not a blank: the loader trims lines
    soccer += "end";
    big += "end";
    lines[0] = line;
    writeFile("english.txt", fileOf(lines));
    setLanguage(0);
    theme = 2;
    EXPECT_TRUE(str(getText(0)) == soccer);
    theme = 3;
    EXPECT_TRUE(str(getText(0)) == big);
}
