#include <cmath>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "Core/OwnedPtr.h"
#include "board/Board.h"
#include "board/GameType.h"
#include "board/LevelSchemes.h"
#include "board/NewLevelData.h"
#include "board/OldLevelData.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "tests/board/FakeBoardHost.h"
#include "tests/board/PuzzleStoreSupport.h"
#include "tests/support/TempFolder.h"

namespace {

// A complexity that only level `level` (2..30) of a scheme takes.
float complexityForLevel(int scheme, int level)
{
    double lower[kLevelCount], upper[kLevelCount];
    levelWindows(scheme, lower, upper);
    int list = level - 1;
    if (list == 1)
        return 10.0f;
    return float(std::sqrt(upper[list - 1] * upper[list]));
}

// The same puzzle with its second stored move thrown back from where the first
// move's chain stopped: another fingerprint.
LevelRecord otherShape(LevelRecord record)
{
    record.moves[1] = 3 * 8 + 0;
    record.directions = 1 << 2;
    return record;
}

class PuzzleChoiceTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        gSettingsSaveSuppressed = true;
        settings.gameMode = kGameArcade;
        settings.levelSetVariation = -1;
        gSettings = &settings;
        savedPd_ = gAbSettings.pd;
        savedPml_ = gAbSettings.pml;
        gAbSettings.pd = 0;
        gAbSettings.pml = 3;
        gBoardHost = nullptr;
        gNewLevelData.close();
    }
    void TearDown() override
    {
        gAbSettings.pd = savedPd_;
        gAbSettings.pml = savedPml_;
        gSettings = nullptr;
        gNewLevelData.close();
        gOldLevelData.open("none");
        gBoardHost = nullptr;
        TempFolderTest::TearDown();
    }

    // The store the game reads from its working directory, with `records` as
    // the whole list of `level` under scheme 2 (level 1: the only records).
    void writeStore(int level, const std::vector<LevelRecord>& records)
    {
        SyntheticStore store(level == 1 ? 0 : kPuzzleBatchStarts[1], 1.0f);
        for (LevelRecord record : records) {
            if (level > 1)
                record.complexity = complexityForLevel(2, level) * (1.0f + 0.01f * float(store.records.size() % 7));
            store.records.push_back(record);
        }
        store.write("newLdPuzzles.dat", "newLdComplexities.dat");
    }

    // Tries the choice made: the first pick has try 0, and tries 0..5 pick twice.
    static int triesOf(int picks)
    {
        for (int tries = 1; tries <= 51; tries++)
            if (tries + std::min(tries, 6) == picks)
                return tries;
        return -1;
    }

    int acceptedAtTry(Board& board, const LevelRecord* p1, const LevelRecord* p2, const LevelRecord* p3)
    {
        int before = gNewLevelData.picksMade();
        EXPECT_TRUE(board.loadPuzzle(p1, p2, p3, 0.5f));
        return triesOf(gNewLevelData.picksMade() - before) - 1;
    }

    Settings settings;
    int savedPd_ = 0;
    int savedPml_ = 0;
};

