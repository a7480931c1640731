#include "tests/ui/MenuTestFolder.h"

#include <memory>

#include "graphics/SpriteSheet.h"
#include "graphics/Texture.h"
#include "ui/EngravedText.h"
#include "ui/ShadowedText.h"

namespace {

class MenuTextTest : public MenuTestFolder {
protected:
    // Inked pixels of a region: all, and those that are not black.
    static void countInk(const PixelView& view, int* inked, int* light)
    {
        *inked = *light = 0;
        for (int y = 0; y < view.height; y++)
            for (int x = 0; x < view.width; x++) {
                const RGBA p = view.pixels[y * view.stride + x];
                if (p.a == 0)
                    continue;
                ++*inked;
                if (p.r > 0 || p.g > 0 || p.b > 0)
                    ++*light;
            }
    }
};

TEST_F(MenuTextTest, AutoHeightIsTheDefaultStylesWrappedHeight)
{
    const char* text = "Every furball but one must leave the board";
    TextSize line{0, 0};
    measureWrappedText(&line, "x", 15, defaultTextStyle(), -1, -1);
    const int lineHeight = line.height;
    ASSERT_GT(lineHeight, 0);
    // The widest box that still wraps the text to three lines, found with the real font.
    int width = widthOf(text, 15);
    TextSize size{0, 0};
    for (; width > 20; width--) {
        measureWrappedText(&size, text, 15, defaultTextStyle(), width, 1024);
        if (size.height >= 3 * lineHeight)
            break;
    }
    ASSERT_EQ(3 * lineHeight, size.height) << "no width wraps to exactly three lines";

    TextStyle other = defaultTextStyle();
    other.fontName = "Insanibu";
    TextSize otherSize{0, 0};
    measureWrappedText(&otherSize, text, 15, other, width, 1024);
    SpriteSheet atlas(512, 256, false);
    SpriteRef ref;
    EXPECT_EQ(&ref, makeTextTexture(&ref, &atlas, text, width, -1, 15, other));
    EXPECT_EQ(width, ref.width);
    EXPECT_EQ(size.height, ref.height);
    EXPECT_NE(otherSize.height, ref.height) << "the caller's font must measure differently for this to show anything";
    std::unique_ptr<Bitmap> own(renderWrappedTextBitmap(text, width, -1, 15, other));
    EXPECT_EQ(size.height, own->height);
    EXPECT_EQ(nextPowerOfTwo(width), own->allocW);
}

TEST_F(MenuTextTest, EngravedTextIsBlackOverALightCopy)
{
    SpriteSheet atlas(256, 256, false);
    SpriteRef tall;
    makeTextTexture(&tall, &atlas, "Menu", 100, 30, 20, defaultTextStyle());
    int inked = 0, light = 0;
    countInk(tall.pixelView(0), &inked, &light);
    EXPECT_GT(inked, 0);
    EXPECT_GT(light, 0) << "the grey copy shows under the black letters";
    bool grey240 = false;
    const PixelView view = tall.pixelView(0);
    for (int y = 0; y < view.height; y++)
        for (int x = 0; x < view.width; x++) {
            const RGBA p = view.pixels[y * view.stride + x];
            grey240 = grey240 || (p.a == 255 && p.r == 240 && p.g == 240 && p.b == 240);
        }
    EXPECT_TRUE(grey240);
}

// The lowest row holding ink in a region, -1 for none.
int lowestInkRow(const PixelView& view)
{
    for (int y = view.height - 1; y >= 0; y--)
        for (int x = 0; x < view.width; x++)
            if (view.pixels[y * view.stride + x].a != 0)
                return y;
    return -1;
}

TEST_F(MenuTextTest, ABoxLowerThanALineIsRaisedSoDescendersStayWhole)
{
    // Heads-up labels were 18 px boxes for 21 px lines: "Tiempo", "Medaglia" lost the feet of their p and g.
    SpriteSheet atlas(512, 256, false);
    const TextStyle style = defaultTextStyle();
    const int line = textLineHeight(style, 15);
    ASSERT_GT(line, 18) << "the font's line must be taller than the old box for this to show anything";
    SpriteRef low, roomy;
    makeTextTexture(&low, &atlas, "gypq", 100, 18, 15, style);
    makeTextTexture(&roomy, &atlas, "gypq", 100, 40, 15, style);
    EXPECT_EQ(line + 1, low.height) << "one line and the engraving's row";
    EXPECT_EQ(40, roomy.height) << "a box tall enough is kept";
    EXPECT_EQ(lowestInkRow(roomy.pixelView(0)), lowestInkRow(low.pixelView(0))) << "nothing cut off";
    std::unique_ptr<Bitmap> own(renderWrappedTextBitmap("gypq", 100, 18, 15, style));
    EXPECT_EQ(line + 1, own->height);
}

TEST_F(MenuTextTest, FittedSizeIsTheLargestThatKeepsEveryLineWhole)
{
    const TextStyle wrapped = defaultTextStyle();
    TextStyle oneLine = wrapped;
    oneLine.wrapMode = 2;
    struct Case {
        const char* text;
        TextStyle style;
        int width, height;
    } cases[] = {
        {"Heraus-\nforderung", wrapped, 84, 34},   // two lines at 13 take more than 34 px
        {"Peak Level Solved", oneLine, 90, 22},
        {"Short", oneLine, 200, 40},
    };
    for (const Case& c : cases) {
        const int size = fittedFontSize(c.text, c.width, c.height, 13, c.style);
        TextSize at{0, 0}, larger{0, 0};
        measureWrappedText(&at, c.text, size, c.style, c.style.wrapMode == 0 ? c.width : -1, -1);
        measureWrappedText(&larger, c.text, size + 1, c.style, c.style.wrapMode == 0 ? c.width : -1, -1);
        EXPECT_LE(at.height, c.height) << c.text;
        EXPECT_LE(at.width, c.width) << c.text;
        if (size < 13) {
            EXPECT_TRUE(larger.height > c.height || larger.width > c.width) << c.text << " could be " << size + 1;
        }
    }
    EXPECT_LT(fittedFontSize("Heraus-\nforderung", 84, 34, 13, wrapped), 13);
    EXPECT_EQ(13, fittedFontSize("Short", 200, 40, 13, oneLine));
    EXPECT_EQ(kSmallestFittedSize, fittedFontSize("Far too long for a box this small", 20, 5, 13, oneLine));
    // A word wider than the box would be cut in two: the size goes down until it fits whole.
    const int word = fittedFontSize("Unbelievable", 70, 100, 15, wrapped);
    TextStyle single = oneLine;
    TextSize wordSize{0, 0};
    measureWrappedText(&wordSize, "Unbelievable", word, single, -1, -1);
    EXPECT_LE(wordSize.width, 70);
    EXPECT_LT(word, 15);
}

// Two opaque white rows on top of a clear area: the blur spreads them down as shadow.
PixelView whiteRowsFixture(SpriteSheet& atlas, SpriteRef* ref)
{
    *ref = atlas.reserveRegion(8, 6, 1);
    PixelView view = ref->pixelView(0);
    for (int y = 0; y < 2; y++)
        for (int x = 0; x < 8; x++)
            view.pixels[y * view.stride + x] = RGBA{255, 255, 255, 255};
    return view;
}

TEST_F(MenuTextTest, ShadowLiesOneRowLowerBlurredAndHalfAlphaFadesOnlyTheText)
{
    struct Case {
        int colourAlpha;
        RGBA rows[5];  // rows 0..4 of a middle column
    } cases[] = {
        // Blurred blue by rows: 255, 170, 85, 0: composed one row lower; the first row is never composed.
        {255, {{255, 255, 255, 255}, {255, 255, 255, 255}, {0, 0, 0, 170}, {0, 0, 0, 85}, {0, 0, 0, 0}}},
        {128, {{255, 255, 255, 255}, {128, 128, 128, 255}, {0, 0, 0, 170}, {0, 0, 0, 85}, {0, 0, 0, 0}}},
    };
    for (const Case& c : cases) {
        SpriteSheet atlas(64, 64, false);
        SpriteRef ref;
        PixelView view = whiteRowsFixture(atlas, &ref);
        TextStyle style = defaultTextStyle();
        style.a = c.colourAlpha;
        rasteriseText(view, "", 8, 6, 12, style);
        for (int y = 0; y < 5; y++) {
            const RGBA p = view.pixels[y * view.stride + 4];
            const RGBA e = c.rows[y];
            EXPECT_TRUE(p.r == e.r && p.g == e.g && p.b == e.b && p.a == e.a)
                << "alpha " << c.colourAlpha << ", row " << y << ": (" << (int)p.r << ", " << (int)p.g << ", "
                << (int)p.b << ", " << (int)p.a << ")";
        }
    }
}

TEST_F(MenuTextTest, FadedShadowedTextKeepsItsFullShadow)
{
    SpriteSheet atlas(256, 128, false);
    SpriteRef full, faded;
    TextStyle style = defaultTextStyle();
    renderTextIntoTexture(&full, &atlas, "Shadow", 120, 40, 24, style);
    style.a = 128;
    renderTextIntoTexture(&faded, &atlas, "Shadow", 120, 40, 24, style);
    const PixelView a = full.pixelView(0), b = faded.pixelView(0);
    long fullInk = 0, fadedInk = 0;
    int shadowOnly = 0;
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 120; x++) {
            const RGBA p = a.pixels[y * a.stride + x], q = b.pixels[y * b.stride + x];
            fullInk += p.r;
            fadedInk += q.r;
            if (p.a > 0 && p.r == 0) {  // no letter here, only shadow
                shadowOnly++;
                EXPECT_EQ(p.a, q.a) << "shadow at " << x << ", " << y;
            }
        }
    EXPECT_GT(shadowOnly, 20);
    ASSERT_GT(fullInk, 0);
    const double ratio = (double)fadedInk / (double)fullInk;
    EXPECT_GT(ratio, 0.4);
    EXPECT_LT(ratio, 0.65) << "the letters are drawn at about half";
}

TEST_F(MenuTextTest, ShadowedTextTextureHasTheAskedSize)
{
    std::unique_ptr<Texture> texture(makeTextBitmap("Score", 100, 30, 16, defaultTextStyle()));
    EXPECT_EQ(100, texture->width);
    EXPECT_EQ(30, texture->height);
    EXPECT_EQ(128, texture->storageWidth());
    clearFrame(0, 0, 1, 1);
    drawTexture(texture.get(), 0, 0, DrawParams());
    gRenderBatch.flush();
    std::unique_ptr<Bitmap> shown(frame());
    int changed = 0;
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 100; x++)
            changed += !pixelNear(shown->at(x, y), RGBA{0, 0, 255, 255}, 0);
    EXPECT_GT(changed, 30) << "text and shadow show over blue";
}

}  // namespace
