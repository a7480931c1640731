#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/FakeElement.h"
#include "ui/MyView.h"
#include "tests/ui/TouchShorthand.h"

namespace {

struct Listener : SegmentedControlCallbackI {
    void segmentSelected(int tag, MyView* view) override
    {
        heard.push_back(tag);
        from = view;
    }
    std::vector<int> heard;
    MyView* from = nullptr;
};

struct ChildSpec {
    int tag;
    int x, y, w, h;
    int answer = -1;           // what the element itself answers
    bool tappable = true;
    int marginX = 0, marginY = 0;
    bool centred = false;
    float alpha = 1.0f;        // set after the first, visible drawing
    bool consumes = false;     // the element flags every touch as consumed
};

struct Step {
    int phase, x, y;
    int result;
    int armedAfter;
    bool consumedBefore = false;
    bool consumedAfter = false;
};

struct ViewCase {
    const char* name;
    std::vector<ChildSpec> children;
    std::vector<Step> steps;
    std::vector<int> heard;    // what the listener hears, in order
    int mode = TouchTap;
    float viewAlpha = 1.0f;    // set after the first drawing
    bool modal = false;
};

void PrintTo(const ViewCase& c, std::ostream* os)
{
    *os << c.name;
}

// The child of tag 3 at (10, 10) and the one of tag 4 at (40, 10), 20 x 20 each.
const std::vector<ChildSpec> kTwoButtons = {{3, 10, 10, 20, 20}, {4, 40, 10, 20, 20}};

std::vector<ViewCase> viewCases()
{
    ChildSpec faded{3, 10, 10, 20, 20};
    faded.alpha = 0.0f;
    ChildSpec answering{5, 10, 10, 20, 20};
    answering.answer = 7;
    ChildSpec answeringUntagged{-1, 10, 10, 20, 20};
    answeringUntagged.answer = 0;
    ChildSpec widened{6, 100, 100, 20, 20};
    widened.marginX = 5;
    widened.marginY = -1;
    ChildSpec ownMarginY{6, 100, 100, 20, 20};
    ownMarginY.marginX = -1;
    ownMarginY.marginY = 3;
    ChildSpec centred{8, 0, 0, 101, 10};
    centred.centred = true;
    ChildSpec consuming{-1, 0, 0, 320, 480};
    consuming.tappable = false;
    consuming.consumes = true;

    return {
        {"alpha-0 child still answers", {faded}, {{D, 15, 15, -1, 3}, {U, 15, 15, 3, -1}}, {3}},
        {"alpha-0 view still answers", kTwoButtons, {{D, 45, 15, -1, 4}, {U, 45, 15, 4, -1}}, {4}, TouchTap, 0.0f},
        {"press 3 release 4", kTwoButtons, {{D, 15, 15, -1, 3}, {U, 45, 15, -1, -1}}, {3}},
        {"press 3 release 3", kTwoButtons, {{D, 15, 15, -1, 3}, {M, 45, 15, -1, 3}, {U, 29, 29, 3, -1}}, {3}},
        {"release outside every child", kTwoButtons, {{D, 15, 15, -1, 3}, {U, 30, 15, -1, -1}}, {3}},
        {"tap mode: press on empty space disarms, listener hears -1", kTwoButtons,
         {{D, 15, 15, -1, 3}, {D, 200, 200, -1, -1}}, {3, -1}},
        {"press-select: press selects at once, empty space keeps it", kTwoButtons,
         {{D, 45, 15, -1, 4}, {D, 200, 200, -1, 4}, {U, 45, 15, -1, 4}}, {4}, TouchPressSelect},
        {"press-select: moves do not select", kTwoButtons, {{D, 45, 15, -1, 4}, {M, 15, 15, -1, 4}}, {4},
         TouchPressSelect},
        {"drag-select follows the finger, not onto empty space", kTwoButtons,
         {{D, 45, 15, -1, 4}, {M, 15, 15, -1, 3}, {M, 200, 15, -1, 3}, {U, 15, 15, -1, 3}}, {4, 3}, TouchDragSelect},
        {"element's answer reports the record's tag", {answering}, {{D, 200, 200, -1, 5}, {U, 0, 0, 5, -1}}, {5}},
        {"element's answer with tag -1 hides the child under it", {{2, 10, 10, 20, 20}, answeringUntagged},
         {{D, 15, 15, -1, -1}, {U, 15, 15, -1, -1}}, {-1}},
        {"hitMarginX 5 with hitMarginY -1: 5 on every side", {widened},
         {{D, 95, 95, -1, 6}, {D, 124, 124, -1, 6}, {D, 94, 110, -1, -1}, {D, 125, 110, -1, -1},
          {D, 110, 94, -1, -1}, {D, 110, 125, -1, -1}},
         {6, 6, -1, -1, -1, -1}},
        {"hitMarginX -1 counts as 0", {ownMarginY}, {{D, 99, 110, -1, -1}, {D, 100, 97, -1, 6}, {D, 110, 96, -1, -1}},
         {-1, 6, -1}},
        {"101-px element centred at origin + 110", {centred},
         {{D, 109, 5, -1, -1}, {D, 110, 5, -1, 8}, {D, 210, 5, -1, 8}, {D, 211, 5, -1, -1}}, {-1, 8, 8, -1}},
        {"modal view consumes a touch outside its children", kTwoButtons,
         {{D, 200, 200, -1, -1, false, true}, {U, 200, 200, -1, -1, false, true}}, {-1}, TouchTap, 1.0f, true},
        {"modal view keeps an already consumed touch consumed, and ignores it", kTwoButtons,
         {{D, 15, 15, -1, -1, true, true}}, {}, TouchTap, 1.0f, true},
        {"plain view leaves a miss unconsumed", kTwoButtons, {{D, 200, 200, -1, -1, false, false}}, {-1}},
        {"already consumed: nobody is asked", kTwoButtons, {{D, 15, 15, -1, -1, true, true}}, {}},
        {"an element that consumes stops the walk with no hit", {{2, 10, 10, 20, 20}, consuming},
         {{D, 15, 15, -1, -1, false, true}}, {-1}},
    };
}

class MyViewTableTest : public ::testing::TestWithParam<ViewCase> {};

TEST_P(MyViewTableTest, Touches)
{
    const ViewCase& c = GetParam();
    MyView view;
    view.viewWidth = 320;
    view.viewHeight = 480;
    view.touchMode = c.mode;
    view.modal = c.modal ? 1 : 0;
    Listener listener;
    view.listener = &listener;
    std::vector<FakeElement*> elements;
    for (const ChildSpec& spec : c.children) {
        FakeElement* e = new FakeElement(spec.w, spec.h);
        e->answer = spec.answer;
        e->consumes = spec.consumes;
        elements.push_back(e);
        ViewChild& child = view.addChild();
        child.element.reset(e);
        child.tag = spec.tag;
        child.x = spec.x;
        child.y = spec.y;
        child.centred = spec.centred ? 1 : 0;
        child.tappable = spec.tappable ? 1 : 0;
        child.hitMarginX = spec.marginX;
        child.hitMarginY = spec.marginY;
    }
    // Shown once, so that every element knows where it is; then faded as the case asks and drawn again.
    view.render(0, 0, 1.0f, -1.0f, 1.0f, 0, false);
    for (size_t i = 0; i < c.children.size(); i++)
        view.children[(int)i].alpha = c.children[i].alpha;
    view.alpha = c.viewAlpha;
    view.renderChildren();
    for (size_t i = 0; i < c.children.size(); i++) {
        const int expected = (c.viewAlpha > 0 && c.children[i].alpha > 0) ? 2 : 1;
        EXPECT_EQ(expected, elements[i]->renders) << c.name << ": drawings of child " << i;
    }

    for (size_t s = 0; s < c.steps.size(); s++) {
        const Step& step = c.steps[s];
        bool consumed = step.consumedBefore;
        EXPECT_EQ(step.result, view.handleTouch(step.phase, step.x, step.y, &consumed)) << c.name << ", step " << s;
        EXPECT_EQ(step.armedAfter, view.armedTag) << c.name << ", step " << s;
        EXPECT_EQ(step.consumedAfter, consumed) << c.name << ", step " << s;
    }
    EXPECT_EQ(c.heard, listener.heard) << c.name;
    if (!listener.heard.empty()) {
        EXPECT_EQ(&view, listener.from);
    }
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, MyViewTableTest, ::testing::ValuesIn(viewCases()),
                         [](const ::testing::TestParamInfo<ViewCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

TEST(MyViewTest, DrawsChildrenWithTheViewsScaleOpacityAndArmedState)
{
    MyView view;
    view.viewWidth = 100;
    FakeElement* a = new FakeElement(10, 10);
    FakeElement* b = new FakeElement(30, 10);
    ViewChild& first = view.addChild();
    first.element.reset(a);
    first.tag = 1;
    first.x = 10;
    first.y = 20;
    first.alpha = 0.5f;
    first.angle = 90.0f;
    first.scaleX = 2.0f;  // scaleY -1: the same
    ViewChild& second = view.addChild();
    second.element.reset(b);
    second.tag = -1;
    second.centred = 1;
    second.y = 5;
    second.scaleX = 1.0f;
    second.scaleY = 0.5f;
    ViewChild& empty = view.addChild();  // an empty record draws nothing and takes no touches
    empty.tag = 9;
    empty.tappable = 1;
    view.armedTag = 1;

    view.render(100.5f, 200.25f, 2.0f, 3.0f, 0.5f, 45.0f, true);
    EXPECT_FLOAT_EQ(120.5f, a->lastX);
    EXPECT_FLOAT_EQ(260.25f, a->lastY);
    EXPECT_EQ(120, a->x);
    EXPECT_EQ(260, a->y);
    EXPECT_FLOAT_EQ(4.0f, a->scaleX);
    EXPECT_FLOAT_EQ(6.0f, a->scaleY);
    EXPECT_FLOAT_EQ(0.25f, a->alpha);
    EXPECT_FLOAT_EQ(90.0f, a->angle);
    EXPECT_TRUE(a->selected);
    // Centred by whole halves: (50 - 15) x 2.
    EXPECT_FLOAT_EQ(170.5f, b->lastX);
    EXPECT_FLOAT_EQ(215.25f, b->lastY);
    EXPECT_FLOAT_EQ(1.5f, b->scaleY);
    EXPECT_FALSE(b->selected) << "only the armed child draws as pressed";
    view.armedTag = -1;
    view.renderChildren();
    EXPECT_FALSE(b->selected) << "an untagged child does not draw as pressed while nothing is armed";
    EXPECT_FALSE(a->selected);
    bool consumed = false;
    EXPECT_EQ(-1, view.handleTouch(TouchDown, 0, 0, &consumed)) << "the empty record takes no touch";
}

TEST(MyViewTest, PositionsChildrenFromTheGivenOriginAndKeepsItsOwn)
{
    MyView view;
    view.viewWidth = 320;
    view.scaleX = 1.0f;
    FakeElement* a = new FakeElement(10, 10);
    FakeElement* centred = new FakeElement(101, 10);
    ViewChild& first = view.addChild();
    first.element.reset(a);
    first.x = 3;
    first.y = 4;
    ViewChild& second = view.addChild();
    second.element.reset(centred);
    second.centred = 1;
    view.originX = 7;
    view.originY = 8;

    view.setPosition(20, 31, 20.5f, 30.75f);
    EXPECT_FLOAT_EQ(23.5f, a->exactX);
    EXPECT_FLOAT_EQ(34.75f, a->exactY);
    // Whole part of the child's place plus the whole part of the view's rounding: 23 + 0, 34 + 0.
    EXPECT_EQ(23, a->placedX);
    EXPECT_EQ(34, a->placedY);
    EXPECT_EQ(130, centred->placedX);
    EXPECT_FLOAT_EQ(7.0f, view.originX) << "the origin is only set by drawing";
    EXPECT_FLOAT_EQ(8.0f, view.originY);
    view.setPosition(-3, 40, 2.0f, 39.0f);
    EXPECT_EQ(0, a->placedX) << "5 + trunc(-3 - 2)";
    EXPECT_EQ(44, a->placedY) << "43 + trunc(40 - 39)";
}

TEST(MyViewTest, DroppedChildrenLetGoOfTheirElements)
{
    MyView view;
    Ref<ViewElementI> kept(new FakeElement(1, 1));
    view.resizeChildren(3);
    view.children[2].element = kept;
    EXPECT_EQ(2, kept.useCount());
    view.resizeChildren(2);
    EXPECT_EQ(1, kept.useCount());
    view.resizeChildren(3);
    EXPECT_TRUE(view.children[2].element.isNull()) << "a regrown record has the defaults";
    EXPECT_EQ(-1, view.children[2].tag);
    EXPECT_FLOAT_EQ(-1.0f, view.children[2].scaleY);
    view.children[0].element = kept;
    view.removeAllChildren();
    EXPECT_EQ(0, view.children.size());
    EXPECT_EQ(1, kept.useCount());
}

}  // namespace
