#include "tests/board/BoardTestSupport.h"
#include "tests/graphics/GlTestContext.h"
#include "tests/modes/FakeGameHost.h"
#include "tests/modes/PlayGlobals.h"

#include "board/ExplodeFurballAnimation.h"
#include "graphics/AnimationList.h"
#include "modes/ChallengeRules.h"
#include "tests/modes/PlainTestGame.h"

namespace {

// A game whose end-of-puzzle answer the test chooses, and which counts the
// levels it leaves.
class ScriptedGame : public PlainTestGame {
public:
    ScriptedGame() : PlainTestGame(nullptr, false) {}
    void leaveLevel() override { levelsLeft++; }
    void puzzleSolved(bool* advance, bool* deleteBoard) override
    {
        *advance = advanceAfter;
        *deleteBoard = deleteAfter;
    }
    bool advanceAfter = true;
    bool deleteAfter = true;
    int levelsLeft = 0;
};

class CurrentGameITest : public GlTest, protected PlayGlobals {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        settings.gameMode = kGameArcade;
        settings.freeHints = false;
        for (int i = 0; i < StatisticCount; i++)
            gAbSettings.setCounter(i, 0);
        pin(gAbSettings.fph, gAbSettings.fph);   // tests set it
        enterPlay(&host, &host, 300000);
    }

    void TearDown() override
    {
        finishAnimations();
        leavePlay();
        GlTest::TearDown();
    }

    // A board of the game with one row of furballs, played for a while.
    Board& giveBoard(CurrentGameI& game, const char* row, int puzzleId = 30012)
    {
        game.board.reset(new Board());
        placeDiagram(*game.board, rowDiagram(5, row));
        game.board->puzzleId = puzzleId;
        game.board->level = puzzleId / 10000;
        advance(5000);
        return *game.board;
    }

    FakeGameHost host;
};

} // namespace

TEST_F(CurrentGameITest, FinishedPuzzleIsCountedRecordedAndBurstAndTheNextOneComes)
{
    ScriptedGame game;
    host.game = &game;
    game.hintsRemaining = 2;
    Board& solved = giveBoard(game, "..4....");
    int before = gAnimationList->count();
    game.onPuzzleFinished();
    EXPECT_EQ(1, gAbSettings.counter(StatSolvedPuz));
    ASSERT_EQ(1, host.history.size());
    EXPECT_EQ(30012, host.history[0].puzzleId);
    EXPECT_EQ(2, host.history[0].credit);
    EXPECT_EQ(kGameArcade, host.history[0].gameType);
    ASSERT_EQ(1u, host.events.size());
    EXPECT_EQ(9, host.events[0].kind);
    EXPECT_EQ(before + 1, gAnimationList->count());
    EXPECT_EQ(1, int(solved.cellAt(2, 5).inFlight));   // the last furball now shows as its burst
    EXPECT_EQ(1, host.nextPuzzles);
}

// What the mode answers decides what happens to the board, and an open
// new-level popup holds the next puzzle back.
TEST_F(CurrentGameITest, TheModesAnswerDecidesBetweenNextPuzzleAndKeepingTheBoard)
{
    struct Case {
        bool advance, deleteBoard;
        int alertShowing;
        int nextPuzzles;
        bool boardStays;
    } cases[] = {
        {true, true, -1, 1, true},    // the application replaces it
        {true, true, 2, 0, true},     // the popup answer moves on later
        {false, true, -1, 0, false},
        {false, false, -1, 0, true},
    };
    for (const Case& c : cases) {
        ScriptedGame game;
        host.game = &game;
        host.nextPuzzles = 0;
        host.showingAlert = c.alertShowing;
        game.advanceAfter = c.advance;
        game.deleteAfter = c.deleteBoard;
        giveBoard(game, "1.....2").givenUp = 1;
        game.onPuzzleFinished();
        EXPECT_EQ(c.nextPuzzles, host.nextPuzzles) << c.advance << c.deleteBoard << c.alertShowing;
        EXPECT_EQ(c.boardStays, !game.board.isNull()) << c.advance << c.deleteBoard;
        if (!game.board.isNull()) {
            EXPECT_EQ(c.deleteBoard ? 0 : 1, int(game.board->givenUp));
        }
    }
    host.game = nullptr;
}

TEST_F(CurrentGameITest, AGivenUpPuzzleEntersTheHistoryOnlyInFreePlay)
{
    for (int type : {kGameArcade, kGameBlitz, kGameFreePlay}) {
        host.history.clear();
        settings.gameMode = type;
        OwnedPtr<CurrentGameI> game(CurrentGameI::create(nullptr, false));
        host.game = game.get();
        giveBoard(*game, "1.1.1..");
        game->giveUp();
        EXPECT_TRUE(game->board->givenUp);
        // Free Play keeps the true time of a given-up puzzle: the history shows how long the player tried.
        if (type == kGameFreePlay)
            EXPECT_LT(game->board->elapsedMs(), 9999999);
        else
            EXPECT_GE(game->board->elapsedMs(), 9999999);
        game->onPuzzleFinished();
        ASSERT_EQ(type == kGameFreePlay ? 1 : 0, host.history.size()) << type;
        if (type == kGameFreePlay) {
            EXPECT_LT(host.history[0].playMs, 9999999);
            EXPECT_NE(0, host.history[0].credit) << "a given-up puzzle never counts as a clean solve";
        }
    }
    host.game = nullptr;
}

