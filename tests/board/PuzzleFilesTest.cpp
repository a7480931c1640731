// Checks the puzzle files the game ships (the copies in the data folder)
// against every rule the game relies on.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "Core/OwnedPtr.h"
#include "board/Board.h"
#include "board/LevelData.h"
#include "board/LevelSchemes.h"
#include "board/NewLevelData.h"
#include "settings/Settings.h"
#include "tests/support/FileBytes.h"

namespace {

const std::string kData = KELZO_DATA_DIR;
const int kMostFurballs = Board::kMaxSearchFurballs;   // the hint search's limit

std::string shipped(const char* name)
{
    std::string bytes;
    EXPECT_TRUE(readFileBytes(kData + "/" + name, &bytes)) << name;
    return bytes;
}

LevelRecord recordAt(const std::string& puzzles, const std::string& complexities, int n)
{
    LevelRecord record;
    memcpy(&record.complexity, complexities.data() + 4 * n, 4);
    memcpy(record.rows, puzzles.data() + kPuzzleFileRecordSize * n, kPuzzleFileRecordSize);
    return record;
}

// The stored moves: the first min(4, furballs - 1) are moves, the rest 255.
void expectStoredMoveLayout(const LevelRecord& record, const std::string& what)
{
    int furballs = record.furballCount();
    int stored = std::min(4, furballs - 1);
    const int none = LevelRecord::kNoMove;
    for (int k = 0; k < 4; k++)
        EXPECT_EQ(record.moves[k] != none, k < stored) << what << " move " << k;
}

// Plays the stored moves by the game's move rule on a board built from the
// record, then asks the game's hint search for the rest: the puzzle must be
// solvable from there. Returns false with a message when it is not.
bool playsThrough(const LevelRecord& record, int colourSeed, std::string* why)
{
    Board board;
    board.buildFromRecord(record, colourSeed);
    int furballs = board.furballCount();
    for (int k = 0; k < 4; k++) {
        int x, y, dx, dy;
        if (!record.storedMove(k, &x, &y, &dx, &dy))
            break;
        if (!board.hasFurballAt(x, y) || !board.tryMove(CellPos{x, y}, dx, dy, true, 0, 1.0f)) {
            *why = "stored move " + std::to_string(k) + " is refused";
            return false;
        }
        if (board.furballCount() != --furballs) {
            *why = "stored move " + std::to_string(k) + " did not take one furball off";
            return false;
        }
    }
    if (furballs == 1)
        return true;
    CellPos pos;
    int dx = 0, dy = 0;
    if (!board.findSolvingMove(&pos, &dx, &dy)) {
        *why = "the hint search finds no way on after the stored moves";
        return false;
    }
    return true;
}

class PuzzleFilesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        puzzles_ = new std::string(shipped("newLdPuzzles.dat"));
        complexities_ = new std::string(shipped("newLdComplexities.dat"));
    }
    static void TearDownTestSuite()
    {
        delete puzzles_;
        delete complexities_;
    }
    static LevelRecord record(int n) { return recordAt(*puzzles_, *complexities_, n); }

    static std::string* puzzles_;
    static std::string* complexities_;
};

std::string* PuzzleFilesTest::puzzles_ = nullptr;
std::string* PuzzleFilesTest::complexities_ = nullptr;

TEST_F(PuzzleFilesTest, FilesHoldTheTenBatches)
{
    ASSERT_EQ(kPuzzleBatchStarts[9] + kPuzzleBatchSizes[9], kPuzzleRecordCount);
    for (int b = 1; b < kPuzzleBatchCount; b++)
        ASSERT_EQ(kPuzzleBatchStarts[b], kPuzzleBatchStarts[b - 1] + kPuzzleBatchSizes[b - 1]);
    ASSERT_EQ(puzzles_->size(), size_t(kPuzzleRecordCount) * kPuzzleFileRecordSize);
    ASSERT_EQ(complexities_->size(), size_t(kPuzzleRecordCount) * 4);
}

TEST_F(PuzzleFilesTest, EveryRecordIsWellFormed)
{
    ASSERT_EQ(complexities_->size(), size_t(kPuzzleRecordCount) * 4);
    std::set<std::string> shapes;
    std::set<float> complexities;
    for (int n = 0; n < kPuzzleRecordCount; n++) {
        LevelRecord r = record(n);
        std::string what = "record " + std::to_string(n);
        ASSERT_TRUE(std::isfinite(r.complexity) && r.complexity >= 0.0f) << what;
        for (int y = 0; y < 8; y++)
            ASSERT_EQ(r.rows[y] & 0x80, 0) << what;
        int furballs = r.furballCount();
        ASSERT_GE(furballs, 3) << what;
        ASSERT_LE(furballs, kMostFurballs) << what;
        expectStoredMoveLayout(r, what);
        shapes.insert(std::string(reinterpret_cast<const char*>(r.rows), 8));
        complexities.insert(r.complexity);
    }
    // No puzzle twice, and no two with the same complexity (the choice re-picks equal ones).
    EXPECT_EQ(shapes.size(), size_t(kPuzzleRecordCount));
    EXPECT_EQ(complexities.size(), size_t(kPuzzleRecordCount));
}

TEST_F(PuzzleFilesTest, EveryPuzzleSolvesFromItsStoredMoves)
{
    ASSERT_EQ(complexities_->size(), size_t(kPuzzleRecordCount) * 4);
    int failures = 0;
    for (int n = 0; n < kPuzzleRecordCount && failures < 10; n++) {
        std::string why;
        if (!playsThrough(record(n), n, &why)) {
            ADD_FAILURE() << "record " << n << ": " << why;
            failures++;
        }
    }
}

