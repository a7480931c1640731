#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/widgets/CustomMultiSelect.h"
#include "tests/ui/MenuTestFolder.h"

namespace {

class RecordingListener : public SegmentedControlCallbackI {
public:
    void segmentSelected(int tag, MyView* view) override
    {
        tags.push_back(tag);
        views.push_back(view);
    }
    std::vector<int> tags;
    std::vector<MyView*> views;
};

// Fixture pictures of one colour each, the pressed forms darker, so a pixel tells which picture is drawn.
const RGBA kLeft{200, 0, 0, 255}, kLeftDown{100, 0, 0, 255};
const RGBA kMiddle{0, 200, 0, 255}, kMiddleDown{0, 100, 0, 255};
const RGBA kRight{0, 0, 200, 255}, kRightDown{0, 0, 100, 255};

class CustomMultiSelectTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        writePicture("Left_69x30.png", 69, 30, kLeft);
        writePicture("Left_69x30_down.png", 69, 30, kLeftDown);
        writePicture("Middle_69x30.png", 69, 30, kMiddle);
        writePicture("Middle_69x30_down.png", 69, 30, kMiddleDown);
        writePicture("Right_69x30.png", 69, 30, kRight);
        writePicture("Right_69x30_down.png", 69, 30, kRightDown);
    }

    // A caption of exactly `width` px at the control's font size, from runs of a few letters.
    static std::string captionOfWidth(int width)
    {
        for (int wide = 0; wide < 20; wide++)
            for (int narrow = 0; narrow < 30; narrow++) {
                std::string text = std::string(wide, 'm') + std::string(narrow, 'i');
                for (char filler : {'\0', 'a', 'e', 't', 'r'}) {
                    std::string candidate = filler ? text + filler : text;
                    if (widthOf(candidate, CustomMultiSelect::kCaptionFontSize) == width)
                        return candidate;
                }
            }
        return "";
    }

    static void drawAt(CustomMultiSelect& control, int x, int y)
    {
        clearFrame(0, 0, 0, 1);
        control.render((float)x, (float)y, 1.0f, -1.0f, 1.0f, 0.0f, false);
    }

    RecordingListener listener;
};

TEST_F(CustomMultiSelectTest, CaptionsUpTo54PxKeepThePictureWidthWiderOnesWidenIt)
{
    const std::string at54 = captionOfWidth(54), at55 = captionOfWidth(55);
    ASSERT_FALSE(at54.empty());
    ASSERT_FALSE(at55.empty());
    EXPECT_EQ(CustomMultiSelect::segmentWidth(at54.c_str()), 69);
    EXPECT_EQ(CustomMultiSelect::segmentWidth(at55.c_str()), 70);

    String captions[2] = {String(at54.c_str()), String(at55.c_str())};
    CustomMultiSelect control(&listener, captions, 2);
    EXPECT_EQ(control.width(), 139);
    EXPECT_EQ(control.children[0].element->width(), 69);
    EXPECT_EQ(control.children[2].element->width(), 70) << "the picture is widened by one column";
    EXPECT_EQ(control.children[2].x, 69);
    EXPECT_EQ(control.children[3].x, 69) << "the caption sits over its segment";
    EXPECT_EQ(control.children[3].y, 6);
    EXPECT_EQ(control.height(), 30);
    EXPECT_EQ(control.armedTag, 0);
}

TEST_F(CustomMultiSelectTest, PicturesFollowThePositionOfTheSegment)
{
    struct Case {
        int count;
        std::vector<RGBA> faces;  // the normal face of each segment, first one drawn pressed (selected)
    };
    const Case cases[] = {
        {1, {kLeftDown}},
        {2, {kLeftDown, kRight}},
        {3, {kLeftDown, kMiddle, kRight}},
    };
    for (const Case& c : cases) {
        String captions[3] = {"", "", ""};
        CustomMultiSelect control(&listener, captions, c.count);
        ASSERT_EQ(control.width(), 69 * c.count);
        drawAt(control, 10, 100);
        for (int i = 0; i < c.count; i++)
            EXPECT_TRUE(pixelNear(pixel(10 + 69 * i + 5, 100 + 2), c.faces[i])) << c.count << " segments, " << i;
    }
}

TEST_F(CustomMultiSelectTest, NoSegmentsGiveAnEmptyStrip)
{
    CustomMultiSelect control(&listener, nullptr, 0);
    EXPECT_EQ(control.width(), 0);
    EXPECT_EQ(control.height(), 30);
    EXPECT_EQ(control.children.size(), 0);
}

TEST_F(CustomMultiSelectTest, APressSelectsAndTellsEveryTimeWithinThreePixelsOfTheStrip)
{
    String captions[2] = {"Local", "Online"};
    CustomMultiSelect control(&listener, captions, 2);
    drawAt(control, 20, 200);
    bool consumed = false;

    struct Press {
        int x, y;
        int selected;  // after the press
        int told;      // the tag the listener hears, -1 none
    };
    const Press presses[] = {
        {20 + 69 + 10, 200 - 3, 1, 1},   // 3 px above the second segment
        {20 + 10, 200 - 4, 1, -1},       // 4 px above: nothing
        {20 + 69 + 10, 200 + 32, 1, 1},  // 3 px below, the selected one again: told again
        {20 + 10, 200 + 33, 1, -1},      // 4 px below
        {20 + 138 + 2, 210, 1, -1},      // right of the last segment
        {20 + 5, 210, 0, 0},
    };
    for (const Press& p : presses) {
        listener.tags.clear();
        EXPECT_EQ(control.handleTouch(TouchDown, p.x, p.y, &consumed), -1);
        EXPECT_EQ(control.armedTag, p.selected) << p.x << "," << p.y;
        if (p.told == -1) {
            EXPECT_TRUE(listener.tags.empty()) << p.x << "," << p.y;
        } else {
            ASSERT_EQ(listener.tags.size(), 1u) << p.x << "," << p.y;
            EXPECT_EQ(listener.tags[0], p.told);
            EXPECT_EQ(listener.views[0], &control);
        }
    }
    listener.tags.clear();
    control.handleTouch(TouchMove, 20 + 69 + 10, 210, &consumed);
    control.handleTouch(TouchUp, 20 + 69 + 10, 210, &consumed);
    EXPECT_EQ(control.armedTag, 0) << "moves and releases change nothing";
    EXPECT_TRUE(listener.tags.empty());
    EXPECT_FALSE(consumed);
}

TEST_F(CustomMultiSelectTest, TheSelectedSegmentDrawsItsPressedPicture)
{
    String captions[2] = {"", ""};
    CustomMultiSelect control(&listener, captions, 2);
    control.armedTag = 1;  // set by the owner: nobody is told
    drawAt(control, 0, 0);
    EXPECT_TRUE(pixelNear(pixel(5, 2), kLeft));
    EXPECT_TRUE(pixelNear(pixel(69 + 5, 2), kRightDown));
    EXPECT_TRUE(listener.tags.empty());
}

TEST_F(CustomMultiSelectTest, HeightIsThirtyWhateverThePictures)
{
    writePicture("Left_69x30.png", 69, 44, kLeft);
    writePicture("Left_69x30_down.png", 69, 44, kLeftDown);
    String caption("A");
    CustomMultiSelect control(nullptr, &caption, 1);
    EXPECT_EQ(control.height(), 30);
    bool consumed = false;
    drawAt(control, 0, 0);
    control.handleTouch(TouchDown, 5, 5, &consumed);  // no listener: selecting still works
    EXPECT_EQ(control.armedTag, 0);
}

}  // namespace
