#include <cmath>
#include <string>
#include <vector>

#include "Core/GameClock.h"
#include "tests/ui/MenuPictures.h"
#include "ui/CustomAlertView.h"
#include "ui/IndexElement.h"
#include "ui/MarginWrapper.h"
#include "ui/MenuStack.h"

namespace {

struct Recorder : AlertViewCallbackI {
    void alertButtonClicked(int buttonIndex, CustomAlertView* alert) override
    {
        pressed.push_back(buttonIndex);
        from = alert;
        if (openAnother)
            opened = new CustomAlertView(nullptr, "Next", "Another question", "Yes", nullptr, nullptr, options);
    }
    std::vector<int> pressed;
    CustomAlertView* from = nullptr;
    bool openAnother = false;
    CustomAlertView* opened = nullptr;
    AlertOptions options;
};

class CustomAlertViewTest : public MenuTestFolder {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        gGameClock.current = 5000;
    }
    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        MenuTestFolder::TearDown();
    }

    // Draws the alert's frames up to `ms` after its animation started (the first two frames start it).
    static void drawUntil(CustomAlertView* alert, int ms)
    {
        alert->render();
        alert->render();
        gGameClock.current = alert->animStartMs + ms;
        alert->render();
    }

    // The centre of the button carrying the tag, where it was last drawn.
    static std::pair<int, int> buttonCentre(CustomAlertView* alert, int tag)
    {
        const ViewChild* child = alert->cellChild(alert->findCell(tag));
        EXPECT_NE(nullptr, child);
        if (!child)
            return {-1, -1};
        return {child->element->x + child->element->width() / 2, child->element->y + child->element->height() / 2};
    }

    static int tap(int x, int y)
    {
        bool consumed = false;
        gMenuStack.dispatchTouch(TouchDown, x, y, &consumed);
        consumed = false;
        return gMenuStack.dispatchTouch(TouchUp, x, y, &consumed);
    }

    // The cut height of a text row's picture (row 1 title, row 4 message).
    static int textHeight(CustomAlertView* alert, int row)
    {
        const ViewChild* child = alert->cellChild(&alert->cellAt(row, 0));
        const MarginWrapper* wrapper = static_cast<MarginWrapper*>(child->element.get());
        return static_cast<IndexElement*>(wrapper->child)->caption.height;
    }
};

TEST(AlertPopInTest, ScaleGrowsOvershootsBouncesAndSettles)
{
    struct Case {
        float t, scale;
    } cases[] = {{-5, 0.0f},   {0, 0.0f},     {115, 1.1f * std::sin(3.14159265f / 8)},
                 {230, 1.1f * std::sin(3.14159265f / 4)},  {460, 1.1f}, {460 + 440.0f / 3, 0.9f},
                 {680, 1.0f},  {681, 1.0f},   {5000, 1.0f}};
    for (const Case& c : cases)
        EXPECT_NEAR(c.scale, CustomAlertView::popInScale(c.t), 1e-4) << c.t;
    for (float t = 1; t < 2000; t += 1)
        EXPECT_GE(CustomAlertView::popInScale(t) + 1e-5f, t > 300 ? 0.9f : 0.0f) << t;
}

TEST_F(CustomAlertViewTest, PopsInAboutTheCentreAndAsksForFramesUntilSettled)
{
    CustomAlertView* alert =
        new CustomAlertView(nullptr, "Give up?", "Your game ends here.", "Yes", "No", nullptr, AlertOptions());
    EXPECT_EQ(alert, gMenuStack.top());
    EXPECT_EQ(1, alert->render());
    EXPECT_EQ(0.0f, alert->inner.scaleX) << "the first frames only start the clock";
    EXPECT_EQ(1, alert->render());
    const int start = alert->animStartMs;
    struct Step {
        int ms;
        float scale;
        int more;
    } steps[] = {{0, 0.0f, 1}, {230, 1.1f * std::sin(3.14159265f / 4), 1}, {460, 1.1f, 1},
                 {607, 0.9f, 1}, {680, 1.0f, 1}, {681, 1.0f, 1}, {900, 1.0f, 0}};
    for (const Step& s : steps) {
        gGameClock.current = start + s.ms;
        EXPECT_EQ(s.more, alert->render()) << s.ms;
        EXPECT_NEAR(s.scale, alert->inner.scaleX, 2e-3) << s.ms;
        if (s.ms < 681) {
            EXPECT_NEAR((1 - s.scale) * 240, alert->inner.originY, 0.5) << s.ms;
        }
    }
    EXPECT_EQ(-1, alert->animStartMs);
    EXPECT_EQ(0.0f, alert->inner.originX);
}

