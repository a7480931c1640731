// A Free Play level played through the application: the records its puzzles
// leave, the progress counted over them, the new-level popup and its answer.

#include <string>
#include <vector>

#include "board/Board.h"
#include "game/AlertId.h"
#include "game/KelzoGame.h"
#include "modes/FreePlayGame.h"
#include "modes/FreePlayRules.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/modes/PlayGlobals.h"
#include "tests/ui/MenuPictures.h"
#include "ui/MenuStack.h"

namespace {

class FreePlayLevelTest : public MenuTestFolder, protected PlayGlobals {
protected:
    void SetUp() override
    {
        MenuTestFolder::SetUp();
        linkMenuPictures();
        settings.gameMode = kGameFreePlay;
        settings.startLevel = 1;
        settings.freeSkipsVariation = 0;
        settings.levelRepeatsVariation = -1;   // level 1: 2 puzzles
        settings.freeHints = false;
        pin(gAbSettings.fph, 15);              // level 1 allows 1 hinted move
        enterPlay(&game, &game, 300000);
        game.currentScreen = ScreenPlaying;
        game.keptGames[kGameFreePlay].reset(CurrentGameI::create(nullptr, false));
        game.setCurrentGame(game.keptGames[kGameFreePlay].get());
    }

    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        game.setCurrentGame(nullptr);
        game.keptGames[kGameFreePlay].reset();
        finishAnimations();
        leavePlay();
        MenuTestFolder::TearDown();
    }

    // A puzzle of the level played for 5 s with `hinted` moves shown by hints, then finished.
    void finishPuzzle(int index, int hinted)
    {
        CurrentGameI& current = *game.currentGame;
        current.board.reset(new Board());
        placeDiagram(*current.board, rowDiagram(5, "1.1.1.."));
        current.board->puzzleId = current.level * 10000 + index;
        current.board->level = current.level;
        current.board->hintedThrough = hinted;
        advance(5000);
        game.puzzleFinished();
    }

    KelzoGame game;
};

} // namespace

TEST_F(FreePlayLevelTest, CleanSolvesCompleteTheLevelAndTheAnswerMovesOn)
{
    EXPECT_EQ(2, game.puzzlesLeftInLevel());
    finishPuzzle(1, 0);
    EXPECT_EQ(1, game.puzzlesLeftInLevel());
    EXPECT_EQ(-1, game.currentAlertId);
    finishPuzzle(2, 0);
    EXPECT_EQ(0, game.puzzlesLeftInLevel());
    EXPECT_EQ(AlertFreePlayNewLevel, game.currentAlertId);
    EXPECT_TRUE(game.currentGame->levelPopupShown);
    ASSERT_EQ(2, game.history.size());
    EXPECT_EQ(0, game.history[1].credit);

    game.alertButtonClicked(1, nullptr);
    EXPECT_EQ(2, game.currentLevel);
    EXPECT_EQ(2, game.currentGame->level);
    EXPECT_EQ(2, settings.startLevel);
    EXPECT_FALSE(game.currentGame->levelPopupShown);
    EXPECT_EQ(freePlayRequiredSolves(2, 15, 0), game.currentGame->hintsRemaining);
    EXPECT_EQ(freePlayLevelSize(2, -1), game.puzzlesLeftInLevel());
}

// Hinted moves beyond the level's allowance cost progress; a puzzle given up counts as hinted however it ended.
TEST_F(FreePlayLevelTest, HintedAndGivenUpPuzzlesDrawOnTheAllowance)
{
    finishPuzzle(1, 1);   // within the allowance: counts
    EXPECT_EQ(1, game.puzzlesLeftInLevel());
    finishPuzzle(2, 1);   // past it: costs the progress made
    EXPECT_EQ(2, game.puzzlesLeftInLevel());
    finishPuzzle(3, 0);
    EXPECT_EQ(1, game.puzzlesLeftInLevel());

    game.currentGame->board.reset(new Board());
    placeDiagram(*game.currentGame->board, rowDiagram(5, "1.1.1.."));
    game.currentGame->board->puzzleId = 10004;
    game.currentGame->giveUp();
    advance(5000);
    game.puzzleFinished();
    EXPECT_EQ(2, game.puzzlesLeftInLevel()) << "giving up is not a solve";
    EXPECT_EQ(-1, game.currentAlertId);
}

// The final alert after level 30 leaves Free Play past its last level: nothing left to count, no popup again.
TEST_F(FreePlayLevelTest, TheLastLevelEndsWithTheFinalAlert)
{
    game.currentLevel = 30;
    game.currentGame->level = 30;
    const int size = freePlayLevelSize(30, -1);
    for (int i = 0; i < size; i++)
        finishPuzzle(i + 1, 0);
    EXPECT_EQ(AlertFreePlayLevelResult, game.currentAlertId);
    game.alertButtonClicked(0, nullptr);
    EXPECT_EQ(31, game.currentLevel);
    EXPECT_FALSE(game.currentGame->levelPopupShown);
    finishPuzzle(99, 0);
    EXPECT_EQ(-1, game.currentAlertId);
}
