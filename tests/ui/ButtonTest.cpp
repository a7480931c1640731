#include "tests/ui/MenuTestFolder.h"

#include <memory>

#include "graphics/SpriteSheet.h"
#include "ui/BackButton.h"
#include "ui/Button.h"

namespace {

const RGBA kButtonGrey = {100, 100, 100, 255};

class ButtonTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        writePicture("Button_shrunk_25x41.png", 25, 41, kButtonGrey);
        writePicture("Button_Large_shrunk_30x45.png", 30, 45, kButtonGrey);
        writePicture("Button_SmallRounded_shrunk_20x30.png", 20, 30, kButtonGrey);
        writePicture("SmallRounded_30x30.png", 30, 30, kButtonGrey);
        writePicture("Back_30x30.png", 30, 30, kButtonGrey);
    }

    // A caption whose width in the menu font is exactly `target` at that size, made of runs of two letters;
    // empty when none is found.
    static std::string captionOfWidth(int target, int fontSize)
    {
        const char letters[] = "aeilmnorstuWM ";
        for (int n = 1; n < 60; n++)
            for (const char* a = letters; *a; a++)
                for (const char* b = letters; *b; b++)
                    for (int k = 0; k <= n; k++) {
                        const std::string caption = "B" + std::string(k, *a) + std::string(n - k, *b);
                        if (widthOf(caption, fontSize) == target)
                            return caption;
                    }
        return std::string();
    }

    static ButtonOptions style(int value, bool chevron = false)
    {
        ButtonOptions options;
        options.style = value;
        options.chevron = chevron ? 1 : 0;
        return options;
    }

    // Pixels of the built picture, in rows from..to, that are not the plain background.
    static int inkInRows(const Button& button, int from, int to)
    {
        const PixelView view = button.picture.pixelView(0);
        int ink = 0;
        for (int y = from; y <= to && y < view.height; y++)
            for (int x = 0; x < view.width; x++) {
                const RGBA p = view.pixels[y * view.stride + x];
                ink += !(p.r == kButtonGrey.r && p.g == kButtonGrey.g && p.b == kButtonGrey.b);
            }
        return ink;
    }

    SpriteSheet atlas{512, 512, false};
};

TEST_F(ButtonTest, FittedButtonIsAtLeastItsMinimumAndElseTheCaptionAndItsEnds)
{
    struct Case {
        int captionWidth;
        int width;
    } cases[] = {{60, 125}, {103, 125}, {104, 126}, {150, 172}};
    for (const Case& c : cases) {
        const std::string caption = captionOfWidth(c.captionWidth, 15);
        ASSERT_FALSE(caption.empty()) << "no caption " << c.captionWidth << " px wide in this font";
        Button button(&atlas, caption.c_str(), style(ButtonStyleFitted));
        EXPECT_EQ(c.width, button.width()) << c.captionWidth << " before the build";
        EXPECT_EQ(41, button.height());
        button.setPosition(0, 0, 0, 0);
        ASSERT_TRUE(button.isBuilt());
        EXPECT_EQ(c.width, button.picture.width) << c.captionWidth << ": the picture";
        EXPECT_EQ(c.width, button.width());
        EXPECT_EQ(41, button.height());
        EXPECT_EQ(15, button.fontSize);
        EXPECT_EQ(10, button.captionY);
    }
}

TEST_F(ButtonTest, LargeCaptionShrinksOnceOrTwiceAndLongOnesAreNudged)
{
    struct Case {
        const char* what;
        int widthAt18;       // the caption is chosen with this width at the style's 18 points (0: see widthAt17)
        int widthAt17;
        bool chevron;
        int fontSize, captionY, captionShift;
    } cases[] = {
        {"fits, short", 200, 0, false, 18, 11, 0},
        {"fits, nudged", 250, 0, false, 18, 11, 2},
        {"fits at the limit", 255, 0, false, 18, 11, 5},
        {"fits beside the chevron, nudged", 205, 0, true, 18, 11, 2},
        {"over by one with the chevron", 211, 0, true, 17, 12, -1},
        {"over by one", 256, 0, false, 17, 12, -1},
        {"still over at 17", 0, 258, false, 16, 12, -1},
    };
    for (const Case& c : cases) {
        const std::string caption = c.widthAt18 ? captionOfWidth(c.widthAt18, 18) : captionOfWidth(c.widthAt17, 17);
        ASSERT_FALSE(caption.empty()) << c.what;
        Button button(&atlas, caption.c_str(), style(ButtonStyleLarge, c.chevron));
        EXPECT_EQ(281, button.width());
        EXPECT_EQ(47, button.height());
        button.setPosition(20, 100, 20, 100);
        EXPECT_EQ(c.fontSize, button.fontSize) << c.what;
        EXPECT_EQ(c.captionY, button.captionY) << c.what;
        EXPECT_EQ(widthOf(caption, c.fontSize), button.captionWidth) << c.what;
        const int limit = c.chevron ? 210 : 255;
        const int expectedShift = c.captionShift >= 0 ? c.captionShift
                                  : button.captionWidth >= limit - 9
                                      ? std::min(button.captionWidth - limit + 10, 10) / 2
                                      : 0;
        EXPECT_EQ(expectedShift, button.captionShift) << c.what;
        EXPECT_EQ(281, button.picture.width);
    }
}

