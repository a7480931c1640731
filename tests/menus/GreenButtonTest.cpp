#include "tests/ui/MenuTestFolder.h"

#include "graphics/SpriteSheet.h"
#include "menus/GreenButton.h"

namespace {

// The face picture: left column, middle columns and right column of three colours, so a stretch shows which
// column was repeated; the top-left corner half transparent.
const RGBA kLeft = {200, 40, 40, 255};
const RGBA kMiddle = {40, 200, 100, 255};
const RGBA kRight = {40, 40, 200, 255};

class GreenButtonTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        writeFace(255);
    }

    static void writeFace(unsigned char alpha)
    {
        Bitmap face(25, 25, false);
        for (int y = 0; y < 25; y++)
            for (int x = 0; x < 25; x++) {
                RGBA c = x == 0 ? kLeft : x == 24 ? kRight : kMiddle;
                c.a = alpha;
                face.at(x, y) = c;
            }
        face.at(0, 0) = RGBA{200, 100, 50, alpha == 0 ? (unsigned char)0 : (unsigned char)128};
        ASSERT_TRUE(face.savePng("GreenButton_25x25.png"));
    }

    // First row of the region with a pixel as bright as firstBrightRow looks for; -1 for none.
    static int firstInkedRow(const PixelView& view)
    {
        for (int y = 0; y < view.height; y++)
            for (int x = 0; x < view.width; x++)
                if (view.pixels[y * view.stride + x].g > 150)
                    return y;
        return -1;
    }

    // First screen row from `from` down with a pixel brighter than the threshold in the column range.
    static int firstBrightRow(int from, int x0, int x1, int threshold)
    {
        for (int y = from; y < 480; y++)
            for (int x = x0; x < x1; x++)
                if (pixel(x, y).g > threshold)
                    return y;
        return -1;
    }

    SpriteSheet atlas{512, 512, false};
};

TEST_F(GreenButtonTest, FaceIsWidenedByItsMiddleColumnAndTheCaptionRegionIsAsWideAnd32High)
{
    GreenButton button(&atlas, "Get it", 150, 13);
    EXPECT_EQ(175, button.width());
    EXPECT_EQ(25, button.height());
    EXPECT_EQ(175, button.face.width);
    EXPECT_EQ(25, button.face.height);
    EXPECT_EQ(175, button.caption.width);
    EXPECT_EQ(32, button.caption.height);
    const PixelView face = button.face.pixelView(0);
    ASSERT_NE(nullptr, face.pixels);
    EXPECT_EQ(rgbaWord(kLeft), rgbaWord(face.pixels[12 * face.stride]));
    for (int x : {1, 87, 173})
        EXPECT_EQ(rgbaWord(kMiddle), rgbaWord(face.pixels[12 * face.stride + x])) << x;
    EXPECT_EQ(rgbaWord(kRight), rgbaWord(face.pixels[12 * face.stride + 174]));
}

TEST_F(GreenButtonTest, PressedFaceHasEveryColourHalvedAndItsAlphaKept)
{
    GreenButton button(&atlas, "", 30, 13);
    const PixelView face = button.face.pixelView(0);
    const PixelView pressed = button.pressedFace.pixelView(0);
    ASSERT_EQ(face.width, pressed.width);
    ASSERT_EQ(face.height, pressed.height);
    EXPECT_EQ(128, face.pixels[0].a) << "the half transparent corner";
    for (int y = 0; y < face.height; y++)
        for (int x = 0; x < face.width; x++) {
            const RGBA f = face.pixels[y * face.stride + x];
            const RGBA p = pressed.pixels[y * pressed.stride + x];
            ASSERT_EQ(f.r >> 1, p.r) << x << "," << y;
            ASSERT_EQ(f.g >> 1, p.g) << x << "," << y;
            ASSERT_EQ(f.b >> 1, p.b) << x << "," << y;
            ASSERT_EQ(f.a, p.a) << x << "," << y;
        }
}

TEST_F(GreenButtonTest, PressedButtonDrawsTheDarkFaceAndReleasedTheBrightOne)
{
    GreenButton button(&atlas, "", 30, 13);
    atlas.uploadPages();
    button.render(20, 40, 1.0f, -1.0f, 1.0f, 0.0f, true);
    EXPECT_TRUE(pixelNear(pixel(40, 52), RGBA{20, 100, 50, 255}));
    button.render(20, 40, 1.0f, -1.0f, 1.0f, 0.0f, false);
    EXPECT_TRUE(pixelNear(pixel(40, 52), kMiddle));
}

TEST_F(GreenButtonTest, CaptionSitsFourPixelsBelowTheTopAndOneMoreBelowSize12)
{
    writeFace(0);  // a clear face: only the caption shows
    struct Case {
        int fontSize;
        int drop;
    } cases[] = {{13, 4}, {12, 4}, {11, 5}};
    for (const Case& c : cases) {
        SpriteSheet sheet(512, 512, false);
        GreenButton button(&sheet, "HHHH", 150, c.fontSize);
        const int inked = firstInkedRow(button.caption.pixelView(0));
        ASSERT_GE(inked, 0) << c.fontSize;
        sheet.uploadPages();
        clearFrame(0, 0, 0, 1);
        button.render(50, 100, 1.0f, -1.0f, 1.0f, 0.0f, false);
        EXPECT_EQ(100 + c.drop + inked, firstBrightRow(90, 50, 225, 150)) << "size " << c.fontSize;
    }
}

TEST_F(GreenButtonTest, PressedCaptionIsDrawnAtHalfOpacity)
{
    writeFace(0);
    GreenButton button(&atlas, "HHHH", 150, 16);
    atlas.uploadPages();
    auto brightest = [] {
        int most = 0;
        for (int y = 100; y < 140; y++)
            for (int x = 50; x < 225; x++)
                most = std::max(most, (int)pixel(x, y).g);
        return most;
    };
    button.render(50, 100, 1.0f, -1.0f, 1.0f, 0.0f, false);
    const int released = brightest();
    clearFrame(0, 0, 0, 1);
    button.render(50, 100, 1.0f, -1.0f, 1.0f, 0.0f, true);
    const int pressed = brightest();
    EXPECT_GT(released, 240);
    EXPECT_NEAR(released / 2, pressed, 3);
}

}  // namespace
