#include <cmath>
#include <cstdlib>
#include <limits>

#include <gtest/gtest.h>

#include "board/LevelSchemes.h"
#include "board/NewLevelData.h"
#include "board/OldLevelData.h"
#include "settings/AbSettings.h"
#include "tests/board/PuzzleStoreSupport.h"
#include "tests/support/TempFolder.h"

namespace {

// Enough records to reach into batch 2.
const int kTinyCount = kPuzzleBatchStarts[2] + 50;

class PuzzleStoreTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        savedPd_ = gAbSettings.pd;
    }
    void TearDown() override
    {
        gAbSettings.pd = savedPd_;
        TempFolderTest::TearDown();
    }

    // The list (0-based) that holds record n under a scheme, or -1.
    static int listOf(NewLevelData& store, int scheme, int n)
    {
        EXPECT_TRUE(store.buildLevelLists(scheme));
        for (int l = 0; l < kLevelCount; l++)
            for (int i = 0; i < store.listCount(l); i++)
                if (store.listEntry(l, i) == n)
                    return l;
        return -1;
    }

    int savedPd_ = 0;
};

TEST_F(PuzzleStoreTest, RecordsGoToTheFirstWindowThatHoldsThemWithTheBatchRules)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const int b1 = kPuzzleBatchStarts[1];
    const int b2 = kPuzzleBatchStarts[2];
    // Scheme 0 has no overlap: level 2 is [0, 4000), level 3 [4000, 5960).
    // Scheme 2 overlaps by 14%: level 2 is [0, 4560), level 3 [4000, ...).
    struct Case {
        int record;
        float complexity;
        int scheme;
        int list;   // -1: left out
    } cases[] = {
        {0, 1e9f, 0, 0},                            // batch 0 is level 1 whatever its complexity
        {kPuzzleBatchSizes[0] - 1, -5.0f, 2, 0},
        {b1, 4000.0f, 0, 2},                        // lower bound belongs to the window
        {b1 + 1, std::nextafter(4000.0f, 0.0f), 0, 1},  // upper bound does not
        {b1 + 2, 0.0f, 0, 1},
        {b1 + 3, 4100.0f, 2, 1},                    // inside both: the first window wins
        {b1 + 4, 4561.0f, 2, 2},
        {b1 + 5, -1.0f, 2, 29},                     // held by no window: the top level
        {b1 + 6, nan, 2, 29},
        {b1 + 7, 3e12f, 2, 29},
        {b2, 100.0f, 2, -1},                        // batch 2 never feeds level 2
        {b2 + 1, 4100.0f, 2, -1},
        {b2 + 2, 4561.0f, 2, 2},
        {b2 + 3, -7.0f, 0, 29},
    };
    SyntheticStore synthetic(kTinyCount, 1e6f);
    for (const Case& c : cases)
        synthetic.setComplexity(c.record, c.complexity);
    synthetic.write("p.dat", "c.dat");
    NewLevelData store("p.dat", "c.dat");
    for (const Case& c : cases)
        EXPECT_EQ(listOf(store, c.scheme, c.record), c.list) << "record " << c.record << " scheme " << c.scheme;
}

TEST_F(PuzzleStoreTest, ListsKeepFileOrder)
{
    SyntheticStore synthetic(kTinyCount, 1e6f);
    synthetic.write("p.dat", "c.dat");
    NewLevelData store("p.dat", "c.dat");
    ASSERT_TRUE(store.buildLevelLists(2));
    ASSERT_EQ(store.listCount(0), kPuzzleBatchSizes[0]);
    for (int l = 0; l < kLevelCount; l++)
        for (int i = 1; i < store.listCount(l); i++)
            ASSERT_LT(store.listEntry(l, i - 1), store.listEntry(l, i));
}

