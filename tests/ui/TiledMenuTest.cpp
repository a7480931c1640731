#include <functional>

#include "Core/GameClock.h"
#include "settings/AbSettings.h"
#include "tests/ui/FakeElement.h"
#include "tests/ui/MenuPictures.h"
#include "ui/Button.h"
#include "ui/CombinedMenuFrame.h"
#include "ui/IndexElement.h"
#include "ui/MainHeading.h"
#include "ui/TiledMenu.h"

namespace {

// A menu whose rows a test fills.
class TestMenu : public TiledMenu {
public:
    explicit TestMenu(std::function<void(TestMenu&)> fill) : TiledMenu(512, 512, 512, 256), fill(fill) {}
    void addContents() override { fill(*this); }
    std::function<void(TestMenu&)> fill;
};

FakeElement* addFake(TiledMenu& menu, int row, int w, int h, bool floating = false, int tag = -1)
{
    FakeElement* element = new FakeElement(w, h);
    ViewChild* child = menu.addElement(tag, row, floating);
    EXPECT_NE(nullptr, child);
    if (child)
        child->element.reset(element);
    return element;
}

class TiledMenuTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        gGameClock.current = 1000;
        gAbSettings.vo = -1;
        gAbSettings.vll = -1;
    }
    void TearDown() override
    {
        gAbSettings.vo = -1;
        gAbSettings.vll = -1;
        MenuTestFolder::TearDown();
    }
};

TEST_F(TiledMenuTest, LayoutPlacesCellsInRowsWithMarginsAndFloatingCells)
{
    struct Case {
        const char* name;
        std::function<void(TestMenu&)> fill;
        int innerWidth, innerHeight;
        std::vector<std::pair<int, int>> offsets;  // of the child records, in order
    } cases[] = {
        {"one element", [](TestMenu& m) { addFake(m, 0, 200, 30); }, 240, 30, {{20, 2}}},
        {"floating cell takes no room",
         [](TestMenu& m) {
             addFake(m, 0, 100, 20);
             addFake(m, 0, 50, 60, true);
             addFake(m, 0, 30, 10);
         },
         170, 20, {{20, 2}, {120, 2}, {120, 2}}},
        {"vertical spacer row adds height only",
         [](TestMenu& m) {
             addFake(m, 0, 100, 20);
             m.addVerticalSpace(1, 15);
             addFake(m, 2, 80, 10);
         },
         140, 45, {{20, 2}, {20, 37}}},
        {"horizontal spacer shifts the next cell",
         [](TestMenu& m) {
             m.addHorizontalSpace(0, 22);
             addFake(m, 0, 100, 20);
         },
         162, 20, {{42, 2}}},
        {"no rows", [](TestMenu&) {}, 39, 0, {}},
    };
    for (const Case& c : cases) {
        TestMenu menu(c.fill);
        c.fill(menu);
        menu.layout(-1, -1);
        EXPECT_EQ(c.innerWidth, menu.inner.width()) << c.name;
        EXPECT_EQ(c.innerHeight, menu.inner.height()) << c.name;
        ASSERT_EQ((int)c.offsets.size(), menu.inner.children.size()) << c.name;
        for (int i = 0; i < menu.inner.children.size(); i++) {
            EXPECT_EQ(c.offsets[i].first, menu.inner.children[i].x) << c.name << " child " << i;
            EXPECT_EQ(c.offsets[i].second, menu.inner.children[i].y) << c.name << " child " << i;
        }
    }
}

