#include "tests/graphics/GlTestContext.h"

#include "ui/Slider.h"

#include <memory>

namespace {

const RGBA kRed = {255, 0, 0, 255};

Bitmap* solidBitmap(int w, int h, RGBA colour)
{
    Bitmap* b = new Bitmap(w, h, false);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            b->at(x, y) = colour;
    return b;
}

// A 28 x 28 knob painted only in its top four rows, so that it hides nothing of the tracks.
Texture* knobTexture()
{
    Bitmap* b = new Bitmap(28, 28, false);
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 28; x++)
            b->at(x, y) = kRed;
    return new Texture(b, false, false);
}

// Tracks of plain colours in a folder of the test's own: green left, blue right.
class SliderTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        enterOwnFolder();
        std::unique_ptr<Bitmap> left(solidBitmap(140, 9, RGBA{0, 255, 0, 255}));
        std::unique_ptr<Bitmap> right(solidBitmap(140, 9, RGBA{0, 0, 255, 255}));
        ASSERT_TRUE(left->savePng("Left_140x9.png"));
        ASSERT_TRUE(right->savePng("Right_140x9.png"));
    }

    // The first and last column of row y (within x0..x1) whose pixel is near the colour; -1 when none.
    static void span(int y, RGBA colour, int* first, int* last)
    {
        *first = *last = -1;
        for (int x = 0; x < 320; x++) {
            if (pixelNear(pixel(x, y), colour, 8)) {
                if (*first < 0)
                    *first = x;
                *last = x;
            }
        }
    }
};

TEST_F(SliderTest, TracksAndKnobFollowTheValue)
{
    struct Case {
        float value;
        int greenFirst, greenLast;  // -1: none
        int blueFirst, blueLast;
        int knobCentre;
    };
    // Slider at x 30: left track from 34, right track from 43 + 250 v, knob centred on 39 + 250 v.
    const Case cases[] = {
        {0.0f, -1, -1, 43, 292, 39},
        {0.5f, 34, 158, 168, 292, 164},
        {1.0f, 34, 283, -1, -1, 289},
    };
    for (const Case& c : cases) {
        clearFrame(0, 0, 0, 1);
        Slider slider(knobTexture());
        slider.value = c.value;
        EXPECT_EQ(slider.width(), 268);
        EXPECT_EQ(slider.height(), 28);
        slider.render(30.0f, 100.0f, 1.0f, -1.0f, 1.0f, 0.0f, false);
        int first, last;
        // Track row 100 + (28 - 9) / 2 + 4, away from the knob.
        span(113, RGBA{0, 255, 0, 255}, &first, &last);
        if (c.greenFirst < 0) {
            EXPECT_EQ(first, -1) << "value " << c.value << ": nothing of the left track";
        } else {
            EXPECT_EQ(first, c.greenFirst) << c.value;
            EXPECT_EQ(last, c.greenLast) << c.value;
        }
        span(113, RGBA{0, 0, 255, 255}, &first, &last);
        if (c.blueFirst < 0) {
            EXPECT_EQ(first, -1) << "value " << c.value << ": nothing of the right track";
        } else {
            EXPECT_EQ(first, c.blueFirst) << c.value;
            EXPECT_EQ(last, c.blueLast) << c.value;
        }
        span(101, kRed, &first, &last);  // above the tracks
        EXPECT_EQ(first, c.knobCentre - 14) << c.value;
        EXPECT_EQ(last, c.knobCentre + 13) << c.value;
    }
}

TEST_F(SliderTest, ValueNotSetYetDrawsAsZero)
{
    Slider slider(knobTexture());
    slider.render(30.0f, 100.0f, 1.0f, -1.0f, 1.0f, 0.0f, false);
    int first, last;
    span(101, kRed, &first, &last);
    EXPECT_EQ(first, 39 - 14);
}

}  // namespace