TEST_F(PuzzleStoreTest, LookupRule)
{
    int counts[4] = {3, 0, 5, 2};
    struct Case {
        int list, index;
        bool found;
        int wantList, wantIndex;
    } cases[] = {
        {2, 4, true, 2, 4}, {2, 5, true, 2, 0}, {2, -1, true, 2, 0}, {1, 0, true, 0, 0},
        {4, 1, true, 0, 1}, {-1, 2, true, 0, 2}, {3, 1, true, 3, 1},
    };
    for (const Case& c : cases) {
        ListEntry entry{-9, -9};
        ASSERT_EQ(lookupListEntry(counts, 4, c.list, c.index, &entry), c.found);
        EXPECT_EQ(entry.list, c.wantList) << c.list << "," << c.index;
        EXPECT_EQ(entry.index, c.wantIndex) << c.list << "," << c.index;
    }
    int empty[2] = {0, 0};
    ListEntry entry;
    EXPECT_FALSE(lookupListEntry(empty, 2, 1, 0, &entry));
}

TEST_F(PuzzleStoreTest, PuzzleIdsNameEntriesOfTheLevelLists)
{
    // Level 30 gets most of batch 1 (complexity above every window), level 3
    // (id 3xxxx) the first 40 records of batch 1.
    SyntheticStore synthetic(kTinyCount, 1e12f);
    for (int n = kPuzzleBatchStarts[1]; n < kPuzzleBatchStarts[2]; n++)
        synthetic.records[size_t(n)].rows[7] = uint8_t(n % 100);
    for (int n = kPuzzleBatchStarts[1]; n < kPuzzleBatchStarts[1] + 40; n++)
        synthetic.setComplexity(n, 5000.0f);
    synthetic.write("p.dat", "c.dat");
    NewLevelData store("p.dat", "c.dat");
    LevelRecord record;
    int level = 0;
    ASSERT_TRUE(store.getPuzzle(&record, 300017, &level, 2));
    EXPECT_EQ(level, 30);
    EXPECT_EQ(store.listEntry(29, 17), kPuzzleBatchStarts[1] + 40 + 17);
    EXPECT_EQ(record.rows[7], (kPuzzleBatchStarts[1] + 40 + 17) % 100);
    EXPECT_EQ(record.complexity, 1e12f);
    ASSERT_TRUE(store.getPuzzle(&record, 30017, &level, 2));
    EXPECT_EQ(level, 3);
    EXPECT_EQ(record.rows[7], (kPuzzleBatchStarts[1] + 17) % 100);
    EXPECT_EQ(record.complexity, 5000.0f);

    // An index beyond the list gives entry 0; level 5's list is empty, so entry 0 of level 1.
    ASSERT_TRUE(store.getPuzzle(&record, 300000 + 9999, &level, 2));
    EXPECT_EQ(record.rows[7], (kPuzzleBatchStarts[1] + 40) % 100);
    ASSERT_TRUE(store.getPuzzle(&record, 50003, &level, 2));
    EXPECT_EQ(level, 5);
    EXPECT_EQ(record.rows[0], 0x15);
    EXPECT_EQ(record.rows[7], 0);
}

TEST_F(PuzzleStoreTest, BuildingASchemeTwiceReadsTheComplexitiesOnce)
{
    SyntheticStore(kTinyCount).write("p.dat", "c.dat");
    NewLevelData store("p.dat", "c.dat");
    ASSERT_TRUE(store.buildLevelLists(2));
    ASSERT_TRUE(store.buildLevelLists(2));
    EXPECT_EQ(store.complexityFileReads(), 1);
    ASSERT_TRUE(store.buildLevelLists(39));
    EXPECT_EQ(store.builtScheme(), 39);
    EXPECT_EQ(store.complexityFileReads(), 1);
}

