#include "tests/menus/ScreenTestSupport.h"

#include <cstdio>

#include "board/ScoreBoard.h"
#include "menus/LanguageSelectMenu.h"
#include "settings/AbSettings.h"
#include "tests/ui/MenuPictures.h"

namespace {

const char* const kFlagFiles[] = {"gb.png", "de.png", "es.png", "fr.png", "it.png"};

int32_t gFakeNow = 0;
int32_t fakeNow() { return gFakeNow; }

class LanguageSelectMenuTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        linkMenuPictures();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"BtCSliderBackground_248x78.png", "BtC_Slider_Shadow_248x77.png"}));
        for (int i = 0; i < 5; i++)
            writePicture(kFlagFiles[i], 60, 40, RGBA{(unsigned char)(40 * i + 40), 0, 0, 255});
        for (int language = 0; language < kLanguageCount; language++)
            writeTexts(language);
        useTextsById(kFrench, texts());
        remove("lang.dat");
        gFakeNow = 1000;
    }

    static std::map<int, std::string> texts()
    {
        return {{0, "OK"}, {30, "Language"}, {31, "English"}, {32, "German"}, {33, "Spanish"}, {34, "French"},
                {35, "Italian"}};
    }
    static void writeTexts(int language)
    {
        useTextsById(language, texts());
    }

    // What "lang.dat" holds, -1 when it is missing or short.
    static int storedLanguage()
    {
        FILE* file = fopen("lang.dat", "rb");
        if (!file)
            return -1;
        unsigned char bytes[4];
        const size_t n = fread(bytes, 1, 4, file);
        fclose(file);
        return n == 4 ? bytes[0] | bytes[1] << 8 | bytes[2] << 16 | bytes[3] << 24 : -1;
    }

    static ViewElementI* okButton(LanguageSelectMenu& menu)
    {
        for (int i = 0; i < menu.inner.children.size(); i++)
            if (menu.inner.children[i].tag == LanguageSelectMenu::kOkTag)
                return menu.inner.children[i].element.get();
        return nullptr;
    }

    static int drag(LanguageSelectMenu& menu, int fromX, int toX, int y)
    {
        menu.handleTouch(TouchDown, fromX, y);
        for (int step = 1; step <= 10; step++) {
            gFakeNow += 16;
            menu.handleTouch(TouchMove, fromX + (toX - fromX) * step / 10, y);
        }
        gFakeNow += 400;
        return menu.handleTouch(TouchUp, toX, y);
    }

    static void settle(LanguageSelectMenu& menu)
    {
        for (int frame = 0; frame < 300 && menu.carousel.scroller.isMoving(); frame++)
            menu.render();
    }
};

TEST_F(LanguageSelectMenuTest, OkOnTheCurrentLanguageStillStoresItAndRemakesTheWordPictures)
{
    LanguageSelectMenu menu(&host, false);
    menu.carousel.scroller.setClock(fakeNow);
    EXPECT_EQ(0, menu.render()) << "the carousel rests on the current language";
    saveFrame("language_menu");
    ViewElementI* ok = okButton(menu);
    ASSERT_NE(nullptr, ok);
    gScoreBoard.key = 7;
    EXPECT_EQ(-1, menu.handleTouch(TouchDown, ok->x + 10, ok->y + 10));
    EXPECT_EQ(-1, storedLanguage()) << "nothing before the release";
    EXPECT_EQ(1, menu.handleTouch(TouchUp, ok->x + 10, ok->y + 10));
    EXPECT_EQ(kFrench, storedLanguage());
    EXPECT_EQ(kFrench, currentLanguage());
    EXPECT_NE(7, gScoreBoard.key) << "the score board starts over";
    EXPECT_EQ(1, host.languageChanges);
}

TEST_F(LanguageSelectMenuTest, SpinningAppliesNothingUntilOk)
{
    LanguageSelectMenu menu(&host, false);
    menu.carousel.scroller.setClock(fakeNow);
    menu.render();
    const int top = menu.inner.children[menu.plateChild].y;
    EXPECT_EQ(-1, drag(menu, 240, 240 - 2 * 78, top + 60));
    settle(menu);
    EXPECT_EQ(kLanguageCount - 1, menu.carousel.selectedLanguage());
    EXPECT_EQ(kFrench, currentLanguage()) << "a drag applies nothing";
    EXPECT_EQ(-1, storedLanguage());
    EXPECT_EQ(0, host.languageChanges);

    ViewElementI* ok = okButton(menu);
    menu.handleTouch(TouchDown, ok->x + 10, ok->y + 10);
    EXPECT_EQ(1, menu.handleTouch(TouchUp, ok->x + 10, ok->y + 10));
    EXPECT_EQ(kItalian, currentLanguage());
    EXPECT_EQ(kItalian, storedLanguage());
}