TEST_F(CurrentGameITest, FactoryMakesTheSettingsModeAndNothingForAnUnknownOne)
{
    settings.difficulty = 0;
    for (int mode = 0; mode <= 6; mode++) {
        settings.gameMode = mode;
        settings.startLevel = 4;
        OwnedPtr<CurrentGameI> game(CurrentGameI::create(nullptr, false));
        ASSERT_FALSE(game.isNull()) << mode;
        EXPECT_EQ(mode, game->type());
        // Arcade and Challenge start at the level of their difficulty (Challenge at the chosen one with medals),
        // Blitz at 3, the others where the player chose.
        int start = 4;
        if (mode == kGameArcade)
            start = 1;
        else if (mode == kGameBlitz)
            start = 3;
        else if (mode == kGameChallenge)
            start = challengeStartLevel(settings.difficulty, 4, gAbSettings.ncm);
        EXPECT_EQ(start, game->level) << mode;
        EXPECT_TRUE(game->isSavable());
        // Two Player deals both its boards at once; the others wait for their first puzzle.
        EXPECT_EQ(mode != kGameTwoPlayer, game->board.isNull()) << mode;
    }
    settings.gameMode = 7;
    settings.difficulty = 0;
    EXPECT_EQ(nullptr, CurrentGameI::create(nullptr, false));
    OwnedPtr<CurrentGameI> explain(CurrentGameI::create(nullptr, true));
    ASSERT_FALSE(explain.isNull());
    EXPECT_FALSE(explain->isSavable());
    // Later changes of the global settings do not reach a running game.
    settings.gameMode = kGameFrenzy;
    settings.difficulty = 2;
    EXPECT_EQ(0, explain->difficulty());
}

// A Frenzy, Free Play or Challenge game keeps its board when it is replaced
// (it could be resumed); the others leave their level first.
TEST_F(CurrentGameITest, ReplacingAGameLeavesTheLevelOfTheModesThatDoNotKeepTheirBoard)
{
    for (int type : {kGameArcade, kGameFrenzy, kGameFreePlay, kGameChallenge, kGameBeatTheClock}) {
        static int leftLevels;
        leftLevels = 0;
        class Watched : public ScriptedGame {
        public:
            ~Watched() override { leftLevels += levelsLeft; }
        };
        OwnedPtr<CurrentGameI> slot(new Watched());
        slot->settings.gameMode = type;
        giveBoard(*slot, "11.....");
        host.levelTipResets = 0;
        settings.gameMode = kGameArcade;
        CurrentGameI* made = replaceCurrentGame(nullptr, slot, false);
        EXPECT_EQ(made, slot.get());
        EXPECT_EQ(kGameArcade, made->type());
        bool keeps = type == kGameFrenzy || type == kGameFreePlay || type == kGameChallenge;
        EXPECT_EQ(keeps ? 0 : 1, leftLevels) << type;
        EXPECT_EQ(keeps ? 0 : 1, host.levelTipResets) << type;
    }
}

TEST_F(CurrentGameITest, EndLevelRestartsTheLevelTipsAndDropsTheBoard)
{
    ScriptedGame game;
    giveBoard(game, "1.1....");
    game.endLevel();
    EXPECT_TRUE(game.board.isNull());
    EXPECT_EQ(1, game.levelsLeft);
    EXPECT_EQ(1, host.levelTipResets);
    EXPECT_EQ(1, host.tipRemovals);
}

TEST_F(CurrentGameITest, DifficultyTargetRisesThroughTheLevel)
{
    struct Case {
        int type, movesLeft, gameLevel, applicationLevel;
        float target;
    } cases[] = {
        {kGameArcade, 8, 14, 1, 0.0f},      // first puzzle of 8 (Arcade level 14): easiest
        {kGameArcade, 1, 14, 1, 1.0f},      // last: hardest
        {kGameArcade, 5, 14, 1, 3.0f / 7.0f},
        {kGameArcade, 0, 14, 1, 0.0f},
        {kGameArcade, 12, 14, 1, 0.0f},     // more left than the level has: never below 0
        {kGameBlitz, 4, 1, 1, -1.0f},
        {kGameFreePlay, 4, 3, 5, -1.0f},    // a level below the one reached: no target
        {kGameFreePlay, 8, 5, 5, 0.0f},
    };
    settings.difficulty = 0;
    settings.levelRepeatsVariation = 0;
    for (const Case& c : cases) {
        settings.gameMode = c.type;
        OwnedPtr<CurrentGameI> game(CurrentGameI::create(nullptr, false));
        game->movesRemaining = c.movesLeft;
        host.puzzlesLeft = c.movesLeft;   // Free Play counts what is left over the play history
        game->level = c.gameLevel;
        host.level = c.applicationLevel;
        EXPECT_FLOAT_EQ(c.target, game->difficultyTarget()) << c.type << " " << c.movesLeft;
    }
}

