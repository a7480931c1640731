#include <string>
#include <vector>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/MemoryStream.h"
#include "board/Board.h"
#include "board/ScoreBoard.h"
#include "graphics/AnimationList.h"
#include "modes/FreePlayGame.h"
#include "modes/FreePlayRules.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/modes/FakeGameHost.h"
#include "tests/modes/PlayGlobals.h"
#include "tests/ui/MenuPictures.h"
#include "ui/MenuStack.h"

namespace {

const int kFinished = HistoryRecord::kFinished;

HistoryRecord solved(int puzzleId, int playMs, int credit = 0, int flags = kFinished, int type = kGameFreePlay)
{
    return HistoryRecord{puzzleId, playMs, type, credit, 0, flags, 2, 0};
}

// A Free Play game over the fake application, in a folder with the menu pictures and texts named by their ids.
class FreePlayGameTest : public MenuTestFolder, protected PlayGlobals {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        std::vector<std::string> texts = textsNamedByIds(500);
        texts[333] = "%d more hints";
        useTexts(0, texts);
        settings.gameMode = kGameFreePlay;
        settings.startLevel = 5;
        settings.freeSkipsVariation = 0;
        settings.levelRepeatsVariation = -1;
        settings.freeHints = false;
        pin(gAbSettings.fph, 15);
        pin(gAbSettings.hw, gAbSettings.hw);   // tests set it
        pin(gAbSettings.bfp, 1);
        for (int i = 0; i < StatisticCount; i++)
            gAbSettings.setCounter(i, 0);
        host.level = 5;
        enterPlay(&host, &host, 300000);
        game.reset(static_cast<FreePlayGame*>(CurrentGameI::create(nullptr, false)));
        host.game = game.get();
    }

    void TearDown() override
    {
        host.game = nullptr;
        game.reset();
        gMenuStack.deleteAllMenus();
        finishAnimations();
        leavePlay();
        MenuTestFolder::TearDown();
    }

    Board& giveBoard(int puzzleId = 50012)
    {
        game->board.reset(new Board());
        placeDiagram(*game->board, rowDiagram(5, "1.1.1.."));
        game->board->puzzleId = puzzleId;
        game->board->level = puzzleId / 10000;
        advance(5000);
        return *game->board;
    }

    void tap(int x, int y)
    {
        game->handleTouch(0, x, y);
        game->handleTouch(2, x, y);
    }

    FakeGameHost host;
    OwnedPtr<FreePlayGame> game;
};

} // namespace

TEST_F(FreePlayGameTest, StartsAtTheSettingsLevelWithTheAllowanceOfTheLevelReached)
{
    EXPECT_EQ(kGameFreePlay, game->type());
    EXPECT_EQ(5, game->level);
    EXPECT_EQ(freePlayRequiredSolves(5, 15, 0), game->hintsRemaining);
    EXPECT_EQ(2, game->hintsLeft());
    EXPECT_EQ("T17", std::string(game->modeName().c_str()));

    // The hint number shows only at the level reached and while hints cost progress.
    game->level = 3;
    EXPECT_EQ(-1, game->hintsLeft());
    game->level = 5;
    gAbSettings.fph = 4;
    EXPECT_EQ(-1, game->hintsLeft());

    // What is left of the level comes from the play history; the length from the level.
    host.puzzlesLeft = 3;
    EXPECT_EQ(3, game->movesLeft());
    EXPECT_EQ(freePlayLevelSize(5, -1), game->puzzleSize());
}

TEST_F(FreePlayGameTest, LevelUpRefillsTheAllowanceAndCountsTheLevel)
{
    game->hintsRemaining = 0;
    host.level = 18;
    gAbSettings.setCounter(StatLevelFp, 20);
    game->onLevelUp();
    EXPECT_EQ(freePlayRequiredSolves(18, 15, 0), game->hintsRemaining);
    EXPECT_EQ(1, gAbSettings.counter(StatFinLev));
    EXPECT_EQ(20, gAbSettings.counter(StatLevelFp)) << "the highest level stays";
    host.level = 21;
    game->onLevelUp();
    EXPECT_EQ(21, gAbSettings.counter(StatLevelFp));
}

