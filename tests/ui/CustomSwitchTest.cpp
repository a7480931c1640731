#include "tests/ui/DataFolderGlTest.h"

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "graphics/SpriteSheet.h"
#include "ui/CustomSwitch.h"
#include "ui/SwitchPicture.h"

#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Toggle {
    bool on;
    CustomSwitch* source;
};

class RecordingListener : public SwitchListener {
public:
    void switchToggled(bool on, CustomSwitch* source) override { toggles.push_back({on, source}); }
    std::vector<Toggle> toggles;
};

// The switch loads its pictures and the language's words from the working folder, as the game does.
class SwitchTest : public DataFolderGlTest {
protected:
    void SetUp() override
    {
        DataFolderGlTest::SetUp();
        gGameClock.updateAt(1000);
    }
    // A switch placed at (100, 200), as its menu places it, off.
    std::unique_ptr<CustomSwitch> placedSwitch()
    {
        std::unique_ptr<CustomSwitch> s(new CustomSwitch(nullptr, false, &listener));
        s->x = 100;
        s->y = 200;
        return s;
    }

    RecordingListener listener;
};

struct TouchStep {
    int phase, x, y;
};

struct TouchCase {
    const char* name;
    std::vector<TouchStep> steps;
    int toggles;
};

TEST_F(SwitchTest, TouchRules)
{
    // Hit box of a switch at (100, 200): x 96..197, y 196..231.
    const TouchCase cases[] = {
        {"tap", {{0, 120, 210}, {2, 121, 211}}, 1},
        {"release on the hit box's right edge", {{0, 100, 210}, {2, 197, 210}}, 1},
        {"release one px outside", {{0, 100, 210}, {2, 198, 210}}, 0},
        {"release on the bottom edge", {{0, 150, 196}, {2, 150, 231}}, 1},
        {"release below it", {{0, 150, 196}, {2, 150, 232}}, 0},
        {"a move of exactly 35 px toggles once", {{0, 110, 210}, {1, 145, 210}, {2, 145, 210}}, 1},
        {"a move of 34 px waits for the release", {{0, 110, 210}, {1, 144, 210}, {2, 144, 210}}, 1},
        {"swipe back and forth toggles once", {{0, 110, 210}, {1, 150, 210}, {1, 110, 210}, {2, 110, 210}}, 1},
        {"a press outside never toggles", {{0, 95, 210}, {1, 140, 210}, {2, 140, 210}}, 0},
        {"an old press does not count for a press outside",
         {{0, 120, 210}, {2, 300, 210}, {0, 50, 50}, {2, 120, 210}}, 0},
    };
    for (const TouchCase& c : cases) {
        listener.toggles.clear();
        std::unique_ptr<CustomSwitch> s = placedSwitch();
        bool anyConsumed = false;
        for (const TouchStep& t : c.steps) {
            bool consumed = false;
            EXPECT_EQ(s->handleTouch(t.phase, t.x, t.y, &consumed), -1) << c.name;
            anyConsumed = anyConsumed || consumed;
        }
        EXPECT_EQ((int)listener.toggles.size(), c.toggles) << c.name;
        EXPECT_EQ(s->on, c.toggles % 2) << c.name;
        EXPECT_EQ(anyConsumed, c.toggles > 0) << c.name;
        for (const Toggle& t : listener.toggles)
            EXPECT_EQ(t.source, s.get());
    }
}

TEST_F(SwitchTest, ToggleReachFromThePress)
{
    // The stock mask keeps every release within 101 px of the press; a wide mask shows the reach itself.
    struct Case {
        int releaseDx, releaseDy;
        bool toggles;
    };
    const Case cases[] = {{129, 0, true}, {130, 0, false}, {-129, 0, true}, {0, 49, true}, {0, 50, false}};
    for (const Case& c : cases) {
        std::unique_ptr<CustomSwitch> s = placedSwitch();
        delete s->mask;
        s->mask = new Bitmap(300, 80, false);
        bool consumed = false;
        s->handleTouch(0, 240, 220, &consumed);
        s->handleTouch(2, 240 + c.releaseDx, 220 + c.releaseDy, &consumed);
        EXPECT_EQ(s->on != 0, c.toggles) << c.releaseDx << ", " << c.releaseDy;
    }
}