TEST_F(TiledMenuTest, BuildMovesContentsIntoTheFrameAndPositionsThem)
{
    FakeElement* element = nullptr;
    TestMenu menu([&](TestMenu& m) { element = addFake(m, 0, 200, 30); });
    menu.build(0, true, 50);
    EXPECT_EQ(4, menu.contentOffsetX);
    EXPECT_EQ((485 - (30 + 32)) / 2 + 9, menu.contentOffsetY);
    ASSERT_EQ(2, menu.inner.children.size());
    EXPECT_EQ(0, menu.inner.children[0].x) << "the frame record stays";
    EXPECT_EQ(24, menu.inner.children[1].x);
    EXPECT_EQ(2 + menu.contentOffsetY, menu.inner.children[1].y);
    EXPECT_EQ(320, menu.inner.width());
    EXPECT_EQ(480, menu.inner.height());
    EXPECT_EQ(1, menu.inner.modal);
    EXPECT_EQ(1, element->placed);
    EXPECT_EQ(24, element->placedX);
    EXPECT_EQ(2 + menu.contentOffsetY, element->placedY);
    EXPECT_TRUE(menu.atlas.uploaded);
    ASSERT_NE(nullptr, menu.frameChild);
    EXPECT_EQ(50 + 218 + 42, menu.frameChild->element->width());
}

TEST_F(TiledMenuTest, RowWiderThanTheFrameRaisesItsWidth)
{
    TestMenu menu([](TestMenu& m) { addFake(m, 0, 310, 30); });
    menu.build(0, true, 50);
    EXPECT_EQ((58 - 60) / 2, menu.contentOffsetX);
    EXPECT_EQ(60 + 218 + 42, menu.frameChild->element->width());
}

TEST_F(TiledMenuTest, CentreShiftMovesContentsDown)
{
    TestMenu plain([](TestMenu& m) { addFake(m, 0, 100, 30); });
    plain.build(0, false, 50);
    TestMenu shifted([](TestMenu& m) { addFake(m, 0, 100, 30); });
    shifted.build(10, false, 50);
    EXPECT_EQ(plain.contentOffsetY + 10, shifted.contentOffsetY);
    EXPECT_FALSE(shifted.atlas.uploaded) << "positioning and upload are left to the menu";
}

TEST_F(TiledMenuTest, StartDelayHidesTheMenuButItTakesTouches)
{
    TestMenu menu([](TestMenu& m) { m.addButton(7, 0, "Go", true, ButtonOptions()); });
    menu.startDelayMs = 500;
    menu.build(0, true, 50);
    const ViewChild& child = menu.inner.children[1];
    const int x = child.element->x + 20, y = child.element->y + 20;

    gGameClock.current = 1000 + 500;
    clearFrame(1, 1, 1, 1);
    EXPECT_EQ(0, menu.render());
    EXPECT_TRUE(pixelNear(pixel(x, y), RGBA{255, 255, 255, 255})) << "not even the shadow";
    EXPECT_EQ(-1, menu.handleTouch(TouchDown, x, y));
    EXPECT_EQ(7, menu.handleTouch(TouchUp, x, y));

    gGameClock.current = 1000 + 501;
    menu.render();
    EXPECT_FALSE(pixelNear(pixel(x, y), RGBA{255, 255, 255, 255}));
}

TEST_F(TiledMenuTest, ShadowFollowsTheScaleAndTheContentsDrawOverTheFrame)
{
    TestMenu menu([](TestMenu& m) { addFake(m, 0, 200, 30); });
    menu.build(0, true, 50);
    // Away from the frame only the shadow dims the white screen.
    struct Case {
        float scale;
        float alpha;
    } cases[] = {{1.0f, 1.0f}, {0.5f, 1.0f}, {0.2f, 1.0f}, {1.0f, 0.5f}};
    for (const Case& c : cases) {
        clearFrame(1, 1, 1, 1);
        menu.inner.scaleX = c.scale;
        menu.inner.alpha = c.alpha;
        menu.render();
        const float darkness = 1.0f - pixel(2, 2).r / 255.0f;
        const float expected = std::min(1.3f * c.scale, 1.0f) * c.alpha * (80.0f / 255.0f);
        EXPECT_NEAR(expected, darkness, 0.02f) << c.scale << " " << c.alpha;
    }
}

