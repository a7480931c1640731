#include <sys/stat.h>

#include <gtest/gtest.h>

#include "HiScoreTableFixture.h"

namespace {

const char* const kFile = "hiScores.dat";

// Twelve empty entries, as every slot of a table without defaults holds them.
FileBuilder& emptyEntries(FileBuilder& file, int count = 12)
{
    for (int i = 0; i < count; ++i)
        file.plainEntry("", -1);
    return file;
}

class HiScoreFileTest : public HiScoreTableTest {
protected:
    // A table loaded from the file as it now is.
    void reload(HiScoreTable* table) { table->load(kFile); }
};

TEST_F(HiScoreFileTest, ChecksumsOfTheGuardText)
{
    EXPECT_EQ(HiScoreTable::entryChecksum(HiScoreEntry("Bob", 4500, 123, true)), 55);
    EXPECT_EQ(HiScoreTable::entryChecksum(HiScoreEntry("Anna", 25, 0, true)), 93);
}

TEST_F(HiScoreFileTest, AFirstScoreWritesTheFileByteForByte)
{
    HiScoreTable table;
    table.load(kFile);  // missing: every slot gets 12 empty entries
    EXPECT_EQ(table.addScore(1, 4500, "Bob", 123), 0);

    FileBuilder expected;
    expected.i32(kTag).name("Bob").i32(32);
    expected.i32(12);
    emptyEntries(expected);
    expected.i32(12).checkedEntry("Bob", 4500, 123, 56);
    emptyEntries(expected, 11);
    for (int slot = 2; slot < 32; ++slot)
        emptyEntries(expected.i32(12));
    expected.name("").i32(kTag);
    EXPECT_EQ(readFile(kFile), expected.bytes);
}

TEST_F(HiScoreFileTest, RoundTripKeepsPendingEntriesAndBothNames)
{
    {
        HiScoreTable table;
        table.load(kFile);
        table.addScore(1, 4500, "Bob", 123);
        table.addScore(1, 9000, "Anna", 77);
        table.clearPending(1);
        table.addScore(1, 2000, "Cleo", 5);              // pending, after two that are not
        table.addScoreLowerBetter(30, 83500, "Dan", -42);
        table.setOnlineName("Bobby");
        table.addScore(31, 10, "Last", 1);               // lastName is this one
    }
    HiScoreTable loaded;
    EXPECT_TRUE(loaded.load(kFile));
    EXPECT_EQ(describe(loaded, 1, 4), "Anna=9000 Bob=4500 Cleo=2000* =-1");
    EXPECT_EQ(loaded.slotList(1)[0].gameId, -1) << "a sent entry is stored without its gameId";
    EXPECT_EQ(loaded.slotList(1)[2].gameId, 5);
    EXPECT_EQ(describe(loaded, 30, 1), "Dan=83500*");
    EXPECT_EQ(loaded.slotList(30)[0].gameId, -42);
    EXPECT_EQ(str(loaded.onlineName()), "Bobby");
    EXPECT_EQ(str(loaded.lastName()), "Last");
    EXPECT_EQ(loaded.lastAdded(), nullptr);
    for (int slot = 0; slot < 32; ++slot)
        EXPECT_EQ(loaded.slotList(slot).count(), 12) << slot;
}

TEST_F(HiScoreFileTest, EveryChangeIsSavedAtOnce)
{
    struct Case {
        const char* what;
        void (*change)(HiScoreTable&);
        const char* slot1;
        const char* onlineName;
    } cases[] = {
        {"insert before others", [](HiScoreTable& t) { t.addScore(1, 9000, "Top", 1); },
         "Top=9000* Bob=4500* Al=100*", ""},
        {"lower is better", [](HiScoreTable& t) { t.addScoreLowerBetter(1, 50, "Quick", 1); },
         "Quick=50* Bob=4500* Al=100*", ""},
        {"clear pending", [](HiScoreTable& t) { t.clearPending(1); }, "Bob=4500 Al=100", ""},
        {"online name", [](HiScoreTable& t) { t.setOnlineName("Ollie"); }, "Bob=4500* Al=100*", "Ollie"},
        {"reset", [](HiScoreTable& t) { t.setDefaults(); }, "", ""},
    };
    for (const Case& c : cases) {
        remove(kFile);
        HiScoreTable table;
        table.load(kFile);
        table.addScore(1, 4500, "Bob", 1);
        table.addScore(1, 100, "Al", 2);
        c.change(table);

        HiScoreTable loaded;
        loaded.load(kFile);
        const HiScoreList& list = loaded.slotList(1);
        std::string shown;
        for (int i = 0; i < list.count() && list[i].score != -1; ++i)
            shown += (i ? " " : "") + str(list[i].name) + "=" + std::to_string(list[i].score) +
                     (list[i].pending ? "*" : "");
        EXPECT_EQ(shown, c.slot1) << c.what;
        EXPECT_EQ(str(loaded.onlineName()), c.onlineName) << c.what;
    }
}

// A run that stores nothing still leaves the file, with the default tables, when the table goes; a damaged
// file is replaced then.
TEST_F(HiScoreFileTest, TheTableIsSavedWhenItGoes)
{
    settings.hiScoreDefaultsKind = 2;
    for (const char* before : {"", "damaged"}) {
        remove(kFile);
        if (*before)
            writeFile(kFile, before);
        {
            HiScoreTable table;
            table.load(kFile);
        }
        HiScoreTable nextRun;
        EXPECT_TRUE(nextRun.load(kFile)) << "file before: \"" << before << "\"";
        EXPECT_EQ(describe(nextRun, 5, 2), "World Champion=5000 Champion=4000");
    }
    remove(kFile);
    {
        HiScoreTable unnamed;  // never loaded: it has no file to write
    }
    EXPECT_EQ(readFile(kFile), "<missing>");
}

TEST_F(HiScoreFileTest, RefusedFilesGiveTheDefaults)
{
    settings.hiScoreDefaultsKind = 2;
    auto good = [](int slots, int entries, int nameLength, int score) {
        FileBuilder f;
        f.i32(kTag).name("Kept").i32(slots);
        f.i32(entries);
        for (int i = 0; i < entries; ++i)
            f.plainEntry(std::string(static_cast<size_t>(nameLength), 'n'), score);
        f.emptySlots(slots - 1).name("").i32(kTag);
        return f.bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"bad tag", FileBuilder().i32(0x66723032).name("Kept").i32(1).i32(0).name("").i32(kTag).bytes},
        {"S = 33", good(33, 1, 3, 10)},
        {"S = 0", good(0, 0, 3, 10)},
        {"n = 1001", good(1, 1001, 3, 10)},
        {"negative n", FileBuilder().i32(kTag).name("Kept").i32(1).i32(-1).bytes},
        {"name length 256", good(1, 1, 256, 10)},
        {"negative header", FileBuilder().i32(kTag).name("Kept").i32(1).i32(1).i32(-5).raw("abc").i32(1).bytes},
        {"score 10,000,000", good(1, 1, 3, 10000000)},
        {"score -2", good(1, 1, 3, -2)},
        {"last name 256", FileBuilder().i32(kTag).name(std::string(256, 'x')).i32(1).i32(0).name("").i32(kTag).bytes},
        {"online name 256", FileBuilder().i32(kTag).name("Kept").i32(1).i32(0).name(std::string(256, 'o')).i32(kTag).bytes},
        {"no end tag", FileBuilder().i32(kTag).name("Kept").i32(1).i32(0).name("Olga").i32(0).bytes},
        {"cut short", good(1, 2, 3, 10).substr(0, 30)},
    };
    for (const Case& c : cases) {
        writeFile(kFile, c.bytes);
        HiScoreTable table;
        table.addScore(0, 7, "Before", 1);  // in memory only: the table has no file yet
        EXPECT_FALSE(table.load(kFile)) << c.what;
        EXPECT_EQ(describe(table, 0, 2), "World Champion=5000 Champion=4000") << c.what;
        EXPECT_EQ(describe(table, 31, 1), "World Champion=5000") << c.what;
        EXPECT_EQ(table.slotList(0).count(), 12) << c.what;
        EXPECT_EQ(readFile(kFile), c.bytes) << c.what << ": the fallback is not saved";
    }
}

