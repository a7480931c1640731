#include "tests/ui/DataFolderGlTest.h"

#include <string>
#include <vector>

#include <unistd.h>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "board/Board.h"
#include "game/PlayHelpTips.h"
#include "game/Tips.h"
#include "tests/modes/PlainTestGame.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "tests/settings/ScopedVariation.h"

namespace {

class HeldGame : public PlainTestGame {
public:
    HeldGame() : PlainTestGame(nullptr, false) {}
    bool helpTipHeld() override { return true; }
};

// The tips open bubbles, which load their picture and texts from the data folder. The game plays a board of
// level 1 whose furballs each test places; every test starts right after a move (the tips' quiet time at 0).
class PlayHelpTipsTest : public DataFolderGlTest {
protected:
    void SetUp() override
    {
        DataFolderGlTest::SetUp();
        gGameClock = GameClock();
        gGameClock.updateAt(kStart);
        tips.resetAllCounters(kStart);
        game.settings.gameMode = kGameArcade;
        newBoard(game, 1);
        // Every variation the rules read starts unassigned, whatever other tests left; no settings record.
        for (int i = 0; i < kRead; i++) {
            savedVariations[i] = *read[i];
            *read[i] = -1;
        }
        savedSettings = gSettings;
        gSettings = nullptr;
    }
    void TearDown() override
    {
        for (int i = 0; i < kRead; i++)
            *read[i] = savedVariations[i];
        gSettings = savedSettings;
        tips.removeAll();
        DataFolderGlTest::TearDown();
    }

    static void newBoard(CurrentGameI& g, int level)
    {
        g.board.reset(new Board());
        g.board->level = level;
    }
    static void place(CurrentGameI& g, std::initializer_list<CellPos> cells)
    {
        BoardCell cell{};
        cell.colour = 2;
        for (const CellPos& pos : cells)
            g.board->placeFurballAt(pos.x, pos.y, cell);
    }
    // A pass t ms after the last move; the ids of the bubbles open afterwards.
    std::vector<int> passAt(int t, CurrentGameI& g, bool alertOpen = false)
    {
        gGameClock.updateAt(kStart + t);
        PlayHelpTips::pass(kStart + t, tips, g, alertOpen);
        std::vector<int> open;
        for (int id = 0; id < Tips::kTipCount; id++)
            if (tips.isOpen(id))
                open.push_back(id);
        return open;
    }

    static const int kRead = 10;
    int* const read[kRead] = {&gAbSettings.uhb, &gAbSettings.uhwt, &gAbSettings.uhst, &gAbSettings.uct,
                              &gAbSettings.bj,  &gAbSettings.emu,  &gAbSettings.sut,  &gAbSettings.pbu,
                              &gAbSettings.lvt, &gAbSettings.fsp};
    int savedVariations[kRead] = {};
    Settings* savedSettings = nullptr;
    static const int kStart = 20000;
    Tips tips;
    PlainTestGame game{nullptr, false};
};

const std::vector<int> kNone;

}  // namespace

// A board without a move gets the stuck tip once the player has waited; the variations set the wait, how long
// the tip shows and whether a touch closes it.
TEST_F(PlayHelpTipsTest, AStuckBoardGetsTheStuckTipAfterTheWait)
{
    struct Case {
        int uhb, uhwt, uhst, uct;
        int wait, showMs;
        bool dismissOnTouch;
    };
    const Case cases[] = {
        {-1, -1, -1, -1, 2300, 7500, true},
        {0, 2, 1, 1, 4300, 9500, false},
        {1, 0, 3, 0, 2300, 13500, true},
    };
    for (const Case& c : cases) {
        ScopedVariation uhb(gAbSettings.uhb, c.uhb), uhwt(gAbSettings.uhwt, c.uhwt), uhst(gAbSettings.uhst, c.uhst),
            uct(gAbSettings.uct, c.uct);
        tips.removeAll();
        tips.resetAllCounters(kStart);
        newBoard(game, 1);
        place(game, {{0, 0}, {3, 3}});
        EXPECT_EQ(passAt(c.wait, game), kNone) << "uhb " << c.uhb;
        EXPECT_EQ(passAt(c.wait + 1, game), std::vector<int>{6}) << "uhb " << c.uhb;
        EXPECT_EQ(tips.lastParams().showMs, c.showMs);
        EXPECT_EQ(tips.lastParams().dismissOnTouch != 0, c.dismissOnTouch);
        EXPECT_EQ(game.board->displayWords[1], 2) << "the stuck answer is kept for the board";
    }
}

// With "uhb" 2 and up a stuck board's tip is the undo variant; when it may not show (it showed since the last
// move), the early stuck tip takes its place on the first levels.
TEST_F(PlayHelpTipsTest, TheUndoVariantAndTheEarlyStuckTip)
{
    ScopedVariation uhb(gAbSettings.uhb, 2), bj(gAbSettings.bj, 1), uct(gAbSettings.uct, 0), emu(gAbSettings.emu, 1),
        sut(gAbSettings.sut, 1);
    place(game, {{0, 0}, {3, 3}});
    EXPECT_EQ(passAt(2301, game), std::vector<int>{6});
    EXPECT_EQ(tips.lastParams().bubbleOption, 1);
    EXPECT_EQ(tips.lastParams().dismissOnTouch, 1);

    // The tip moved the quiet time on to 3 s after it showed (2301 + 3000).
    tips.removeAll();
    EXPECT_EQ(passAt(5301 + 8000, game), kNone) << "the early stuck tip waits 6500 + 1500 x emu";
    EXPECT_EQ(passAt(5301 + 8001, game), std::vector<int>{55});
    EXPECT_EQ(tips.lastParams().dismissOnTouch, 0) << "by \"sut\"";

    tips.removeAll();
    newBoard(game, 4);
    place(game, {{0, 0}, {3, 3}});
    tips.resetMoveCounters(kStart);
    tips.countShown(6);   // shown since the move: neither variant may show, and level 4 has no early tip
    EXPECT_EQ(passAt(9001, game), kNone);
}

