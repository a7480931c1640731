#include "tests/ui/DataFolderGlTest.h"

#include "board/Board.h"
#include "board/CellGeometry.h"
#include "game/KelzoGame.h"
#include "game/Tips.h"
#include "game/TipsHost.h"
#include "tests/modes/PlainTestGame.h"
#include "settings/Settings.h"
#include "ui/MenuBubble.h"

namespace {

class FakeTipsHost : public TipsHost {
public:
    bool tipsOn() override { return on; }
    const Board* tipBoard() override { return board; }
    bool on = true;
    const Board* board = nullptr;
};

// Bubbles load their frame picture, fonts and texts from the data folder and
// read the game clock, which each test starts at 10 s.
class TipBubblesTest : public DataFolderGlTest {
protected:
    void SetUp() override
    {
        DataFolderGlTest::SetUp();
        gGameClock = GameClock();
        at(0);
        tips.setHost(&host);
    }
    void TearDown() override
    {
        tips.removeAll();
        DataFolderGlTest::TearDown();
    }
    static void at(int ms) { gGameClock.updateAt(10000 + ms); }
    MenuBubble* only()
    {
        EXPECT_EQ(tips.openCount(), 1);
        return tips.bubbles.bubbles.isEmpty() ? nullptr : tips.bubbles.bubbles[0];
    }

    FakeTipsHost host;
    Tips tips;
};

// Rows whose cells all hold a furball; the others stay empty.
void fillRows(Board& board, std::initializer_list<int> rows)
{
    BoardCell cell{};
    cell.colour = 2;
    for (int y : rows)
        for (int x = 0; x < 7; x++)
            board.placeFurballAt(x, y, cell);
}

}  // namespace

// Every rule asks for one sequence of answers; the counters move between asks
// as the game moves them (a showing, a move).
TEST_F(TipBubblesTest, ShowRulesAsSequencesForEveryPartOfTheTable)
{
    for (int id : {3, 63, 64, 69, 71}) {
        Tips t;
        // Once per game, and only while fewer than 2 showings in all.
        EXPECT_TRUE(t.shouldShow(id, 2, false)) << id;
        t.countShown(id);
        EXPECT_FALSE(t.shouldShow(id, 2, false)) << id;
        EXPECT_TRUE(t.shouldShowBelowTwice(id, 2, false)) << id;
        t.resetGameCounters(0);
        EXPECT_TRUE(t.shouldShow(id, 2, false)) << id;
        t.countShown(id);
        t.resetGameCounters(0);
        EXPECT_FALSE(t.shouldShow(id, 2, false)) << id;
        EXPECT_FALSE(t.shouldShowBelowTwice(id, 2, false)) << id;

        // Spaced (1, 2, 4): the first showing at once, the second after one
        // refusal, the third and fourth after two, then never.
        Tips s;
        const char* expected[] = {"Y", "NY", "NNY", "NNY", "NNNNN"};
        for (const char* answers : expected) {
            std::string got;
            for (size_t i = 0; i < std::string(answers).size(); i++) {
                const bool yes = s.shouldShowSpaced(id, 1, 2, 4);
                got += yes ? "Y" : "N";
                if (yes)
                    s.countShown(id);
            }
            s.resetMoveCounters(0);
            EXPECT_EQ(got, answers) << id;
        }

        // Backoff (9, 9, 9): never at the first chance after a move, then
        // more than twice as many refusals as showings since the move.
        Tips b;
        std::string got;
        for (int ask = 0; ask < 8; ask++) {
            const bool yes = b.shouldShowBackoff(id, 9, 9, 9);
            got += yes ? "Y" : "N";
            if (yes)
                b.countShown(id);
        }
        EXPECT_EQ(got, "NYNNNYNN") << id;
        b.resetMoveCounters(0);
        EXPECT_EQ(b.refusedCount(id), 0) << id;
        EXPECT_EQ(b.perMoveCount(id), 0) << id;
        EXPECT_FALSE(b.shouldShowBackoff(id, 9, 9, 9)) << id;
        EXPECT_TRUE(b.shouldShowBackoff(id, 9, 9, 9)) << id;
    }
}

