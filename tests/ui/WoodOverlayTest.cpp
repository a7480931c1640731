#include <gtest/gtest.h>

#include "graphics/Bitmap.h"
#include "ui/WoodOverlay.h"

namespace {

// Wood of 2 x 2: dark (64) and light (200) grain in a checker.
Bitmap* checkerWood()
{
    Bitmap* wood = new Bitmap(2, 2, false);
    wood->at(0, 0) = RGBA{64, 64, 64, 255};
    wood->at(1, 0) = RGBA{200, 200, 200, 255};
    wood->at(0, 1) = RGBA{200, 200, 200, 255};
    wood->at(1, 1) = RGBA{64, 64, 64, 255};
    return wood;
}

struct OverlayCase {
    const char* name;
    int screenX, screenY;  // where the 2 x 2 picture lies
    RGBA in[4];            // picture pixels, row by row
    RGBA out[4];
};

// Worked by hand from the blend: overlay(64, 200) = 100 -> 255 x 100 >> 8 = 99; overlay(200, 200) = 231 -> 230;
// overlay(200, 40) = 162, then 40 + 48 < 128: overlay(162, 88) = 133 -> 132 (161 without that pass);
// at alpha 128 overlay(64, 100) = 50 -> 128 x 50 >> 8 = 25.
const OverlayCase kCases[] = {
    {"dark wood branch, light wood branch, the c + 48 pass, alpha 0",
     0, 0,
     {{200, 200, 200, 255}, {200, 40, 200, 255}, {10, 20, 30, 0}, {200, 200, 200, 255}},
     {{99, 99, 99, 255}, {230, 132, 230, 255}, {10, 20, 30, 0}, {99, 99, 99, 255}}},
    {"half alpha: the result is times alpha >> 8",
     0, 0,
     {{100, 100, 100, 128}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
     {{25, 25, 25, 128}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
    {"one column off the wood's right edge",
     1, 0,
     {{200, 200, 200, 255}, {200, 200, 200, 255}, {200, 200, 200, 255}, {200, 200, 200, 255}},
     {{230, 230, 230, 255}, {200, 200, 200, 255}, {99, 99, 99, 255}, {200, 200, 200, 255}}},
    {"partly above and left of the screen: only the on-screen pixel",
     -1, -1,
     {{200, 200, 200, 255}, {200, 200, 200, 255}, {200, 200, 200, 255}, {200, 200, 200, 255}},
     {{200, 200, 200, 255}, {200, 200, 200, 255}, {200, 200, 200, 255}, {99, 99, 99, 255}}},
};

TEST(WoodOverlayTest, TwoByTwoFixtures)
{
    Bitmap* wood = checkerWood();
    for (const OverlayCase& c : kCases) {
        Bitmap picture(2, 2, false);
        for (int i = 0; i < 4; i++)
            picture.at(i % 2, i / 2) = c.in[i];
        applyWoodOverlay(&picture, c.screenX, c.screenY, wood);
        for (int i = 0; i < 4; i++) {
            const RGBA p = picture.at(i % 2, i / 2);
            const RGBA e = c.out[i];
            EXPECT_TRUE(p.r == e.r && p.g == e.g && p.b == e.b && p.a == e.a)
                << c.name << ", pixel " << i << ": (" << (int)p.r << ", " << (int)p.g << ", " << (int)p.b << ", "
                << (int)p.a << ")";
        }
    }
    delete wood;
}

TEST(WoodOverlayTest, WithoutWoodNothingChanges)
{
    Bitmap picture(2, 2, false);
    picture.at(0, 0) = RGBA{200, 40, 200, 255};
    applyWoodOverlay(&picture, 0, 0, nullptr);
    EXPECT_EQ(200, picture.at(0, 0).r);
    EXPECT_EQ(40, picture.at(0, 0).g);
}

TEST(WoodOverlayTest, BlendsAPixelViewInsideALargerPage)
{
    // A region of a page: rows are the page's stride apart, and only the region's pixels change.
    Bitmap* wood = checkerWood();
    Bitmap page(4, 4, false);
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 4; x++)
            page.at(x, y) = RGBA{200, 200, 200, 255};
    applyWoodOverlay(&page.at(1, 1), 2, 2, page.allocW, 0, 0, wood);
    EXPECT_EQ(99, page.at(1, 1).r);
    EXPECT_EQ(230, page.at(2, 1).r);
    EXPECT_EQ(230, page.at(1, 2).r);
    EXPECT_EQ(200, page.at(0, 0).r);
    EXPECT_EQ(200, page.at(3, 1).r);
    EXPECT_EQ(200, page.at(1, 3).r);
    delete wood;
}

}  // namespace
