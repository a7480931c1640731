#include <gtest/gtest.h>

#include <memory>

#include "graphics/Bitmap.h"
#include "graphics/HLSBitmap.h"
#include "graphics/ShadowBitmap.h"

namespace {

// A picture whose every pixel tells where it came from: r = x, g = y.
Bitmap* coordinatePicture(int w, int h) {
    Bitmap* b = new Bitmap(w, h, true);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b->at(x, y) = RGBA{(unsigned char)x, (unsigned char)y, 7, 255};
    return b;
}

TEST(BitmapTest, NextPowerOfTwo) {
    struct Case {
        int n, expected;
    } cases[] = {{-5, 16}, {0, 16}, {15, 16}, {16, 16}, {17, 32}, {100, 128}, {128, 128}, {129, 256}, {1000, 1024}};
    for (const Case& c : cases) EXPECT_EQ(nextPowerOfTwo(c.n), c.expected) << c.n;
}

TEST(BitmapTest, AllocationAndClone) {
    Bitmap pow2(20, 5, true);
    EXPECT_EQ(pow2.allocW, 32);
    EXPECT_EQ(pow2.allocH, 16);
    Bitmap exact(20, 5, false);
    EXPECT_EQ(exact.allocW, 20);
    EXPECT_EQ(exact.allocH, 5);
    EXPECT_EQ(exact.rectW, 20);

    std::unique_ptr<Bitmap> source(coordinatePicture(20, 5));
    source->at(31, 15) = RGBA{1, 2, 3, 4};  // padding is copied too
    std::unique_ptr<Bitmap> copy(source->clone());
    EXPECT_EQ(copy->width, 20);
    EXPECT_EQ(copy->allocW, 32);
    EXPECT_EQ(memcmp(copy->pixels, source->pixels, 32 * 16 * 4), 0);
    copy->clear();
    EXPECT_EQ(copy->pixelWord(3, 3), 0u);
    EXPECT_EQ(source->at(3, 3).r, 3);
}

TEST(BitmapTest, ScaleAlphaKeepsColourAndPadding) {
    Bitmap b(2, 1, true);
    b.at(0, 0) = RGBA{10, 20, 30, 255};
    b.at(1, 0) = RGBA{1, 1, 1, 1};
    b.at(5, 5) = RGBA{9, 9, 9, 200};
    b.scaleAlpha(1.0f);
    EXPECT_EQ(b.at(0, 0).a, 255);
    b.scaleAlpha(0.5f);
    EXPECT_EQ(b.pixelWord(0, 0), rgbaWord(RGBA{10, 20, 30, 127}));
    EXPECT_EQ(b.at(1, 0).a, 0);
    EXPECT_EQ(b.at(5, 5).a, 200);
}

TEST(BitmapTest, CentreStretchGrowsAboutTheMiddle) {
    std::unique_ptr<Bitmap> src(coordinatePicture(248, 78));
    std::unique_ptr<Bitmap> out(src->centreStretch(28, 52));
    ASSERT_EQ(out->width, 300);
    ASSERT_EQ(out->height, 106);
    EXPECT_EQ(out->allocW, 512);
    EXPECT_EQ(out->allocH, 128);
    int rowsFrom39 = 0, colsFrom124 = 0;
    for (int y = 0; y < 106; ++y) rowsFrom39 += out->at(0, y).g == 39;
    for (int x = 0; x < 300; ++x) colsFrom124 += out->at(x, 0).r == 124;
    EXPECT_EQ(rowsFrom39, 29);
    EXPECT_EQ(colsFrom124, 53);
    EXPECT_EQ(out->at(299, 105).r, 247);
    EXPECT_EQ(out->at(299, 105).g, 77);
    EXPECT_EQ(out->at(300, 0).a, 0) << "padding stays clear";
}

TEST(BitmapTest, CentreStretchShrinksAndCopies) {
    std::unique_ptr<Bitmap> src(coordinatePicture(6, 10));
    std::unique_ptr<Bitmap> shorter(src->centreStretch(-2, 0));
    ASSERT_EQ(shorter->height, 8);
    const int rows[] = {0, 1, 2, 3, 4, 7, 8, 9};
    for (int y = 0; y < 8; ++y) EXPECT_EQ(shorter->at(0, y).g, rows[y]) << y;

    std::unique_ptr<Bitmap> narrower(src->centreStretch(0, -2));
    ASSERT_EQ(narrower->width, 4);
    const int cols[] = {0, 1, 4, 5};
    for (int x = 0; x < 4; ++x) EXPECT_EQ(narrower->at(x, 0).r, cols[x]) << x;

    std::unique_ptr<Bitmap> same(src->centreStretch(0, 0));
    EXPECT_EQ(same->allocW, 16);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 6; ++x) ASSERT_EQ(same->pixelWord(x, y), src->pixelWord(x, y));