TEST_F(CurrentGameITest, UndoTakesBackTheLastMoveAndTellsFrenzyPlayersWhy)
{
    ScriptedGame game;
    host.game = &game;
    EXPECT_FALSE(game.undo());   // no board
    Board& board = giveBoard(game, "1.11...");
    EXPECT_FALSE(game.canUndo());
    EXPECT_FALSE(game.undo());
    ASSERT_EQ(1, game.makeMove(CellPos{0, 5}, 1, 0, true, 0, 1.0f));
    EXPECT_EQ(2, board.furballCount());
    EXPECT_TRUE(game.canUndo());
    EXPECT_TRUE(game.undo());
    EXPECT_EQ(3, board.furballCount());
    EXPECT_TRUE(host.presentedTips.empty());
    host.game = nullptr;
}

// Hints on a small board: which cost a hint, which are refused, and what the
// hint button shows.
TEST_F(CurrentGameITest, HintsAreChargedOnlyWhereTheyCost)
{
    struct Case {
        const char* what;
        int type;
        int hints;
        bool givenUp;
        int fph;
        int hintsAfter;
        int moves;     // hint moves played
        int alert;     // -1 none
        int tip;       // shown tip, -1 none
    } cases[] = {
        {"arcade with hints", kGameArcade, 2, false, 15, 1, 1, -1, -1},
        {"arcade without", kGameArcade, 0, false, 15, 0, 0, 10, -1},
        {"arcade given up", kGameArcade, 0, true, 15, 0, 1, -1, -1},
        {"beat the clock without", kGameBeatTheClock, 0, false, 15, 0, 0, -1, 34},
        {"open free play", kGameFreePlay, 0, false, 4, 0, 1, -1, -1},
        {"closed free play without", kGameFreePlay, 0, false, 15, 0, 0, 10, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        settings.gameMode = c.type;
        gAbSettings.fph = c.fph;
        OwnedPtr<CurrentGameI> game(CurrentGameI::create(nullptr, false));
        game->hintsRemaining = c.hints;
        host.game = game.get();
        host.playedMoves.clear();
        host.alerts.clear();
        host.shownTips.clear();
        Board& board = giveBoard(*game, "1.11...");
        board.givenUp = c.givenUp;
        EXPECT_EQ(c.hints > 0 || c.givenUp || (c.type == kGameFreePlay && c.fph < 5), game->isHintAvailable());
        game->playHint();
        EXPECT_EQ(c.hintsAfter, game->hintsRemaining);
        EXPECT_EQ(size_t(c.moves), host.playedMoves.size());
        EXPECT_EQ(c.alert, host.alerts.empty() ? -1 : host.alerts[0]);
        EXPECT_EQ(c.tip, host.shownTips.empty() ? -1 : host.shownTips[0]);
    }
    host.game = nullptr;
}

TEST_F(CurrentGameITest, AHintOffTheHintedPathIsRefusedWithATipAndTheButtonSaysSo)
{
    ScriptedGame game;
    game.hintsRemaining = 3;
    host.game = &game;
    giveBoard(game, "1.11...");
    EXPECT_TRUE(game.isHintFree());
    EXPECT_TRUE(game.isHintEnabled());
    ASSERT_EQ(1, game.makeMove(CellPos{0, 5}, 1, 0, true, 0, 1.0f));   // a move of the player's own
    EXPECT_FALSE(game.isHintFree());
    EXPECT_FALSE(game.isHintEnabled());
    game.playHint();
    EXPECT_EQ(std::vector<int>{20}, host.presentedTips);
    EXPECT_EQ(3, game.hintsRemaining);
    EXPECT_TRUE(host.playedMoves.empty());

    // After the undo the hint follows from the start again, and a pending
    // hinted path is free to follow.
    game.undo();
    game.playHint();
    EXPECT_EQ(2, game.hintsRemaining);
    EXPECT_EQ(1u, host.playedMoves.size());
    EXPECT_EQ(1, game.board->hintedThrough);
    host.game = nullptr;
}

TEST_F(CurrentGameITest, LastMoveLeftFurballSeesALiftedFurballReplacedByAnother)
{
    ScriptedGame game;
    Board& board = giveBoard(game, "1.11...");
    EXPECT_FALSE(game.lastMoveLeftFurball());   // nothing lifted yet
    board.liftedList.append(LiftedFurball{3, 5, 1});
    EXPECT_TRUE(game.lastMoveLeftFurball());    // (3, 5) is taken again, not by the move
    board.placedList.append(CellPos{3, 5});
    EXPECT_FALSE(game.lastMoveLeftFurball());   // the move put it there
    board.liftedList.clear();
    board.liftedList.append(LiftedFurball{6, 5, 1});
    EXPECT_FALSE(game.lastMoveLeftFurball());   // its cell stays empty
}