TEST_F(SwitchTest, KnobSlidesAtMost14PxAFrame)
{
    std::unique_ptr<CustomSwitch> s = placedSwitch();
    EXPECT_EQ(s->knobOffset, CustomSwitch::kOffOffset);
    EXPECT_FALSE(s->isSliding());
    bool consumed = false;
    s->handleTouch(0, 120, 210, &consumed);
    s->handleTouch(2, 120, 210, &consumed);  // toggled at the last frame's clock, 1000
    ASSERT_TRUE(s->on);
    EXPECT_TRUE(s->isSliding());

    gGameClock.updateAt(1003);
    s->advanceKnob();
    EXPECT_EQ(s->knobOffset, 53) << "3 ms: not a whole pixel yet";
    gGameClock.updateAt(1100);
    s->advanceKnob();
    EXPECT_EQ(s->knobOffset, 53 - 14) << "100 ms after the toggle: 14 px, not 25";
    gGameClock.updateAt(1120);
    s->advanceKnob();
    EXPECT_EQ(s->knobOffset, 39 - 14) << "the 44 ms left over since the last step count";
    for (int frame = 0; frame < 20 && s->isSliding(); frame++) {
        gGameClock.updateAt(gGameClock.current + 16);
        s->advanceKnob();
        ASSERT_GE(s->knobOffset, 0);
    }
    EXPECT_EQ(s->knobOffset, 0);
    EXPECT_FALSE(s->isSliding());
}

TEST_F(SwitchTest, EnglishUsesTheStockStripOtherLanguagesDrawTheWords)
{
    std::unique_ptr<CustomSwitch> english = placedSwitch();
    Bitmap stock("OnOffSlider_145x25.png", 1.0f, false);
    ASSERT_EQ(english->strip->width, 145);
    ASSERT_EQ(english->strip->height, 25);
    EXPECT_EQ(memcmp(english->strip->row(0), stock.row(0), sizeof(RGBA) * 145), 0);
    EXPECT_EQ(memcmp(english->strip->row(12), stock.row(12), sizeof(RGBA) * 145), 0);

    useLanguage(kGerman);
    std::unique_ptr<CustomSwitch> german = placedSwitch();
    Bitmap blank("BlankSwitch.png", 1.0f, false);
    ASSERT_EQ(german->strip->width, blank.width);
    // Count the pixels the words changed in each word box, and how they changed.
    int lighter = 0, darker = 0, elsewhere = 0;
    for (int y = 0; y < blank.height; y++) {
        for (int x = 0; x < blank.width; x++) {
            const RGBA a = blank.at(x, y), b = german->strip->at(x, y);
            if (a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a)
                continue;
            if (x < 53 && y >= 2 && y < 22 && b.r > a.r)
                lighter++;
            else if (x >= 92 && y >= 2 && y < 22 && b.r < a.r)
                darker++;
            else
                elsewhere++;
        }
    }
    EXPECT_GT(lighter, 20) << "white word on the left";
    EXPECT_GT(darker, 20) << "black word on the right";
    EXPECT_EQ(elsewhere, 0);
}

TEST_F(SwitchTest, DrawsTheComposedStripWithTheGlossAPixelHigher)
{
    SpriteSheet atlas(256, 256, false);
    std::unique_ptr<CustomSwitch> s(new CustomSwitch(&atlas, true, nullptr));
    ASSERT_EQ(s->highlight.width, 92);
    atlas.uploadPages();
    s->render(100.0f, 200.0f, 1.0f, -1.0f, 1.0f, 0.0f, false);
    ASSERT_NE(s->picture, nullptr);
    EXPECT_EQ(s->composedOffset, 0);
    Texture* first = s->picture;
    s->render(100.0f, 200.0f, 1.0f, -1.0f, 1.0f, 0.0f, false);
    EXPECT_EQ(s->picture, first) << "made again only when the knob moved";

    // On a black screen, without the gloss the picture shows as composed.
    std::unique_ptr<CustomSwitch> bare(new CustomSwitch(nullptr, true, nullptr));
    clearFrame(0, 0, 0, 1);
    bare->render(20.0f, 40.0f, 1.0f, -1.0f, 1.0f, 0.0f, false);
    std::unique_ptr<Bitmap> expected(composeSwitchPicture(*bare->mask, *bare->strip, 0));
    for (int x : {10, 46, 80}) {
        const RGBA e = expected->at(x, 12);
        EXPECT_TRUE(pixelNear(pixel(20 + x, 40 + 12), RGBA{e.r, e.g, e.b, 255}, 3)) << "column " << x;
    }
}

}  // namespace
