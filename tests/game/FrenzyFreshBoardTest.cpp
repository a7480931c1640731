// A Frenzy board cleared down to one furball, as the board reports it to the application: a fresh board is
// dealt and the level goes on, unless the level is already won or lost.

#include "board/Board.h"
#include "game/KelzoGame.h"
#include "modes/FrenzyBests.h"
#include "modes/FrenzyGame.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/modes/PlayGlobals.h"
#include "tests/ui/MenuTestFolder.h"
#include "ui/MenuStack.h"

namespace {

class FrenzyFreshBoardTest : public MenuTestFolder, protected PlayGlobals {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        settings.gameMode = kGameFrenzy;
        settings.startLevel = 3;
        enterPlay(&game, &game, 300000);
        pin(gAbSettings.fbs, 0);   // a start filling of 15
        pin(gAbSettings.fmb, 0);
        game.currentScreen = ScreenPlaying;
        game.keptGames[kGameFrenzy].reset(CurrentGameI::create(nullptr, false));
        game.setCurrentGame(game.keptGames[kGameFrenzy].get());
        frenzy = static_cast<FrenzyGame*>(game.currentGame);
    }

    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        game.setCurrentGame(nullptr);
        game.keptGames[kGameFrenzy].reset();
        gFrenzyBests.clear();
        finishAnimations();
        leavePlay();
        MenuTestFolder::TearDown();
    }

    // A board of the level with one furball left, played for `playedMs`.
    const Board* lastFurballBoard(int playedMs)
    {
        frenzy->board.reset(new Board());
        placeDiagram(*frenzy->board, rowDiagram(7, "...2..."));
        frenzy->board->level = frenzy->level;
        frenzy->board->startTime = clock - playedMs;
        return frenzy->board.get();
    }

    KelzoGame game;
    FrenzyGame* frenzy = nullptr;
};

} // namespace

TEST_F(FrenzyFreshBoardTest, OneFurballLeftBringsAFreshBoardWhileTheLevelGoesOn)
{
    frenzy->movesRemaining = 12;
    frenzy->clearedTotal = 38;
    frenzy->chooseSpawn(false);
    const int colour = frenzy->nextColour();
    const int due = frenzy->nextSpawnTime;
    const int interval = frenzy->intervalMs;
    lastFurballBoard(41000);

    game.puzzleFinished();

    ASSERT_FALSE(frenzy->board.isNull());
    EXPECT_EQ(15, frenzy->board->furballCount()) << "the level's start filling";
    EXPECT_EQ(3, frenzy->board->level);
    EXPECT_EQ(12, frenzy->movesLeft()) << "the quota goes on";
    EXPECT_EQ(38, frenzy->clearedTotal);
    EXPECT_EQ(due, frenzy->nextSpawnTime) << "the drop clock goes on";
    EXPECT_EQ(interval, frenzy->intervalMs);
    EXPECT_EQ(41000, frenzy->board->elapsedMs()) << "the level's time goes on";
    EXPECT_EQ(colour, frenzy->nextColour());
    EXPECT_FALSE(frenzy->board->hasFurballAt(frenzy->spawnX, frenzy->spawnY)) << "the drop's cell is free";

    // Drops land on the new board when due.
    advance(due - clock);
    frenzy->tick();
    EXPECT_EQ(16, frenzy->board->furballCount());
}

// Once the quota is cleared or the level lost, the level's own end follows on the board it has.
TEST_F(FrenzyFreshBoardTest, AWonOrLostLevelKeepsItsBoard)
{
    struct Case {
        const char* what;
        int quota;
        bool lost;
    } cases[] = {
        {"quota cleared", 0, false},
        {"level lost", 5, true},
    };
    for (const Case& c : cases) {
        frenzy->movesRemaining = c.quota;
        frenzy->restartTime = c.lost ? clock + 1800 : -1;
        const Board* old = lastFurballBoard(30000);
        game.puzzleFinished();
        EXPECT_EQ(old, frenzy->board.get()) << c.what;
        EXPECT_EQ(1, frenzy->board->furballCount()) << c.what;
    }
}
