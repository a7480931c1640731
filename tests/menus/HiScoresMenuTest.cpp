#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "menus/HiScoresMenu.h"
#include "menus/widgets/CustomMultiSelect.h"
#include "tests/menus/HiScoresScreenFixture.h"
#include "ui/MenuBubble.h"
#include "ui/TextEntryField.h"
#include "tests/support/StdString.h"

namespace {
}

namespace {

class HiScoresMenuTest : public HiScoresScreenTest {
protected:
    void SetUp() override
    {
        HiScoresScreenTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(linkScreenPictures());
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"InstructionBubble_50x50_inverted.png"}));
        gChallengeScoresTipShown = true;
        gFreePlayScoresTipShown = true;
    }

    std::unique_ptr<HiScoresMenu> open(int slot)
    {
        std::unique_ptr<HiScoresMenu> menu(
            new HiScoresMenu(&table, false, table.pendingEntry(slot), slot, false, &scoresHost, &uploader, &fetcher));
        menu->render();
        return menu;
    }

    static void tap(HiScoresMenu& menu, int x, int y, int moveX = -1, int moveY = -1)
    {
        menu.handleTouch(TouchDown, x, y);
        if (moveX != -1)
            menu.handleTouch(TouchMove, moveX, moveY);
        menu.handleTouch(TouchUp, moveX != -1 ? moveX : x, moveX != -1 ? moveY : y);
        menu.render();
    }
};

TEST(EngravedTitle, WhiteLettersTakeTheGrainOfTheWood)
{
    Bitmap text(2, 1, false);
    text.at(0, 0) = RGBA{255, 255, 255, 255};
    text.at(1, 0) = RGBA{255, 255, 255, 255};
    Bitmap wood(3, 3, false);
    for (int y = 0; y < 3; y++)
        for (int x = 0; x < 3; x++)
            wood.at(x, y) = RGBA{100, 200, 30, 255};
    engraveIntoWood(&text, &wood, 2, 1);  // the second pixel's wood lies outside the picture
    EXPECT_EQ(text.at(0, 0).r, 199);
    EXPECT_EQ(text.at(0, 0).g, 254);
    EXPECT_EQ(text.at(0, 0).b, 59);
    EXPECT_EQ(text.at(0, 0).a, 255);
    EXPECT_EQ(text.at(1, 0).r, 255) << "left as it is";
}

TEST_F(HiScoresMenuTest, PeriodArrowZones)
{
    settings.switchA = false;  // the online list without a server: nothing is sent
    auto menu = open(0);
    menu->restartFetch(2);
    menu->render();
    ASSERT_EQ(menu->shownSegment(), 2);
    ASSERT_TRUE(menu->prevZone.enabled);
    const int c = menu->prevZone.centreY;
    EXPECT_EQ(c, menu->periodBarTop() + 5 + 46 / 2);

    struct Press {
        int x, dy;
        int from, to;
    };
    const Press presses[] = {
        {16, 0, 1, 0},  {58, 0, 1, 0},  {59, 0, 1, 1},   {82, 0, 1, 1},  {83, 0, 1, 2},
        {305, 0, 1, 2}, {306, 0, 1, 1}, {37, 15, 1, 0},  {37, 16, 1, 1}, {200, -15, 1, 2},
        {200, -16, 1, 1}, {37, 0, 0, 2}, {160, 0, 2, 0},
    };
    for (const Press& p : presses) {
        menu->showSlot(0, p.from);
        menu->render();
        ASSERT_NE(menu->periodTitle.get(), nullptr);
        tap(*menu, p.x, c + p.dy);
        EXPECT_EQ(menu->shownTimeFilter(), p.to) << "x " << p.x << " dy " << p.dy << " from " << p.from;
        if (p.to != p.from) {
            EXPECT_NE(menu->periodTitle.get(), nullptr) << "rebuilt at the next frame";
        }
    }

    menu->showSlot(0, 1);
    tap(*menu, 200, c, 221, c);
    EXPECT_EQ(menu->shownTimeFilter(), 1) << "a drag of 21 px does nothing";
    tap(*menu, 200, c, 220, c);
    EXPECT_EQ(menu->shownTimeFilter(), 2) << "20 px still counts";

    menu->restartFetch(0);
    menu->render();
    EXPECT_FALSE(menu->prevZone.enabled);
    tap(*menu, 37, c);
    tap(*menu, 200, c);
    EXPECT_EQ(menu->shownTimeFilter(), 2) << "the local list has no period zones";
}