TEST_F(PuzzleFilesTest, LevelsGetEasiestFirstAndGrowInFurballs)
{
    // Batch 0 holds the easiest puzzles, batch 1 the next.
    float batch0Max = 0.0f, batch1Min = 1e30f, batch1Max = 0.0f, laterMin = 1e30f;
    for (int n = 0; n < kPuzzleRecordCount; n++) {
        float c = record(n).complexity;
        if (n < kPuzzleBatchStarts[1])
            batch0Max = std::max(batch0Max, c);
        else if (n < kPuzzleBatchStarts[2])
            batch1Min = std::min(batch1Min, c), batch1Max = std::max(batch1Max, c);
        else
            laterMin = std::min(laterMin, c);
    }
    EXPECT_LT(batch0Max, batch1Min);
    EXPECT_LT(batch1Max, laterMin);
    EXPECT_GT(laterMin, 0.0f);

    NewLevelData store((kData + "/newLdPuzzles.dat").c_str(), (kData + "/newLdComplexities.dat").c_str());
    for (int scheme : {2, 39}) {
        ASSERT_TRUE(store.buildLevelLists(scheme));
        int previousMedian = 0;
        for (int l = 0; l < kLevelCount; l++) {
            std::vector<int> furballs;
            for (int i = 0; i < store.listCount(l); i++)
                furballs.push_back(record(store.listEntry(l, i)).furballCount());
            ASSERT_FALSE(furballs.empty());
            std::sort(furballs.begin(), furballs.end());
            int median = furballs[furballs.size() / 2];
            EXPECT_GE(median, previousMedian) << "scheme " << scheme << " level " << l + 1;
            previousMedian = median;
            if (l == 0) {
                EXPECT_LE(furballs.back(), 5) << "level 1 has a handful of furballs";
            }
            if (l == kLevelCount - 1) {
                EXPECT_EQ(median, kMostFurballs) << "the top level has the most";
            }
        }
    }
}

TEST_F(PuzzleFilesTest, EverySchemeInUseFillsEveryLevel)
{
    NewLevelData store((kData + "/newLdPuzzles.dat").c_str(), (kData + "/newLdComplexities.dat").c_str());
    int schemes[kLevelSchemeCount];
    int inUse = levelSchemesInUse(schemes);
    ASSERT_EQ(inUse, 28);
    for (int s = 0; s < inUse; s++) {
        ASSERT_TRUE(store.buildLevelLists(schemes[s]));
        int total = 0;
        for (int l = 0; l < kLevelCount; l++) {
            int count = store.listCount(l);
            total += count;
            // Ids are level * 10000 + index: a list of 10000 would run into the next level.
            EXPECT_GT(count, 0) << "scheme " << schemes[s] << " level " << l + 1;
            EXPECT_LT(count, kPuzzleIdsPerLevel) << "scheme " << schemes[s] << " level " << l + 1;
        }
        // Only batch 2 and later records that would fall to level 2 are left out; the plan has none.
        EXPECT_EQ(total, kPuzzleRecordCount) << "scheme " << schemes[s];
    }
}

TEST_F(PuzzleFilesTest, TheGameChoosesEveryLevelOfEverySchemeFromTheShippedStore)
{
    // As the game does: from its data folder, with the player's scheme in the settings.
    char previousFolder[4096];
    ASSERT_NE(getcwd(previousFolder, sizeof previousFolder), nullptr);
    ASSERT_EQ(chdir(kData.c_str()), 0);
    gNewLevelData.close();
    gSettingsSaveSuppressed = true;
    Settings settings;
    settings.gameMode = 0;
    gSettings = &settings;
    int schemes[kLevelSchemeCount];
    int inUse = levelSchemesInUse(schemes);
    for (int s = 0; s < inUse; s++) {
        settings.levelSetVariation = schemes[s];
        LevelRecord previous = {};
        for (int level = 1; level <= kLevelCount; level++) {
            OwnedPtr<Board> board(Board::createForPuzzle(level, &previous, nullptr, nullptr, 0.5f));
            ASSERT_EQ(board->puzzleId / kPuzzleIdsPerLevel, level) << "scheme " << schemes[s];
            EXPECT_EQ(board->scheme, schemes[s]);
            EXPECT_EQ(board->furballCount(), board->record.furballCount());
            EXPECT_GE(board->furballCount(), 3);
            previous = board->record;
        }
    }
    gSettings = nullptr;
    gNewLevelData.close();
    ASSERT_EQ(chdir(previousFolder), 0);
}

TEST_F(PuzzleFilesTest, OldStoreHoldsNineteenLevelsOfSolvablePuzzles)
{
    std::string bytes = shipped("oldLevelData.dat");
    ASSERT_GE(bytes.size(), size_t(4 * kOldLevelCount));
    int counts[kOldLevelCount];
    memcpy(counts, bytes.data(), sizeof counts);
    size_t total = 0;
    for (int count : counts) {
        EXPECT_GE(count, 1);
        total += size_t(count);
    }
    ASSERT_EQ(bytes.size(), 4 * kOldLevelCount + total * sizeof(LevelRecord));
    for (size_t i = 0; i < total; i++) {
        LevelRecord r;
        memcpy(&r, bytes.data() + 4 * kOldLevelCount + i * sizeof(LevelRecord), sizeof r);
        std::string what = "old record " + std::to_string(i);
        ASSERT_TRUE(std::isfinite(r.complexity) && r.complexity >= 0.0f) << what;
        ASSERT_LE(r.furballCount(), kMostFurballs) << what;
        expectStoredMoveLayout(r, what);
        std::string why;
        EXPECT_TRUE(playsThrough(r, int(i), &why)) << what << ": " << why;
    }
}

} // namespace