// The record of a puzzle keeps the moves hints showed: a clean solve none, a given-up one at least one, so it
// never passes for clean; hints that cost nothing leave none.
TEST_F(FreePlayGameTest, TheHistoryCreditIsTheHintedMoves)
{
    struct Case {
        const char* what;
        int hintedThrough;
        bool givenUp, freeHints;
        int credit;
    } cases[] = {
        {"clean", 0, false, false, 0},
        {"two hinted moves", 2, false, false, 2},
        {"given up before a hint", 0, true, false, 1},
        {"given up, three hinted", 3, true, false, 3},
        {"free hints", 4, false, true, 0},
    };
    for (const Case& c : cases) {
        settings.freeHints = c.freeHints;
        game->settings.freeHints = c.freeHints;
        Board& board = giveBoard();
        board.hintedThrough = c.hintedThrough;
        board.givenUp = c.givenUp;
        EXPECT_EQ(c.credit, game->recordCredit()) << c.what;
    }
}

TEST_F(FreePlayGameTest, GivingUpKeepsTheTrueTimeAndTheRecordCostsProgress)
{
    Board& board = giveBoard();
    const int before = board.elapsedMs();
    game->giveUp();
    EXPECT_TRUE(board.givenUp);
    EXPECT_FALSE(board.ended);
    EXPECT_EQ(before, board.elapsedMs());
    game->onPuzzleFinished();
    ASSERT_EQ(1, host.history.size());
    EXPECT_EQ(before, host.history[0].playMs);
    EXPECT_EQ(kFinished, host.history[0].flags & kFinished);
    EXPECT_NE(0, host.history[0].credit);
}

TEST_F(FreePlayGameTest, HintConfirmationTexts)
{
    struct Case {
        int hw;
        bool english;
        const char* title;
        const char* messageStart;
    } cases[] = {
        {0, true, "Are you sure you want to cheat?", "Hints are good to use"},
        {1, true, "T331", "Hints are good to use"},
        {2, true, "T331", "Hints are great to use"},
        {3, true, "T331", "Tap 'yes' to see one move of the correct"},
        {4, true, "T331", "Tap 'yes' to see one move of the solution,"},
        {-1, true, "T331", "Tap 'yes' to see one move of the solution,"},
        {5, true, "T331", "Hints are good to use to help solve the puzzle when stuck, and help you learn the "
                          "solution for the future, however the puzzle will count as unsolved!"},
        {7, true, "T331", "Hints are good to use"},
        {0, false, "T331", "T332"},
        {3, false, "T331", "T332"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.title, std::string(FreePlayGame::confirmTitle(c.hw, c.english).c_str())) << c.hw;
        std::string message = FreePlayGame::confirmMessage(c.hw, c.english).c_str();
        EXPECT_EQ(0u, message.find(c.messageStart)) << c.hw << " " << c.english << ": " << message;
    }
    EXPECT_NE(std::string::npos, std::string(FreePlayGame::confirmMessage(0, true).c_str()).find("as failed!"));
}

TEST_F(FreePlayGameTest, HintConfirmationProgressLine)
{
    struct Case {
        int required, solved, puzzlesLeft, levelSize;
        const char* line;
    } cases[] = {
        {3, 0, 5, 5, "3 more hints"},
        {3, 1, 5, 5, "2 more hints"},
        {3, 2, 5, 5, "T334"},
        {3, 3, 4, 5, "T335"},   // used up after some progress
        {3, 4, 2, 5, "T335"},
        {3, 3, 5, 5, ""},       // no progress yet: nothing to say
        {0, 0, 4, 5, ""},       // the level allows nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.line, std::string(FreePlayGame::progressLine(c.required, c.solved, c.puzzlesLeft, c.levelSize)
                                          .c_str()))
            << c.required << " " << c.solved << " " << c.puzzlesLeft;

    // In the game: alert 3, with the line only under "_fs_" above 0 at the first unsolved level.
    giveBoard();
    gAbSettings.hw = 3;
    host.firstUnsolved = 5;
    host.solvedInLevel = 0;
    host.puzzlesLeft = 5;
    game->confirmHint();
    ASSERT_EQ(std::vector<int>{3}, host.alerts);
    EXPECT_EQ("Tap 'yes' to see one move of the correct solution!", host.lastAlertMessage);
    game->settings.freeSkipsVariation = 2;   // ladder 1, 4, 9, 15: level 5 allows 2
    game->confirmHint();
    EXPECT_EQ("Tap 'yes' to see one move of the correct solution!\n\n2 more hints", host.lastAlertMessage);
    host.firstUnsolved = 6;
    game->confirmHint();
    EXPECT_EQ("Tap 'yes' to see one move of the correct solution!", host.lastAlertMessage);
}