TEST_F(TiledMenuTest, TagsFindTheirCellsAndRowsOutsideTheMenuAreRefused)
{
    TestMenu menu([](TestMenu&) {});
    addFake(menu, 3, 10, 10, false, 5);
    addFake(menu, 3, 20, 10, false, -1);
    // Many more records than the reserve: cells still find their children.
    for (int i = 0; i < 80; i++)
        addFake(menu, 4, 1, 1, false, 100 + i);
    ASSERT_NE(nullptr, menu.findCell(5));
    EXPECT_EQ(5, menu.cellChild(menu.findCell(5))->tag);
    EXPECT_EQ(179, menu.cellChild(menu.findCell(179))->tag);
    EXPECT_EQ(nullptr, menu.findCell(-1));
    EXPECT_EQ(nullptr, menu.findCell(6));
    EXPECT_EQ(5, menu.usedRows);

    const int children = menu.inner.children.size();
    for (int row : {32, 33, -1, 1000}) {
        EXPECT_EQ(nullptr, menu.addElement(9, row, false)) << row;
        EXPECT_EQ(nullptr, menu.addVerticalSpace(row, 5)) << row;
        EXPECT_EQ(nullptr, menu.addHorizontalSpace(row, 5)) << row;
    }
    EXPECT_EQ(children, menu.inner.children.size());
    EXPECT_EQ(5, menu.usedRows);
    EXPECT_EQ(nullptr, menu.findCell(9));
    ASSERT_NE(nullptr, menu.addElement(9, 31, false));
    EXPECT_EQ(32, menu.usedRows);
}

TEST_F(TiledMenuTest, LaterCellWithTheSameTagTakesTheEntry)
{
    TestMenu menu([](TestMenu&) {});
    addFake(menu, 0, 10, 10, false, 5);
    addFake(menu, 2, 30, 10, false, 5);
    ASSERT_NE(nullptr, menu.findCell(5));
    EXPECT_EQ(30, menu.cellChild(menu.findCell(5))->element->width());
}

TEST(ButtonPairLayoutTest, PairsFitTheRowOrFallToTheSmallerSize)
{
    struct Case {
        int w1, w2, w1At14, w2At14;
        int space, minWidth, fontSizeDelta, extraMargin;
    } cases[] = {
        {80, 80, 75, 75, 22, 125, 0, 0},       // both fit with room to spare
        {103, 103, 96, 96, 22, 125, 0, 0},     // exactly the frame's room
        {110, 100, 100, 94, 15, 125, 0, 0},    // S = 213: a narrower space
        {150, 150, 140, 140, 3, 42, -1, -4},   // S = 300: size 14, margins in, space cut by 8
        {120, 120, 112, 112, 8, 102, -1, -1},  // S = 240: size 14, t = 235, one px off each side
        {120, 100, 104, 92, 27, 119, -1, 0},   // size 14 fits, the space takes the rest
    };
    for (const Case& c : cases) {
        const ButtonPairLayout pair = layoutButtonPair(c.w1, c.w2, c.w1At14, c.w2At14);
        EXPECT_EQ(c.space, pair.space) << c.w1 << "/" << c.w2;
        EXPECT_EQ(c.minWidth, pair.minWidth) << c.w1 << "/" << c.w2;
        EXPECT_EQ(c.fontSizeDelta, pair.fontSizeDelta) << c.w1 << "/" << c.w2;
        EXPECT_EQ(c.extraMargin, pair.extraMargin) << c.w1 << "/" << c.w2;
    }
}

// A caption exactly `target` px wide at size 15 in the menu font; empty when none is found.
std::string captionOfWidth(int target)
{
    const char letters[] = "aeilmnorstuWM ";
    for (int n = 1; n < 60; n++)
        for (const char* a = letters; *a; a++)
            for (const char* b = letters; *b; b++)
                for (int k = 0; k <= n; k++) {
                    const std::string caption = "B" + std::string(k, *a) + std::string(n - k, *b);
                    if (menuTextWidth(caption.c_str(), 15) == target)
                        return caption;
                }
    return std::string();
}

