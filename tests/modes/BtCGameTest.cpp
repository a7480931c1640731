#include "Core/MemoryStream.h"
#include "modes/BtCGame.h"
#include "tests/modes/TimedGameFixture.h"

namespace {

class BtCGameTest : public TimedGameTest {
protected:
    BtCGame& newGame(bool speedUp, int startLevel = 5)
    {
        settings.gameMode = kGameBeatTheClock;
        settings.fasterClock = speedUp;
        settings.startLevel = startLevel;
        game.reset(static_cast<BtCGame*>(CurrentGameI::create(nullptr, false)));
        host.game = game.get();
        return *game;
    }

    OwnedPtr<BtCGame> game;
};

TEST_F(BtCGameTest, NewGameRunsItsPuzzlesAtTheChosenLevel)
{
    BtCGame& g = newGame(false, 7);
    EXPECT_EQ(8, g.movesLeft());
    EXPECT_EQ(7, g.level);
    EXPECT_EQ(3, g.hintsLeft());
    EXPECT_EQ(0, g.score());
    EXPECT_FALSE(g.hasStarted());
    EXPECT_FALSE(g.recordsScoreOnQuit());
    EXPECT_EQ(std::string("Beat the Clock"), g.modeName().c_str());
    EXPECT_FLOAT_EQ(0.0f, g.difficultyTarget());
}

TEST_F(BtCGameTest, WithSpeedUpTwoPuzzlesTheSecondTheHardestAndTheGameEndsAfterIt)
{
    BtCGame& g = newGame(true);
    EXPECT_EQ(2, g.movesLeft());
    EXPECT_FLOAT_EQ(0.5f, g.difficultyTarget());
    giveBoard(g);
    solveAfter(g, 30000);
    EXPECT_EQ(1, host.nextPuzzles);
    EXPECT_EQ(30000, g.score());
    EXPECT_FALSE(g.isScoreRecordable());   // leaving now offers no score
    EXPECT_FLOAT_EQ(1.0f, g.difficultyTarget());

    giveBoard(g);
    solveAfter(g, 12000);
    EXPECT_EQ(42000, g.score());
    EXPECT_EQ(0, g.movesLeft());
    EXPECT_TRUE(g.isScoreRecordable());
    EXPECT_EQ(1, host.gameOvers);
    EXPECT_EQ(1, host.nextPuzzles);   // no third puzzle
    EXPECT_TRUE(g.board.isNull());
    EXPECT_EQ(2, host.praises);
}

TEST_F(BtCGameTest, AGivenUpPuzzleCountsItsTimePlus9999999Ms)
{
    BtCGame& g = newGame(false);
    giveBoard(g);
    advance(4000);
    g.giveUp();
    g.onPuzzleFinished();
    EXPECT_EQ(9999999 + 4000, g.score());
    EXPECT_EQ(7, g.movesLeft());
    EXPECT_EQ(0, host.gameOvers);
}

TEST_F(BtCGameTest, NoHintLeftShowsTip34AndPlaysNothing)
{
    BtCGame& g = newGame(false);
    g.hintsRemaining = 0;
    giveBoard(g);
    g.playHint();
    ASSERT_EQ(1u, host.shownTips.size());
    EXPECT_EQ(34, host.shownTips[0]);
    EXPECT_TRUE(host.playedMoves.empty());
    EXPECT_TRUE(host.alerts.empty());
}

TEST_F(BtCGameTest, SavedTotalRoundTripsAndAStandInOrNegativeTotalIsRefused)
{
    BtCGame& g = newGame(false);
    g.totalMs = 65000;
    MemoryStreamOut out;
    ASSERT_TRUE(g.save(out));
    MemoryStreamIn in(out);
    OwnedPtr<CurrentGameI> back(CurrentGameI::load(in, nullptr));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(65000, back->score());

    const std::string bytes(out.data(), out.size());
    for (int total : {-1, int(CurrentGameI::kTag)}) {
        std::string edited = bytes;
        const int at = static_cast<int>(edited.size()) - 4;
        for (int i = 0; i < 4; i++)
            edited[at + i] = static_cast<char>((unsigned(total) >> (8 * i)) & 0xFF);
        MemoryStreamIn editedIn(edited.data(), static_cast<int>(edited.size()));
        EXPECT_EQ(nullptr, CurrentGameI::load(editedIn, nullptr)) << total;
    }
}

} // namespace
