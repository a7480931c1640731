#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "board/GameGraphics.h"
#include "board/NewLevelData.h"
#include "menus/HistoryCard.h"
#include "menus/HistoryMenu.h"
#include "menus/KelzoScreenFactory.h"
#include "game/KelzoGame.h"
#include "menus/widgets/CustomMultiSelect.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"
#include "tests/menus/ScreenTestSupport.h"
#include "tests/ui/MenuPictures.h"
#include "ui/CustomAlertView.h"
#include "ui/MenuStack.h"

namespace {

HistoryRecord record(int puzzleId, int gameType, int flags, int playMs = 42000, int hinted = 0)
{
    HistoryRecord r{};
    r.puzzleId = puzzleId;
    r.playMs = playMs;
    r.gameType = gameType;
    r.hintedThrough = hinted;
    r.flags = flags;
    r.scheme = 0;
    return r;
}

class FakeHistoryHost : public HistoryHostI {
public:
    const Array<HistoryRecord>& playHistory() override { return history; }
    void replayHistoryRecord(const HistoryRecord& r) override { replayed.push_back(r); }
    void playClick() override { clicks++; }

    Array<HistoryRecord> history;
    std::vector<HistoryRecord> replayed;
    int clicks = 0;
};

class HistoryMenuTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        linkMenuPictures();
        ASSERT_NO_FATAL_FAILURE(linkDataFiles({"GrassTile_176x217.png", "Overlay_shrunk.png",
                                               "ShadowHighlight_shrunk.png", "Left_69x30.png",
                                               "Left_69x30_down.png", "Middle_69x30.png", "Middle_69x30_down.png",
                                               "Right_69x30.png", "Right_69x30_down.png", "AmericanTypewriter.ttf",
                                               "newLdPuzzles.dat", "newLdComplexities.dat", "oldLevelData.dat"}));
        useTextsById(kEnglish, {{0, "OK"}, {1, "Cancel"}, {5, "Back"}, {43, "m"}, {44, "s"}, {175, "Level"},
                                {176, "Solved with help in"}, {177, "Solved in"}, {178, "Unsolved after"},
                                {179, "None unsolved"}, {180, "None solved"}, {181, "Nothing yet"}, {182, "Replay?"},
                                {183, "Beat it?"}, {184, "Try again?"}, {185, "Unsolved"}, {186, "All"},
                                {187, "Solved"}, {188, "Not Yet"}, {189, "Solved"}});
        gNewLevelData.close();
        gMenuStack.deleteAllMenus();
    }
    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        gNewLevelData.close();
        ScreenTest::TearDown();
    }

    // Free Play at levels 5 and 7, solved or not, abandoned (4) or kept (8), and other game types; oldest first.
    void fillMixedHistory()
    {
        const HistoryRecord records[] = {
            record(50001, 2, 2), record(50002, 2, 0), record(70003, 2, 2), record(50004, 2, 6),
            record(50005, 2, 8), record(50006, 0, 0), record(50007, 3, 2), record(70008, 2, 1),
            record(70009, 2, 12), record(70010, 5, 0),
        };
        for (const HistoryRecord& r : records)
            host.history.append(r);
    }

    std::vector<int> listedIds(HistoryMenu& menu)
    {
        std::vector<int> ids;
        for (int i = 0; i < menu.cardCount(); i++)
            ids.push_back(menu.cardRecord(i).puzzleId);
        return ids;
    }

    FakeHistoryHost host;
};

TEST_F(HistoryMenuTest, CardLinesSayLevelNumberAndHowItWent)
{
    EXPECT_TRUE(historyCardTitle(50123) == "Level 5 #123");
    EXPECT_TRUE(historyCardTitle(300007) == "Level 30 #7");
    struct Case {
        int playMs;
        int flags;
        int hinted;
        const char* status;
        int size;
    } cases[] = {
        {75000, 2, 2, "Solved with help in 1m", 12},
        {75000, 0, 2, "Unsolved after 1m15s", 13},
        {75000, 2, 0, "Solved in 1m15s", 13},
        {15000, 2, 2, "Solved with help in 15s", 12},
        {999, 0, 0, "Unsolved after 0s", 13},
        {3600000, 3, 0, "Solved in 60m0s", 13},
    };
    for (const Case& c : cases) {
        const HistoryRecord r = record(50123, 2, c.flags, c.playMs, c.hinted);
        EXPECT_EQ(std::string(historyCardStatus(r).c_str()), c.status);
        EXPECT_EQ(historyCardStatusSize(r), c.size) << c.status;
    }
}