TEST_F(HiScoreFileTest, ValuesAtTheEdgesOfTheRangesLoad)
{
    std::string longest(255, 'z');
    FileBuilder f;
    f.i32(kTag).name(longest).i32(32);
    f.i32(1000);
    f.plainEntry("top", 9999999).plainEntry("", -1);
    for (int i = 2; i < 1000; ++i)
        f.plainEntry("x", 1);
    f.emptySlots(31).name(longest).i32(kTag);
    writeFile(kFile, f.bytes);

    HiScoreTable table;
    table.load(kFile);
    EXPECT_EQ(str(table.lastName()), longest);
    EXPECT_EQ(str(table.onlineName()), longest);
    EXPECT_EQ(table.slotList(0).count(), 12) << "a long list is cut to 12 when read";
    EXPECT_EQ(describe(table, 0, 3), "top=9999999 =-1 x=1");
}

TEST_F(HiScoreFileTest, AnEditedEntryLoadsNotPendingAndItsGameIdIsConsumed)
{
    FileBuilder f;
    f.i32(kTag).name("").i32(2).i32(0).i32(3);
    f.checkedEntry("Bob", 9999, 123, checkOf("Bob", 4500, 123));   // score edited by hand
    f.checkedEntry("Eve", 300, 9, 1);                               // check 1 that does not match
    f.checkedEntry("Ann", 200, 8, checkOf("Ann", 200, 8));         // honest
    f.name("").i32(kTag);
    writeFile(kFile, f.bytes);

    HiScoreTable table;
    table.load(kFile);
    EXPECT_EQ(describe(table, 1, 3), "Bob=9999 Eve=300 Ann=200*");
    EXPECT_EQ(table.slotList(1)[0].gameId, 123);
    EXPECT_EQ(table.slotList(1)[2].gameId, 8);
    const HiScoreEntry* pending = table.pendingEntry(1);
    ASSERT_NE(pending, nullptr);
    EXPECT_EQ(str(pending->name), "Ann") << "an edited entry is never offered for upload";
}

