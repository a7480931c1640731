#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "menus/ScreenshotShadow.h"

namespace {

TEST(ScreenshotShadow, TheDivisionTableCoversEverySumOfFiveBytes)
{
    BoxBlurTable table = makeBoxBlurTable(2);
    EXPECT_EQ(table.radius, 2);
    ASSERT_EQ(table.count, 1280);
    ASSERT_EQ(table.values.size(), 1280u);
    EXPECT_EQ(table.values[4], 0);
    EXPECT_EQ(table.values[5], 1);
    EXPECT_EQ(table.values[1000], 200);
    EXPECT_EQ(table.values[1279], 255);
}

TEST(ScreenshotShadow, ThreePassesGiveTheSoftEdge)
{
    std::unique_ptr<MonoBitmap> plane(makeScreenshotShadowPlane());
    ASSERT_EQ(plane->width, 80);
    ASSERT_EQ(plane->height, 112);

    const int middleRow = 56;
    const std::vector<int> edge = {0, 0, 1, 6, 16, 32, 56, 84, 115, 144, 168, 184, 193, 198};
    for (int x = 0; x < static_cast<int>(edge.size()); ++x)
        EXPECT_EQ(plane->at(x, middleRow), edge[x]) << "x " << x;
    EXPECT_EQ(plane->at(8, 8), 65) << "the rectangle's corner";

    int notFull = 0, outerNotZero = 0, asymmetric = 0;
    for (int y = 0; y < 112; ++y)
        for (int x = 0; x < 80; ++x) {
            int v = plane->at(x, y);
            if (x >= 14 && x <= 65 && y >= 14 && y <= 97 && v != 200)
                ++notFull;
            if ((x < 2 || x > 77 || y < 2 || y > 109) && v != 0)
                ++outerNotZero;
            if (v != plane->at(79 - x, y) || v != plane->at(x, 111 - y))
                ++asymmetric;
        }
    EXPECT_EQ(notFull, 0);
    EXPECT_EQ(outerNotZero, 0);
    EXPECT_EQ(asymmetric, 0);
}

TEST(ScreenshotShadow, TheShadowIsBlackWithTheBlurAsAlpha)
{
    std::unique_ptr<MonoBitmap> plane(makeScreenshotShadowPlane());
    std::unique_ptr<Bitmap> shadow(makeScreenshotShadowBitmap());
    ASSERT_EQ(shadow->width, 80);
    ASSERT_EQ(shadow->height, 112);
    EXPECT_EQ(shadow->allocW, 128);
    EXPECT_EQ(shadow->allocH, 128);
    int wrong = 0;
    for (int y = 0; y < 112; ++y)
        for (int x = 0; x < 80; ++x) {
            RGBA p = shadow->at(x, y);
            if (p.r != 0 || p.g != 0 || p.b != 0 || p.a != plane->at(x, y))
                ++wrong;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(shadow->at(40, 56).a, 200);
}

// Box average with edge pixels repeated, the slow way.
std::vector<int> referenceBlur(const std::vector<int>& in, int w, int h, int r)
{
    auto at = [&](const std::vector<int>& p, int x, int y) {
        x = std::max(0, std::min(x, w - 1));
        y = std::max(0, std::min(y, h - 1));
        return p[y * w + x];
    };
    std::vector<int> across(w * h), out(w * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int i = -r; i <= r; ++i)
                sum += at(in, x + i, y);
            across[y * w + x] = sum / (2 * r + 1);
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int sum = 0;
            for (int i = -r; i <= r; ++i)
                sum += at(across, x, y + i);
            out[y * w + x] = sum / (2 * r + 1);
        }
    return out;
}

TEST(ScreenshotShadow, APassAveragesAcrossThenDownWithEdgesRepeated)
{
    const int w = 9, h = 6;
    MonoBitmap source(w, h, true);  // rows 16 apart
    std::vector<int> values(w * h);
    for (int i = 0; i < w * h; ++i) {
        values[i] = (i * 73 + 11) % 256;
        source.at(i % w, i / w) = static_cast<unsigned char>(values[i]);
    }
    source.at(w, 0) = 250;  // beyond the visible picture: must not count
    MonoBitmap separate(w, h, false);
    prepareScreenshotBitmaps(makeBoxBlurTable(2), source, separate, w, h);
    prepareScreenshotBitmaps(makeBoxBlurTable(2), source, source, w, h);

    std::vector<int> expected = referenceBlur(values, w, h, 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(separate.at(x, y), expected[y * w + x]) << x << "," << y;
            EXPECT_EQ(source.at(x, y), expected[y * w + x]) << "in place " << x << "," << y;
        }
}

TEST(ScreenshotShadow, AConstantBitmapStaysAsItIs)
{
    for (int value : {0, 1, 137, 255}) {
        MonoBitmap plane(80, 112, true);
        for (int y = 0; y < 112; ++y)
            for (int x = 0; x < 80; ++x)
                plane.at(x, y) = static_cast<unsigned char>(value);
        BoxBlurTable table = makeBoxBlurTable(2);
        for (int pass = 0; pass < 3; ++pass)
            prepareScreenshotBitmaps(table, plane, plane, 80, 112);
        int changed = 0;
        for (int y = 0; y < 112; ++y)
            for (int x = 0; x < 80; ++x)
                changed += plane.at(x, y) != value;
        EXPECT_EQ(changed, 0) << "value " << value;
    }
}

TEST(ScreenshotShadow, APassStaysInsideBothBitmaps)
{
    MonoBitmap small(5, 4, false);   // exact storage: a pass of 80 x 112 must not run past it
    MonoBitmap large(80, 112, true);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            small.at(x, y) = 100;
    prepareScreenshotBitmaps(makeBoxBlurTable(2), small, large, 80, 112);
    EXPECT_EQ(large.at(4, 3), 100);
    EXPECT_EQ(large.at(5, 3), 0);
    EXPECT_EQ(large.at(4, 4), 0);
}

} // namespace
