#include "tests/board/BoardTestSupport.h"
#include "tests/graphics/GlTestContext.h"

#include "board/ExplodeFurballAnimation.h"
#include "graphics/AnimationList.h"
#include "modes/CurrentGameI.h"

namespace {

// The board's host as a running game sees it: its current game is `game`.
class GameHost : public FakeBoardHost {
public:
    Board* currentGameBoard() override { return game.board.get(); }
    int hintCounter() override { return game.hintCounter; }

    CurrentGameI game;
};

class CurrentGameITest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        gSettingsSaveSuppressed = true;
        settings.gameMode = kGameArcade;
        settings.freeHints = false;
        gSettings = &settings;
        for (int i = 0; i < StatisticCount; i++)
            gAbSettings.setCounter(i, 0);
        clock = 300000;
        gGameClock.updateAt(clock);
        gBoardHost = &host;
    }

    void TearDown() override
    {
        while (updateAnimations(gAnimationList)) {
            clock += 1000;
            gGameClock.updateAt(clock);
        }
        gBoardHost = nullptr;
        gSettings = nullptr;
        GlTest::TearDown();
    }

    Settings settings;
    GameHost host;
    int clock = 0;
};

} // namespace

TEST_F(CurrentGameITest, FinishBoardCountsRecordsAndBurstsTheLastFurball)
{
    host.game.board.reset(new Board());
    host.game.hintCounter = 2;
    Board& solved = *host.game.board;
    placeDiagram(solved, rowDiagram(5, "..4...."));
    solved.puzzleId = 30012;
    clock += 5000;
    gGameClock.updateAt(clock);
    int before = gAnimationList->count();
    host.game.finishBoard();
    EXPECT_EQ(1, gAbSettings.counter(StatSolvedPuz));
    ASSERT_EQ(1, host.history.size());
    EXPECT_EQ(30012, host.history[0].puzzleId);
    EXPECT_EQ(2, host.history[0].credit);
    EXPECT_EQ(before + 1, gAnimationList->count());
    EXPECT_EQ(1, int(solved.cellAt(2, 5).inFlight));   // the last furball now shows as its burst
    // The same puzzle told again is not recorded twice.
    host.game.finishBoard();
    EXPECT_EQ(1, host.history.size());
}
