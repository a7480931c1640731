// Screen actions that act on the game in play: the level chosen on the level-select page, and the main
// menu's restart.

#include <gtest/gtest.h>

#include "board/Board.h"
#include "game/AlertId.h"
#include "settings/Statistics.h"
#include "tests/game/GameTouchFixture.h"

TEST_F(GameTouchTest, TheChosenLevelMovesTheGameThere)
{
    struct Case {
        const char* name;
        int mode;
        int gameLevel, boardLevel, chosen;
        int levelAfter, restarts, keptRecords;
        bool counted;
    } cases[] = {
        {"Challenge at another level restarts there", kGameChallenge, 4, 4, 6, 6, 1, 0, true},
        {"Frenzy at its own level stays", kGameFrenzy, 6, 6, 6, 6, 0, 0, false},
        {"Free Play keeps the puzzle left", kGameFreePlay, 3, 3, 5, 5, 0, 1, true},
        {"Arcade compares the board's level", kGameArcade, 5, 2, 5, 5, 0, 1, true},
        {"Arcade at the board's level stays", kGameArcade, 2, 5, 5, 2, 0, 0, false},
    };
    for (const Case& c : cases) {
        gAbSettings.setCounter(StatChangedLev, 0);
        game.history.clear();
        NotingGame* noting = play(c.mode, ScreenPlaying);
        noting->level = c.gameLevel;
        noting->board->level = c.boardLevel;
        noting->board->puzzleId = c.boardLevel * 10000 + 3;
        noting->board->startTime = 1000;   // played for nine seconds: worth a record
        game.showMenu(ScreenLevelSelect);
        gGameClock = GameClock();   // the switch paused it at the wall clock's time
        gGameClock.updateAt(10000);
        settings.startLevel = c.chosen;
        game.screenAction(1);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ScreenPlaying, game.currentScreen);
        EXPECT_EQ(c.levelAfter, noting->level);
        EXPECT_EQ(c.restarts, noting->restarts);
        int kept = 0;
        for (const HistoryRecord& record : game.history)
            kept += record.puzzleId == c.boardLevel * 10000 + 3 && (record.flags & HistoryRecord::kKept) ? 1 : 0;
        EXPECT_EQ(c.keptRecords, kept);
        EXPECT_EQ(c.counted ? 1 : 0, gAbSettings.counter(StatChangedLev));
    }
}

TEST_F(GameTouchTest, TheMainMenusRestartAsksUnlessTheBoardWasGivenUp)
{
    NotingGame* noting = play(kGameChallenge, ScreenMainMenu);
    game.screenAction(3);
    EXPECT_EQ(AlertRestartLevel, game.currentAlertId);
    EXPECT_EQ(0, noting->restarts);
    EXPECT_EQ(ScreenMainMenu, game.currentScreen);
    gMenuStack.deleteAllMenus();
    game.currentAlertId = -1;

    noting->board->givenUp = 1;
    game.screenAction(3);
    EXPECT_EQ(-1, game.currentAlertId);
    EXPECT_EQ(1, noting->restarts);
    EXPECT_EQ(ScreenPlaying, game.currentScreen);
}