TEST_F(CustomAlertViewTest, SaysOnceInTheLogWhenItHasGrownIn)
{
    // Scripts that play the game tap an alert's buttons once this line is out; not a frame earlier.
    CustomAlertView* alert = new CustomAlertView(nullptr, "Title", "Message", "OK", nullptr, nullptr, AlertOptions());
    const auto grownLines = [](const std::string& log) {
        int count = 0;
        for (size_t at = log.find("alert grown in"); at != std::string::npos; at = log.find("alert grown in", at + 1))
            count++;
        return count;
    };
    struct Step {
        int ms;
        int lines;
    } steps[] = {{0, 0}, {460, 0}, {680, 0}, {681, 1}, {900, 0}, {5000, 0}};
    alert->render();
    alert->render();
    const int start = alert->animStartMs;
    for (const Step& s : steps) {
        gGameClock.current = start + s.ms;
        ::testing::internal::CaptureStdout();
        alert->render();
        EXPECT_EQ(s.lines, grownLines(::testing::internal::GetCapturedStdout())) << s.ms;
    }
}

TEST_F(CustomAlertViewTest, TouchesCountOnlyOnceTheAlertIsNearlyFullSize)
{
    Recorder recorder;
    CustomAlertView* alert =
        new CustomAlertView(&recorder, "Give up?", "Your game ends here.", "Yes", "No", nullptr, AlertOptions());
    drawUntil(alert, 680);
    const std::pair<int, int> yes = buttonCentre(alert, 0);
    // Press before 0.9, release after: the press was ignored, so nothing is reported.
    drawUntil(alert, 150);
    ASSERT_LT(alert->inner.scaleX, 0.9f);
    bool consumed = false;
    EXPECT_EQ(-1, gMenuStack.dispatchTouch(TouchDown, yes.first, yes.second, &consumed));
    EXPECT_TRUE(consumed) << "the stack swallows it";
    drawUntil(alert, 700);
    consumed = false;
    EXPECT_EQ(-1, gMenuStack.dispatchTouch(TouchUp, yes.first, yes.second, &consumed));
    EXPECT_TRUE(recorder.pressed.empty());
    EXPECT_EQ(alert, gMenuStack.top());
    // A tap outside the buttons keeps it.
    EXPECT_EQ(-1, tap(5, 5));
    EXPECT_EQ(1, gMenuStack.size());
    // A whole tap on the button: the callback hears its tag with the alert alive, then the stack deletes it.
    EXPECT_EQ(0, tap(yes.first, yes.second));
    EXPECT_EQ(std::vector<int>{0}, recorder.pressed);
    EXPECT_EQ(alert, recorder.from);
    EXPECT_EQ(0, gMenuStack.size());
}

TEST_F(CustomAlertViewTest, TouchBeforeTheFirstFrameFindsNothing)
{
    CustomAlertView* alert = new CustomAlertView(nullptr, "Title", "Message", "OK", nullptr, nullptr, AlertOptions());
    const ViewChild* child = alert->cellChild(alert->findCell(0));
    const int x = child->element->x + 10, y = child->element->y + 10;
    EXPECT_EQ(-1, tap(x, y));
    EXPECT_EQ(1, gMenuStack.size());
}

TEST_F(CustomAlertViewTest, ButtonsCarryTagsInTheOrderOfTheirTexts)
{
    Recorder recorder;
    for (int pressed = 0; pressed < 3; pressed++) {
        CustomAlertView* alert =
            new CustomAlertView(&recorder, "Pick", "One of three", "First", "Second", "Third", AlertOptions());
        drawUntil(alert, 700);
        const std::pair<int, int> button = buttonCentre(alert, pressed);
        EXPECT_EQ(pressed, tap(button.first, button.second));
    }
    EXPECT_EQ((std::vector<int>{0, 1, 2}), recorder.pressed);
    EXPECT_EQ(0, gMenuStack.size());
}