    std::unique_ptr<Bitmap> gone(src->centreStretch(-20, -20));
    EXPECT_EQ(gone->width, 0) << "shrinking past nothing gives an empty picture, not a crash";
    Bitmap empty(0, 0, true);  // what a missing picture loads as
    std::unique_ptr<Bitmap> stretchedEmpty(empty.centreStretch(10, 10));
    EXPECT_EQ(stretchedEmpty->width, 10);
    EXPECT_EQ(stretchedEmpty->pixelWord(5, 5), 0u);
}

TEST(BitmapTest, ShadowOfTransparentPictureIsClearHalo) {
    Bitmap src(10, 10, true);
    std::unique_ptr<Bitmap> glow(makeShadowBitmap(&src, 4, 2.0f));
    EXPECT_EQ(glow->width, 16 + 8);
    EXPECT_EQ(glow->height, 16 + 8);
    EXPECT_EQ(glow->allocW, 32);
    for (int y = 0; y < glow->height; ++y)
        for (int x = 0; x < glow->width; ++x) ASSERT_EQ(glow->pixelWord(x, y), rgbaWord(RGBA{245, 255, 255, 0}));
    EXPECT_EQ(glow->pixelWord(24, 0), 0u) << "padding";
}

TEST(BitmapTest, ShadowBlursTheAlpha) {
    Bitmap src(16, 16, false);
    src.at(8, 8) = RGBA{255, 255, 255, 255};
    std::unique_ptr<Bitmap> glow(makeShadowBitmap(&src, 1, 2.0f));
    // One opaque pixel spread over a 3 x 3 box: 255 / 3 / 3 in two integer steps, doubled.
    EXPECT_EQ(glow->at(9, 9).a, (255 / 3 / 3) * 2);
    EXPECT_EQ(glow->at(8, 8).a, (255 / 3 / 3) * 2);
    EXPECT_EQ(glow->at(10, 10).a, (255 / 3 / 3) * 2);
    EXPECT_EQ(glow->at(11, 9).a, 0);
    EXPECT_EQ(glow->at(9, 11).a, 0);
}

TEST(BitmapTest, PremultipliedBlending) {
    EXPECT_EQ(premultiply(200, 255), 200);
    EXPECT_EQ(premultiply(200, 128), 100);
    EXPECT_EQ(premultiply(255, 1), 1);
    RGBA d{0, 0, 255, 255};
    blendStraightOver(d, 255, 0, 0, 128);
    EXPECT_EQ(rgbaWord(d), rgbaWord(RGBA{128, 0, 127, 255}));
    RGBA clear{0, 0, 0, 0};
    blendStraightOver(clear, 255, 255, 255, 64);
    EXPECT_EQ(rgbaWord(clear), rgbaWord(RGBA{64, 64, 64, 64})) << "stays premultiplied over nothing";
}

TEST(BitmapTest, BlitsClipToTheDestination) {
    Bitmap dst(4, 4, false);
    std::unique_ptr<Bitmap> src(coordinatePicture(3, 3));
    src->at(1, 1).a = 0;
    dst.blitNonTransparent(*src, 2, -1);
    EXPECT_EQ(dst.at(2, 0).g, 1);
    EXPECT_EQ(dst.at(3, 1).a, 255);
    EXPECT_EQ(dst.at(3, 0).a, 0) << "transparent source pixel skipped";
    EXPECT_EQ(dst.at(0, 0).a, 0);

    Bitmap over(2, 1, false);
    over.at(0, 0) = RGBA{0, 0, 200, 255};
    over.plotOver(0, 0, rgbaWord(RGBA{255, 0, 0, 51}));
    EXPECT_EQ(rgbaWord(over.at(0, 0)), rgbaWord(RGBA{51, 0, 160, 255}));
    over.plotOver(7, 0, 0xFFFFFFFF);  // outside: ignored

    unsigned char raw[2 * 2 * 4] = {0};
    const unsigned char one[3 * 4] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    copyBlit(1, 1, raw, 4, 2, 2, one, 3, 1, -1, -1);
    EXPECT_EQ(raw[12], 1);
    EXPECT_EQ(raw[15], 4);
    EXPECT_EQ(raw[0], 0);
}

TEST(BitmapTest, HlsRoundTripAndShift) {
    Bitmap src(3, 1, false);
    src.at(0, 0) = RGBA{200, 40, 90, 255};
    src.at(1, 0) = RGBA{128, 128, 128, 77};
    src.at(2, 0) = RGBA{0, 255, 0, 255};
    HLSBitmap hls(src);
    std::unique_ptr<Bitmap> back(hls.toBitmap(0, 0));
    for (int x = 0; x < 3; ++x) EXPECT_EQ(back->pixelWord(x, 0), src.pixelWord(x, 0)) << x;

    // The word's bits 16-23 play red: pixel 2 has b = 0, g = 255, r = 0 in those roles: pure green, hue 120.
    EXPECT_NEAR(hls.at(2, 0).h, 120.0f, 0.01f);
    std::unique_ptr<Bitmap> turned(hls.toBitmap(120, 0));
    EXPECT_EQ(rgbaWord(turned->at(2, 0)), 0xFF0000FFu) << "turned to the blue role, which is the r byte";
}

}  // namespace
