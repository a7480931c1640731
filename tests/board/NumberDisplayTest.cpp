#include <gtest/gtest.h>

#include <unistd.h>

#include <vector>

#include "Core/Language.h"
#include "board/NumberDisplay.h"
#include "graphics/TextRender.h"
#include "ui/MenuTextStyle.h"

namespace {

std::vector<int> digitsOf(int value, int divisor)
{
    int digits[10];
    int n = numberDigits(value, divisor, digits);
    return std::vector<int>(digits, digits + n);
}

} // namespace

TEST(NumberDisplayTest, DigitsShownForSampleValues)
{
    EXPECT_EQ((std::vector<int>{0, 0, 7}), digitsOf(7, 1000));
    EXPECT_EQ((std::vector<int>{}), digitsOf(7, 1));
    EXPECT_EQ((std::vector<int>{3, 4}), digitsOf(1234, 100));
    EXPECT_EQ((std::vector<int>{0, 0}), digitsOf(-5, 100));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), digitsOf(1234, 100000));
    EXPECT_EQ((std::vector<int>{3, 0}), digitsOf(30, 100));
}

TEST(NumberDisplayTest, LevelNumbersSitCentred)
{
    EXPECT_FLOAT_EQ(0.0f, levelNumberShift(9));
    EXPECT_FLOAT_EQ(1.5f, levelNumberShift(10));
    EXPECT_FLOAT_EQ(1.0f, levelNumberShift(11));
    EXPECT_FLOAT_EQ(1.5f, levelNumberShift(19));
    EXPECT_FLOAT_EQ(0.5f, levelNumberShift(20));
    EXPECT_FLOAT_EQ(0.5f, levelNumberShift(30));
}

TEST(NumberDisplayTest, TimeCircleBlinks)
{
    EXPECT_EQ(33, timeCircleFrame(30, true, 0));
    EXPECT_EQ(30, timeCircleFrame(30, true, 400));
    EXPECT_EQ(33, timeCircleFrame(30, true, 800));
    EXPECT_EQ(30, timeCircleFrame(30, false, 0));
    EXPECT_EQ(25, timeCircleFrame(25, true, 0));
    EXPECT_EQ(-1, timeCircleFrame(99, true, 0));
    EXPECT_EQ(-1, timeCircleFrame(38, false, 0));
    EXPECT_EQ(37, timeCircleFrame(26, true, 100));
}

TEST(NumberDisplayTest, ClockGaugeFrameOfTheUsedShare)
{
    const struct {
        float fraction;
        int frame;
    } cases[] = {{-0.5f, 0}, {0.0f, 0}, {0.03f, 0}, {0.5f, 16}, {0.999f, 31}, {1.0f, 31}, {7.0f, 31}};
    for (const auto& c : cases)
        EXPECT_EQ(c.frame, clockGaugeFrame(c.fraction)) << c.fraction;
}

TEST(NumberDisplayTest, HudLabelShrinksOnlyWhenItDoesNotFitItsWidth)
{
    char here[4096];
    ASSERT_TRUE(getcwd(here, sizeof here) != nullptr);
    ASSERT_EQ(0, chdir(KELZO_DATA_DIR));   // the font
    const int level = hudLabelFontSize("Level", 64, 15);
    const int longLabel = hudLabelFontSize("Peak Level Solved", 128, 15);
    const int tooLong = hudLabelFontSize("A label far too long for any box this narrow", 20, 15);
    ASSERT_EQ(0, chdir(here));
    EXPECT_EQ(15, level);
    EXPECT_LT(longLabel, 15);
    EXPECT_GE(longLabel, 10);
    EXPECT_EQ(9, tooLong);
}

