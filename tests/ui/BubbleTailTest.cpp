#include "tests/graphics/GlTestContext.h"

#include "graphics/SpriteSheet.h"
#include "ui/BubbleTail.h"

#include <memory>

namespace {

const RGBA kRed = {255, 0, 0, 255};
const RGBA kBlue = {0, 0, 255, 255};
const RGBA kBlack = {0, 0, 0, 255};

// A 22 x 26 tail picture: red in its left half, blue in its right half.
class BubbleTailTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        sheet.reset(new SpriteSheet(64, 64, false));
        tail = sheet->reserveRegion(22, 26, 0);
        PixelView v = tail.pixelView(0);
        for (int y = 0; y < v.height; y++)
            for (int x = 0; x < v.width; x++)
                v.pixels[y * v.stride + x] = x < 11 ? kRed : kBlue;
        sheet->uploadPages();
    }
    std::unique_ptr<SpriteSheet> sheet;
    SpriteRef tail;
};

TEST_F(BubbleTailTest, TurnedUpForABubbleBelowItsAnchorAndMirroredWhenFlagged)
{
    struct Case {
        const char* name;
        float angle;
        bool mirrored;
        int top;        // first drawn row for a child at y 100
        RGBA leftSide;  // colour of the tail's left half as drawn
    };
    const Case cases[] = {
        {"above, left", -45.0f, true, 100, kBlue},
        {"above, right", -135.0f, false, 100, kRed},
        {"below, left", 45.0f, false, 82, kRed},
        {"below, right", 135.0f, true, 82, kBlue},
    };
    for (const Case& c : cases) {
        clearFrame(0, 0, 0, 1);
        BubbleTail element(tail, c.mirrored);
        element.render(100.0f, 100.0f, 1.0f, -1.0f, 1.0f, c.angle, false);
        EXPECT_TRUE(pixelNear(pixel(105, c.top), c.leftSide)) << c.name;
        EXPECT_TRUE(pixelNear(pixel(105, c.top + 25), c.leftSide)) << c.name;
        EXPECT_TRUE(pixelNear(pixel(105, c.top - 1), kBlack)) << c.name;
        EXPECT_TRUE(pixelNear(pixel(105, c.top + 26), kBlack)) << c.name;
    }
}

}  // namespace