// Frames are asked for while the carousel follows a finger or glides to a flag, and no longer once it sits.
TEST_F(LanguageSelectMenuTest, AsksForFramesOnlyWhileTheCarouselMoves)
{
    LanguageSelectMenu menu(&host, false);
    menu.carousel.scroller.setClock(fakeNow);
    EXPECT_EQ(0, menu.render());
    const int top = menu.inner.children[menu.plateChild].y;
    menu.handleTouch(TouchDown, 240, top + 60);
    gFakeNow += 16;
    menu.handleTouch(TouchMove, 200, top + 60);
    EXPECT_EQ(1, menu.render()) << "dragged";
    gFakeNow += 16;
    menu.handleTouch(TouchUp, 200, top + 60);
    int gliding = 0;
    for (int frame = 0; frame < 300 && menu.render() == 1; frame++) {
        gFakeNow += 16;
        gliding++;
    }
    EXPECT_GT(gliding, 0) << "it glides to a flag";
    EXPECT_FALSE(menu.carousel.scroller.isMoving());
    EXPECT_EQ(0, menu.render()) << "settled";
}

TEST_F(LanguageSelectMenuTest, DragFromTheButtonRowLeavesTheCarouselAndStillReachesTheButton)
{
    LanguageSelectMenu menu(&host, false);
    menu.carousel.scroller.setClock(fakeNow);
    menu.render();
    ViewElementI* ok = okButton(menu);
    ASSERT_NE(nullptr, ok);
    const int y = ok->y + ok->height() / 2;
    EXPECT_GE(y, menu.carousel.scroller.bandBottom);
    EXPECT_EQ(1, drag(menu, ok->x + 5, ok->x + ok->width() - 5, y));
    settle(menu);
    EXPECT_EQ(kFrench, menu.carousel.selectedLanguage());
    EXPECT_EQ(kFrench, storedLanguage());
}

TEST_F(LanguageSelectMenuTest, PlateAndBandFollowTheLayoutAndTheLaunchPictureLiesBehindAtTheFirstStart)
{
    writePicture("Default.png", 320, 480, RGBA{0, 0, 250, 255});
    LanguageSelectMenu first(&host, true);
    ASSERT_TRUE(first.launchImage);
    ASSERT_GE(first.plateChild, 0);
    const ViewChild& plate = first.inner.children[first.plateChild];
    EXPECT_EQ(300, plate.element->width());
    EXPECT_EQ(106, plate.element->height());
    EXPECT_EQ(300, first.carousel.shadow.width);
    EXPECT_EQ(105, first.carousel.shadow.height);
    first.render();
    EXPECT_EQ(plate.y, first.carousel.scroller.bandTop);
    EXPECT_EQ(plate.y + 130, first.carousel.scroller.bandBottom);
    EXPECT_GT(pixel(2, 2).b, 100) << "the launch picture, dimmed";

    clearFrame(0, 0, 0, 1);
    LanguageSelectMenu later(&host, false);
    EXPECT_FALSE(later.launchImage);
    later.render();
    EXPECT_LT(pixel(2, 2).b, 20);
}

TEST_F(LanguageSelectMenuTest, ShadowDarkensThePlatesEndsAndNothingBelowIt)
{
    LanguageSelectMenu menu(&host, false);
    menu.render();
    const int top = menu.inner.children[menu.plateChild].y;
    ViewElementI* ok = okButton(menu);
    const RGBA end = pixel(16, top + 53);
    const RGBA below = pixel(16, top + 114);
    const RGBA button = pixel(ok->x + 6, ok->y + ok->height() / 2);
    clearFrame(0, 0, 0, 1);
    menu.carousel.shadow = SpriteRef();
    menu.render();
    EXPECT_LT(end.r + 20, pixel(16, top + 53).r) << "the plate's end in shadow";
    EXPECT_TRUE(pixelNear(below, pixel(16, top + 114), 0)) << "between the plate and the button, at the end of the strip";
    EXPECT_TRUE(pixelNear(button, pixel(ok->x + 6, ok->y + ok->height() / 2), 0)) << "the button";
}

}  // namespace