TEST_F(TipBubblesTest, NothingShowsWhileABubbleIsOpenUnlessForced)
{
    tips.show(12, TipParams());
    EXPECT_TRUE(tips.isOpen(12));
    EXPECT_FALSE(tips.shouldShow(69, 5, false));
    EXPECT_FALSE(tips.shouldShowBelowTwice(69, 5, false));
    EXPECT_FALSE(tips.shouldShowSpaced(69, 5, 5, 5));
    EXPECT_FALSE(tips.shouldShowBackoff(69, 5, 5, 5));
    EXPECT_EQ(tips.refusedCount(69), 0);  // a refusal for an open bubble is no chance taken
    EXPECT_TRUE(tips.shouldShow(69, 5, true));
    EXPECT_TRUE(tips.shouldShowBelowTwice(69, 5, true));

    // Dismissed, it still blocks while it fades out (600 ms), and no longer once it has faded.
    tips.dismiss(12);
    EXPECT_FALSE(tips.isOpen(12));
    EXPECT_EQ(tips.openCount(), 1);
    at(599);
    EXPECT_FALSE(tips.shouldShow(69, 5, false));
    EXPECT_FALSE(tips.shouldShowSpaced(69, 5, 5, 5));
    EXPECT_FALSE(tips.shouldShowBackoff(69, 5, 5, 5));
    EXPECT_TRUE(tips.shouldShow(69, 5, true));
    at(600);
    EXPECT_TRUE(tips.shouldShow(69, 5, false));
    EXPECT_TRUE(tips.shouldShowSpaced(69, 5, 5, 5));

    // A bubble still waiting out its delay blocks as well.
    tips.removeAll();
    TipParams later;
    later.delayMs = 2000;
    tips.show(65, later);
    EXPECT_FALSE(tips.shouldShow(69, 5, false));
}

TEST_F(TipBubblesTest, ABubbleOutlivedByItsShowTimeNoLongerBlocks)
{
    TipParams params;
    params.showMs = 2000;
    params.delayMs = 500;
    tips.show(65, params);
    at(2400);
    EXPECT_FALSE(tips.shouldShow(66, 5, false));
    at(2600);
    EXPECT_TRUE(tips.shouldShow(66, 5, false));
    EXPECT_TRUE(tips.allDismissed());
    // The next bubble replaces the ones no longer showing.
    tips.show(66, TipParams());
    EXPECT_EQ(tips.openCount(), 1);
    EXPECT_TRUE(tips.isOpen(66));
}

TEST_F(TipBubblesTest, TutorialTipsShowWithTheTipsOptionOff)
{
    host.on = false;
    for (int id : {0, 12, 42})
        tips.show(id, TipParams());
    EXPECT_EQ(tips.openCount(), 0);
    EXPECT_EQ(tips.shownCount(42), 0);
    // Every id from the first tutorial step on goes past the option.
    for (int id : {43, 54, 71})
        tips.show(id, TipParams());
    EXPECT_EQ(tips.openCount(), 3);
    EXPECT_TRUE(tips.isOpen(43));
    EXPECT_TRUE(tips.isOpen(54));
    EXPECT_EQ(tips.shownCount(54), 1);

    host.on = true;
    tips.show(12, TipParams());
    EXPECT_TRUE(tips.isOpen(12));
}

