#ifndef KELZO_TESTS_MODES_TIMEDGAMEFIXTURE_H
#define KELZO_TESTS_MODES_TIMEDGAMEFIXTURE_H

#include "Core/GameClock.h"
#include "board/ScoreBoard.h"
#include "graphics/AnimationList.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"
#include "tests/board/BoardTestSupport.h"
#include "tests/graphics/GlTestContext.h"
#include "tests/modes/FakeGameHost.h"
#include "tests/modes/PlayGlobals.h"

// The timed modes inside a fake application: settings pinned to the plain
// case (no speed-up, no scale, no experiments), a game clock the test moves,
// and boards of one row of furballs.
class TimedGameTest : public GlTest, protected PlayGlobals {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        settings.fasterClock = false;
        settings.slowdownA = -1;
        settings.slowdownB = -1;
        settings.mhVariation = false;
        settings.levelRepeatsVariation = 0;
        settings.freeHints = false;
        settings.difficulty = 0;
        settings.startLevel = 1;
        pin(gAbSettings.aet, -1);
        pin(gAbSettings.eh, -1);
        for (int i = 0; i < StatisticCount; i++)
            gAbSettings.setCounter(i, 0);
        enterPlay(&host, &host, 300000);
    }

    void TearDown() override
    {
        finishAnimations();
        leavePlay();
        GlTest::TearDown();
    }

    // A fresh board of the game (one row of furballs) whose clock starts now.
    Board& giveBoard(CurrentGameI& game, const char* row = "1.11...")
    {
        game.board.reset(new Board());
        placeDiagram(*game.board, rowDiagram(5, row));
        game.board->puzzleId = game.level * 10000 + 12;
        game.board->level = game.level;
        game.board->startTime = gGameClock.now();
        return *game.board;
    }

    // The board solved after `ms` of play, as the board's drawing reports it.
    void solveAfter(CurrentGameI& game, int ms)
    {
        advance(ms);
        placeDiagram(*game.board, rowDiagram(5, "1......"));
        game.onPuzzleFinished();
    }

    FakeGameHost host;
};

#endif