TEST_F(PuzzleChoiceTest, EveryRepeatRuleStopsAtItsTryLimit)
{
    LevelRecord only = smallPuzzle(0.0f);
    const int kNone = -1;
    enum Prev { kSame, kSameShape, kSameComplexity };
    struct Case {
        const char* what;
        int level;
        int slot;    // which previous record (0..2), or kNone
        Prev prev;
        int acceptedAt;
    } cases[] = {
        {"nothing to avoid", 5, kNone, kSame, 0},
        {"last puzzle again", 5, 0, kSame, 50},
        {"last puzzle's shape", 5, 0, kSameShape, 40},
        {"last puzzle's complexity", 5, 0, kSameComplexity, 50},
        {"second-last puzzle's complexity", 5, 1, kSameComplexity, 50},
        {"second-last puzzle's shape", 5, 1, kSameShape, 30},
        {"third-last puzzle's complexity", 5, 2, kSameComplexity, 50},
        {"third-last puzzle's shape", 5, 2, kSameShape, 15},
        {"third-last puzzle at level 3", 3, 2, kSame, 0},
        {"last puzzle at level 1", 1, 0, kSame, 40},
        {"last puzzle's complexity at level 1", 1, 0, kSameComplexity, 0},
        {"second-last puzzle at level 1", 1, 1, kSame, 0},
    };
    for (const Case& c : cases) {
        writeStore(c.level, {only});
        gNewLevelData.close();
        LevelRecord stored;
        int level = 0;
        ASSERT_TRUE(gNewLevelData.getPuzzle(&stored, c.level * 10000, &level, 2));
        LevelRecord previous = stored;
        if (c.prev == kSameShape)
            previous.complexity += 1.0f;
        if (c.prev == kSameComplexity)
            previous = otherShape(stored);
        const LevelRecord* given[3] = {nullptr, nullptr, nullptr};
        if (c.slot != kNone)
            given[c.slot] = &previous;
        OwnedPtr<Board> board(new Board());
        board->level = c.level;
        EXPECT_EQ(acceptedAtTry(*board, given[0], given[1], given[2]), c.acceptedAt) << c.what;
        EXPECT_EQ(board->puzzleId, c.level * 10000) << c.what;
    }
}