// The automatic place: the middle of the last (lowest) run of empty rows, once some run spans more than two
// rows, and not when that last run is the bottom row alone.
TEST_F(TipBubblesTest, PlaceOverTheLastRunOfEmptyRows)
{
    struct Case {
        const char* what;
        std::initializer_list<int> filled;
        int place;
    };
    // The lower edge of row r, and the middle between the lower edges of two rows.
    auto bottom = [](int row) { return kBoardTop + 45 * row + 45; };
    auto between = [&](int first, int last) { return (bottom(first) + bottom(last)) / 2; };
    const Case cases[] = {
        {"empty board", {}, between(0, 7)},
        {"three free rows at the top", {3, 4, 5, 6, 7}, between(0, 2)},
        {"the last run, which is the longer", {0, 3}, between(4, 7)},
        {"the last run, shorter than the first", {4, 5}, between(6, 7)},
        {"the last of two equal runs", {0, 4}, between(5, 7)},
        {"a last run of one row above the bottom", {4, 6, 7}, between(5, 5)},
        {"the last run down to the bottom row", {2}, between(3, 7)},
        {"the bottom row alone after a long run", {5, 6}, -1},
        {"the bottom row alone after two", {3, 6}, -1},
        {"two free rows at most", {0, 3, 6}, -1},
        {"two free rows at most, none at the bottom", {2, 5, 7}, -1},
        {"full board", {0, 1, 2, 3, 4, 5, 6, 7}, -1},
    };
    for (const Case& c : cases) {
        Board board;
        fillRows(board, c.filled);
        EXPECT_EQ(tipPlaceOverBoard(&board), c.place) << c.what;
    }
    EXPECT_EQ(tipPlaceOverBoard(nullptr), -1);

    // A furball in one cell keeps its row from counting as empty.
    Board board;
    BoardCell cell{};
    cell.colour = 1;
    board.placeFurballAt(6, 2, cell);
    board.placeFurballAt(3, 5, cell);
    EXPECT_EQ(tipPlaceOverBoard(&board), -1);
}

TEST_F(TipBubblesTest, PresentPlacesTheBubbleFromRowAndParameters)
{
    Board board;
    fillRows(board, {0, 1, 2, 3});
    host.board = &board;
    const int overBoard = tipPlaceOverBoard(&board);
    ASSERT_NE(overBoard, -1);

    struct Case {
        int id;
        int x, y;
        int expectedPlace;
    };
    const Case cases[] = {
        {58, -1, -1, overBoard},  // no place of its own
        {45, -1, -1, -1},         // tutorial steps keep the bubble's default
        {12, -1, -1, -1},         // a place of its own in the row
        {58, 100, -1, -1},        // a place given by the caller
    };
    for (const Case& c : cases) {
        TipParams params;
        params.x = c.x;
        params.y = c.y;
        tips.present(c.id, params);
        MenuBubble* bubble = only();
        ASSERT_NE(bubble, nullptr);
        EXPECT_EQ(bubble->yOverride, c.expectedPlace) << c.id;
        EXPECT_EQ(bubble->tag, c.id);
        tips.removeAll();
    }
}

TEST_F(TipBubblesTest, PresentAppliesTheParametersToACopyOfTheRow)
{
    TipParams params;
    params.styleAdjust = 2;
    params.flipArrow = 1;
    params.dismissOnTouch = 0;
    params.scale = 0.75f;
    params.showMs = 4000;
    params.delayMs = 100;
    at(500);
    tips.present(71, params);
    MenuBubble* bubble = only();
    ASSERT_NE(bubble, nullptr);
    EXPECT_EQ(bubble->style->fontSizeOffset, 2);
    EXPECT_EQ(bubble->style->below, 0);        // the row's arrow flag, turned
    EXPECT_EQ(bubble->style->footerKind, 0);   // no "tap to close" when a tap does not close it
    EXPECT_EQ(bubble->removable, 0);
    EXPECT_FLOAT_EQ(bubble->scale, 0.75f);
    EXPECT_EQ(bubble->life.fadeOutEnd, 4000);
    EXPECT_EQ(bubble->life.delay, 100);
    EXPECT_EQ(tips.quietFrom(), 10500 + 3000);
    // The table itself is untouched.
    EXPECT_EQ(Tips::row(71).fontSizeOffset, 0);
    EXPECT_EQ(Tips::row(71).below, 1);
    EXPECT_EQ(Tips::row(71).footerKind, 1);
    EXPECT_EQ(tips.shownCount(71), 1);
    EXPECT_EQ(tips.perMoveCount(71), 1);
}

TEST_F(TipBubblesTest, AllDismissedAsksTheShowingBubblesToGoOneByOne)
{
    TipParams params;
    params.showMs = 0;  // stays until dismissed
    tips.present(47, params);
    tips.present(48, params);
    EXPECT_FALSE(tips.allDismissed());
    EXPECT_FALSE(tips.isOpen(47));
    EXPECT_TRUE(tips.isOpen(48));
    EXPECT_FALSE(tips.allDismissed());
    EXPECT_TRUE(tips.allDismissed());
    EXPECT_EQ(tips.openCount(), 2);  // still fading; the frame deletes them
}

