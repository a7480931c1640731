#include <cstring>
#include <string>

#include "Core/Hash.h"
#include "Core/MemoryStream.h"
#include "board/ScoreBoard.h"
#include "modes/ArcadeGame.h"
#include "modes/ArcadeRules.h"
#include "tests/modes/TimedGameFixture.h"

namespace {

class ArcadeGameTest : public TimedGameTest {
protected:
    ArcadeGame& newGame(int difficulty = 0)
    {
        settings.gameMode = kGameArcade;
        settings.difficulty = difficulty;
        game.reset(static_cast<ArcadeGame*>(CurrentGameI::create(nullptr, false)));
        host.game = game.get();
        return *game;
    }

    float levelTime(int level, int difficulty) { return arcadeTimeLimitMs(level, difficulty, settings, gAbSettings); }

    std::string saved(CurrentGameI& g)
    {
        MemoryStreamOut out;
        EXPECT_TRUE(g.save(out));
        return std::string(out.data(), out.size());
    }

    OwnedPtr<ArcadeGame> game;
};

TEST_F(ArcadeGameTest, NewGameStartsByDifficulty)
{
    struct Case {
        int difficulty;
        bool mh;
        int level, hints;
    } cases[] = {
        {0, false, 1, 3}, {0, true, 1, 4}, {1, false, 3, 3}, {1, true, 3, 3}, {2, false, 6, 2}, {2, true, 6, 2},
    };
    for (const Case& c : cases) {
        settings.mhVariation = c.mh;
        ArcadeGame& g = newGame(c.difficulty);
        EXPECT_EQ(c.level, g.level) << c.difficulty;
        EXPECT_EQ(c.hints, g.hintsLeft()) << c.difficulty << c.mh;
        EXPECT_EQ(2, g.movesLeft());   // the start level of every difficulty has two puzzles
        EXPECT_EQ(static_cast<int>(levelTime(c.level, c.difficulty)), g.bankMs);
        EXPECT_EQ(1, g.lives);
        EXPECT_EQ(0, g.score());
        EXPECT_FALSE(g.hasStarted());
        EXPECT_FALSE(g.isScoreRecordable());
        EXPECT_TRUE(g.recordsScoreOnQuit());
    }
}

TEST_F(ArcadeGameTest, SolvedPuzzleScoresAndCountsThePointsUpInTheShow)
{
    ArcadeGame& g = newGame(2);
    g.level = 1;
    giveBoard(g);
    solveAfter(g, 5000);   // past a fifth of the 16 s level: no bonus
    EXPECT_EQ(20, g.score());
    EXPECT_TRUE(g.isScoreRecordable());
    EXPECT_TRUE(g.hasStarted());
    EXPECT_EQ(1, host.nextPuzzles);
    EXPECT_EQ(1, g.movesLeft());
    ASSERT_TRUE(g.levelEnd.active);
    EXPECT_EQ(20, g.levelEnd.pointsAdded);
    EXPECT_EQ(0, g.shownScore);

    // 5 s of 16 s used: the count runs 800 ms after a 200 ms wait, the show 1575 ms.
    advance(600);
    EXPECT_EQ(1, g.isAnimating());
    EXPECT_EQ(10, g.shownScore);
    advance(974);
    EXPECT_EQ(1, g.isAnimating());
    EXPECT_EQ(20, g.shownScore);
    advance(1);
    EXPECT_EQ(0, g.isAnimating());
    EXPECT_EQ(-1, g.shownScore);
    EXPECT_FALSE(g.levelEnd.active);
}

TEST_F(ArcadeGameTest, TheShowBlocksTouchesAndTheNextPuzzlesClockStartsWhenItEnds)
{
    ArcadeGame& g = newGame(0);
    giveBoard(g);
    solveAfter(g, 3000);
    Board& next = giveBoard(g, "11.1...");   // the next puzzle comes at once
    EXPECT_TRUE(g.isInputBlocked());
    g.handleTouch(0, 20, 250);
    EXPECT_EQ(0, next.touchActive);

    advance(2000);
    EXPECT_GT(next.elapsedMs(), 0);
    EXPECT_EQ(0, g.isAnimating());
    EXPECT_FALSE(g.isInputBlocked());
    EXPECT_EQ(0, next.elapsedMs());
    EXPECT_EQ(0, next.frozen);
}

TEST_F(ArcadeGameTest, TheScoreBoardKeepsItsPiecesDuringTheShowAndStartsOverAfterIt)
{
    ArcadeGame& g = newGame(0);
    giveBoard(g);
    solveAfter(g, 3000);
    giveBoard(g, "11.1...");
    gScoreBoard.key = 7;   // as the frame's draw left it
    for (int step = 0; step < 3; step++) {
        advance(300);
        ASSERT_EQ(1, g.isAnimating());
        EXPECT_EQ(7, gScoreBoard.key) << step;   // the labels and boxes are drawn from the cache
    }
    advance(2000);
    EXPECT_EQ(0, g.isAnimating());
    EXPECT_NE(7, gScoreBoard.key);
}

TEST_F(ArcadeGameTest, TheLastPuzzleOfALevelRaisesItWithAHint)
{
    gAbSettings.eh = 5;
    ArcadeGame& g = newGame(0);
    for (int i = 0; i < 2; i++) {
        giveBoard(g);
        solveAfter(g, 3000);
    }
    EXPECT_EQ(2, g.level);
    EXPECT_EQ(3, g.movesLeft());
    EXPECT_EQ(4, g.hintsLeft());
    EXPECT_TRUE(g.levelEnd.levelUp);
    EXPECT_EQ(1, gAbSettings.counter(StatFinLev));
    EXPECT_EQ(2, gAbSettings.counter(StatLevelA));
    ASSERT_EQ(1u, host.shownTips.size());
    EXPECT_EQ(56, host.shownTips[0]);
    EXPECT_EQ(2500, host.lastTip.showMs);
    EXPECT_EQ(600, host.lastTip.fadeOutMs);
}

TEST_F(ArcadeGameTest, LongLevelsGiveAHintHalfWay)
{
    struct Case {
        int difficulty, level, movesBefore;
        bool hint;
    } cases[] = {
        {0, 7, 4, true},     // 6 puzzles: 3 left is half
        {0, 7, 5, false},
        {0, 5, 3, false},    // 5 puzzles: too short
        {2, 10, 4, false},   // 6 puzzles are not enough at difficulty 2
        {2, 11, 4, true},    // 7 puzzles: 3 left
    };
    for (const Case& c : cases) {
        ArcadeGame& g = newGame(c.difficulty);
        g.level = c.level;
        g.movesRemaining = c.movesBefore;
        g.hintsRemaining = 1;
        giveBoard(g);
        solveAfter(g, 3000);
        EXPECT_EQ(c.level, g.level);
        EXPECT_EQ(c.hint ? 2 : 1, g.hintsLeft()) << c.difficulty << " " << c.level << " " << c.movesBefore;
    }
}

TEST_F(ArcadeGameTest, LeavingABoardTopsTheBankUpToTheFullLevelTimeAtMost)
{
    struct Case {
        int bank, elapsed, expected;
    } cases[] = {
        {10000, 2000, 16000},   // what is left plus a fifth of the 40 s level
        {39000, 0, 40000},      // never above the level time
        {3000, 5000, 6000},     // overdrawn: the fifth still comes
    };
    for (const Case& c : cases) {
        ArcadeGame& g = newGame(1);
        g.level = 1;
        g.bankMs = c.bank;
        giveBoard(g);
        advance(c.elapsed);
        g.endLevel();
        EXPECT_EQ(c.expected, g.bankMs) << c.bank << " " << c.elapsed;
        EXPECT_TRUE(g.board.isNull());
    }
}

TEST_F(ArcadeGameTest, TimeUpOnlyForAnOpenBoardOnThePlayScreenWithoutAnAlert)
{
    struct Case {
        const char* name;
        bool playScreen, alertOpen, givenUp, solved;
        int elapsed;
        bool up;
    } cases[] = {
        {"overdrawn", true, false, false, false, 10001, true},
        {"in time", true, false, false, false, 10000, false},
        {"another alert open", true, true, false, false, 10001, false},
        {"given up", true, false, true, false, 10001, false},
        {"solved", true, false, false, true, 10001, false},
        {"menu screen", false, false, false, false, 10001, false},
    };
    for (const Case& c : cases) {
        ArcadeGame& g = newGame(0);
        g.bankMs = 10000;
        giveBoard(g, c.solved ? "1......" : "1.11...");
        g.board->givenUp = c.givenUp;
        host.playScreen = c.playScreen;
        host.showingAlert = c.alertOpen ? 7 : -1;
        host.alerts.clear();
        host.history.clear();
        host.tipRemovals = 0;
        advance(c.elapsed);
        g.tick();
        EXPECT_EQ(c.up ? 1u : 0u, host.alerts.size()) << c.name;
        if (c.up) {
            EXPECT_EQ(1, host.alerts[0]);
            EXPECT_EQ(1, host.history.size());   // recorded as not solved
            EXPECT_EQ(0, host.history[0].flags & 2);
            EXPECT_EQ(1, host.tipRemovals);
        }
    }
}

TEST_F(ArcadeGameTest, LosingALifeEndsTheGameOrGivesAFullBankAndTheNextPuzzle)
{
    ArcadeGame& g = newGame(0);
    giveBoard(g);
    g.giveUp();
    g.onPuzzleFinished();
    EXPECT_EQ(1, host.praises);
    EXPECT_EQ(1, host.gameOvers);
    EXPECT_EQ(0, host.nextPuzzles);   // the game is over: no puzzle comes after it
    EXPECT_EQ(0, host.history.size());
    EXPECT_EQ(0, g.score());

    ArcadeGame& second = newGame(0);
    second.lives = 2;
    second.bankMs = 123;
    giveBoard(second);
    second.endGame();
    EXPECT_EQ(1, second.lives);
    EXPECT_EQ(1, host.nextPuzzles);
    EXPECT_EQ(static_cast<int>(levelTime(1, 0)), second.bankMs);
}

TEST_F(ArcadeGameTest, LowTimeAlarmSoundsOncePerBoardAndTheHurryTipComesLate)
{
    ArcadeGame& g = newGame(1);   // level 3: about 56.9 s, a fifth above 11 s
    giveBoard(g);
    advance(1000);
    g.drawHud();
    EXPECT_TRUE(host.shownTips.empty());   // the hurry tip waits until more than 78 % is used

    g.bankMs = 13001 + 9000;
    advance(12000);
    g.drawHud();
    EXPECT_TRUE(host.events.empty());
    advance(1);
    g.drawHud();
    const FakeBoardHost::Event alarm[] = {{10, 0}, {10, 1000}};
    ASSERT_EQ(2u, host.events.size());
    EXPECT_EQ(alarm[0], host.events[0]);
    EXPECT_EQ(alarm[1], host.events[1]);
    advance(100);
    g.drawHud();
    EXPECT_EQ(2u, host.events.size());
    EXPECT_EQ(1, g.board->alarmRaised);
    ASSERT_FALSE(host.shownTips.empty());
    EXPECT_EQ(31, host.shownTips[0]);
}

TEST_F(ArcadeGameTest, SavedGameRoundTripsWithItsFields)
{
    ArcadeGame& g = newGame(1);
    g.setScore(4321);
    g.bankMs = 54321;
    g.lives = 1;
    const std::string bytes = saved(g);
    MemoryStreamIn in(bytes.data(), static_cast<int>(bytes.size()));
    OwnedPtr<CurrentGameI> back(CurrentGameI::load(in, nullptr));
    ASSERT_FALSE(back.isNull());
    ArcadeGame* arcade = dynamic_cast<ArcadeGame*>(back.get());
    ASSERT_NE(nullptr, arcade);
    EXPECT_EQ(4321, arcade->score());
    EXPECT_EQ(4321, arcade->shownScore);
    EXPECT_EQ(54321, arcade->bankMs);
    EXPECT_EQ(3, arcade->level);
}

// The mode's fields close a saved game: lives, 16-bit score, bank, tag, score, check.
TEST_F(ArcadeGameTest, ChangedLivesScoreOrBankRefuseTheSavedGame)
{
    ArcadeGame& g = newGame(0);
    g.setScore(900);
    const std::string bytes = saved(g);
    const size_t fields = bytes.size() - 20;
    // Lives, bank and the 32-bit score (the 16-bit copy is only read from older saves).
    for (size_t offset : {fields, fields + 4, fields + 12}) {
        std::string edited = bytes;
        edited[offset] = static_cast<char>(edited[offset] + 1);
        MemoryStreamIn in(edited.data(), static_cast<int>(edited.size()));
        EXPECT_EQ(nullptr, CurrentGameI::load(in, nullptr)) << offset;
    }
}

TEST_F(ArcadeGameTest, OlderSavesLoadOrAreSkippedWhole)
{
    ArcadeGame& g = newGame(0);
    const std::string bytes = saved(g);
    const std::string common = bytes.substr(0, bytes.size() - 20);
    const int marker = makeTag("fr01");

    // Before the 32-bit score: the check value right after the bank.
    MemoryStreamOut older;
    writeInt16(older, 1);
    writeInt16(older, 777);
    writeInt32(older, 25000);
    writeInt32(older, hashMod97("l1s777t25000"));
    std::string olderBytes = common + std::string(older.data(), older.size());
    MemoryStreamIn olderIn(olderBytes.data(), static_cast<int>(olderBytes.size()));
    OwnedPtr<CurrentGameI> back(CurrentGameI::load(olderIn, nullptr));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(777, back->score());

    // The stand-in game kept only the tag: refused, and the file reads on after it.
    MemoryStreamOut standIn;
    writeInt32(standIn, marker);
    writeInt32(standIn, 0x12345678);
    std::string standInBytes = common + std::string(standIn.data(), standIn.size());
    MemoryStreamIn standInIn(standInBytes.data(), static_cast<int>(standInBytes.size()));
    EXPECT_EQ(nullptr, CurrentGameI::load(standInIn, nullptr));
    int next = 0;
    ASSERT_TRUE(readInt(standInIn, &next));
    EXPECT_EQ(0x12345678, next);
}

} // namespace
