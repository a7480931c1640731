#include <memory>
#include <string>

#include <unistd.h>

#include "graphics/Texture.h"
#include "menus/AdsMenu.h"
#include "menus/Screenshot.h"
#include "menus/ScreenshotShadow.h"
#include "platform/ServerAddresses.h"
#include "tests/menus/ScreenTestSupport.h"
#include "tests/support/LinkCatcher.h"
#include "tests/ui/MenuPictures.h"
#include "graphics/TextRender.h"
#include "ui/MenuTextStyle.h"

namespace {

class AdsMenuTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        linkMenuPictures();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"MarbixTitle_243x110.png", "MarbixIcon_57x86.png", "MarbixSS1.PNG",
                                               "MarbixSS2.PNG", "MarbixSS3.PNG", "Star_14x14.png",
                                               "GreenButton_25x25.png"}));
        useTextsById(kEnglish, {{5, "Back"}, {205, "A marble puzzle with a twist."}, {206, "Get Marbix"}});
    }

    Screenshot* screenshot(AdsMenu& menu, int index)
    {
        return dynamic_cast<Screenshot*>(menu.cellChild(&menu.cellAt(6, 1 + 2 * index))->element.get());
    }

    void settle(AdsMenu& menu)
    {
        for (int i = 0; i < 60; i++)
            menu.render();
    }

    int tapAt(AdsMenu& menu, int x, int y)
    {
        menu.handleTouch(TouchDown, x, y);
        return menu.handleTouch(TouchUp, x, y);
    }
};

TEST_F(AdsMenuTest, ThreeScreenshotsShareOneShadowThatGoesWithThePage)
{
    std::unique_ptr<AdsMenu> menu(new AdsMenu);
    ASSERT_EQ(menu->rowCount(6), 6) << "space, shot, space, shot, space, shot";
    Ref<Texture> shadow;
    for (int i = 0; i < 3; i++) {
        Screenshot* shot = screenshot(*menu, i);
        ASSERT_NE(shot, nullptr) << i;
        EXPECT_EQ(shot->width(), 64);
        EXPECT_EQ(shot->height(), 96);
        if (i == 0)
            shadow = shot->shadow;
        EXPECT_EQ(shot->shadow.get(), shadow.get()) << "one shadow for all three";
    }
    ASSERT_TRUE(shadow);
    EXPECT_EQ(shadow.useCount(), 4) << "the page kept no reference of its own";
    menu.reset();
    EXPECT_EQ(shadow.useCount(), 1) << "each screenshot let go of it once";
}

TEST_F(AdsMenuTest, TheShadowLiesUnderEachScreenshotFourPixelsLower)
{
    Bitmap* white = new Bitmap(64, 96, true);
    for (int y = 0; y < 96; y++)
        for (int x = 0; x < 64; x++)
            white->at(x, y) = RGBA{255, 255, 255, 255};
    Ref<Texture> shadow(new Texture(makeScreenshotShadowBitmap(), false, false));
    Screenshot shot(white, shadow);
    clearFrame(1, 1, 1, 1);
    shot.render(100, 100, 1.0f, 1.0f, 1.0f, 0.0f, false);
    EXPECT_TRUE(pixelNear(pixel(130, 150), RGBA{255, 255, 255, 255})) << "the picture on top";
    // Under the picture's bottom edge: screen y 196..199 is shadow rows 100..103 of a rectangle that ends at 103.
    EXPECT_LT(pixel(130, 198).r, 200) << "shadow below the picture";
    EXPECT_TRUE(pixelNear(pixel(130, 215), RGBA{255, 255, 255, 255})) << "the shadow fades out past its border";
    // The shadow's texture starts 8 px left of the picture: its columns 0 and 1 stay clear, 5 holds alpha 32.
    EXPECT_TRUE(pixelNear(pixel(93, 150), RGBA{255, 255, 255, 255}));
    EXPECT_TRUE(pixelNear(pixel(97, 150), RGBA{223, 223, 223, 255}, 3));
    bool consumed = false;
    EXPECT_EQ(shot.handleTouch(TouchDown, 130, 150, &consumed), -1);
}

TEST_F(AdsMenuTest, TheGreenButtonOpensTheStorePageAndThePageStays)
{
    char folder[4096];
    ASSERT_NE(getcwd(folder, sizeof folder), nullptr);
    LinkCatcher links{std::string(folder)};
    std::unique_ptr<AdsMenu> menu(new AdsMenu);
    settle(*menu);
    saveFrame("ads_page");
    ViewChild* store = menu->cellChild(menu->findCell(AdsMenu::kTagStore));
    ASSERT_NE(store, nullptr);
    ViewElementI* button = store->element.get();
    EXPECT_EQ(button->width(), 175);
    EXPECT_EQ(button->height(), 25);
    EXPECT_EQ(tapAt(*menu, button->x + 80, button->y + 12), AdsMenu::kTagStore);
    EXPECT_EQ(links.link(), gOtherGameStoreLink);

    EXPECT_EQ(tapAt(*menu, 160, 470), -1) << "outside every button";
    ViewElementI* back = menu->cellChild(menu->findCell(AdsMenu::kTagBack))->element.get();
    EXPECT_EQ(tapAt(*menu, back->x + 10, back->y + 10), AdsMenu::kTagBack);
}

TEST_F(AdsMenuTest, OurQuotesAndSitesFitTheirBoxes)
{
    const std::string firstSite = std::string(AdsMenu::kFirstSite) + " - ";
    const std::string secondSite = std::string(AdsMenu::kSecondSite) + " - ";
    struct Case {
        std::string text;
        int width, height, fontSize;
    } cases[] = {
        {AdsMenu::kFirstQuote, 250, 32, 11},
        {AdsMenu::kSecondQuote, 250, 48, 11},
        {firstSite, 127, 16, 9},
        {secondSite, 64, 16, 9},
    };
    for (const Case& c : cases) {
        TextSize size;
        measureWrappedText(&size, c.text.c_str(), c.fontSize, defaultTextStyle(), c.width, -1);
        EXPECT_LE(size.height, c.height) << c.text;
        EXPECT_GT(size.height, 0) << c.text;
    }
    EXPECT_LE(widthOf(secondSite, 9), 64);
    EXPECT_LE(widthOf(firstSite, 9), 127);
}

}  // namespace
