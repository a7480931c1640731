#include "BoardTestSupport.h"

#include "../graphics/GlTestContext.h"
#include "Core/Language.h"
#include "ui/CustomAlertView.h"
#include "ui/MenuStack.h"

namespace {

const Diagram kHistoryPuzzle = {"1.2.3.4", ".......", ".......", ".......", ".......", ".......", ".......", "......."};

class PlayHistoryTest : public GameBoardTest {
protected:
    void SetUp() override
    {
        GameBoardTest::SetUp();
        startPuzzle(board(), 50007);
        host.hints = 3;
    }

    void startPuzzle(Board& b, int id)
    {
        b.level = levelOfPuzzleId(id);
        b.record = recordOf(kHistoryPuzzle);
        b.rebuildPuzzle(id, 2);
        b.startTime = boardNow() - 42000;
    }
};

} // namespace

TEST_F(PlayHistoryTest, FinishedPuzzleIsRecordedOnce)
{
    board().hintedThrough = 2;
    board().undoCount = 5;
    board().carriedFlag = 1;
    board().recordPlayedPuzzle(true, false, kGameFreePlay);
    ASSERT_EQ(1, host.history.size());
    const HistoryRecord& r = host.history[0];
    EXPECT_EQ(50007, r.puzzleId);
    EXPECT_EQ(42000, r.playMs);
    EXPECT_EQ(kGameFreePlay, r.gameType);
    EXPECT_EQ(2, r.hintedThrough);
    EXPECT_EQ(3, r.credit);
    EXPECT_EQ(2 + 1, r.flags);
    EXPECT_EQ(2, r.scheme);
    EXPECT_EQ(5, r.extra);
    // The same puzzle right after it is not entered again.
    board().recordPlayedPuzzle(true, false, kGameFreePlay);
    EXPECT_EQ(1, host.history.size());
}

