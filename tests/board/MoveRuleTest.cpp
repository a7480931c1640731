#include "BoardTestSupport.h"

#include "Core/Language.h"

namespace {

struct MoveCase {
    const char* name;
    Diagram before;
    CellPos pos;
    int dx, dy;
    int expected;       // 1 made, 0 refused
    Diagram after;      // the board after the move (unchanged when refused)
    int leftColour;     // history colour: the furball that left (or the one stopped at)
};

const Diagram kEmptyRows = {".......", ".......", ".......", ".......", ".......", ".......", ".......", "......."};

Diagram withRow(int y, const char* row)
{
    Diagram d = kEmptyRows;
    d[y] = row;
    return d;
}

std::vector<MoveCase> moveCases()
{
    return {
        {"slide and knock off", withRow(3, "1..2.3."), {0, 3}, 1, 0, 1, withRow(3, "..1.2.."), 3},
        {"knock a touching pair", withRow(3, "1..23.."), {0, 3}, 1, 0, 1, withRow(3, "..12..."), 3},
        {"chain of three", withRow(3, "1..234."), {0, 3}, 1, 0, 1, withRow(3, "..123.."), 4},
        {"throw left", withRow(5, "4.5..6."), {5, 5}, -1, 0, 1, withRow(5, ".5.6..."), 4},
        {"throw into the neighbour", withRow(1, "12....."), {0, 1}, 1, 0, 0, withRow(1, "12....."), 0},
        {"nothing beyond", withRow(1, "12....."), {1, 1}, 1, 0, 0, withRow(1, "12....."), 0},
        {"edge at once", withRow(0, "......7"), {6, 0}, 1, 0, 0, withRow(0, "......7"), 0},
        {"lone furball", withRow(4, "...5..."), {3, 4}, -1, 0, 0, withRow(4, "...5..."), 0},
        {"down a column",
         {"1......", ".......", "2......", ".......", "3......", ".......", ".......", "......."},
         {0, 0}, 0, 1, 1,
         {".......", "1......", ".......", "2......", ".......", ".......", ".......", "......."}, 3},
        {"up a column",
         {".......", "..1....", ".......", ".......", "..2....", ".......", ".......", "..3...."},
         {2, 7}, 0, -1, 1,
         {".......", ".......", "..2....", ".......", ".......", "..3....", ".......", "......."}, 1},
        {"neighbour below", {".......", ".......", ".......", ".......", ".......", ".......", "6......", "7......"},
         {0, 6}, 0, 1, 0, {".......", ".......", ".......", ".......", ".......", ".......", "6......", "7......"}, 0},
    };
}

} // namespace

TEST_F(BoardTest, MoveRuleTable)
{
    for (const MoveCase& c : moveCases()) {
        SCOPED_TRACE(c.name);
        Board board;
        placeDiagram(board, c.before);
        std::vector<unsigned char> bytesBefore = cellBytes(board);
        int faceOfLeaver = -1;
        if (c.expected == 1) {
            // The last furball of the chain: the last one along the line.
            for (int x = c.pos.x + c.dx, y = c.pos.y + c.dy; isPlayableCell(x, y); x += c.dx, y += c.dy)
                if (board.colourAt(x, y) == c.leftColour)
                    faceOfLeaver = board.cellAt(x, y).face;
        }

        EXPECT_EQ(c.expected, board.tryMove(c.pos, c.dx, c.dy, false, 0, 1.0f));
        EXPECT_EQ(render(c.after), render(board));
        EXPECT_EQ(render(board), renderPositions(board));
        if (c.expected == 1) {
            ASSERT_EQ(1, board.history.size());
            const MoveEntry& e = board.history[0];
            EXPECT_EQ(c.pos.x, e.x);
            EXPECT_EQ(c.pos.y, e.y);
            EXPECT_EQ(c.dx, e.dx);
            EXPECT_EQ(c.dy, e.dy);
            EXPECT_EQ(c.leftColour, e.colour);
            EXPECT_EQ(faceOfLeaver, e.face);
        } else {
            EXPECT_EQ(0, board.history.size());
            EXPECT_TRUE(bytesBefore == cellBytes(board));
        }
    }
}