// The screen asks for frames while the busy wheel turns and while a pressed period arrow grows; a list at rest
// lets the main loop rest.
TEST_F(HiScoresMenuTest, AsksForFramesOnlyWhileSomethingMoves)
{
    ASSERT_TRUE(startServer({"--modes", "hang", "--hang", "4"}));
    fetcher.setTimeout(1);
    auto menu = open(0);
    EXPECT_EQ(0, menu->render()) << "the local list";
    menu->restartFetch(2);
    gGameClock.current += 10;
    EXPECT_EQ(1, menu->render()) << "the busy wheel turns while the fetch is on its way";
    ASSERT_TRUE(menu->busyShown());
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(8);
    while (!menu->noConnectionShown() && std::chrono::steady_clock::now() < deadline) {
        gGameClock.current += 10;
        menu->render();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(menu->noConnectionShown());
    EXPECT_EQ(0, menu->render()) << "the fetch has ended: nothing moves";

    menu->handleTouch(TouchDown, 37, menu->prevZone.centreY);
    EXPECT_EQ(1, menu->render()) << "the pressed arrow grows";
    int growing = 1;
    while (growing < 20 && menu->render() == 1)
        growing++;
    EXPECT_LT(growing, 20) << "and stops growing";
    EXPECT_GT(menu->prevZone.scale, 1.0f);
    EXPECT_EQ(0, menu->render()) << "held at its size";
}

TEST_F(HiScoresMenuTest, TheSourceControlAndTheTilesChooseListAndSlot)
{
    settings.switchA = false;
    settings.difficulty = 1;
    auto menu = open(1);
    ASSERT_NE(menu->sourceControl, nullptr);
    ASSERT_EQ(menu->modeRow->children.size(), 3);
    EXPECT_EQ(menu->modeRow->armedTag, 1) << "the tile of the difficulty shown";
    EXPECT_EQ(menu->modeRow->children[0].element->x, menu->modeRow->x + 43);
    EXPECT_EQ(menu->modeRow->children[2].element->x, menu->modeRow->x + 159);

    CustomMultiSelect* control = menu->sourceControl;
    tap(*menu, control->x + 69 + 30, control->y + 15);
    EXPECT_EQ(menu->shownSegment(), 2);
    EXPECT_EQ(control->armedTag, 1);
    menu->showSlot(1, 0);
    ViewElementI* hard = menu->modeRow->children[2].element.get();
    tap(*menu, hard->x + 29, hard->y + 40);
    EXPECT_EQ(menu->shownSlot(), 2);
    EXPECT_EQ(menu->shownTimeFilter(), 0) << "the same period";
    ViewElementI* same = menu->modeRow->children[2].element.get();
    tap(*menu, same->x + 29, same->y + 40);
    EXPECT_EQ(menu->shownSlot(), 2);
    tap(*menu, control->x + 30, control->y + 15);
    EXPECT_EQ(menu->shownSegment(), 0);
}

TEST_F(HiScoresMenuTest, FreePlayShowsTheNameFieldAndOnlyTheOnlineList)
{
    settings.gameMode = 2;
    settings.switchA = false;
    auto menu = open(7);
    EXPECT_EQ(menu->sourceControl, nullptr);
    ASSERT_NE(menu->nameField, nullptr);
    EXPECT_EQ(menu->modeRow->children.size(), 1);
    EXPECT_EQ(menu->shownSegment(), 2);
    menu->segmentSelected(1, nullptr);
    EXPECT_EQ(menu->shownSegment(), 2) << "segment 1 reads as the online list";
    menu->restartFetch(1);
    EXPECT_EQ(menu->shownSegment(), 2);
    menu->render();
    EXPECT_TRUE(menu->prevZone.enabled) << "with its period bar";
    tap(*menu, 100, menu->modeRow->y + 20);
    EXPECT_EQ(menu->shownSlot(), 7) << "no touch changes the slot";
}

TEST_F(HiScoresMenuTest, TypingANameSendsOneRequestOnceTheKeysPause)
{
    ASSERT_TRUE(startServer({}));
    settings.gameMode = 2;
    auto menu = open(7);
    ASSERT_TRUE(framesUntil(*menu, [&] { return rowCount() > 0; }));
    ASSERT_EQ(requestsOf("GET", 1).size(), 1u) << "the list as the screen opens";
    ASSERT_NE(menu->nameField->field.get(), nullptr);

    const int keys[] = {'z', 'o', 'r', 'a', 'n'};
    for (int key : keys) {
        menu->nameField->field->onKey(key, 0, true, key);
        gGameClock.current += 90;  // five keys within 500 ms
        menu->render();
    }
    EXPECT_EQ(str(table.onlineName()), "zoran") << "stored at every key";
    HiScoreTable saved;
    ASSERT_TRUE(saved.load("hiScores.dat"));
    EXPECT_EQ(str(saved.onlineName()), "zoran") << "and saved at once";

    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(requestsOf("GET", 2, 200).size(), 1u) << "nothing while the keys come";
    gGameClock.current += 500;
    menu->render();
    const auto gets = requestsOf("GET", 2);
    ASSERT_EQ(gets.size(), 2u);
    EXPECT_NE(gets[1].path.find("my_name=zoran&"), std::string::npos) << gets[1].path;
    for (int i = 0; i < 10; i++) {
        gGameClock.current += 100;
        menu->render();
    }
    EXPECT_EQ(requestsOf("GET", 3, 300).size(), 2u) << "one request for the whole name";
}

TEST_F(HiScoresMenuTest, TheFirstTouchOnlyClosesTheFirstVisitTip)
{
    settings.gameMode = 3;
    settings.switchA = false;
    gChallengeScoresTipShown = false;
    auto menu = open(0);
    EXPECT_TRUE(gChallengeScoresTipShown);
    ASSERT_FALSE(menu->tipAnimationRef.isNull());
    MenuBubble* bubble = static_cast<MenuBubble::BubbleAnimation*>(menu->tipAnimationRef.get())->bubble;
    ASSERT_NE(bubble, nullptr);
    CustomMultiSelect* control = menu->sourceControl;
    tap(*menu, control->x + 69 + 30, control->y + 15);
    EXPECT_EQ(menu->shownSegment(), 0) << "the press only asked the tip to close";
    EXPECT_TRUE(bubble->life.closing);
    tap(*menu, control->x + 69 + 30, control->y + 15);
    EXPECT_EQ(menu->shownSegment(), 2) << "later touches work while it fades";

    auto second = open(0);
    EXPECT_TRUE(second->tipAnimationRef.isNull()) << "once per run";
}

TEST_F(HiScoresMenuTest, BackLeavesWithZero)
{
    auto menu = open(0);
    ViewChild* back = menu->cellChild(menu->findCell(0));
    ASSERT_NE(back, nullptr);
    const int x = back->element->x + 10, y = back->element->y + 10;
    EXPECT_EQ(menu->handleTouch(TouchDown, x, y), -1);
    EXPECT_EQ(menu->handleTouch(TouchUp, x, y), 0);
}

}  // namespace