TEST_F(PuzzleChoiceTest, ChoosingAgainOnTheSameBoardAvoidsItsOwnPuzzle)
{
    writeStore(7, {smallPuzzle(0.0f)});
    Board board;
    board.level = 7;
    EXPECT_EQ(acceptedAtTry(board, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(acceptedAtTry(board, nullptr, nullptr, nullptr), 50);
}

TEST_F(PuzzleChoiceTest, FreePlayAvoidsPuzzlesPlayedInTheSameScheme)
{
    writeStore(5, {smallPuzzle(0.0f)});
    FakeBoardHost host;
    gBoardHost = &host;
    struct Case {
        int gameType;
        int playedScheme;
        int playedType;
        int acceptedAt;
    } cases[] = {{2, 2, 2, 10}, {2, 39, 2, 0}, {2, 2, 0, 0}, {0, 2, 2, 0}};
    for (const Case& c : cases) {
        settings.gameMode = c.gameType;
        host.history.clear();
        host.history.append(HistoryRecord{50000, 1000, c.playedType, 0, 0, 2, c.playedScheme, 0});
        Board board;
        board.level = 5;
        EXPECT_EQ(acceptedAtTry(board, nullptr, nullptr, nullptr), c.acceptedAt)
            << "game " << c.gameType << " played scheme " << c.playedScheme << " type " << c.playedType;
    }
}

TEST_F(PuzzleChoiceTest, ASecondPickWithMoreFurballsWins)
{
    LevelRecord three = smallPuzzle(0.0f);
    LevelRecord four = smallPuzzle(0.0f);
    four.rows[5] = 0x01;
    writeStore(6, {three, four});
    const int furballs[2] = {3, 4};
    for (int pml : {3, 4}) {
        gAbSettings.pml = pml;
        for (unsigned seed = 1; seed <= 8; seed++) {
            srand(seed);
            int first = rand() % 2;
            int second = rand() % 2;
            bool more = furballs[second] > furballs[first];
            int want = (pml == 3 ? more : !more) ? second : first;
            Board board;   // a new board draws faces: seed after it
            board.level = 6;
            srand(seed);
            ASSERT_TRUE(board.loadPuzzle(nullptr, nullptr, nullptr, 0.5f));
            EXPECT_EQ(board.puzzleId, 60000 + want) << "pml " << pml << " seed " << seed;
            EXPECT_EQ(board.furballCount(), furballs[want]);
        }
    }
}

TEST_F(PuzzleChoiceTest, TheChosenPuzzleIsBuiltAndItsRecordFetchedById)
{
    LevelRecord record = smallPuzzle(0.0f);
    record.rows[7] = 0x41;
    writeStore(12, {record});
    settings.levelSetVariation = 15;   // served by scheme 2
    OwnedPtr<Board> board(Board::createForPuzzle(12, nullptr, nullptr, nullptr, 0.5f));
    EXPECT_EQ(board->scheme, 2);
    EXPECT_EQ(board->level, 12);
    EXPECT_EQ(board->puzzleId, 120000);
    EXPECT_EQ(board->furballCount(), 5);
    EXPECT_TRUE(board->hasFurballAt(6, 7));
    EXPECT_EQ(board->record.rows[7], 0x41);
    EXPECT_EQ(board->complexity, board->record.complexity);

    // A saved board fetches the same record back by id and scheme.
    Board loaded;
    ASSERT_TRUE(loaded.loadLevelRecord(120000, 2));
    EXPECT_EQ(loaded.level, 12);
    EXPECT_EQ(memcmp(loaded.record.rows, board->record.rows, 13), 0);
    EXPECT_EQ(loaded.complexity, board->complexity);
}

TEST_F(PuzzleChoiceTest, NegativeSchemesChooseFromTheOldStore)
{
    std::string bytes;
    int counts[kOldLevelCount] = {1, 1, 1};
    bytes.append(reinterpret_cast<const char*>(counts), sizeof counts);
    for (int level = 1; level <= 3; level++) {
        LevelRecord record = smallPuzzle(float(level));
        record.rows[4] = uint8_t(1 << level);
        bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
    }
    SyntheticStore::writeBytes("old.dat", bytes);
    ASSERT_TRUE(gOldLevelData.open("old.dat"));
    writeStore(3, {smallPuzzle(0.0f)});
    settings.levelSetVariation = -4;
    OwnedPtr<Board> board(Board::createForPuzzle(3, nullptr, nullptr, nullptr, 0.5f));
    EXPECT_EQ(board->scheme, -4);
    EXPECT_EQ(board->puzzleId, 30000);
    EXPECT_EQ(board->record.rows[4], 1 << 3);
    EXPECT_TRUE(board->hasFurballAt(3, 4));
    EXPECT_EQ(board->complexity, 3.0f);
}

TEST_F(PuzzleChoiceTest, ConsolePuzzlesComeByPackedId)
{
    SyntheticStore store(kPuzzleBatchStarts[3] + 10);
    store.records[size_t(kPuzzleBatchStarts[2] + 7)].rows[6] = 0x7F;
    store.write("newLdPuzzles.dat", "newLdComplexities.dat");
    Board board;
    ASSERT_TRUE(loadPuzzleByPackedId(board, (2 << 13) + 7));
    EXPECT_EQ(board.furballCount(), 10);
    EXPECT_EQ(board.record.rows[6], 0x7F);
    EXPECT_EQ(board.puzzleId, -1);
    EXPECT_EQ(board.scheme, -1);
    EXPECT_FALSE(loadPuzzleByPackedId(board, (3 << 13) + 10));   // beyond the file
    EXPECT_FALSE(loadPuzzleByPackedId(board, (12 << 13) + 1));
    EXPECT_EQ(board.furballCount(), 10);
}

TEST_F(PuzzleChoiceTest, WithoutPuzzleFilesTheChoiceReportsFailure)
{
    OwnedPtr<Board> board(Board::createForPuzzle(4, nullptr, nullptr, nullptr, 0.5f));
    EXPECT_EQ(board->puzzleId, -1);
    EXPECT_EQ(board->furballCount(), 0);
    EXPECT_FALSE(board->loadPuzzle(nullptr, nullptr, nullptr, 0.5f));
    // A saved board whose puzzle the store lacks keeps no stored solution:
    // its hints come from the search.
    board->record = smallPuzzle(1.0f);
    EXPECT_FALSE(board->loadLevelRecord(40000, 2));
    EXPECT_EQ(board->level, 4);
    for (uint8_t move : board->record.moves)
        EXPECT_EQ(move, 255);
}

} // namespace