TEST_F(BoardTest, KnockedFurballKeepsItsCellAndTheUndoRecordListsTheChain)
{
    Board board;
    placeDiagram(board, withRow(3, "1..23.."));
    BoardCell thrown = board.cellAt(0, 3);
    BoardCell middle = board.cellAt(3, 3);
    ASSERT_EQ(1, board.tryMove(CellPos{0, 3}, 1, 0, false, 0, 1.0f));
    // The furball at 3 moved 0 cells: it is the same furball, face and all.
    EXPECT_EQ(int(middle.face), int(board.cellAt(3, 3).face));
    EXPECT_EQ(int(thrown.face), int(board.cellAt(2, 3).face));
    ASSERT_EQ(2, board.placedList.size());
    EXPECT_EQ((CellPos{2, 3}), board.placedList[0]);
    EXPECT_EQ((CellPos{3, 3}), board.placedList[1]);
    ASSERT_EQ(3, board.liftedList.size());
    EXPECT_EQ(0, board.liftedList[0].x);
    EXPECT_EQ(3, board.liftedList[1].x);
    EXPECT_EQ(4, board.liftedList[2].x);
    EXPECT_EQ(3, int(board.liftedCells[2].colour));
}

TEST_F(BoardTest, FrenzyChainStopsAtAnotherColour)
{
    settings.gameMode = kGameFrenzy;
    Board board;
    placeDiagram(board, withRow(2, "1..2..."));
    ASSERT_EQ(1, board.tryMove(CellPos{0, 2}, 1, 0, false, 0, 1.0f));
    EXPECT_EQ(render(withRow(2, "..12...")), render(board));
    ASSERT_EQ(1, board.history.size());
    EXPECT_EQ(2, board.history[0].colour);

    // Same colours pass the push on as in the other modes.
    Board same;
    placeDiagram(same, withRow(2, "1..1..."));
    ASSERT_EQ(1, same.tryMove(CellPos{0, 2}, 1, 0, false, 0, 1.0f));
    EXPECT_EQ(render(withRow(2, "..1....")), render(same));
}

TEST_F(GameBoardTest, ValidMoveQueuesOneRecordPerStepAndTellsTheGame)
{
    placeDiagram(board(), withRow(3, "1..2.3."));
    ASSERT_EQ(1, board().tryMove(CellPos{0, 3}, 1, 0, false, 70, 1.2f));
    const Array<MovingFurball>& moving = board().movingFurballs;
    ASSERT_EQ(3, moving.size());
    EXPECT_EQ((CellPos{0, 3}), moving[0].source);
    EXPECT_EQ((CellPos{2, 3}), moving[0].target);
    EXPECT_EQ(70, moving[0].delayMs);
    EXPECT_FLOAT_EQ(1.2f, moving[0].speed);
    EXPECT_EQ((CellPos{3, 3}), moving[1].source);
    EXPECT_EQ((CellPos{4, 3}), moving[1].target);
    EXPECT_EQ(0, moving[1].delayMs);
    EXPECT_EQ((CellPos{5, 3}), moving[2].source);
    EXPECT_TRUE(moving[2].leavesBoard());
    EXPECT_FLOAT_EQ(1.0f, moving[2].speed);
    for (const MovingFurball& m : moving)
        EXPECT_EQ((CellPos{0, 3}), m.origin);
    EXPECT_EQ(std::vector<bool>{true}, host.movesMade);
}

