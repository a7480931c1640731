#include "tests/menus/ScreenTestSupport.h"

#include "menus/LanguageCarousel.h"
#include "settings/AbSettings.h"

namespace {

const char* const kCarouselFlagFiles[] = {"gb.png", "de.png", "es.png", "fr.png", "it.png"};
const RGBA kFlagColours[] = {
    {200, 0, 0, 255}, {0, 200, 0, 255}, {0, 0, 200, 255}, {200, 200, 0, 255}, {0, 200, 200, 255}};

int32_t gCarouselNow = 0;
int32_t carouselNow() { return gCarouselNow; }

class LanguageCarouselTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        for (int i = 0; i < 5; i++)
            writePicture(kCarouselFlagFiles[i], 60, 40, kFlagColours[i]);
        useTextsById(kSpanish, {{31, "Ingles"}, {32, "Aleman"}, {33, "Espanol"}, {34, "Frances"}, {35, "Italiano"}});
        savedEo_ = gAbSettings.eo;
        gAbSettings.eo = 0;
        gCarouselNow = 1000;
    }
    void TearDown() override
    {
        gAbSettings.eo = savedEo_;
        ScreenTest::TearDown();
    }

    // Frames until the strip rests, at most 300.
    static void settle(LanguageCarousel& carousel, int top)
    {
        for (int frame = 0; frame < 300 && carousel.scroller.isMoving(); frame++)
            carousel.draw(top);
    }

    static void swipe(LanguageCarousel& carousel, int fromX, int toX, int y)
    {
        carousel.handleTouch(TouchDown, fromX, y);
        for (int step = 1; step <= 10; step++) {
            gCarouselNow += 16;
            carousel.handleTouch(TouchMove, fromX + (toX - fromX) * step / 10, y);
        }
        gCarouselNow += 400;  // a slow end: no flick
        carousel.handleTouch(TouchUp, toX, y);
    }

    SpriteSheet atlas{512, 512, false};
    int savedEo_ = 0;
};

TEST(LanguageCarouselScaleTest, FlagsShrinkWithDistanceEasingTowardTheirFloor)
{
    struct Case {
        float d;
        float scale;
    } cases[] = {{0.0f, 1.0f},   {1.0f, 0.85f},  {-1.0f, 0.85f}, {2.0f, 0.765f}, {-2.0f, 0.765f},
                 {1.1f, 0.835f}, {4.0f, 0.615f}, {6.0f, 0.465f}, {7.0f, 0.415f}, {-9.0f, 0.415f}};
    for (const Case& c : cases)
        EXPECT_NEAR(c.scale, LanguageCarousel::flagScale(c.d), 1e-5f) << "d " << c.d;
}

TEST_F(LanguageCarouselTest, StartsOnTheCurrentLanguageWithItsFlagInTheMiddle)
{
    LanguageCarousel carousel(&atlas);
    carousel.scroller.setClock(carouselNow);
    atlas.uploadPages();
    EXPECT_EQ(kSpanish, carousel.selectedLanguage());
    carousel.draw(200);
    EXPECT_TRUE(pixelNear(pixel(160, 245), kFlagColours[kSpanish]));
    EXPECT_TRUE(pixelNear(pixel(160 + 78, 245), kFlagColours[kFrench]));
    EXPECT_TRUE(pixelNear(pixel(160 - 78, 245), kFlagColours[kGerman]));
    EXPECT_TRUE(pixelNear(pixel(160 + 24, 245), kFlagColours[kSpanish])) << "the middle flag at 0.88";
    EXPECT_TRUE(pixelNear(pixel(160 + 28, 245), RGBA{0, 0, 0, 255})) << "not wider";
    EXPECT_TRUE(pixelNear(pixel(5, 245), RGBA{0, 0, 0, 255})) << "clipped left of x 10";
    EXPECT_GT(brightPixels(100, 263, 220, 300), 30) << "the name under the middle flag";
}

TEST_F(LanguageCarouselTest, NamesAreTheCurrentLanguagesWordsOrTheirOwnWithEo)
{
    LanguageCarousel plain(&atlas);
    EXPECT_STREQ("Aleman", carouselLanguageName(kGerman).c_str());
    gAbSettings.eo = 1;
    EXPECT_STREQ("Deutsch", carouselLanguageName(kGerman).c_str());
    EXPECT_STREQ("Fran\xc3\xa7" "ais", carouselLanguageName(kFrench).c_str());
}

TEST_F(LanguageCarouselTest, DragInsideTheBandSpinsAndOneOutsideItDoesNot)
{
    LanguageCarousel carousel(&atlas);
    carousel.scroller.setClock(carouselNow);
    atlas.uploadPages();
    swipe(carousel, 200, 50, 250);
    EXPECT_EQ(kSpanish, carousel.selectedLanguage()) << "no band before the first frame";

    carousel.draw(200);
    EXPECT_EQ(200, carousel.scroller.bandTop);
    EXPECT_EQ(330, carousel.scroller.bandBottom);
    swipe(carousel, 200, 200 - 2 * 78, 400);
    settle(carousel, 200);
    EXPECT_EQ(kSpanish, carousel.selectedLanguage()) << "a drag from the button row";

    swipe(carousel, 200, 200 - 2 * 78, 329);
    settle(carousel, 200);
    EXPECT_EQ(kItalian, carousel.selectedLanguage()) << "two flags to the left";
    swipe(carousel, 30, 30 + 3 * 78, 200);
    settle(carousel, 200);
    EXPECT_EQ(kGerman, carousel.selectedLanguage());
    swipe(carousel, 30, 30 + 3 * 78, 250);
    settle(carousel, 200);
    EXPECT_EQ(kEnglish, carousel.selectedLanguage()) << "stops at the first";
}

}  // namespace
