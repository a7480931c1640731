#include "tests/ui/DataFolderGlTest.h"

#include "graphics/FontCache.h"
#include "modes/PraiseDisplay.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"

#include <string>
#include <vector>

namespace {

// The dice of the picks: a fixed sequence, repeated.
std::vector<int> gRolls;
size_t gRoll = 0;
int nextRoll() { return gRolls[gRoll++ % gRolls.size()]; }
void rolls(std::vector<int> values)
{
    gRolls = std::move(values);
    gRoll = 0;
}

// The words come from the English text file and the default font of the data
// folder; the game clock starts at 10 s.
class PraiseDisplayTest : public DataFolderGlTest {
protected:
    void SetUp() override
    {
        DataFolderGlTest::SetUp();
        savedFont = gDefaultFontFile;
        setDefaultFontFile("Insanibu");  // as the game does at start-up
        savedNwt = gAbSettings.nwt;
        gAbSettings.nwt = 0;
        gGameClock = GameClock();
        gGameClock.updateAt(10000);
        praise.random = &nextRoll;
    }
    void TearDown() override
    {
        gDefaultFontFile = savedFont;
        gAbSettings.nwt = savedNwt;
        DataFolderGlTest::TearDown();
    }
    // Steps and draws the word `ms` after the clock's start on a black frame.
    bool frameAt(int ms)
    {
        gGameClock.updateAt(10000 + ms);
        clearFrame(0, 0, 0, 1);
        return praise.update();
    }
    int litPixelsAround(int cx, int cy, int halfWidth, int halfHeight)
    {
        int lit = 0;
        for (int py = cy - halfHeight; py <= cy + halfHeight; py += 2)
            for (int px = cx - halfWidth; px <= cx + halfWidth; px += 2)
                if (pixel(px, py).r > 40)
                    lit++;
        return lit;
    }

    PraiseDisplay praise;
    String savedFont;
    int savedNwt = 0;
};

}  // namespace

TEST(PraiseTimingTest, TimingByVariationAndLanguage)
{
    struct Case {
        int variation, language;
        PraiseTiming timing;
    };
    const Case cases[] = {
        {0, kEnglish, {425, 1050, 1475, 425, 425}},  {1, kEnglish, {425, 1050, 1475, 425, 425}},
        {0, kGerman, {425, 956, 1381, 425, 425}},    {1, kFrench, {425, 956, 1381, 425, 425}},
        {3, kEnglish, {425, 956, 1381, 425, 425}},   {2, kEnglish, {425, 893, 1318, 425, 425}},
        {2, kItalian, {425, 893, 1318, 425, 425}},   {4, kEnglish, {340, 465, 1102, 340, 637}},
        {4, kSpanish, {340, 465, 1102, 340, 637}},
    };
    for (const Case& c : cases) {
        const PraiseTiming t = praiseTiming(c.variation, c.language);
        EXPECT_EQ(t.fadeInEnd, c.timing.fadeInEnd) << c.variation << " " << c.language;
        EXPECT_EQ(t.holdEnd, c.timing.holdEnd) << c.variation << " " << c.language;
        EXPECT_EQ(t.fadeOutEnd, c.timing.fadeOutEnd) << c.variation << " " << c.language;
        EXPECT_EQ(t.fadeInDivisor, c.timing.fadeInDivisor) << c.variation << " " << c.language;
        EXPECT_EQ(t.fadeOutDivisor, c.timing.fadeOutDivisor) << c.variation << " " << c.language;
    }
}

