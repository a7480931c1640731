#include "ui/SwitchPicture.h"

#include "graphics/Bitmap.h"
#include "tests/support/SamePixel.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Strip pixel at column x of row y: distinct in every channel, x and y readable back.
RGBA stripColour(int x, int y) { return RGBA{(unsigned char)(10 * x + 5), (unsigned char)(100 + y), 200, 250}; }

TEST(SwitchPicture, MaskRulesOnASmallFixture)
{
    const int offset = 3;
    Bitmap strip(10, 3, false);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 10; x++)
            strip.at(x, y) = stripColour(x, y);

    const RGBA opaque = {255, 255, 255, 255};
    const RGBA half = {128, 128, 128, 128};
    const RGBA clear = {0, 0, 0, 0};
    Bitmap mask(6, 3, false);
    // Row 0: first pixel opaque, the rest see-through: copied whole anyway.
    const RGBA row0[6] = {opaque, clear, clear, half, clear, clear};
    // Row 1: the rounded end, an opaque run from column 1 opened symmetric to column 4.
    const RGBA row1[6] = {half, opaque, clear, clear, clear, half};
    // Row 2: no opaque pixel on the left: column 4 opens no run beyond itself.
    const RGBA row2[6] = {clear, half, half, clear, opaque, half};
    const RGBA* rows[3] = {row0, row1, row2};
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 6; x++)
            mask.at(x, y) = rows[y][x];

    std::unique_ptr<Bitmap> out(composeSwitchPicture(mask, strip, offset));
    ASSERT_EQ(out->width, 6);
    ASSERT_EQ(out->height, 3);

    auto masked = [&](int x, int y, RGBA m) {
        RGBA s = stripColour(x + offset, y);
        return RGBA{(unsigned char)(s.r * m.r / 255), (unsigned char)(s.g * m.g / 255),
                    (unsigned char)(s.b * m.b / 255), (unsigned char)(s.a * m.a / 255)};
    };
    for (int x = 0; x < 6; x++)
        EXPECT_TRUE(same(out->at(x, 0), stripColour(x + offset, 0))) << "row 0 column " << x;
    EXPECT_TRUE(same(out->at(0, 1), masked(0, 1, half)));
    for (int x = 1; x <= 4; x++)
        EXPECT_TRUE(same(out->at(x, 1), stripColour(x + offset, 1))) << "run column " << x;
    EXPECT_TRUE(same(out->at(5, 1), masked(5, 1, half)));
    for (int x : {0, 1, 2, 3, 5})
        EXPECT_TRUE(same(out->at(x, 2), masked(x, 2, rows[2][x]))) << "row 2 column " << x;
    EXPECT_TRUE(same(out->at(4, 2), stripColour(4 + offset, 2)));
}

TEST(SwitchPicture, StripEndsBeyondItsEdgeAsTransparent)
{
    Bitmap strip(4, 1, false);
    for (int x = 0; x < 4; x++)
        strip.at(x, 0) = RGBA{50, 50, 50, 255};
    Bitmap mask(3, 1, false);
    for (int x = 0; x < 3; x++)
        mask.at(x, 0) = RGBA{255, 255, 255, 255};
    std::unique_ptr<Bitmap> out(composeSwitchPicture(mask, strip, 2));
    EXPECT_EQ(out->at(1, 0).a, 255);
    EXPECT_EQ(out->at(2, 0).a, 0) << "column 4 of a 4-column strip";
}

}  // namespace
