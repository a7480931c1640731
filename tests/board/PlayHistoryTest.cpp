#include "BoardTestSupport.h"

#include "Core/Language.h"

namespace {

const Diagram kPuzzle = {"1.2.3.4", ".......", ".......", ".......", ".......", ".......", ".......", "......."};

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
        b.record = recordOf(kPuzzle);
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
    again.record = recordOf(kPuzzle);
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
    again.record = recordOf(kPuzzle);
    again.restartPuzzle(host.history[0]);
    EXPECT_EQ(2, host.history[0].flags);
    EXPECT_EQ(1, again.replayFlag);
    EXPECT_EQ(0, again.elapsedMs());
    EXPECT_EQ(0, again.undoCount);
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
