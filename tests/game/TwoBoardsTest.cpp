// The end of a puzzle on a screen of two boards: the application hears which board finished.

#include <unistd.h>

#include <string>

#include "board/Board.h"
#include "board/NewLevelData.h"
#include "game/KelzoGame.h"
#include "modes/TwoPlayerGame.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/modes/PlayGlobals.h"
#include "tests/support/TempFolder.h"

namespace {

class TwoBoardsTest : public TempFolderTest, protected PlayGlobals {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(useShippedPuzzleStore());
        settings.gameMode = kGameTwoPlayer;
        settings.startLevel = 2;
        enterPlay(&game, &game, 400000);
        game.currentScreen = ScreenPlaying;
        two = new TwoPlayerGame(nullptr);
        game.ownedGame.reset(two);
        game.setCurrentGame(two);
    }

    void TearDown() override
    {
        game.setCurrentGame(nullptr);
        game.ownedGame.reset();
        finishAnimations();
        gNewLevelData.close();
        leavePlay();
        TempFolderTest::TearDown();
    }

    KelzoGame game;
    TwoPlayerGame* two = nullptr;
};

} // namespace

TEST_F(TwoBoardsTest, ASolvedSecondBoardLeavesTheGameAndItsHistoryAlone)
{
    Board* first = two->board.get();
    ASSERT_NE(nullptr, first);
    Board* second = new Board();
    placeDiagram(*second, rowDiagram(3, "...1..."));
    second->puzzleId = 20005;
    two->secondBoard.reset(second);
    advance(4000);

    game.puzzleFinishedOn(*second);
    two->drawBoard();
    EXPECT_EQ(first, two->board.get());
    EXPECT_EQ(0, game.history.size()) << "the first board's puzzle goes on";
    ASSERT_FALSE(two->secondBoard.isNull());
    EXPECT_NE(20005, two->secondBoard->puzzleId);

    game.puzzleFinishedOn(*first);   // the game's own board ends as every game's does
    EXPECT_EQ(1, game.history.size());
}