TEST_F(FreePlayGameTest, TheHintAsksFirstOnlyWhereItCostsProgressAndBeforeAnyHint)
{
    Board& board = giveBoard();
    gAbSettings.fph = 4;
    EXPECT_TRUE(game->asksBeforeHint());
    board.hintedThrough = 1;
    EXPECT_FALSE(game->asksBeforeHint()) << "a hint was used on this board";
    board.hintedThrough = 0;
    gAbSettings.fph = 15;
    EXPECT_FALSE(game->asksBeforeHint());
    game->level = 4;
    EXPECT_TRUE(game->asksBeforeHint()) << "an earlier level";
}

TEST_F(FreePlayGameTest, ReplayTimes)
{
    const int id = 50012;
    Array<HistoryRecord> history;
    EXPECT_TRUE(FreePlayGame::replayMessage(history, id, 40000).isEmpty());
    history.append(solved(id, 90000));
    history.append(solved(id, 20000, 0, 0));                         // left unsolved: not a solve
    history.append(solved(id, 10000, 0, kFinished, kGameArcade));    // another mode
    history.append(solved(id + 1, 5000));                            // another puzzle
    const std::string first = "T337 " + std::string(formatDurationText(90).c_str()) + "\n";
    const std::string now = "T340 " + std::string(formatDurationText(40).c_str()) + "\n";
    EXPECT_EQ(first + now, std::string(FreePlayGame::replayMessage(history, id, 40000).c_str()))
        << "no earlier solve beat the first";

    history.append(solved(id, 30000, 1));   // hinted: not a best
    EXPECT_EQ(first + now, std::string(FreePlayGame::replayMessage(history, id, 40000).c_str()));

    history.append(solved(id, 60000));
    const std::string best = std::string(formatDurationText(60).c_str()) + "\n\n";
    EXPECT_EQ(first + "T339 " + best + now, std::string(FreePlayGame::replayMessage(history, id, 40000).c_str()))
        << "this solve beat the best";
    EXPECT_EQ(first + "T338 " + best + "T340 " + std::string(formatDurationText(70).c_str()) + "\n",
              std::string(FreePlayGame::replayMessage(history, id, 70000).c_str()));
}

TEST_F(FreePlayGameTest, ASolvedPuzzleIsPraisedAndAReturnedOneShowsItsTimes)
{
    host.history.append(solved(50012, 90000));
    Board& first = giveBoard();
    first.hintedThrough = 2;
    const int menus = gMenuStack.size();
    bool advance = true, deleteBoard = true;
    game->puzzleSolved(&advance, &deleteBoard);
    EXPECT_EQ(std::vector<bool>{true}, host.praiseListB) << "hinted: the second word list";
    EXPECT_EQ(menus, gMenuStack.size()) << "a first solve shows no times";
    EXPECT_TRUE(advance && deleteBoard);

    Board& again = giveBoard();
    again.replayFlag = 1;
    game->puzzleSolved(&advance, &deleteBoard);
    EXPECT_EQ(menus + 1, gMenuStack.size());
    EXPECT_TRUE(advance && deleteBoard);
}