TEST_F(TiledMenuTest, TwoShortCaptionsGiveTwoButtonsOf125With22Between)
{
    const std::string caption = captionOfWidth(80);
    ASSERT_FALSE(caption.empty());
    int nextRow = 0;
    TestMenu menu([&](TestMenu& m) {
        m.addButtonRow(&nextRow, caption.c_str(), caption.c_str(), nullptr, false, 0, 1, true);
    });
    menu.build(0, true, 50);
    EXPECT_EQ(1, nextRow);
    ASSERT_EQ(3, menu.rowCount(0));
    const ViewChild* first = menu.cellChild(&menu.cellAt(0, 0));
    const ViewChild* second = menu.cellChild(&menu.cellAt(0, 2));
    EXPECT_EQ(nullptr, menu.cellChild(&menu.cellAt(0, 1)));
    EXPECT_EQ(22, menu.cellAt(0, 1).width);
    EXPECT_EQ(125, first->element->width());
    EXPECT_EQ(125, second->element->width());
    EXPECT_EQ(first->x + 125 + 22, second->x);
    EXPECT_EQ(0, first->tag);
    EXPECT_EQ(1, second->tag);
    EXPECT_EQ(2, first->hitMarginY);
    EXPECT_FLOAT_EQ(0.7f, static_cast<Button*>(first->element.get())->options.captionOpacity);
    EXPECT_FLOAT_EQ(1.0f, static_cast<Button*>(second->element.get())->options.captionOpacity);
}

TEST_F(TiledMenuTest, TwoLongCaptionsFallToSize14WithNarrowedButtons)
{
    const std::string caption = captionOfWidth(150);
    ASSERT_FALSE(caption.empty());
    int nextRow = 0;
    TestMenu menu([&](TestMenu& m) {
        m.addButtonRow(&nextRow, caption.c_str(), caption.c_str(), nullptr, false, 0, 1, false);
    });
    menu.build(0, true, 50);
    const Button* first = static_cast<Button*>(menu.cellChild(&menu.cellAt(0, 0))->element.get());
    EXPECT_EQ(-1, first->options.fontSizeDelta);
    EXPECT_LT(first->options.extraMargin, 0);
    EXPECT_GE(first->options.extraMargin, -4);
    const int at14 = menuTextWidth(caption.c_str(), 14);
    EXPECT_EQ(at14 + 22 + 2 * first->options.extraMargin, menu.cellChild(&menu.cellAt(0, 0))->element->width());
}

TEST_F(TiledMenuTest, ButtonRowsStackLoneOrSideBySide)
{
    struct Case {
        const char* name;
        const char* c1;
        const char* c2;
        const char* c3;
        bool stacked;
        int rowsUsed;
        std::vector<int> buttonRows;  // row of each button, in tag order
        bool centred;
        int style;
    } cases[] = {
        {"three always stack", "One", "Two", "Three", false, 5, {0, 2, 4}, true, ButtonStyleLarge},
        {"stacked pair", "One", "Two", nullptr, true, 5, {0, 2}, true, ButtonStyleLarge},
        {"lone", "One", nullptr, nullptr, false, 1, {0}, true, ButtonStyleFitted},
        {"side by side", "One", "Two", nullptr, false, 1, {0, 0}, false, ButtonStyleFitted},
    };
    for (const Case& c : cases) {
        int nextRow = 0;
        TestMenu menu([&](TestMenu& m) { m.addButtonRow(&nextRow, c.c1, c.c2, c.c3, c.stacked, 0, 1, false); });
        menu.build(0, false, 50);
        EXPECT_EQ(c.rowsUsed, nextRow) << c.name;
        for (int tag = 0; tag < (int)c.buttonRows.size(); tag++) {
            const TiledMenuCell* cell = menu.findCell(tag);
            ASSERT_NE(nullptr, cell) << c.name << " tag " << tag;
            bool inRow = false;
            for (int i = 0; i < menu.rowCount(c.buttonRows[tag]); i++)
                inRow |= &menu.cellAt(c.buttonRows[tag], i) == cell;
            EXPECT_TRUE(inRow) << c.name << " tag " << tag;
            const ViewChild* child = menu.cellChild(cell);
            EXPECT_EQ(c.centred ? 1 : 0, child->centred) << c.name;
            EXPECT_EQ(c.style, static_cast<Button*>(child->element.get())->options.style) << c.name;
        }
        EXPECT_EQ(nullptr, menu.findCell((int)c.buttonRows.size())) << c.name << ": no more buttons";
    }
}

