#include "BoardTestSupport.h"

#include <cmath>

namespace {

const Diagram kRowOfFour = {"1.2.3.4", ".......", ".......", ".......", ".......", ".......", ".......", "......."};

// Row 0 "1.2.3.4" is solved by throwing right three times: (0,0), (1,0), (2,0).
LevelRecord rowOfFourRecord(int storedMoves = 3)
{
    LevelRecord record = recordOf(kRowOfFour);
    for (int k = 0; k < storedMoves; k++)
        setStoredMove(record, k, k, 0, 0);
    return record;
}

void setUpPuzzle(Board& board, const LevelRecord& record, int id)
{
    board.level = levelOfPuzzleId(id);
    board.buildFromRecord(record, id);
    board.record = record;
    board.puzzleId = id;
    board.scheme = 2;
}

std::vector<std::pair<int, int>> colourAndFace(const Board& board)
{
    std::vector<std::pair<int, int>> cells;
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 7; x++)
            cells.emplace_back(board.colourAt(x, y), board.colourAt(x, y) ? int(board.cellAt(x, y).face) : -1);
    return cells;
}

MoveEntry hintOf(Board& board)
{
    MoveEntry hint;
    EXPECT_EQ(1, board.findHintMove(&hint));
    return hint;
}

} // namespace

TEST_F(BoardTest, UndoGivesBackTheChainWithColoursAndFaces)
{
    Board board;
    placeDiagram(board, {".......", ".......", ".......", "1..2.3.", ".......", ".......", ".......", "......."});
    auto before = colourAndFace(board);
    ASSERT_EQ(1, board.tryMove(CellPos{0, 3}, 1, 0, false, 0, 1.0f));
    ASSERT_EQ(1, board.undo());
    EXPECT_EQ(before, colourAndFace(board));
    EXPECT_EQ(render(board), renderPositions(board));
    EXPECT_EQ(0, board.history.size());
    EXPECT_EQ(1, board.undoCount);
}

TEST_F(BoardTest, UndoTakesBackMoveAfterMoveExactly)
{
    srand(77);
    for (int round = 0; round < 30; round++) {
        OwnedPtr<Board> board(Board::createRandom(8 + round % 10, 8));
        std::vector<std::vector<std::pair<int, int>>> states;
        // Play up to ten legal moves, remembering each position.
        for (int move = 0; move < 10; move++) {
            states.push_back(colourAndFace(*board));
            bool made = false;
            for (const CellPos& p : board->positions) {
                static const int kDx[4] = {1, -1, 0, 0};
                static const int kDy[4] = {0, 0, 1, -1};
                int d = (move + p.x) % 4;
                if (board->tryMove(p, kDx[d], kDy[d], true, 0, 1.0f)) {
                    made = true;
                    break;
                }
            }
            if (!made) {
                states.pop_back();
                break;
            }
        }
        for (int i = int(states.size()) - 1; i >= 0; i--) {
            ASSERT_EQ(1, board->undo());
            ASSERT_EQ(states[i], colourAndFace(*board)) << "round " << round << " move " << i;
            ASSERT_EQ(render(*board), renderPositions(*board));
        }
    }
}

TEST_F(BoardTest, UndoRefusesAnInconsistentBoardWithoutChangingIt)
{
    Board board;
    placeDiagram(board, {".......", ".......", ".......", "1..2.3.", ".......", ".......", ".......", "......."});
    ASSERT_EQ(1, board.tryMove(CellPos{0, 3}, 1, 0, false, 0, 1.0f));
    // A furball whose cell holds a colour but that the position set lost.
    board.positions.remove(4, 3);
    std::vector<unsigned char> before = cellBytes(board);
    EXPECT_EQ(0, board.undo());
    EXPECT_TRUE(before == cellBytes(board));
    EXPECT_EQ(1, board.history.size());
    EXPECT_EQ(0, board.undoCount);

    // A history entry whose start cell is occupied.
    Board other;
    placeDiagram(other, {"1.1....", ".......", ".......", ".......", ".......", ".......", ".......", "......."});
    MoveEntry entry;
    entry.x = 0;
    entry.y = 0;
    entry.colour = 3;
    entry.dx = 1;
    entry.dy = 0;
    other.history.append(entry);
    EXPECT_EQ(0, other.undo());
    EXPECT_EQ(render({"1.1....", ".......", ".......", ".......", ".......", ".......", ".......", "......."}),
              render(other));
}