TEST(NumberDisplayTest, HudLabelsSitOverTheirThingsApartAndOnScreenInEveryLanguage)
{
    // The label rows of the modes' heads-up displays (text ids, and the centres of what they name). "Niveau" was
    // squeezed, "Left" stood far from its number, "Level Medal" and "Livello Ricomincia" ran together.
    struct Row {
        const char* name;
        std::vector<int> texts;   // -1: "Peak Level Solved", which Blitz writes in English
        std::vector<float> centres;
    };
    const Row rows[] = {
        {"Arcade", {266, 265, 263}, {78.0f, 164.0f, 246.0f}},
        {"Blitz", {-1, 265, 263}, {83.0f, 164.0f, 246.0f}},
        {"Challenge, clock", {264, 265, 263}, {78.5f, 177.0f, 260.0f}},
        {"Challenge, restart", {264, 265, 269}, {78.5f, 177.0f, 253.5f}},
        {"Challenge, medal", {264, 265, 270}, {78.5f, 177.0f, 268.0f}},
        {"Frenzy, restart", {268, 265, 269}, {80.0f, 192.0f, 263.5f}},
        {"Frenzy, medal", {268, 265, 270}, {80.0f, 192.0f, 268.0f}},
        {"Free Play", {264, 265, 267}, {72.5f, 172.0f, 270.0f}},
    };
    char here[4096];
    ASSERT_TRUE(getcwd(here, sizeof here) != nullptr);
    ASSERT_EQ(0, chdir(KELZO_DATA_DIR));   // the language files and the font
    for (int language = 0; language < kLanguageCount; language++) {
        unloadLanguage();
        gLanguage = new Language(language);
        for (const Row& row : rows) {
            std::vector<HudLabel> labels(row.texts.size());
            for (size_t i = 0; i < labels.size(); i++) {
                labels[i].text = row.texts[i] == -1 ? String("Peak Level Solved") : getText(row.texts[i]);
                labels[i].centre = row.centres[i];
            }
            layOutHudLabels(labels.data(), int(labels.size()), 0, 320);
            for (size_t i = 0; i < labels.size(); i++) {
                const HudLabel& l = labels[i];
                const std::string what = std::string(gLanguageNames[language]) + " " + row.name + " \"" + l.text.c_str() + "\"";
                EXPECT_GE(l.x, 0) << what;
                EXPECT_LE(l.x + l.width, 320) << what;
                EXPECT_GE(l.fontSize, 9) << what;
                TextStyle oneLine = defaultTextStyle();
                oneLine.wrapMode = 2;
                TextSize drawn{0, 0};
                measureWrappedText(&drawn, l.text.c_str(), l.fontSize, oneLine, -1, -1);
                EXPECT_LE(drawn.width, l.width) << what << " is cut";
                // Over what it names: the thing's centre lies within the label.
                EXPECT_LE(l.x, l.centre) << what;
                EXPECT_GE(l.x + l.width, l.centre) << what;
                if (i > 0) {
                    EXPECT_GE(l.x - (labels[i - 1].x + labels[i - 1].width), 4) << what << " touches the label before";
                }
            }
            // A short word keeps the full size: "Level", "Niveau" and "Left" have room enough.
            EXPECT_EQ(15, labels[1].fontSize) << gLanguageNames[language] << " " << row.name << " "
                                              << labels[1].text.c_str();
        }
    }
    unloadLanguage();
    ASSERT_EQ(0, chdir(here));
}

TEST(NumberDisplayTest, ALabelIsCentredOverItsNumberWhenItHasRoom)
{
    char here[4096];
    ASSERT_TRUE(getcwd(here, sizeof here) != nullptr);
    ASSERT_EQ(0, chdir(KELZO_DATA_DIR));
    HudLabel labels[3];
    labels[0].text = String("Left");
    labels[0].centre = 78.5f;
    labels[1].text = String("Level");
    labels[1].centre = 177.0f;
    labels[2].text = String("A label far too long to stay centred over its thing");
    labels[2].centre = 300.0f;
    layOutHudLabels(labels, 3, 0, 320);
    ASSERT_EQ(0, chdir(here));
    for (int i = 0; i < 2; i++)
        EXPECT_NEAR(labels[i].x + labels[i].width / 2.0f, labels[i].centre, 1.0f) << labels[i].text.c_str();
    EXPECT_EQ(9, labels[2].fontSize) << "shrunk as far as it goes";
    EXPECT_EQ(320 - 3, labels[2].x + labels[2].width) << "kept on the screen, off-centre";
    EXPECT_GE(labels[2].x, int((177.0f + 300.0f) / 2) + 3) << "and within its share of the row";
}
