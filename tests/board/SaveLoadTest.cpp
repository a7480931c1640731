#include "BoardTestSupport.h"

#include <functional>

#include "Core/MemoryStream.h"

namespace {

const Diagram kPuzzle = {"1.2.3.4", ".......", "5......", ".......", "6......", ".......", ".......", "......."};

std::vector<unsigned char> saved(const Board& board)
{
    MemoryStreamOut out;
    board.save(out);
    return std::vector<unsigned char>(out.data(), out.data() + out.size());
}

bool loadInto(Board& board, const std::vector<unsigned char>& bytes)
{
    MemoryStreamIn in(bytes.data(), int(bytes.size()));
    return board.load(in);
}

void putInt(std::vector<unsigned char>& bytes, size_t at, int value)
{
    memcpy(&bytes[at], &value, 4);
}

class SaveLoadTest : public BoardTest {
protected:
    // A level-3 puzzle with three moves made: right, then up, then left.
    void SetUp() override
    {
        BoardTest::SetUp();
        board.level = 3;
        board.buildFromRecord(recordOf(kPuzzle), 30012);
        board.puzzleId = 30012;
        board.scheme = 2;
        ASSERT_EQ(1, board.tryMove(CellPos{0, 0}, 1, 0, true, 0, 1.0f));
        ASSERT_EQ(1, board.tryMove(CellPos{0, 4}, 0, -1, true, 0, 1.0f));
        ASSERT_EQ(1, board.tryMove(CellPos{5, 0}, -1, 0, true, 0, 1.0f));
        board.carriedFlag = 1;
        board.replayFlag = 1;
        board.hintedThrough = 2;
        board.undoCount = 4;
        board.givenUp = 1;
        board.ended = 1;
        board.startTime = boardNow() - 65000;
    }

    Board board;
};

} // namespace

TEST_F(SaveLoadTest, RecordLayout)
{
    std::vector<unsigned char> bytes = saved(board);
    ASSERT_EQ(3382u, bytes.size());
    const unsigned char head[] = {0xC0, 0x1D, 0xFE, 0xFF, 0x3C, 0x75, 0, 0, 3, 0, 0, 0, 3, 0, 0, 0, 3, 0, 0, 0};
    EXPECT_TRUE(std::equal(head, head + 20, bytes.begin()));
    // Second move: x 0, y 4, colour, dx 0, dy -1 as FF, face.
    EXPECT_EQ(0, bytes[26]);
    EXPECT_EQ(4, bytes[27]);
    EXPECT_EQ(0x00, bytes[29]);
    EXPECT_EQ(0xFF, bytes[30]);
    EXPECT_EQ(0xFF, bytes[20 + 12 + 3]);   // third move, dx -1
    int elapsed = 0;
    memcpy(&elapsed, &bytes[38], 4);
    EXPECT_EQ(65000, elapsed);
    EXPECT_EQ(3, bytes[42]);   // 2 * replay + carried
    EXPECT_EQ(2, bytes[43]);
    EXPECT_EQ(1, bytes[44]);
    EXPECT_EQ(1, bytes[45]);
    EXPECT_EQ(0, memcmp(&bytes[46], board.cells, sizeof board.cells));
    const unsigned char tail[] = {4, 0, 0, 0, '1', '0', 'r', 'f'};
    EXPECT_TRUE(std::equal(tail, tail + 8, bytes.end() - 8));
}

TEST_F(SaveLoadTest, RoundTripIsByteExact)
{
    std::vector<unsigned char> bytes = saved(board);
    gGameClock.updateAt(500000);
    Board loaded;
    ASSERT_TRUE(loadInto(loaded, bytes));
    EXPECT_EQ(render(board), render(loaded));
    EXPECT_EQ(render(loaded), renderPositions(loaded));
    ASSERT_EQ(3, loaded.history.size());
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(board.history[i].x, loaded.history[i].x);
        EXPECT_EQ(board.history[i].y, loaded.history[i].y);
        EXPECT_EQ(board.history[i].dx, loaded.history[i].dx);
        EXPECT_EQ(board.history[i].dy, loaded.history[i].dy);
        EXPECT_EQ(board.history[i].colour, loaded.history[i].colour);
        EXPECT_EQ(board.history[i].face, loaded.history[i].face);
    }
    EXPECT_EQ(30012, loaded.puzzleId);
    EXPECT_EQ(3, loaded.level);
    EXPECT_EQ(2, loaded.scheme);
    EXPECT_EQ(4, loaded.undoCount);
    EXPECT_EQ(2, loaded.hintedThrough);
    EXPECT_EQ(1, loaded.carriedFlag);
    EXPECT_EQ(1, loaded.replayFlag);
    EXPECT_EQ(1, loaded.givenUp);
    EXPECT_EQ(1, loaded.ended);
    // Play time goes on from the saved value.
    EXPECT_EQ(65000, loaded.elapsedMs());
    gGameClock.updateAt(501000);
    EXPECT_EQ(66000, loaded.elapsedMs());
    // Saving again (at the same play time) gives the same bytes.
    gGameClock.updateAt(500000);
    EXPECT_TRUE(bytes == saved(loaded));
    // And the loaded board plays on: the moves undo.
    for (int i = 0; i < 3; i++)
        ASSERT_EQ(1, loaded.undo());
    Board start;
    start.level = 3;
    start.buildFromRecord(recordOf(kPuzzle), 30012);
    EXPECT_EQ(render(start), render(loaded));
}