TEST_F(HistoryMenuTest, FacesComeFromThePuzzleAndNeverRepeatTheOneBefore)
{
    LevelRecord puzzle{};
    puzzle.rows[0] = 0x7f;   // a full top row
    puzzle.rows[3] = 0x09;   // columns 0 and 3
    puzzle.rows[7] = 0x40;   // column 6
    srand(1);
    const std::vector<CardFurball> first = cardFurballs(puzzle, 50123, 5);
    srand(99);
    rand();
    const std::vector<CardFurball> again = cardFurballs(puzzle, 50123, 5);
    ASSERT_EQ(first.size(), 10u);
    ASSERT_EQ(again.size(), first.size());
    bool otherPuzzleDiffers = false;
    const std::vector<CardFurball> other = cardFurballs(puzzle, 50124, 5);
    for (size_t i = 0; i < first.size(); i++) {
        EXPECT_EQ(first[i].face, again[i].face) << "the same faces whatever rand() says";
        EXPECT_EQ(first[i].colour, again[i].colour);
        if (i > 0) {
            EXPECT_NE(first[i].face, first[i - 1].face) << i;
        }
        otherPuzzleDiffers |= other[i].face != first[i].face;
        EXPECT_GE(first[i].colour, 1);
        EXPECT_LE(first[i].colour, 8);
    }
    EXPECT_TRUE(otherPuzzleDiffers) << "each card has a seed of its own";
    // Record cell (c, r) lies on board cell (6 - c, 7 - r); the variant is (5 id + 17 r + 9 c) mod 4.
    EXPECT_EQ(first[0].column, 6);
    EXPECT_EQ(first[0].row, 7);
    EXPECT_EQ(first[0].variant, (5 * 50123) % 4);
    EXPECT_EQ(first[8].column, 3);   // record (3, 3)
    EXPECT_EQ(first[8].row, 4);
    EXPECT_EQ(first[8].variant, (5 * 50123 + 17 * 3 + 9 * 3) % 4);
    EXPECT_EQ(first[9].column, 0);   // record (6, 7)
    EXPECT_EQ(first[9].row, 0);
}

TEST_F(HistoryMenuTest, FiltersListFreePlayRecordsNewestFirst)
{
    fillMixedHistory();
    HistoryMenu menu(host, nullptr, 0);
    EXPECT_EQ(menu.filter, HistoryMenu::kFilterUnsolved);
    EXPECT_EQ(menu.filterControl->armedTag, 0);
    EXPECT_EQ(listedIds(menu), (std::vector<int>{70008, 50002}));
    menu.segmentSelected(HistoryMenu::kFilterAll, menu.filterControl);
    EXPECT_EQ(listedIds(menu), (std::vector<int>{70008, 70003, 50002, 50001}));
    EXPECT_EQ(host.clicks, 1);
    menu.segmentSelected(HistoryMenu::kFilterSolved, menu.filterControl);
    EXPECT_EQ(listedIds(menu), (std::vector<int>{70003, 50001}));
    menu.segmentSelected(HistoryMenu::kFilterSolved, menu.filterControl);
    EXPECT_EQ(host.clicks, 2) << "the selected segment again: no click";
}

TEST_F(HistoryMenuTest, AnEmptyFirstPageOpensOnAll)
{
    HistoryMenu empty(host, nullptr, 0);
    EXPECT_EQ(empty.filter, HistoryMenu::kFilterAll);
    EXPECT_EQ(empty.filterControl->armedTag, 1);
    EXPECT_EQ(empty.emptyTextId(), 181);
    empty.render();
    empty.segmentSelected(HistoryMenu::kFilterSolved, empty.filterControl);
    EXPECT_EQ(empty.emptyTextId(), 180);

    host.history.append(record(50001, 2, 2));
    host.history.append(record(50002, 2, 3));
    host.history.append(record(50003, 0, 0));   // not Free Play
    HistoryMenu allSolved(host, nullptr, 0);
    EXPECT_EQ(allSolved.filter, HistoryMenu::kFilterAll);
    EXPECT_EQ(allSolved.cardCount(), 2);
}