TEST_F(GameBoardTest, UndoOnEmptyHistoryShowsItsTipOnlyAfterAWhile)
{
    placeDiagram(board(), kRowOfFour);
    EXPECT_EQ(1, board().undo());
    EXPECT_TRUE(host.tipAsks.empty());
    EXPECT_EQ(1, host.wrongMoveSounds);
    gGameClock.updateAt(100000 + 3001);
    EXPECT_EQ(1, board().undo());
    EXPECT_EQ((std::vector<FakeBoardHost::TipAsk>{{33, 1, 3, 999}}), host.tipAsks);
    EXPECT_EQ(std::vector<int>{33}, host.shownTips);
    EXPECT_EQ(2, host.wrongMoveSounds);
    EXPECT_EQ(0, board().undoCount);
}

TEST_F(GameBoardTest, UndoQueuesItsSoundAndCounts)
{
    placeDiagram(board(), kRowOfFour);
    ASSERT_EQ(1, board().tryMove(CellPos{0, 0}, 1, 0, false, 0, 1.0f));
    gGameClock.updateAt(120000);
    ASSERT_EQ(1, board().undo());
    EXPECT_EQ((std::vector<FakeBoardHost::Event>{{7, 0}}), host.events);
    EXPECT_EQ(1, boardStatistic("Undid"));
    EXPECT_EQ(120000, board().lastUndoTime);
}

TEST_F(BoardTest, FrenzyUndoPutsBackTheLastMove)
{
    settings.gameMode = kGameFrenzy;
    Board board;
    placeDiagram(board, {"1..1.2.", ".......", ".......", ".......", ".......", ".......", ".......", "......."});
    auto before = colourAndFace(board);
    ASSERT_EQ(1, board.tryMove(CellPos{0, 0}, 1, 0, false, 0, 1.0f));
    // The second 1 passes the push on; the chain stops at the 2.
    EXPECT_EQ(render({"..1.12.", ".......", ".......", ".......", ".......", ".......", ".......", "......."}),
              render(board));
    ASSERT_EQ(1, board.undo());
    EXPECT_EQ(before, colourAndFace(board));
    EXPECT_EQ(render(board), renderPositions(board));
}

TEST_F(BoardTest, HintsFollowTheStoredSolution)
{
    Board board;
    setUpPuzzle(board, rowOfFourRecord(), 10005);
    for (int k = 0; k < 3; k++) {
        MoveEntry hint = hintOf(board);
        EXPECT_EQ(k, hint.x);
        EXPECT_EQ(0, hint.y);
        EXPECT_EQ(1, hint.dx);
        EXPECT_EQ(0, hint.dy);
        ASSERT_EQ(1, board.tryMove(CellPos{hint.x, hint.y}, hint.dx, hint.dy, true, 0, 1.0f));
    }
    EXPECT_EQ(1, board.furballCount());
    MoveEntry none;
    EXPECT_EQ(0, board.findHintMove(&none));
}

TEST_F(BoardTest, EquivalentDeviationKeepsTheStoredSolution)
{
    Board board;
    setUpPuzzle(board, rowOfFourRecord(), 10005);
    // Throwing the far end left leaves the same cells as the stored first move.
    ASSERT_EQ(1, board.tryMove(CellPos{6, 0}, -1, 0, true, 0, 1.0f));
    EXPECT_TRUE(board.sameAsStoredMove(board.history[0], MoveEntry{0, 0, 0, 0, 1, 0}, 0));
    MoveEntry hint = hintOf(board);
    EXPECT_EQ(1, hint.x);
    EXPECT_EQ(1, hint.dx);

    // A move that leaves other cells: no hint until it is undone.
    Board strayed;
    setUpPuzzle(strayed, rowOfFourRecord(), 10005);
    ASSERT_EQ(1, strayed.tryMove(CellPos{2, 0}, -1, 0, true, 0, 1.0f));
    MoveEntry none;
    EXPECT_EQ(0, strayed.findHintMove(&none));
    ASSERT_EQ(1, strayed.undo());
    EXPECT_EQ(0, hintOf(strayed).x);
}