TEST_F(PlayHelpTipsTest, StuckTipTextsByVariation)
{
    struct Case {
        int uhb, pbu;
        bool english;
        const char* title;
        const char* body;
    };
    const Case cases[] = {
        {2, -1, true, "You are stuck!", "Press here to undo!"},
        {2, 3, true, "You are stuck!", "Press the icon below here to undo!"},
        {2, 5, true, "You are stuck!", "Tap the below icon to undo!"},
        {2, 6, true, "You are stuck!", "Press here to undo!"},
        {3, 1, true, "You are stuck!", "Press here to undo your last move!"},
        {4, 0, true, "You are stuck!", "Press here to undo and then try a different move!"},
        {5, 0, true, "", ""},
        {2, 1, false, "You are stuck!", "Tap here to undo!"},   // texts 341 and 342 (English loaded here)
    };
    for (const Case& c : cases) {
        const StuckTipTexts texts = stuckTipTexts(c.uhb, c.pbu, c.english);
        EXPECT_STREQ(texts.title.c_str(), c.title) << c.uhb << " " << c.pbu;
        EXPECT_STREQ(texts.body.c_str(), c.body) << c.uhb << " " << c.pbu;
    }
}

// A board that can be solved gets the help tip of its game type once the player has waited long enough, while a
// hint is free; the counts of the three help tips stay within one of each other.
TEST_F(PlayHelpTipsTest, TheHelpTipByGameType)
{
    struct Case {
        int type;
        int tip;
    };
    const Case cases[] = {{kGameArcade, 7}, {kGameChallenge, 8}, {kGameFreePlay, 9}, {kGameBlitz, 7}};
    for (const Case& c : cases) {
        tips.removeAll();
        tips.resetAllCounters(kStart);
        game.settings.gameMode = c.type;
        newBoard(game, 1);
        place(game, {{0, 0}, {3, 0}});
        EXPECT_EQ(passAt(10000, game), kNone) << "type " << c.type;
        EXPECT_EQ(passAt(10001, game), std::vector<int>{c.tip}) << "type " << c.type;
        EXPECT_NE(game.board->displayWords[0], 0) << "the hint search is kept for the board";
        EXPECT_EQ(game.board->displayWords[1], 1) << "a move is possible";
        for (int other : {7, 8, 9})
            EXPECT_LE(tips.shownCount(other), 1);
    }
}

TEST_F(PlayHelpTipsTest, NoHelpTipAfterAHintOrWithoutOne)
{
    place(game, {{0, 0}, {3, 0}});
    game.board->hintedThrough = 1;
    EXPECT_EQ(passAt(20000, game), kNone) << "a hint was used on this board";
    game.board->hintedThrough = 0;
    game.hintsRemaining = 0;
    EXPECT_EQ(passAt(20000, game), kNone) << "no hint left";
}

TEST_F(PlayHelpTipsTest, NothingOnLaterLevelsOverAnAlertOrForTheLastFurball)
{
    place(game, {{0, 0}, {3, 3}});
    EXPECT_EQ(passAt(30000, game, true), kNone) << "an alert is open";
    newBoard(game, 7);
    place(game, {{0, 0}, {3, 3}});
    EXPECT_EQ(passAt(30000, game), kNone) << "level 7";
    newBoard(game, 1);
    place(game, {{0, 0}});
    EXPECT_EQ(passAt(30000, game), kNone) << "solved";
}

TEST_F(PlayHelpTipsTest, FrenzyHelpTips)
{
    game.settings.gameMode = kGameFrenzy;
    place(game, {{0, 0}, {3, 3}});
    EXPECT_EQ(passAt(6500, game), kNone) << "before the first move the wait is 500 ms longer";
    EXPECT_EQ(passAt(6501, game), std::vector<int>{69});
    EXPECT_FLOAT_EQ(tips.lastParams().scale, 0.7f);

    HeldGame held;
    held.settings.gameMode = kGameFrenzy;
    newBoard(held, 1);
    place(held, {{0, 0}, {3, 3}});
    tips.removeAll();
    tips.resetAllCounters(kStart);
    EXPECT_EQ(passAt(20000, held), kNone) << "held by the game";

    // A full board: too many furballs for tip 69, and no colour move for the colour tip.
    newBoard(game, 1);
    for (int y = 0; y < Board::kRows; y++)
        for (int x = 0; x < Board::kColumns; x++)
            place(game, {{x, y}});
    EXPECT_EQ(passAt(5000, game), kNone);
    EXPECT_EQ(passAt(5001, game), std::vector<int>{71});
}

// The pass runs at most every 301 ms; between passes the board's answers are not searched again.
TEST_F(PlayHelpTipsTest, PassesComeAtMostEvery301Ms)
{
    place(game, {{0, 0}, {3, 0}});
    PlayHelpTips help;
    const int now = kStart + 3000;
    gGameClock.updateAt(now);
    help.frame(now, tips, game, false);
    EXPECT_EQ(game.board->displayWords[1], 1);
    game.board->displayWords[0] = game.board->displayWords[1] = 0;
    help.frame(now + 300, tips, game, false);
    EXPECT_EQ(game.board->displayWords[1], 0);
    help.frame(now + 301, tips, game, false);
    EXPECT_EQ(game.board->displayWords[1], 1);
}