TEST_F(PlayHistoryTest, BoardsThatAreNotEntered)
{
    struct Case {
        const char* name;
        void (*prepare)(Board&);
    };
    const Case cases[] = {
        {"random board", [](Board& b) { b.puzzleId = -1; }},
        {"replayed puzzle", [](Board& b) { b.replayFlag = 1; }},
        {"no play time", [](Board& b) { b.startTime = boardNow(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startPuzzle(board(), 50007);
        c.prepare(board());
        board().recordPlayedPuzzle(false, false, kGameArcade);
        EXPECT_EQ(0, host.history.size());
    }
}

TEST_F(PlayHistoryTest, OneBookmarkPerLevelAndFreeHintsHideTheHintCount)
{
    settings.freeHints = true;
    board().hintedThrough = 4;
    board().recordPlayedPuzzle(false, true, kGameFreePlay);
    Board next;
    startPuzzle(next, 50008);
    next.recordPlayedPuzzle(false, true, kGameFreePlay);
    ASSERT_EQ(2, host.history.size());
    EXPECT_EQ(0, host.history[0].flags);
    EXPECT_EQ(8, host.history[1].flags);
    EXPECT_EQ(0, host.history[0].hintedThrough);
}

TEST_F(PlayHistoryTest, RestartGoesOnWithAnUnsolvedPuzzle)
{
    ASSERT_EQ(1, board().tryMove(CellPos{0, 0}, 1, 0, true, 0, 1.0f));
    board().hintedThrough = 1;
    board().undoCount = 2;
    board().carriedFlag = 1;
    board().recordPlayedPuzzle(false, true, kGameFreePlay);
    ASSERT_EQ(1, host.history.size());

    Board again;
    again.record = recordOf(kHistoryPuzzle);
    again.level = 5;
    again.restartPuzzle(host.history[0]);
    EXPECT_EQ(4, host.history[0].flags & 12);   // replayed, bookmark cleared
    EXPECT_EQ(4, again.furballCount());
    EXPECT_EQ(50007, again.puzzleId);
    EXPECT_EQ(2, again.scheme);
    EXPECT_EQ(42000, again.elapsedMs());
    EXPECT_EQ(1, again.hintedThrough);
    EXPECT_EQ(2, again.undoCount);
    EXPECT_EQ(1, again.carriedFlag);
    EXPECT_EQ(0, again.replayFlag);
    // A new entry is allowed after a replayed one of the same puzzle.
    again.startTime -= 1000;
    again.recordPlayedPuzzle(true, false, kGameFreePlay);
    EXPECT_EQ(2, host.history.size());
}

TEST_F(PlayHistoryTest, RestartOfASolvedPuzzleStartsAfresh)
{
    board().recordPlayedPuzzle(true, false, kGameArcade);
    Board again;
    again.record = recordOf(kHistoryPuzzle);
    again.restartPuzzle(host.history[0]);
    EXPECT_EQ(2, host.history[0].flags);
    EXPECT_EQ(1, again.replayFlag);
    EXPECT_EQ(0, again.elapsedMs());
    EXPECT_EQ(0, again.undoCount);
}

namespace {

// The last puzzle of a Free Play level: the game around the board is Free Play and nothing is left to play.
// The alerts opened are real dialogs, built with the test's drawing context.
class FreePlayLevelEndTest : public PlayHistoryTest {
protected:
    void SetUp() override
    {
        PlayHistoryTest::SetUp();
        ASSERT_TRUE(testGlContext().isReady());
        gMenuStack.deleteAllMenus();
        settings.frenzyUnlocked = -1;
        host.gameType = kGameFreePlay;
        host.gameLevel = 9;
        host.puzzlesLeft = 0;
        startPuzzle(board(), 90007);
    }

    void TearDown() override
    {
        gMenuStack.deleteAllMenus();
        PlayHistoryTest::TearDown();
    }

    int yays() const
    {
        int count = 0;
        for (const FakeBoardHost::Event& e : host.events)
            if (e == FakeBoardHost::Event{3, 1600})
                count++;
        return count;
    }
};

} // namespace

TEST_F(FreePlayLevelEndTest, CompletedLevelOpensThePopupAndOpensFrenzyOnce)
{
    board().recordPlayedPuzzle(true, false, kGameFreePlay);
    EXPECT_EQ(1, host.levelPopups);
    EXPECT_EQ(1, settings.frenzyUnlocked);
    ASSERT_EQ(1, gMenuStack.size());
    CustomAlertView* frenzy = dynamic_cast<CustomAlertView*>(gMenuStack.top());
    ASSERT_NE(nullptr, frenzy);
    EXPECT_EQ(nullptr, frenzy->callback);
    EXPECT_NE(nullptr, frenzy->findCell(0)) << "it can be closed";
    EXPECT_EQ(1, yays());

    // The next completion (the same level shown again, say) opens the popup, not the Frenzy news.
    Board next;
    startPuzzle(next, 90008);
    next.recordPlayedPuzzle(true, false, kGameFreePlay);
    EXPECT_EQ(2, host.levelPopups);
    EXPECT_EQ(1, gMenuStack.size());
    EXPECT_EQ(2, yays());
}

TEST_F(FreePlayLevelEndTest, FrenzyNewsOnlyAboveLevel8)
{
    startPuzzle(board(), 80007);
    host.gameLevel = 8;
    board().recordPlayedPuzzle(true, false, kGameFreePlay);
    EXPECT_EQ(1, host.levelPopups);
    EXPECT_EQ(-1, settings.frenzyUnlocked);
    EXPECT_EQ(0, gMenuStack.size());
    EXPECT_EQ(1, yays());
}

TEST_F(FreePlayLevelEndTest, EvenAPuzzleThatIsNotEnteredCompletesTheLevel)
{
    board().replayFlag = 1;
    board().recordPlayedPuzzle(true, false, kGameFreePlay);
    EXPECT_EQ(0, host.history.size());
    EXPECT_EQ(1, host.levelPopups);
}

TEST_F(FreePlayLevelEndTest, NoPopupOutsideAFreePlayLevelsEnd)
{
    struct Case {
        const char* name;
        int gameType, gameLevel, puzzlesLeft;
        bool gameRuns;
    };
    const Case cases[] = {
        {"Arcade", kGameArcade, 9, 0, true},
        {"Challenge", kGameChallenge, 9, 0, true},
        {"puzzles left", kGameFreePlay, 9, 1, true},
        {"past the last level", kGameFreePlay, 31, 0, true},
        {"no game", kGameFreePlay, 9, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.gameType = c.gameType;
        host.gameLevel = c.gameLevel;
        host.puzzlesLeft = c.puzzlesLeft;
        host.gameRuns = c.gameRuns;
        startPuzzle(board(), 90007);
        board().startTime -= 1000;
        board().recordPlayedPuzzle(true, false, c.gameType);
        EXPECT_EQ(0, host.levelPopups);
        EXPECT_EQ(-1, settings.frenzyUnlocked);
        EXPECT_EQ(0, gMenuStack.size());
        EXPECT_EQ(0, yays());
    }
    EXPECT_GE(host.history.size(), 1) << "the puzzles are still entered";
}

TEST_F(BoardTest, CellUnderAScreenPoint)
{
    EXPECT_EQ((CellPos{0, 0}), cellAtPoint(3, 73));
    EXPECT_EQ((CellPos{1, 2}), cellAtPoint(3 + 45 + 44, 73 + 90));
    EXPECT_EQ((CellPos{0, 0}), cellAtPoint(-20, 40));   // truncated toward zero
}

TEST_F(BoardTest, NewLevelTextAddsChallengeWords)
{
    // Without a loaded language every text reads "?": count the texts joined.
    EXPECT_EQ(getText(433), newLevelText(0));
    EXPECT_EQ(getText(437), newLevelText(5));
    settings.gameMode = kGameChallenge;
    String expected = getText(437);
    expected += getText(463);
    EXPECT_EQ(expected, newLevelText(5));
    EXPECT_EQ(getText(440), newLevelText(8));
}
