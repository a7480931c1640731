#include <string>

#include "Core/MemoryStream.h"
#include "modes/BlitzGame.h"
#include "modes/BlitzRules.h"
#include "tests/modes/TimedGameFixture.h"

namespace {

class BlitzGameTest : public TimedGameTest {
protected:
    BlitzGame& newGame(int difficulty)
    {
        settings.gameMode = kGameBlitz;
        settings.difficulty = difficulty;
        game.reset(static_cast<BlitzGame*>(CurrentGameI::create(nullptr, false)));
        host.game = game.get();
        return *game;
    }

    OwnedPtr<BlitzGame> game;
};

TEST_F(BlitzGameTest, NewGameHasTheBankOfItsDifficultyAtLevel3)
{
    const int banks[] = {60000, 180000, 300000};
    for (int difficulty = 0; difficulty <= 2; difficulty++) {
        BlitzGame& g = newGame(difficulty);
        EXPECT_EQ(banks[difficulty], g.bankMs);
        EXPECT_EQ(3, g.level);
        EXPECT_EQ(0, g.peak);
        EXPECT_EQ(3, g.hintsLeft());
        EXPECT_FALSE(g.isScoreRecordable());
        EXPECT_TRUE(g.recordsScoreOnQuit());
        EXPECT_FLOAT_EQ(-1.0f, g.difficultyTarget());
    }
}

TEST_F(BlitzGameTest, EachSolveRaisesLevelAndPeakAndEachBoardsTimeLeavesTheBank)
{
    BlitzGame& g = newGame(1);
    giveBoard(g);
    solveAfter(g, 20000);
    EXPECT_EQ(3, g.peak);
    EXPECT_EQ(4, g.level);
    EXPECT_EQ(3, g.score());
    EXPECT_TRUE(g.isScoreRecordable());
    EXPECT_EQ(1, host.nextPuzzles);
    g.endLevel();   // as the next puzzle comes
    EXPECT_EQ(160000, g.bankMs);

    giveBoard(g);
    solveAfter(g, 5000);
    g.endLevel();
    EXPECT_EQ(4, g.peak);
    EXPECT_EQ(5, g.level);
    EXPECT_EQ(155000, g.bankMs);
}

TEST_F(BlitzGameTest, AGivenUpPuzzleEndsTheGameWhateverTimeIsLeft)
{
    BlitzGame& g = newGame(2);
    giveBoard(g);
    advance(1000);
    g.giveUp();
    g.onPuzzleFinished();
    EXPECT_EQ(1, host.gameOvers);
    EXPECT_EQ(0, host.nextPuzzles);
    EXPECT_EQ(0, g.peak);
    EXPECT_EQ(3, g.level);
}

TEST_F(BlitzGameTest, TimeUpWhenTheBankRunsOutOnAnOpenBoard)
{
    BlitzGame& g = newGame(0);
    g.bankMs = 5000;
    giveBoard(g);
    advance(5000);
    g.tick();
    EXPECT_TRUE(host.alerts.empty());
    advance(1);
    g.tick();
    ASSERT_EQ(1u, host.alerts.size());
    EXPECT_EQ(1, host.alerts[0]);
}

TEST_F(BlitzGameTest, LowTimeAlarmAgainstTheWholeBank)
{
    BlitzGame& g = newGame(0);   // a fifth of 60 s is 12 s
    g.bankMs = 13001 + 12000;
    giveBoard(g);
    advance(13001);
    g.drawHud();
    EXPECT_TRUE(host.events.empty());
    advance(1);
    g.drawHud();
    EXPECT_EQ(2u, host.events.size());
}

TEST_F(BlitzGameTest, SavedPeakOf98LoadsAnd99IsRefused)
{
    for (int peak : {98, 99}) {
        BlitzGame& g = newGame(1);
        g.peak = peak;
        g.bankMs = 4242;
        MemoryStreamOut out;
        ASSERT_TRUE(g.save(out));
        MemoryStreamIn in(out);
        OwnedPtr<CurrentGameI> back(CurrentGameI::load(in, nullptr));
        if (peak == 99) {
            EXPECT_TRUE(back.isNull());
            continue;
        }
        ASSERT_FALSE(back.isNull());
        BlitzGame* blitz = dynamic_cast<BlitzGame*>(back.get());
        ASSERT_NE(nullptr, blitz);
        EXPECT_EQ(98, blitz->score());
        EXPECT_EQ(4242, blitz->bankMs);
    }
}

TEST_F(BlitzGameTest, PuzzlesPastTheLastLevelComeFromIt)
{
    EXPECT_EQ(3, blitzPuzzleLevel(3));
    EXPECT_EQ(30, blitzPuzzleLevel(30));
    EXPECT_EQ(30, blitzPuzzleLevel(31));
    EXPECT_EQ(30, blitzPuzzleLevel(97));
}

} // namespace