TEST_F(PuzzleStoreTest, PackedIdsNameRecordsWithinTheirBatch)
{
    SyntheticStore synthetic(kPuzzleRecordCount);
    synthetic.setComplexity(24005, 77.0f);
    synthetic.setComplexity(kPuzzleRecordCount - 1, 88.0f);
    synthetic.write("p.dat", "c.dat");
    NewLevelData store("p.dat", "c.dat");
    LevelRecord record;
    ASSERT_TRUE(store.readPuzzleByPackedId(8192 * 3 + 5, &record));
    EXPECT_EQ(record.complexity, 77.0f);
    ASSERT_TRUE(store.readPuzzleByPackedId(8192 * 9 + kPuzzleBatchSizes[9] - 1, &record));
    EXPECT_EQ(record.complexity, 88.0f);
    for (int bad : {8192 * 10, 8192 * 31 + 5, 8192 * 9 + kPuzzleBatchSizes[9], 8192 * 8 + kPuzzleBatchSizes[8], -1})
        EXPECT_FALSE(store.readPuzzleByPackedId(bad, &record)) << bad;
}

TEST_F(PuzzleStoreTest, MissingOrShortFilesGiveNoPuzzleInsteadOfABadRead)
{
    LevelRecord record = smallPuzzle(5.0f);
    int level = -1, index = -1;
    {
        NewLevelData store("none.dat", "nothing.dat");
        EXPECT_FALSE(store.getPuzzle(&record, 30017, &level, 2));
        EXPECT_FALSE(store.pickPuzzleInScheme(2, &record, 3, &index, 0.5f, 0));
        EXPECT_FALSE(store.readPuzzleByPackedId(5, &record));
        EXPECT_EQ(record.complexity, 5.0f);
    }
    {
        // The puzzles file ends within batch 1: only records both files hold are used.
        SyntheticStore(kTinyCount, 1e12f).write("p.dat", "c.dat");
        std::string shortPuzzles(size_t(kPuzzleFileRecordSize) * (kPuzzleBatchStarts[1] + 10) + 7, '\0');
        SyntheticStore::writeBytes("p.dat", shortPuzzles);
        NewLevelData store("p.dat", "c.dat");
        ASSERT_TRUE(store.buildLevelLists(2));
        EXPECT_EQ(store.recordCount(), kPuzzleBatchStarts[1] + 10);
        EXPECT_EQ(store.listCount(29), 10);
        EXPECT_FALSE(store.readPuzzleByPackedId(8192 + 10, &record));
        EXPECT_TRUE(store.readPuzzleByPackedId(8192 + 9, &record));
        EXPECT_FALSE(store.pickPuzzleInScheme(2, &record, 4, &index, 0.5f, 0));
    }
}