TEST_F(CustomAlertViewTest, NullCallbackStillClosesAndNoAnimationTakesTouchesAtOnce)
{
    AlertOptions options;
    options.noAnimation = 1;
    CustomAlertView* alert = new CustomAlertView(nullptr, "Note", "Saved.", "OK", nullptr, nullptr, options);
    EXPECT_EQ(1.0f, alert->inner.scaleX);
    alert->render();
    EXPECT_EQ(1.0f, alert->inner.scaleX) << "full size on the first frame";
    const std::pair<int, int> ok = buttonCentre(alert, 0);
    EXPECT_EQ(0, tap(ok.first, ok.second));
    EXPECT_EQ(0, gMenuStack.size());
}

TEST_F(CustomAlertViewTest, AlertOpenedFromTheCallbackStaysOpen)
{
    Recorder recorder;
    recorder.openAnother = true;
    CustomAlertView* first =
        new CustomAlertView(&recorder, "First", "Then another", "OK", nullptr, nullptr, AlertOptions());
    drawUntil(first, 700);
    const std::pair<int, int> ok = buttonCentre(first, 0);
    EXPECT_EQ(0, tap(ok.first, ok.second));
    ASSERT_NE(nullptr, recorder.opened);
    EXPECT_EQ(1, gMenuStack.size());
    EXPECT_EQ(recorder.opened, gMenuStack.top());
}

TEST_F(CustomAlertViewTest, TwoAlertsBothAnimateAndOnlyTheLaterTakesTouches)
{
    Recorder recorder;
    CustomAlertView* first = new CustomAlertView(&recorder, "First", "Below", "Under", nullptr, nullptr,
                                                 AlertOptions());
    CustomAlertView* second = new CustomAlertView(&recorder, "Second", "Above", "Over", nullptr, nullptr,
                                                  AlertOptions());
    for (int i = 0; i < 2; i++)
        gMenuStack.render();
    gGameClock.current = first->animStartMs + 300;
    EXPECT_EQ(1, gMenuStack.render());
    EXPECT_GT(first->inner.scaleX, 0.0f);
    EXPECT_GT(second->inner.scaleX, 0.0f);
    gGameClock.current += 500;
    gMenuStack.render();
    const std::pair<int, int> over = buttonCentre(second, 0);
    EXPECT_EQ(0, tap(over.first, over.second));
    EXPECT_EQ(first, gMenuStack.top());
    EXPECT_EQ(std::vector<int>{0}, recorder.pressed);
    EXPECT_EQ(second, recorder.from);
}

TEST_F(CustomAlertViewTest, CompactAndWideChangeSpacesMarginsAndWidths)
{
    AlertOptions plain;
    AlertOptions compact;
    compact.compact = 1;
    AlertOptions wide;
    wide.wide = 1;
    CustomAlertView* a = new CustomAlertView(nullptr, "Title", "Message", "OK", nullptr, nullptr, plain);
    CustomAlertView* b = new CustomAlertView(nullptr, "Title", "Message", "OK", nullptr, nullptr, compact);
    CustomAlertView* c = new CustomAlertView(nullptr, "Title", "Message", "OK", nullptr, nullptr, wide);
    struct Expect {
        CustomAlertView* alert;
        std::vector<std::pair<int, int>> spaces;  // row, height
        int titleMarginY;
        int messageWidth;
    } expects[] = {{a, {{0, 12}, {3, 11}, {5, 14}, {7, 6}}, 7, 272},
                   {b, {{0, 6}, {3, 5}, {5, 10}, {7, 5}}, 6, 272},
                   {c, {{0, 12}, {3, 11}, {5, 14}, {7, 6}}, 7, 288}};
    for (const Expect& e : expects) {
        for (const std::pair<int, int>& space : e.spaces) {
            ASSERT_EQ(1, e.alert->rowCount(space.first));
            EXPECT_EQ(space.second, e.alert->cellAt(space.first, 0).height) << "row " << space.first;
        }
        const MarginWrapper* title = static_cast<MarginWrapper*>(e.alert->cellChild(&e.alert->cellAt(1, 0))->element.get());
        EXPECT_EQ(16, title->marginX);
        EXPECT_EQ(e.titleMarginY, title->marginY);
        const MarginWrapper* body = static_cast<MarginWrapper*>(e.alert->cellChild(&e.alert->cellAt(4, 0))->element.get());
        EXPECT_EQ(e.messageWidth, static_cast<IndexElement*>(body->child)->caption.width);
    }
    // The message row (272 + 2 x 16) is wider than 289 - 40, so it widens the frame to 54; a wide one asks
    // for 70 and its row (288 + 32 + 40 = 360) asks for exactly that.
    EXPECT_EQ((58 - 54) / 2, a->contentOffsetX);
    EXPECT_EQ(a->contentOffsetX, b->contentOffsetX);
    EXPECT_EQ((58 - 70) / 2, c->contentOffsetX);
}