// Tips drawn smaller keep their scale through the frames that draw them.
TEST_F(TipBubblesTest, ASmallerTipIsDrawnAtItsScale)
{
    for (float scale : {0.75f, 0.7f, 0.84f, 0.72f}) {
        TipParams params;
        params.scale = scale;
        params.x = 120;
        params.y = 200;
        tips.present(58, params);
        tips.bubbles.render();
        tips.bubbles.render();
        MenuBubble* bubble = only();
        ASSERT_NE(bubble, nullptr);
        EXPECT_FLOAT_EQ(bubble->view.scaleX, scale);
        const BubbleRect r = bubble->rect();
        EXPECT_NEAR(r.right - r.left, bubble->frameWidth * scale, 0.01f) << scale;
        tips.removeAll();
    }
}

// Two tips open at once never cover each other: the later one stands in the room beside the earlier one, on
// the side its tail points to.
TEST_F(TipBubblesTest, ALaterBubbleStandsBesideAnOpenOne)
{
    TipParams wide;
    wide.showMs = 0;
    wide.body = "A long sentence that fills the whole width of a bubble, over and over again, on the left.";
    wide.x = 60;
    wide.y = 100;
    tips.present(38, wide);
    TipParams other = wide;
    other.body = "Another long sentence that would like to be wide as well, pointing to the right side.";
    other.x = 290;
    other.y = 90;
    tips.present(39, other);
    ASSERT_EQ(tips.openCount(), 2);
    MenuBubble* first = tips.bubbles.bubbles[0];
    MenuBubble* second = tips.bubbles.bubbles[1];
    EXPECT_FALSE(first->rect().near(second->rect(), 4.0f));
    EXPECT_GE(second->rect().left, first->rect().right + 4.0f) << "on its tail's side";
    EXPECT_LE(second->rect().right, 316.0f);

    // No room beside a bubble as wide as the screen, nor room beside it that holds the spot pointed at: the
    // later one stays as it would be alone.
    for (int pointsAt : {290, 160}) {
        tips.removeAll();
        other.x = pointsAt;
        tips.present(39, other);
        const int alone = tips.bubbles.bubbles[0]->frameWidth;
        tips.removeAll();
        wide.x = pointsAt == 290 ? 160 : 60;
        tips.present(pointsAt == 290 ? 19 : 38, wide);
        tips.present(39, other);
        ASSERT_EQ(tips.openCount(), 2);
        EXPECT_EQ(tips.bubbles.bubbles[1]->frameWidth, alone) << pointsAt;
    }
}

// The application is its tips' host: the settings' tips option gates them and
// the board of the game in play places them.
TEST_F(TipBubblesTest, TheApplicationHostsItsTips)
{
    Settings settings;
    Settings* before = gSettings;
    gSettings = &settings;
    {
        KelzoGame game;
        settings.switchB = false;
        EXPECT_FALSE(game.tipsOn());
        game.tips.show(12, TipParams());
        EXPECT_EQ(game.tips.openCount(), 0) << "the tips option is off";

        settings.switchB = true;
        EXPECT_TRUE(game.tipsOn());
        EXPECT_EQ(game.tipBoard(), nullptr);
        PlainTestGame* plain = new PlainTestGame(nullptr, false);
        game.ownedGame.reset(plain);
        game.setCurrentGame(plain);
        plain->board.reset(new Board());
        fillRows(*plain->board, {0, 1, 2, 3});
        EXPECT_EQ(game.tipBoard(), plain->board.get());
        game.tips.present(58, TipParams());
        ASSERT_EQ(game.tips.openCount(), 1);
        EXPECT_EQ(game.tips.bubbles.bubbles[0]->yOverride, tipPlaceOverBoard(plain->board.get()));
        game.tips.removeAll();

        EXPECT_TRUE(game.praise.isDone());
        GameHost* hostBefore = gGameHost;
        gGameHost = &game;   // the game asks its host for the word
        game.puzzleFinished();
        gGameHost = hostBefore;
        EXPECT_FALSE(game.praise.isDone()) << "a solved puzzle shows the praise word";
        EXPECT_NE(game.praise.wordTexture(), nullptr);
    }
    gSettings = before;
}