TEST_F(FreePlayGameTest, HeadsUpNumbersAtTheLevelReachedAndWhenReplaying)
{
    struct Case {
        const char* what;
        int gameLevel, reached, left, bfp;
        int shown;
        bool button;
    } cases[] = {
        {"at the level reached", 5, 5, 3, 1, 3, false},
        {"progress never below 0", 5, 5, -2, 1, 0, false},
        {"past the last level: every level replays", 30, 31, 4, 1, 0, true},
        {"replaying, with the button", 3, 5, 3, 1, 0, true},
        {"replaying, without", 3, 5, 3, 0, 0, false},
    };
    for (const Case& c : cases) {
        game->level = c.gameLevel;
        host.level = c.reached;
        host.puzzlesLeft = c.left;
        gAbSettings.bfp = c.bfp;
        game->drawHud();
        EXPECT_EQ(c.shown, game->shownLeft) << c.what;
        EXPECT_EQ(c.gameLevel, game->shownLevel) << c.what;
        EXPECT_EQ(c.button, game->levelSelectButton != nullptr) << c.what;
    }
    EXPECT_TRUE(host.popupsOpened.empty());
}

TEST_F(FreePlayGameTest, TheChooseLevelButtonOpensTheLevelSelectAtTheFirstUnsolvedLevel)
{
    giveBoard();
    game->level = 2;
    host.firstUnsolved = 7;
    game->drawHud();
    ASSERT_NE(nullptr, game->levelSelectButton);
    tap(9 + 20, gScoreBoard.verticalOffset + 35 + 10);
    EXPECT_EQ(std::vector<int>{7}, host.levelSelectOpenedAt);
    tap(200, 300);
    EXPECT_EQ(1u, host.levelSelectOpenedAt.size()) << "a tap elsewhere is the board's";

    game->level = 5;   // back at the level reached: the button goes
    game->drawHud();
    EXPECT_EQ(nullptr, game->levelSelectButton);
    tap(9 + 20, gScoreBoard.verticalOffset + 35 + 10);
    EXPECT_EQ(1u, host.levelSelectOpenedAt.size());
}

TEST_F(FreePlayGameTest, LevelUpTipWhenPuzzlesLeftGrow)
{
    host.puzzlesLeft = 3;
    game->drawHud();
    host.puzzlesLeft = 2;
    game->drawHud();
    EXPECT_TRUE(host.allowedTipAsks.empty());
    host.puzzlesLeft = 3;   // a hinted puzzle cost progress
    game->drawHud();
    EXPECT_EQ(std::vector<int>{23}, host.allowedTipAsks);
    EXPECT_EQ(std::vector<int>{23}, host.shownTips);
    host.tipsAllowed = false;
    host.puzzlesLeft = 4;
    game->drawHud();
    EXPECT_EQ(1u, host.shownTips.size());
}

// The pending popup outlives the game's save: the restored game opens it again on the play screen, at once
// when the player comes back from the high scores.
TEST_F(FreePlayGameTest, ThePendingPopupSurvivesASaveAndOpensAgain)
{
    giveBoard();
    game->levelPopupShown = true;
    MemoryStreamOut out;
    ASSERT_TRUE(game->save(out));
    MemoryStreamIn in(out);
    OwnedPtr<CurrentGameI> restored(CurrentGameI::load(in, nullptr));
    ASSERT_FALSE(restored.isNull());
    ASSERT_NE(nullptr, dynamic_cast<FreePlayGame*>(restored.get()));
    EXPECT_TRUE(restored->levelPopupShown);
    host.game = restored.get();

    struct Case {
        const char* what;
        int screen, previous, alert;
        bool board;
        std::vector<bool> opened;
    } cases[] = {
        {"another screen", 3, 15, -1, true, {}},
        {"the popup is open", 2, 15, 2, true, {}},
        {"the final alert is open", 2, 15, 14, true, {}},
        {"no board", 2, 15, -1, false, {}},
        {"after a restart", 2, 15, -1, true, {true}},
        {"back from the high scores", 2, 9, -1, true, {false}},
    };
    for (const Case& c : cases) {
        host.popupsOpened.clear();
        host.screen = c.screen;
        host.previousScreen = c.previous;
        host.showingAlert = c.alert;
        restored->levelPopupShown = true;
        OwnedPtr<Board> keep;
        if (!c.board)
            keep.reset(restored->board.take());
        restored->drawHud();
        EXPECT_EQ(c.opened, host.popupsOpened) << c.what;
        if (!c.board)
            restored->board.reset(keep.take());
    }
    host.game = game.get();
}