TEST_F(CustomAlertViewTest, CompactShiftsTheContentsTenPixelsDown)
{
    // Same contents height: compare the offset the frame gives with and without the shift.
    AlertOptions compact;
    compact.compact = 1;
    CustomAlertView* b = new CustomAlertView(nullptr, "Title", "Message", "OK", nullptr, nullptr, compact);
    int innerHeight = 0;
    for (int row = 0; row < b->usedRows; row++) {
        int h = -1;
        for (int i = 0; i < b->rowCount(row); i++) {
            const TiledMenuCell& cell = b->cellAt(row, i);
            const ViewChild* child = b->cellChild(&cell);
            h = std::max(h, child && child->element ? child->element->height() : cell.height);
        }
        innerHeight += h;
    }
    EXPECT_EQ(10 + (485 - (innerHeight + 32)) / 2 + 9, b->contentOffsetY);
}

TEST_F(CustomAlertViewTest, TextsAreCutToTheirLastInkedRow)
{
    CustomAlertView* alert = new CustomAlertView(
        nullptr, "One line", "A message of several words that wraps onto a second line and a third line too.", "OK",
        nullptr, nullptr, AlertOptions());
    const int oneLine = textHeight(alert, 1);
    EXPECT_GT(oneLine, 10);
    EXPECT_LT(oneLine, 32) << "a one-line title takes only its line";
    EXPECT_GT(textHeight(alert, 4), 2 * oneLine * 16 / 19);

    CustomAlertView* twoLines = new CustomAlertView(nullptr, "A title long enough for two lines at this size",
                                                    "Message", "OK", nullptr, nullptr, AlertOptions());
    EXPECT_GT(textHeight(twoLines, 1), oneLine + 10);

    CustomAlertView* blank = new CustomAlertView(nullptr, " ", "", "OK", nullptr, nullptr, AlertOptions());
    EXPECT_EQ(0, textHeight(blank, 1));
    EXPECT_EQ(0, textHeight(blank, 4));
}

TEST_F(CustomAlertViewTest, SubclassBuildsThroughSetup)
{
    struct Popup : CustomAlertView {
        Popup() : CustomAlertView(AlertOptions())
        {
            EXPECT_EQ(-1, animStartMs);
            EXPECT_EQ(0, gMenuStack.size()) << "not pushed before setup";
            setup(nullptr, "Level 3", "Well done", "Next", nullptr, nullptr);
        }
        void addBody(int* nextRow) override
        {
            bodyRow = *nextRow;
            CustomAlertView::addBody(nextRow);
        }
        int bodyRow = -1;
    };
    Popup* popup = new Popup();
    EXPECT_EQ(4, popup->bodyRow);
    EXPECT_EQ(popup, gMenuStack.top());
    EXPECT_EQ(5000, popup->animStartMs);
}

TEST_F(CustomAlertViewTest, AlertLooksLikeADialog)
{
    CustomAlertView* alert = new CustomAlertView(nullptr, "Give up?", "Your progress in this game will be lost.",
                                                 "Yes", "No", nullptr, AlertOptions());
    drawUntil(alert, 700);
    clearFrame(1, 1, 1, 1);
    alert->render();
    saveFrame("alert");
    // The corner is only dimmed; the middle of the dialog shows the wood (grey 120).
    EXPECT_TRUE(pixelNear(pixel(2, 2), RGBA{175, 175, 175, 255}, 4));
    const std::pair<int, int> yes = buttonCentre(alert, 0);
    EXPECT_TRUE(pixelNear(pixel(160, yes.second - 40), RGBA{120, 120, 120, 255}, 4));
}

}  // namespace