TEST(PraiseTimingTest, OpacityAndMotionAlongTheWay)
{
    const PraiseTiming english = praiseTiming(0, kEnglish);
    const PraiseTiming quick = praiseTiming(4, kEnglish);
    struct Case {
        const PraiseTiming* timing;
        int t;
        float opacity;
    };
    const Case cases[] = {
        {&english, -200, -200.0f / 425}, {&english, 0, 0.0f},   {&english, 212, 212.0f / 425},
        {&english, 425, 1.0f},           {&english, 1049, 1.0f}, {&english, 1050, 425.0f / 425},
        {&english, 1263, 212.0f / 425},  {&english, 1475, 0.0f}, {&quick, 170, 0.5f},
        {&quick, 465, 637.0f / 637},     {&quick, 783, 319.0f / 637},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(praiseOpacity(*c.timing, c.t), c.opacity, 1e-5) << c.t;

    struct Motion {
        int elapsed, variation;
        bool slow;
        float scale, yOffset;
    };
    const Motion motions[] = {
        {425, 0, false, 1.0f, 0.0f},
        {850, 1, false, 2.0f, 0.0f},
        {170, 3, false, 0.9f * 0.4f, 0.0f},
        {680, 3, false, 0.9f * (0.8f + 0.7f * 0.8f), 0.0f},
        {20, 4, false, 0.95f, 18.0f - 0.2f - 0.000008333333f * 400},
        {600, 4, false, 1.0f, 18.0f - 6.0f - 3.0f},
        {276, 0, true, 2.0f * 276 * 0.0018099548f, 0.0f},
        {1105, 0, true, 2.0f * (1.0f + 0.8f * (1105 * 0.0018099548f - 1.0f)), 0.0f},
    };
    for (const Motion& m : motions) {
        const PraiseMotion got = praiseMotion(m.elapsed, m.variation, m.slow);
        EXPECT_NEAR(got.scale, m.scale, 1e-3) << m.elapsed << " " << m.variation;
        EXPECT_NEAR(got.yOffset, m.yOffset, 1e-3) << m.elapsed << " " << m.variation;
    }
}

TEST_F(PraiseDisplayTest, PicksFromTheChosenListAndNeverTheLastTwoWords)
{
    struct Case {
        const char* what;
        bool listB, listC;
        std::vector<int> rolls;
        std::vector<std::string> words;
    };
    const Case cases[] = {
        {"list A", false, false, {0, 1, 7}, {"Well Done!", "Great!", "Super!"}},
        {"list B", true, false, {0, 1, 7}, {"Perfect!", "Great!", "Super!"}},
        {"list C wins over B", true, true, {0, 1, 7}, {"Nice One!", "Amazing!", "Superb!"}},
        // Index 3 is "Well Done!" again, 4 "Great!" again: both are picked anew.
        {"repeats picked again", false, false, {0, 1, 3, 4, 0, 2}, {"Well Done!", "Great!", "Excellent!"}},
    };
    for (const Case& c : cases) {
        PraiseDisplay fresh;
        fresh.random = &nextRoll;
        rolls(c.rolls);
        for (const std::string& word : c.words)
            EXPECT_EQ(std::string(fresh.pickWord(c.listB, c.listC).c_str()), word) << c.what;
    }
}

TEST_F(PraiseDisplayTest, TwentyFailedPicksLetTheWordRepeat)
{
    rolls({0});
    EXPECT_EQ(std::string(praise.pickWord(false, false).c_str()), "Well Done!");
    gRoll = 0;
    EXPECT_EQ(std::string(praise.pickWord(false, false).c_str()), "Well Done!");
    EXPECT_EQ(gRoll, 20u);
}

TEST_F(PraiseDisplayTest, NeverThreeTimesInARowWithTheGamesDice)
{
    praise.random = &std::rand;
    std::srand(7);
    for (bool listC : {false, true}) {
        std::string last, before;
        for (int i = 0; i < 300; i++) {
            const std::string word = praise.pickWord(false, listC).c_str();
            EXPECT_FALSE(word == last && word == before) << i;
            before = last;
            last = word;
        }
    }
}

TEST_F(PraiseDisplayTest, EnglishWordsWithTheExperimentOnlyInEnglish)
{
    gAbSettings.nwt = 1;
    rolls({3});
    EXPECT_EQ(std::string(praise.pickWord(false, false).c_str()), "Puzzle Completed!");
    unloadLanguage();
    gLanguage = new Language(kGerman);
    rolls({7});
    const std::string german = praise.pickWord(false, false).c_str();
    unloadLanguage();
    gLanguage = new Language(kGerman);
    EXPECT_EQ(german, std::string(getText(470).c_str()));
}

TEST_F(PraiseDisplayTest, AnOverrideReplacesThePickAndCountsAsTheLastWord)
{
    rolls({0});
    praise.show(false, false, "Level Up!", 0);
    EXPECT_EQ(std::string(praise.lastWord().c_str()), "Level Up!");
    ASSERT_NE(praise.wordTexture(), nullptr);
    EXPECT_EQ(praise.wordTexture()->width, PraiseDisplay::kWordWidth);
    EXPECT_EQ(praise.wordTexture()->height, PraiseDisplay::kWordHeight);
}

TEST_F(PraiseDisplayTest, ADelayedWordStaysHiddenThenZoomsAndEnds)
{
    rolls({0});
    praise.show(false, false, nullptr, 300);
    EXPECT_EQ(praise.startTime, 10300);

    EXPECT_TRUE(frameAt(150));
    EXPECT_LT(praise.opacity(), 0.0f);
    EXPECT_EQ(litPixelsAround(164, 240, 150, 25), 0);

    // Half way into the zoom the word is half its size: lit near the centre,
    // nothing at the full word's ends.
    EXPECT_TRUE(frameAt(300 + 212));
    EXPECT_NEAR(praise.scale(), 0.5f, 0.01f);
    EXPECT_GT(litPixelsAround(164, 240, 40, 10), 0);
    EXPECT_EQ(litPixelsAround(164 - 140, 240, 10, 10), 0);

    EXPECT_TRUE(frameAt(300 + 700));
    EXPECT_FLOAT_EQ(praise.opacity(), 1.0f);
    EXPECT_GT(litPixelsAround(164 - 90, 240, 30, 12), 0);

    // At the fade-out's end the word is done and its texture gone.
    EXPECT_TRUE(frameAt(300 + 1475));
    EXPECT_TRUE(praise.isDone());
    EXPECT_EQ(praise.wordTexture(), nullptr);
    EXPECT_FALSE(frameAt(300 + 1500));
    EXPECT_EQ(litPixelsAround(164, 240, 150, 25), 0);
}

TEST_F(PraiseDisplayTest, ANewShowReplacesAWordStillAnimating)
{
    rolls({0, 1});
    praise.show(false, false, nullptr, 0);
    EXPECT_TRUE(frameAt(1200));
    EXPECT_LT(praise.opacity(), 1.0f);
    praise.show(false, false, nullptr, 0);
    EXPECT_EQ(std::string(praise.lastWord().c_str()), "Great!");
    EXPECT_EQ(praise.startTime, 11200);
    EXPECT_TRUE(frameAt(1300));
    EXPECT_NEAR(praise.opacity(), 100.0f / 425, 1e-5);
    EXPECT_FALSE(praise.isDone());
}

// Fruit (2) and turtles (4) glow over an 11-pixel window, the other themes over 15; switching theme rebuilds it.
TEST_F(PraiseDisplayTest, TheGlowWindowFollowsTheChosenTheme)
{
    const int savedTheme = gAbSettings.counter(StatChosenTheme);
    struct Case {
        int theme;
        int window;
    };
    const Case cases[] = {{0, 15}, {2, 11}, {1, 15}, {4, 11}, {3, 15}, {5, 15}, {2, 11}};
    rolls({0, 1, 2});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.theme);
        gAbSettings.setCounter(StatChosenTheme, c.theme);
        praise.show(false, false, nullptr, 0);
        ASSERT_EQ(praise.glow.table.size(), 256 * c.window);
        EXPECT_EQ(praise.glow.table[256 * c.window - 1], 255);
        EXPECT_EQ(praise.glow.table[c.window], 1);
        EXPECT_EQ(praise.glow.table[c.window - 1], 0);
    }
    gAbSettings.setCounter(StatChosenTheme, savedTheme);
}