// The shell's switch to the history screen counts the visit once: the page counts its own opening.
TEST_F(HistoryMenuTest, TheShellsSwitchCountsOneVisit)
{
    KelzoScreenFactory screens;
    KelzoGame shell;
    shell.screenFactory = &screens;
    const int viewed = gAbSettings.counter(StatViewedtHist);
    shell.showMenu(ScreenHistory);
    ASSERT_NE(nullptr, dynamic_cast<HistoryMenu*>(shell.currentMenu.get()));
    EXPECT_EQ(viewed + 1, gAbSettings.counter(StatViewedtHist));
    shell.currentMenu.reset();
}

TEST_F(HistoryMenuTest, OpeningAndReplayingAreCounted)
{
    fillMixedHistory();
    const int viewed = gAbSettings.counter(StatViewedtHist);
    const int resumed = gAbSettings.counter(StatPuzzResume);
    HistoryMenu menu(host, nullptr, 0);
    EXPECT_EQ(gAbSettings.counter(StatViewedtHist), viewed + 1);
    for (int i = 0; i < 40; i++)
        menu.render();
    EXPECT_EQ(menu.handleTouch(TouchDown, 160, 300), -1);
    EXPECT_EQ(menu.handleTouch(TouchUp, 160, 300), -1);
    ASSERT_NE(menu.alert, nullptr) << "a tap on the middle card asks";
    EXPECT_EQ(gMenuStack.top(), menu.alert);
    menu.alertButtonClicked(0, menu.alert);
    EXPECT_TRUE(host.replayed.empty()) << "Cancel replays nothing";
    EXPECT_EQ(gAbSettings.counter(StatPuzzResume), resumed);
}

TEST_F(HistoryMenuTest, TheReplayedRecordIsTheAskedOneEvenWhileTheStripGlides)
{
    for (int i = 1; i <= 6; i++)
        host.history.append(record(50000 + i, 2, 0));
    HistoryMenu menu(host, nullptr, 0);
    for (int i = 0; i < 40; i++)
        menu.render();
    saveFrame("history_strip");
    menu.handleTouch(TouchDown, 160, 300);
    menu.handleTouch(TouchUp, 160, 300);
    ASSERT_NE(menu.alert, nullptr);
    const int resumed = gAbSettings.counter(StatPuzzResume);
    // The strip glides on under the question: another card is in the middle by the time it is answered.
    menu.scroller.position = 3.0f;
    menu.scroller.pagePos = 3.0f;
    menu.scroller.page = 3;
    menu.render();
    EXPECT_NEAR(menu.cardX(3), 160.0f, 0.5f);
    menu.alertButtonClicked(1, menu.alert);
    ASSERT_EQ(host.replayed.size(), 1u);
    EXPECT_EQ(host.replayed[0].puzzleId, 50006) << "the newest card, the one the question was about";
    EXPECT_EQ(gAbSettings.counter(StatPuzzResume), resumed + 1);
}

TEST_F(HistoryMenuTest, TouchesOutsideTheBandNeverMoveTheStrip)
{
    for (int i = 1; i <= 6; i++)
        host.history.append(record(50000 + i, 2, 0));
    HistoryMenu menu(host, nullptr, 0);
    menu.render();
    menu.handleTouch(TouchDown, 300, 125);
    menu.handleTouch(TouchMove, 50, 125);
    menu.handleTouch(TouchUp, 50, 125);
    EXPECT_EQ(menu.scroller.position, 0.0f);
    EXPECT_EQ(menu.alert, nullptr);
    menu.handleTouch(TouchDown, 300, 420);
    menu.handleTouch(TouchMove, 50, 420);
    menu.handleTouch(TouchUp, 50, 420);
    EXPECT_EQ(menu.scroller.position, 0.0f);
}