TEST_F(ButtonTest, GermanCaptionsAreOnePointSmaller)
{
    struct Case {
        int style;
        int english, german;
    } cases[] = {{ButtonStyleFitted, 15, 14}, {ButtonStyleLarge, 18, 17}, {ButtonStyleTwoLine, 11, 10},
                 {ButtonStyleRound, 15, 14}};
    for (int language : {kEnglish, kGerman}) {
        useTexts(language, {"x"});
        for (const Case& c : cases) {
            Button button(&atlas, "Los", style(c.style));
            button.width();
            button.measureCaptionSize();
            EXPECT_EQ(language == kGerman ? c.german : c.english, button.fontSize) << "style " << c.style;
            EXPECT_EQ(widthOf("Los", button.fontSize), button.captionWidth);
        }
    }
}

TEST_F(ButtonTest, UnknownStyleBuildsAsTwoLinesSplitAtTheLineBreak)
{
    Button one(&atlas, "W", style(7));
    Button two(&atlas, "W\nW", style(7));
    Button three(&atlas, "W\nW\nW", style(7));
    EXPECT_EQ(125, two.width());
    EXPECT_EQ(30, two.height());
    for (Button* b : {&one, &two, &three})
        b->setPosition(0, 0, 0, 0);
    EXPECT_EQ(125, two.picture.width);
    EXPECT_EQ(30, two.picture.height);
    EXPECT_EQ(11, two.fontSize);
    EXPECT_GT(inkInRows(one, 0, 12), 0);
    EXPECT_EQ(0, inkInRows(one, 16, 29)) << "one line at y 1";
    EXPECT_GT(inkInRows(two, 16, 29), 0) << "the second line at y 12";
    const PixelView a = two.picture.pixelView(0), b = three.picture.pixelView(0);
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 125; x++)
            ASSERT_EQ(rgbaWord(a.pixels[y * a.stride + x]), rgbaWord(b.pixels[y * b.stride + x]))
                << "only the first two lines are drawn";
}

TEST_F(ButtonTest, WoodBlendCoversOnlyTheOnScreenPart)
{
    setSharedMenuTexture(kSharedWood, plainWood(64));
    Button button(&atlas, "", style(ButtonStyleRound));
    button.setPosition(-10, -5, -10.0f, -5.0f);
    EXPECT_EQ(-10, button.x);
    const PixelView view = button.picture.pixelView(0);
    ASSERT_EQ(92, view.width);
    // Grey 100 on wood 64: overlay 50, times alpha 255 >> 8: 49.
    EXPECT_EQ(100, view.pixels[4 * view.stride + 9].r) << "above and left of the screen";
    EXPECT_EQ(100, view.pixels[4 * view.stride + 40].r) << "above the screen";
    EXPECT_EQ(49, view.pixels[5 * view.stride + 10].r);
    EXPECT_EQ(49, view.pixels[20 * view.stride + 80].r);
    button.setPosition(50, 50, 50, 50);
    EXPECT_EQ(49, view.pixels[20 * view.stride + 80].r) << "built once; later placements only move it";
}

TEST_F(ButtonTest, PressedButtonDrawsAtHalfBrightness)
{
    Button button(&atlas, "", style(ButtonStyleRound));
    button.setPosition(0, 0, 0, 0);
    atlas.uploadPages();
    button.render(0, 0, 1.0f, -1.0f, 1.0f, 0, false);
    button.render(0, 100, 1.0f, -1.0f, 1.0f, 0, true);
    EXPECT_TRUE(pixelNear(pixel(40, 15), kButtonGrey));
    EXPECT_TRUE(pixelNear(pixel(40, 115), RGBA{50, 50, 50, 255}));
}

TEST_F(ButtonTest, BackButtonWidensOnlyForAWordWiderThan52)
{
    struct Case {
        int wordWidth;
        int width;
    } cases[] = {{30, 80}, {52, 80}, {53, 81}, {70, 98}};
    for (const Case& c : cases) {
        const std::string word = captionOfWidth(c.wordWidth, 15);
        ASSERT_FALSE(word.empty()) << c.wordWidth;
        useTexts(kEnglish, {"0", "1", "2", "3", "4", word});
        BackButton back(&atlas);
        EXPECT_EQ(c.width, back.width()) << c.wordWidth;
        EXPECT_EQ(30, back.height());
        back.setPosition(5, 5, 5, 5);
        ASSERT_TRUE(back.isBuilt());
        EXPECT_EQ(c.width, back.picture.width) << c.wordWidth;
        EXPECT_EQ(30, back.picture.height);
    }
}

}  // namespace