TEST_F(SaveLoadTest, OlderFormWithoutMagicLoads)
{
    std::vector<unsigned char> bytes = saved(board);
    // The older form starts at the puzzle id and ends after the grid.
    std::vector<unsigned char> older(bytes.begin() + 4, bytes.end() - 8);
    Board loaded;
    ASSERT_TRUE(loadInto(loaded, older));
    EXPECT_EQ(render(board), render(loaded));
    EXPECT_EQ(0, loaded.undoCount);
    EXPECT_EQ(3, loaded.history.size());
}

TEST_F(SaveLoadTest, DamagedRecordsLoadNothing)
{
    const std::vector<unsigned char> good = saved(board);
    const size_t grid = 46;
    struct Damage {
        const char* name;
        std::function<void(std::vector<unsigned char>&)> apply;
    };
    const Damage damages[] = {
        {"history count 257", [](std::vector<unsigned char>& b) { putInt(b, 16, 257); }},
        {"negative history count", [](std::vector<unsigned char>& b) { putInt(b, 16, -1); }},
        {"level of another puzzle", [](std::vector<unsigned char>& b) { putInt(b, 8, 4); }},
        {"wrong end tag", [](std::vector<unsigned char>& b) { b[b.size() - 1] = 'x'; }},
        {"cut short", [](std::vector<unsigned char>& b) { b.resize(b.size() - 3); }},
        {"cut in the grid", [](std::vector<unsigned char>& b) { b.resize(grid + 100); }},
        {"colour 9 on the field", [&](std::vector<unsigned char>& b) { b[grid + 13 * (1 + 16 * 2) + 2] = 9; }},
        {"furball in a wall", [&](std::vector<unsigned char>& b) { b[grid + 13 * (8 + 16 * 2) + 2] = 3; }},
        {"history off the board", [](std::vector<unsigned char>& b) { b[20] = 7; }},
        {"history without direction", [](std::vector<unsigned char>& b) { b[23] = 0; b[24] = 0; }},
        {"diagonal history", [](std::vector<unsigned char>& b) { b[24] = 1; }},
        {"history face 4", [](std::vector<unsigned char>& b) { b[25] = 4; }},
        {"face 200 on the field", [&](std::vector<unsigned char>& b) { b[grid + 13 * (1 + 16 * 2) + 6] = 200; }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.name);
        std::vector<unsigned char> bytes = good;
        damage.apply(bytes);
        Board fresh;
        std::vector<unsigned char> before = cellBytes(fresh);
        EXPECT_FALSE(loadInto(fresh, bytes));
        EXPECT_TRUE(before == cellBytes(fresh));
        EXPECT_EQ(0, fresh.furballCount());
        EXPECT_EQ(0, fresh.history.size());
        EXPECT_EQ(-1, fresh.puzzleId);
    }
    Board fresh;
    EXPECT_TRUE(loadInto(fresh, good));
}

TEST_F(SaveLoadTest, ExtremePlayTimesLoadAndWrap)
{
    const std::vector<unsigned char> good = saved(board);
    for (int elapsed : {INT32_MIN, INT32_MAX, -1}) {
        SCOPED_TRACE(elapsed);
        std::vector<unsigned char> bytes = good;
        putInt(bytes, 20 + 6 * 3, elapsed);
        Board loaded;
        ASSERT_TRUE(loadInto(loaded, bytes));
        EXPECT_EQ(int(unsigned(boardNow()) - unsigned(elapsed)), loaded.startTime);
    }
}

TEST_F(SaveLoadTest, ExtremeSchemesRoundTrip)
{
    // A scheme outside the new store's range names the old store; any stored
    // number loads and saves back unchanged.
    for (int stored : {INT32_MIN, INT32_MAX, -7}) {
        SCOPED_TRACE(stored);
        std::vector<unsigned char> bytes = saved(board);
        putInt(bytes, 12, stored);
        Board loaded;
        ASSERT_TRUE(loadInto(loaded, bytes));
        EXPECT_TRUE(bytes == saved(loaded));
    }
}

TEST_F(SaveLoadTest, VeryLongHistoryStaysLoadable)
{
    for (int i = 0; i < 300; i++) {
        MoveEntry again = board.history[0];
        board.history.append(again);
    }
    std::vector<unsigned char> bytes = saved(board);
    EXPECT_EQ(3364u + 6 * 256, bytes.size());
    Board loaded;
    EXPECT_TRUE(loadInto(loaded, bytes));
    EXPECT_EQ(256, loaded.history.size());
}