TEST(DividerGapTest, GapIsClearedInTheMiddleAndNeverBeyondTheDivider)
{
    struct Case {
        int gap;
        int from, to;  // cleared columns [from, to)
    } cases[] = {{100, 72, 172}, {245, 0, 245}, {246, 0, 245}, {247, 0, 245}, {300, 0, 245}, {10, 117, 127}};
    for (const Case& c : cases) {
        // The divider's region inside a wider page that holds ink beside it.
        Bitmap page(260, 3, false);
        for (int y = 0; y < 3; y++)
            for (int x = 0; x < 260; x++)
                page.at(x, y) = RGBA{9, 9, 9, 255};
        PixelView divider;
        divider.page = &page;
        divider.pixels = &page.at(5, 0);
        divider.width = 245;
        divider.height = 3;
        divider.stride = page.allocW;
        clearDividerGap(divider, c.gap);
        for (int y = 0; y < 3; y++)
            for (int x = 0; x < 260; x++) {
                const bool cleared = x - 5 >= c.from && x - 5 < c.to;
                ASSERT_EQ(cleared ? 0 : 255, page.at(x, y).a) << "gap " << c.gap << " page column " << x;
            }
    }
}

TEST_F(TiledMenuTest, HeadingOpensTheDividerUnderItsText)
{
    SpriteSheet atlas(512, 512, false);
    MainHeading heading(&atlas, "Options");
    EXPECT_EQ(245, heading.width());
    EXPECT_EQ(13, heading.height());
    ASSERT_EQ(2, heading.children.size());
    const IndexElement* divider = static_cast<IndexElement*>(heading.children[0].element.get());
    const PixelView view = divider->caption.pixelView(0);
    ASSERT_NE(nullptr, view.pixels);
    const int gap = menuTextWidth("Options", 18) + 10;
    EXPECT_EQ(0, view.pixels[view.stride + 122].a) << "cleared under the text";
    EXPECT_NE(0, view.pixels[view.stride + (245 - gap) / 2 - 2].a) << "kept beside it";
}

TEST_F(TiledMenuTest, HeadingTextChangedLaterGoesIntoItsOwnSheet)
{
    SpriteSheet atlas(512, 512, false);
    MainHeading heading(&atlas, "Options");
    heading.setPosition(30, 40, 30.0f, 40.0f);
    atlas.uploadPages();
    const int regions = atlas.regionCount();
    heading.setText("High scores of today");
    EXPECT_EQ(regions, atlas.regionCount()) << "the menu's uploaded atlas is left alone";
    EXPECT_TRUE(heading.ownSheet.uploaded);
    ASSERT_EQ(2, heading.children.size());
    for (int i = 0; i < 2; i++)
        EXPECT_EQ(&heading.ownSheet, static_cast<IndexElement*>(heading.children[i].element.get())->caption.sheet);
    EXPECT_EQ(menuTextWidth("High scores of today", 18),
              static_cast<IndexElement*>(heading.children[1].element.get())->caption.width);
}

TEST_F(TiledMenuTest, TextLineKeepsItsRowHeightButItsDescendersShow)
{
    // A title with descenders ("Designs" heads the German theme menu): the row stays fontSize + 2 high, the
    // picture holds the letters whole, so ink shows below the row instead of being cut off.
    IndexElement* line = nullptr;
    TestMenu menu([&](TestMenu& m) {
        ViewChild* child = m.addTextLine("Designs", 0, 24);
        ASSERT_NE(nullptr, child);
        line = static_cast<IndexElement*>(child->element.get());
    });
    menu.build(0, false, 50);
    ASSERT_NE(nullptr, line);
    EXPECT_EQ(26, line->height());
    EXPECT_EQ(textLinePictureHeight(24), line->caption.height);
    const PixelView view = line->caption.pixelView(0);
    ASSERT_NE(nullptr, view.pixels);
    int inkBelowRow = 0;
    for (int y = 26; y < line->caption.height; y++)
        for (int x = 0; x < line->caption.width; x++)
            inkBelowRow += view.pixels[y * view.stride + x].a != 0;
    EXPECT_GT(inkBelowRow, 0) << "the descender of the g is drawn";
}