TEST_F(HistoryMenuTest, CardsKeepTheirPictureFromFrameToFrameAndDropItOutOfView)
{
    for (int i = 1; i <= 8; i++)
        host.history.append(record(50000 + i, 2, 0));
    HistoryMenu menu(host, nullptr, 0);
    menu.render();
    ASSERT_TRUE(menu.cardHasTexts(0));
    const std::vector<CardFurball> shown = menu.cardPicture(0);
    EXPECT_FALSE(shown.empty()) << "the store knows the puzzle";
    srand(7);
    menu.render();
    const std::vector<CardFurball> next = menu.cardPicture(0);
    ASSERT_EQ(next.size(), shown.size());
    for (size_t i = 0; i < shown.size(); i++)
        EXPECT_EQ(next[i].face, shown[i].face) << i;
    EXPECT_FALSE(menu.cardHasTexts(5)) << "far off the window: not made";

    menu.scroller.position = menu.scroller.pagePos = 6.0f;
    menu.scroller.page = 6;
    menu.render();
    menu.render();
    EXPECT_FALSE(menu.cardHasTexts(0)) << "left the window: dropped";
    EXPECT_TRUE(menu.cardHasTexts(6));
}

TEST_F(HistoryMenuTest, APuzzleTheStoreCannotFindDrawsItsCardWithoutFurballs)
{
    gNewLevelData.close();
    unlink("newLdPuzzles.dat");
    unlink("newLdComplexities.dat");
    unlink("oldLevelData.dat");
    host.history.append(record(50001, 2, 0));
    EXPECT_TRUE(cardFurballsOf(50001, 0).empty());
    HistoryMenu menu(host, nullptr, 0);
    menu.render();
    EXPECT_TRUE(menu.cardHasTexts(0)) << "the card is drawn";
    EXPECT_TRUE(menu.cardPicture(0).empty());
}

TEST_F(HistoryMenuTest, TheCardShowsThePuzzlesFurballsOnItsGrass)
{
    char here[4096];
    ASSERT_NE(getcwd(here, sizeof here), nullptr);
    ASSERT_EQ(0, chdir(KELZO_DATA_DIR));
    GameGraphics graphics;
    gAbSettings.setCounter(StatChosenTheme, 0);
    loadCommonGraphics(graphics);
    loadThemeBitmaps(graphics, 0);
    ASSERT_EQ(0, chdir(here));
    host.history.append(record(50001, 2, 2));

    HistoryMenu bare(host, nullptr, 0);
    for (int i = 0; i < 40; i++)
        bare.render();
    std::unique_ptr<Bitmap> without(frame());
    clearFrame(0, 0, 0, 1);
    HistoryMenu menu(host, &graphics, 0);
    for (int i = 0; i < 40; i++)
        menu.render();
    std::unique_ptr<Bitmap> with(frame());
    saveFrame("history_card");
    ASSERT_FALSE(menu.cardPicture(0).empty());
    int changedOnGrass = 0, changedElsewhere = 0;
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 320; x++) {
            const RGBA a = with->at(x, y), b = without->at(x, y);
            const bool changed = a.r != b.r || a.g != b.g || a.b != b.b;
            const bool onGrass = x >= 72 && x < 248 && y >= 156 && y < 373;
            (onGrass ? changedOnGrass : changedElsewhere) += changed;
        }
    EXPECT_GT(changedOnGrass, 1000) << "furballs drawn on the card";
    EXPECT_EQ(changedElsewhere, 0) << "and nowhere else";
    EXPECT_EQ(graphics.scale, 1.0f) << "the board's own drawing is left as it was";
    EXPECT_EQ(graphics.viewCentreX, -1);
}

}  // namespace
TEST_F(HistoryMenuTest, ThePageStartsBelowTheHeadsUpNumbers)
{
    // The heads-up number boxes reach from y 32 to 60; the page's frame cut them in half.
    HistoryMenu menu(host, nullptr, 0);
    ASSERT_NE(menu.frameChild, nullptr);
    EXPECT_GE(menu.frameChild->y, 61);
    EXPECT_LE(menu.frameChild->y + menu.frameChild->element->height(), 480);
}