TEST_F(GameBoardTest, WrongMovesShowTheirTipSoundAndStatistic)
{
    struct WrongCase {
        const char* name;
        Diagram rows;
        CellPos pos;
        int tip;
        int tipDelay;
        const char* statistic;
        bool ghost;
    };
    const WrongCase cases[] = {
        {"neighbour", withRow(1, "12....."), {0, 1}, 13, 600, "MovWrongNeighbour", false},
        {"off board", withRow(1, "12....."), {1, 1}, 14, 1000, "MovWrongOffBoard", true},
    };
    gAbSettings.lvt = 3;
    for (const WrongCase& c : cases) {
        SCOPED_TRACE(c.name);
        host = FakeBoardHost();
        host.board.reset(new Board());
        placeDiagram(board(), c.rows);
        EXPECT_EQ(0, board().tryMove(c.pos, 1, 0, false, 40, 1.3f));
        EXPECT_EQ((std::vector<FakeBoardHost::TipAsk>{{c.tip, 3, 6, 999}}), host.tipAsks);
        EXPECT_EQ(std::vector<int>{c.tip}, host.shownTips);
        EXPECT_FALSE(host.lastTipBody.empty());
        EXPECT_EQ(10000, host.lastTip.showMs);
        EXPECT_EQ(c.tipDelay, host.lastTip.delayMs);
        EXPECT_EQ(1, boardStatistic(c.statistic));
        EXPECT_EQ((std::vector<FakeBoardHost::Event>{{6, 40 + 150}}), host.events);
        ASSERT_EQ(2, board().movingFurballs.size());
        EXPECT_EQ(c.ghost, board().movingFurballs[1].ghost != 0);
        EXPECT_EQ(std::vector<bool>{false}, host.movesMade);
        EXPECT_EQ(0, board().history.size());
    }
    EXPECT_EQ("You can only kelzo furballs into other furballs! Undo if stuck!", host.lastTipBody);
}

TEST_F(GameBoardTest, WrongMoveSentencesTakeTheThemeWord)
{
    char here[4096];
    ASSERT_TRUE(getcwd(here, sizeof here) != nullptr);
    ASSERT_EQ(0, chdir(KELZO_DATA_DIR));   // the English texts with the themes' words
    unloadLanguage();
    gLanguage = new Language(kEnglish);
    int theme = 2;   // fruit
    setLanguageCounters(nullptr, &theme);
    gAbSettings.lvt = 3;
    const CellPos throws[] = {{0, 1}, {1, 1}};   // a neighbour, then off the board
    for (CellPos pos : throws) {
        host = FakeBoardHost();
        host.board.reset(new Board());
        placeDiagram(board(), withRow(1, "12....."));
        EXPECT_EQ(0, board().tryMove(pos, 1, 0, false, 0, 1.0f));
        EXPECT_EQ(std::string::npos, host.lastTipBody.find("furball")) << host.lastTipBody;
        EXPECT_NE(std::string::npos, host.lastTipBody.find("fruit")) << host.lastTipBody;
    }
    setLanguageCounters(nullptr, nullptr);
    unloadLanguage();
    ASSERT_EQ(0, chdir(here));
}

TEST_F(GameBoardTest, SilentWrongMoveDoesNothingAtAll)
{
    placeDiagram(board(), withRow(1, "12....."));
    std::vector<unsigned char> before = cellBytes(board());
    int lastFace = gLastFace;
    EXPECT_EQ(0, board().tryMove(CellPos{0, 1}, 1, 0, true, 0, 1.0f));
    EXPECT_EQ(0, board().tryMove(CellPos{1, 1}, 1, 0, true, 0, 1.0f));
    EXPECT_TRUE(before == cellBytes(board()));
    EXPECT_EQ(lastFace, gLastFace);
    EXPECT_EQ(0, board().movingFurballs.size());
    EXPECT_TRUE(host.events.empty());
    EXPECT_TRUE(host.tipAsks.empty());
    EXPECT_TRUE(host.shownTips.empty());
    EXPECT_TRUE(host.movesMade.empty());
    EXPECT_EQ(0, boardStatistic("MovWrongNeighbour") + boardStatistic("MovWrongOffBoard"));
}