TEST_F(TiledMenuTest, FittedParagraphShrinksOnlyWhenTooTall)
{
    const char* text = "A paragraph long enough to need several lines in a narrow box of the menu.";
    TextSize at13{0, 0}, at12{0, 0};
    measureWrappedText(&at13, text, 13, defaultTextStyle(), 150, 1024);
    measureWrappedText(&at12, text, 12, defaultTextStyle(), 150, 1024);
    ASSERT_GT(at13.height, at12.height) << "the test needs a text that is shorter at 12";
    EXPECT_EQ(13, TiledMenu::paragraphFontSize(text, 150, -1));
    EXPECT_EQ(13, TiledMenu::paragraphFontSize(text, 150, at13.height));
    EXPECT_EQ(12, TiledMenu::paragraphFontSize(text, 150, at12.height));
    EXPECT_EQ(11, TiledMenu::paragraphFontSize(text, 150, at12.height - 1));
}

TEST(FrameShadeTest, ShadeOpacityByExperimentValues)
{
    EXPECT_NEAR(0.1f + 0.255f + 0.15f - 3.0f * 250.0f / 3500.0f, CombinedMenuFrame::shadeAlpha(280, 300, 4, 3),
                1e-5);
    EXPECT_NEAR(0.29f, CombinedMenuFrame::shadeAlpha(280, 300, 4, 3), 0.01);
    EXPECT_NEAR(0.1f + 0.255f, CombinedMenuFrame::shadeAlpha(280, 300, 4, 1), 1e-5) << "vll 1: no change";
    EXPECT_NEAR(0.1f + 0.17f + 0.1f, CombinedMenuFrame::shadeAlpha(40, 50, 3, 2), 1e-5) << "small: no size term";
    EXPECT_FLOAT_EQ(0.0f, CombinedMenuFrame::shadeAlpha(300, 450, 3, 9)) << "never below 0";
    EXPECT_LT(CombinedMenuFrame::shadeAlpha(280, 300, 2, 3), 0.0f) << "vo 2: no shade";
    EXPECT_LT(CombinedMenuFrame::shadeAlpha(280, 300, -1, -1), 0.0f);
}

TEST_F(TiledMenuTest, DeepMenusGetAShadeOverTheFrame)
{
    TestMenu plain([](TestMenu& m) { addFake(m, 0, 200, 30); });
    plain.build(0, true, 50);
    gAbSettings.vo = 4;
    gAbSettings.vll = 3;
    TestMenu deep([](TestMenu& m) { addFake(m, 0, 200, 30); });
    deep.build(0, true, 50);
    const MyView* plainFrame = static_cast<MyView*>(plain.frameChild->element.get());
    const MyView* deepFrame = static_cast<MyView*>(deep.frameChild->element.get());
    EXPECT_EQ(5, plainFrame->children.size());
    EXPECT_EQ(6, deepFrame->children.size());
}

TEST_F(TiledMenuTest, FrameStripsShowTheWoodAndTheInteriorLinesUp)
{
    TestMenu menu([](TestMenu& m) { addFake(m, 0, 200, 100); });
    menu.build(0, true, 50);
    clearFrame(1, 1, 1, 1);
    menu.render();
    saveFrame("framed_menu");
    // The wood is a plain grey 120: inside the frame (interior and border alike) the screen shows it.
    const int frameX = menu.contentOffsetX + 1, frameY = menu.contentOffsetY;
    const RGBA interior = pixel(frameX + 21 + 50, frameY + 11 + 30);
    const RGBA border = pixel(frameX + 15, frameY + 60);
    EXPECT_TRUE(pixelNear(interior, RGBA{120, 120, 120, 255}, 3));
    EXPECT_LT(std::abs(border.r - interior.r), 40) << "the border is wood with its highlight";
}

}  // namespace