TEST_F(HiScoreFileTest, AFileWithoutTheOnlineNameLoadsWhole)
{
    FileBuilder f;
    f.i32(kTag).name("Old").i32(1).i32(1).plainEntry("Zed", 42).i32(kTag);
    writeFile(kFile, f.bytes);

    HiScoreTable table;
    table.setOnlineName("kept");  // not saved: the table has no file yet
    table.load(kFile);
    EXPECT_EQ(describe(table, 0, 1), "Zed=42");
    EXPECT_EQ(str(table.lastName()), "Old");
    EXPECT_EQ(str(table.onlineName()), "kept");
}

TEST_F(HiScoreFileTest, AFailedWriteKeepsTheTableAndTheOldFile)
{
    HiScoreTable table;
    table.load(kFile);
    table.addScore(3, 500, "Saved", 1);
    std::string before = readFile(kFile);
    ASSERT_EQ(mkdir("hiScores.dat.tmp", 0755), 0);  // the safe save cannot make its temporary file

    EXPECT_EQ(table.addScore(3, 900, "Unsaved", 2), 0);
    EXPECT_FALSE(table.save());
    EXPECT_EQ(describe(table, 3, 2), "Unsaved=900* Saved=500*") << "nothing is reset";
    EXPECT_EQ(readFile(kFile), before);

    rmdir("hiScores.dat.tmp");
    EXPECT_TRUE(table.save());
    HiScoreTable loaded;
    loaded.load(kFile);
    EXPECT_EQ(describe(loaded, 3, 2), "Unsaved=900* Saved=500*");
}

// The online name set while its save cannot land is saved when the player sets it again.
TEST_F(HiScoreFileTest, AnOnlineNameWhoseSaveFailedIsSavedWhenSetAgain)
{
    HiScoreTable table;
    table.load(kFile);
    table.setOnlineName("Before");
    ASSERT_EQ(mkdir("hiScores.dat.tmp", 0755), 0);
    table.setOnlineName("After");
    rmdir("hiScores.dat.tmp");
    HiScoreTable unsaved;
    unsaved.load(kFile);
    EXPECT_EQ(str(unsaved.onlineName()), "Before");

    table.setOnlineName("After");
    HiScoreTable loaded;
    loaded.load(kFile);
    EXPECT_EQ(str(loaded.onlineName()), "After");
}

TEST_F(HiScoreFileTest, NothingIsWrittenWhileSavingIsSuppressed)
{
    HiScoreTable table;
    table.load(kFile);
    table.addScore(0, 5, "First", 1);
    std::string before = readFile(kFile);
    gSaveSuppressed = true;
    table.addScore(0, 6, "Second", 2);
    table.clearPending(0);
    table.setOnlineName("Name");
    table.setDefaults();
    EXPECT_FALSE(table.save());
    EXPECT_EQ(readFile(kFile), before);
}

TEST_F(HiScoreFileTest, ALongNameIsCutAtACharacterBoundaryAndRoundTrips)
{
    // 254 ASCII bytes, then two-byte characters: byte 255 would fall inside one.
    std::string name = std::string(254, 'a');
    for (int i = 0; i < 23; ++i)
        name += "\xc3\xa9";
    ASSERT_EQ(name.size(), 300u);
    {
        HiScoreTable table;
        table.load(kFile);
        table.addScore(2, 100, String(name.c_str()), 1);
        table.setOnlineName(String(name.c_str()));
        EXPECT_EQ(table.lastName().length(), 254);
    }
    HiScoreTable loaded;
    loaded.load(kFile);
    EXPECT_EQ(str(loaded.slotList(2)[0].name), name.substr(0, 254));
    EXPECT_TRUE(loaded.slotList(2)[0].pending) << "the checksum covers the name as stored";
    EXPECT_EQ(str(loaded.onlineName()), name.substr(0, 254));
    EXPECT_EQ(str(loaded.lastName()), name.substr(0, 254));
}

TEST(CutScoreName, KeepsWholeCharacters)
{
    std::string ascii255(255, 'a');
    struct Case {
        std::string in;
        size_t kept;
    } cases[] = {
        {"", 0},
        {"Bob", 3},
        {ascii255, 255},
        {ascii255 + "b", 255},
        {std::string(253, 'a') + "\xe2\x82\xac" + "x", 253},     // three-byte character across 255
        {std::string(252, 'a') + "\xe2\x82\xac" + "x", 255},     // ends exactly at 255
        {std::string(252, 'a') + "\xf0\x9f\x98\x80", 252},       // four-byte character across 255
        {std::string(300, '\x80'), 0},                           // no character start at all
    };
    for (const Case& c : cases) {
        String cut = cutScoreName(String(c.in.c_str(), static_cast<int>(c.in.size())));
        EXPECT_EQ(str(cut), c.in.substr(0, c.kept)) << c.in.size();
    }
}

} // namespace