TEST_F(BoardTest, SearchTakesOverWhereTheStoredSolutionEnds)
{
    Board board;
    setUpPuzzle(board, rowOfFourRecord(2), 10005);
    ASSERT_EQ(1, board.tryMove(CellPos{0, 0}, 1, 0, true, 0, 1.0f));
    ASSERT_EQ(1, board.tryMove(CellPos{1, 0}, 1, 0, true, 0, 1.0f));
    srand(5);
    CellPos pos;
    int dx = 0, dy = 0;
    ASSERT_EQ(1, board.findSolvingMove(&pos, &dx, &dy));
    srand(5);
    MoveEntry hint = hintOf(board);
    EXPECT_EQ(pos.x, hint.x);
    EXPECT_EQ(dx, hint.dx);

    // After more than three moves the search answers even off the stored path.
    Board longer;
    const Diagram rows = {"1.1.1.1", ".......", "1.1.1.1", ".......", ".......", ".......", ".......", "......."};
    LevelRecord record = recordOf(rows);
    setStoredMove(record, 0, 6, 6, 1);   // a stored first move the player never makes
    setUpPuzzle(longer, record, 20003);
    for (int move = 0; move < 4; move++) {
        ASSERT_EQ(1, longer.findSolvingMove(&pos, &dx, &dy));
        ASSERT_EQ(1, longer.tryMove(pos, dx, dy, true, 0, 1.0f));
        MoveEntry probe;
        if (move < 3) {
            EXPECT_EQ(0, longer.findHintMove(&probe)) << move;
        }
    }
    srand(9);
    int found = longer.findSolvingMove(&pos, &dx, &dy);
    srand(9);
    MoveEntry after;
    EXPECT_EQ(found, longer.findHintMove(&after));
    EXPECT_EQ(1, found);
    EXPECT_EQ(pos.x, after.x);
    EXPECT_EQ(pos.y, after.y);
}

TEST_F(BoardTest, StoredMoveThatCannotBePlayedHereGivesWayToTheSearch)
{
    // Cells that disagree with the record, as a damaged saved game gives: the
    // stored moves name an empty cell, a cell off the field and a wrong move.
    const Diagram rows = {".1.1.1.", ".......", ".......", ".......", ".......", ".......", ".......", "......."};
    LevelRecord record = recordOf(kRowOfFour);
    struct Stored {
        const char* what;
        int x, y, direction;
    };
    const Stored cases[] = {{"empty cell", 0, 0, 0}, {"off the field", 12, 0, 0}, {"throw off the edge", 5, 0, 0}};
    for (const Stored& c : cases) {
        SCOPED_TRACE(c.what);
        setStoredMove(record, 0, c.x, c.y, c.direction);
        Board board;
        setUpPuzzle(board, record, 10005);
        placeDiagram(board, rows);
        MoveEntry hint = hintOf(board);
        EXPECT_EQ(1, hint.x);
        EXPECT_EQ(0, hint.y);
        EXPECT_EQ(1, hint.dx);
        EXPECT_EQ(0, hint.dy);
    }
}

TEST_F(BoardTest, RandomBoardsHaveNoHint)
{
    OwnedPtr<Board> board(Board::createRandom(5, 5));
    MoveEntry hint;
    EXPECT_EQ(0, board->findHintMove(&hint));
}

TEST_F(BoardTest, HintPointerFollowsMovesWhileHinted)
{
    Board board;
    setUpPuzzle(board, rowOfFourRecord(), 10005);
    board.hintedThrough = 2;
    gGameClock.updateAt(200000);
    ASSERT_EQ(1, board.tryMove(CellPos{0, 0}, 1, 0, true, 0, 1.0f));
    EXPECT_TRUE(board.hintPending());
    EXPECT_EQ(1, board.hint.active);
    EXPECT_EQ(1, board.hint.x);
    EXPECT_EQ(1500, board.hint.durationMs);
    EXPECT_EQ(200000 + 1650, board.hint.startMs);
    ASSERT_EQ(1, board.tryMove(CellPos{1, 0}, 1, 0, true, 0, 1.0f));
    EXPECT_FALSE(board.hintPending());
    EXPECT_EQ(0, board.hint.active);

    // The hinted furball swells once: 1 + 0.2 sin(t / 150) until t / 150 passes pi.
    board.setHintMarker(MoveEntry{2, 0, 0, 0, 1, 0}, 500);
    EXPECT_EQ(200000 + 650, board.hint.startMs);
    EXPECT_FLOAT_EQ(1.0f, board.hintPulseScale(2, 0));
    gGameClock.updateAt(200000 + 650 + 150);
    EXPECT_NEAR(1.0 + 0.2 * std::sin(1.0), board.hintPulseScale(2, 0), 1e-5);
    EXPECT_FLOAT_EQ(1.0f, board.hintPulseScale(3, 0));
    gGameClock.updateAt(200000 + 650 + 480);
    EXPECT_FLOAT_EQ(1.0f, board.hintPulseScale(2, 0));
    EXPECT_EQ(200000 + 650 + 480 + 5000, board.hint.startMs);
}