TEST_F(PuzzleStoreTest, CandidateCountsFollowTheVariation)
{
    struct Case {
        int pd;
        float pick;
        int tryNumber;
        int want;
    } cases[] = {
        {2, -1.0f, 0, 1},  {0, 0.1f, 0, 1},   {1, 0.1f, 0, 2},   {1, 0.7f, 9, 2},  {1, 0.7f, 10, 1},
        {1, 0.5f, 0, 1},   {1, 0.34f, 0, 1},  {2, 0.1f, 9, 3},   {2, 0.9f, 10, 2}, {2, 0.9f, 13, 2},
        {2, 0.9f, 14, 1},  {2, 0.3f, 0, 2},   {2, 0.7f, 10, 1},  {2, 0.5f, 0, 1},  {5, 0.19f, 0, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NewLevelData::candidateCount(c.pd, c.pick, c.tryNumber), c.want)
            << "pd " << c.pd << " pick " << c.pick << " try " << c.tryNumber;
}

TEST_F(PuzzleStoreTest, APickKeepsTheHardestCandidateAboveOneHalfAndTheEasiestBelow)
{
    // Level 30 of scheme 2 holds all of batch 1, each with its own complexity.
    SyntheticStore synthetic(kPuzzleBatchStarts[2]);
    for (int n = kPuzzleBatchStarts[1]; n < kPuzzleBatchStarts[2]; n++)
        synthetic.setComplexity(n, 1e10f + float(n) * 1e4f);
    synthetic.write("p.dat", "c.dat");
    NewLevelData store("p.dat", "c.dat");
    ASSERT_TRUE(store.buildLevelLists(2));
    int count = store.listCount(29);
    ASSERT_EQ(count, kPuzzleBatchSizes[1]);
    gAbSettings.pd = 2;
    for (float pick : {0.9f, 0.1f}) {
        for (unsigned seed = 1; seed <= 5; seed++) {
            srand(seed);
            int drawn[3];
            for (int& d : drawn)
                d = rand() % count;
            int want = drawn[0];
            for (int d : drawn)
                if (pick > 0.5f ? d > want : d < want)   // complexity rises with the index here
                    want = d;
            srand(seed);
            LevelRecord record;
            int index = -1;
            ASSERT_TRUE(store.pickPuzzleInScheme(2, &record, 30, &index, pick, 0));
            EXPECT_EQ(index, want);
            EXPECT_EQ(record.complexity, store.complexityOf(store.listEntry(29, want)));
        }
    }
}

TEST_F(PuzzleStoreTest, FingerprintsDescribeTheShapeOfTheStoredSolution)
{
    // Row 0 holds x = 0, 2, 4. First move (0, 0) right knocks two furballs on
    // and leaves x = 1 and 3.
    LevelRecord apart = smallPuzzle(1.0f);                 // then (1, 0) right: from elsewhere, same way
    LevelRecord back = smallPuzzle(1.0f);                  // then (3, 0) left: from where the last one stopped
    back.moves[1] = 3 * 8 + 0;
    back.directions = 1 << 2;
    EXPECT_EQ(puzzleFingerprint(apart), (64 + 16) * 256 + 64 + 32 + 2);
    EXPECT_EQ(puzzleFingerprint(back), (64 + 16) * 256 + 64 + 32 + 0);
    LevelRecord none = smallPuzzle(1.0f);
    none.moves[0] = LevelRecord::kNoMove;
    EXPECT_EQ(puzzleFingerprint(none), 0);
}

TEST_F(PuzzleStoreTest, OldStoreChecksItsCountsAgainstTheFile)
{
    // Levels 1 and 2 hold 2 and 1 records; level 3 claims 50 that the file lacks.
    std::string bytes;
    int counts[kOldLevelCount] = {2, 1, 50};
    bytes.append(reinterpret_cast<const char*>(counts), sizeof counts);
    for (int i = 0; i < 4; i++) {
        LevelRecord record = smallPuzzle(float(i + 1));
        bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
    }
    SyntheticStore::writeBytes("old.dat", bytes);
    OldLevelData store("old.dat");
    EXPECT_EQ(store.levelCount(1), 2);
    EXPECT_EQ(store.levelCount(3), 1);
    EXPECT_EQ(store.levelCount(4), 0);
    struct Case {
        int id;
        float complexity;
    } cases[] = {{10001, 2.0f}, {10002, 1.0f}, {20000, 3.0f}, {30000, 4.0f}, {30001, 4.0f},
                 {40000, 1.0f}, {200001, 2.0f}, {-3, 1.0f}};
    for (const Case& c : cases) {
        LevelRecord record;
        int level = -1;
        ASSERT_TRUE(store.getPuzzle(&record, c.id, &level, -2)) << c.id;
        EXPECT_EQ(level, c.id / 10000);
        EXPECT_EQ(record.complexity, c.complexity) << c.id;
    }
    LevelRecord record;
    int index = -1;
    EXPECT_FALSE(store.pickPuzzle(&record, 4, &index, 0.5f, 0));
    ASSERT_TRUE(store.pickPuzzle(&record, 3, &index, 0.5f, 0));
    EXPECT_EQ(index, 0);

    OldLevelData missing("missing.dat");
    int level = 0;
    EXPECT_FALSE(missing.getPuzzle(&record, 10000, &level, -2));
    EXPECT_FALSE(missing.pickPuzzle(&record, 1, &index, 0.5f, 0));
}

} // namespace