TEST_F(GameBoardTest, FrenzyRefusesEveryMoveWithoutMovesLeft)
{
    settings.gameMode = kGameFrenzy;
    host.movesLeft = 0;
    placeDiagram(board(), withRow(3, "1..1..."));
    EXPECT_EQ(0, board().tryMove(CellPos{0, 3}, 1, 0, false, 0, 1.0f));
    EXPECT_TRUE(host.movesMade.empty());
    host.movesLeft = 1;
    EXPECT_EQ(1, board().tryMove(CellPos{0, 3}, 1, 0, false, 0, 1.0f));
}

TEST_F(GameBoardTest, InstructionStep49WantsTheFurballAt54)
{
    host.playScreen = false;
    host.instructionScreen = true;
    host.step = 49;
    placeDiagram(board(), {".......", ".......", ".......", ".......", "1.1..1.", ".......", ".......", "1......"});
    ASSERT_EQ(1, board().tryMove(CellPos{0, 4}, 0, 1, false, 0, 1.0f));
    EXPECT_EQ(1, host.misthrows);
    EXPECT_EQ(1, host.bubbleRemovals);
    EXPECT_EQ(49, host.step);
    EXPECT_EQ(std::vector<int>{52}, host.shownTips);
    EXPECT_EQ(0, host.lastTip.showMs);
    EXPECT_EQ(450, host.lastTip.delayMs);
    EXPECT_EQ(1, boardStatistic("InstBad"));

    ASSERT_EQ(1, board().tryMove(CellPos{5, 4}, -1, 0, false, 0, 1.0f));
    EXPECT_EQ(50, host.step);
    EXPECT_EQ(1, host.misthrows);
    EXPECT_EQ(1, host.bubbleRemovals) << "a right throw leaves the bubbles";
}

TEST_F(BoardTest, ThrowsThatAreNoThrowsAreRefusedWithoutChange)
{
    Board board;
    placeDiagram(board, withRow(3, "1...2.."));
    const std::vector<unsigned char> before = cellBytes(board);
    struct Throw {
        const char* what;
        CellPos pos;
        int dx, dy;
    };
    const Throw throws[] = {
        {"no direction", {0, 3}, 0, 0}, {"diagonal", {0, 3}, 1, 1},    {"two cells at once", {0, 3}, 2, 0},
        {"empty cell", {2, 3}, 1, 0},   {"off the field", {-1, 0}, 1, 0}, {"wall", {7, 3}, -1, 0},
    };
    for (const Throw& t : throws) {
        SCOPED_TRACE(t.what);
        EXPECT_EQ(0, board.tryMove(t.pos, t.dx, t.dy, false, 0, 1.0f));
        EXPECT_TRUE(before == cellBytes(board));
        EXPECT_EQ(2, board.furballCount());
        EXPECT_EQ(0, board.history.size());
    }
    EXPECT_FALSE(board.isValidMoveFrom(CellPos{2, 3}, 0, 0, false));
    EXPECT_FALSE(board.isValidMoveFrom(CellPos{0, 3}, 2, 0, false));
}

TEST_F(BoardTest, ValidMoveTestWithoutSideEffects)
{
    Board board;
    placeDiagram(board, withRow(3, "12..3.."));
    EXPECT_FALSE(board.isValidMoveFrom(CellPos{0, 3}, 1, 0, false));
    EXPECT_TRUE(board.isValidMoveFrom(CellPos{1, 3}, 1, 0, false));
    EXPECT_FALSE(board.isValidMoveFrom(CellPos{4, 3}, 1, 0, false));
    EXPECT_TRUE(board.isValidMoveFrom(CellPos{4, 3}, -1, 0, false));
    // With the colour rule in Frenzy the line must hold the thrower's colour only.
    settings.gameMode = kGameFrenzy;
    EXPECT_FALSE(board.isValidMoveFrom(CellPos{1, 3}, 1, 0, true));
    EXPECT_TRUE(board.isValidMoveFrom(CellPos{1, 3}, 1, 0, false));
}
