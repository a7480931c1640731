#pragma once

// A bare application object inside a folder of its own, with settings of its own, as host of the board and
// the games, and a game that notes what the shell asks of it. The experiment values the touch rules read are
// put back after each test.
//
//   NotingGame* game = play(kGameArcade, ScreenPlaying);
//   touch({{0, 20, 460, 10100}, {2, 20, 460, 10180}});
//   EXPECT_EQ(1, game->undos);

#include <gtest/gtest.h>

#include <vector>

#include "Core/GameClock.h"
#include "board/NewLevelData.h"
#include "board/Board.h"
#include "game/KelzoGame.h"
#include "modes/GameHost.h"
#include "tests/modes/PlainTestGame.h"
#include "tests/modes/PlayGlobals.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "ui/MenuStack.h"
#include "tests/support/TempFolder.h"

// A game of any type that notes the shell's calls into it.
class NotingGame : public PlainTestGame {
public:
    explicit NotingGame(int type) : PlainTestGame(nullptr, false) { settings.gameMode = type; }
    bool undo() override
    {
        undos++;
        return true;
    }
    bool confirmHint() override
    {
        confirms++;
        return true;
    }
    bool isInputBlocked() override { return blocked; }
    void endGame() override { ends++; }
    void restartLevel() override { restarts++; }
    void onLevelUp() override { levelUps++; }
    int undos = 0;
    int confirms = 0;
    int ends = 0;
    int restarts = 0;
    int levelUps = 0;
    bool blocked = false;
};

struct Touch {
    int phase, x, y, ms;
};

class GameTouchTest : public TempFolderTest, protected PlayGlobals {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        settings.switchB = true;   // tips on
        pin(gAbSettings.ieh, 0);
        pin(gAbSettings.fph, 15);
        // Tests set these.
        for (int* value : {&gAbSettings.bfp, &gAbSettings.ncm, &gAbSettings.ncp, &gAbSettings.fsp, &gAbSettings.ddh})
            pin(*value, *value);
        enterPlay(&game, &game, 10000);
    }
    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        leavePlay();
        gNewLevelData.close();   // a store opened in this folder must not serve the next test
        TempFolderTest::TearDown();
    }

    // The current game: of the type, on the screen, with a board of two furballs and no hints left (so a
    // hint offers to give the puzzle up). The application owns it. What the screen opened on its way in
    // (the tutorial's first alert) is closed.
    NotingGame* play(int type, ScreenId screen)
    {
        settings.gameMode = type;
        game.showMenu(screen);
        gMenuStack.deleteAllMenus();
        game.currentAlertId = -1;
        NotingGame* noting = new NotingGame(type);
        noting->hintsRemaining = 0;
        noting->board.reset(new Board());
        noting->board->placeFurballAt(1, 1, freshCell());
        noting->board->placeFurballAt(3, 1, freshCell());
        game.setCurrentGame(nullptr);
        game.ownedGame.reset(noting);
        game.setCurrentGame(noting);
        // A running clock at 10 s whatever the switch did (the tutorial runs on it too); touch() moves it.
        startClockAt(10000);
        return noting;
    }

    // Each touch at its game-clock time. The shell reads the wall clock at every touch, so the clock is
    // made to have started that long ago.
    void touch(const std::vector<Touch>& touches)
    {
        for (const Touch& t : touches) {
            gGameClock.startMs = int32_t(GameClock::wallMs() - uint32_t(t.ms));
            gGameClock.updateAt(t.ms);
            game.handleTouch(t.phase, TouchPoint{t.x, t.y}, TouchPoint{-1, -1});
        }
    }

    KelzoGame game;
};
