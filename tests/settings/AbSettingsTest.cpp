#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

#include "Core/File.h"
#include "Core/MemoryStream.h"
#include "TempDirTest.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "settings/Statistics.h"

namespace {

const int kAb01 = 0x61623031;
const int kAb02 = 0x61623032;
const int kFr01 = 0x66723031;

struct DeviceValues {
    const char* id;
    std::vector<int> values;   // all 78, as drawn ("mem" before it is forced to 1)
};

// Worked out from the seed and draw rules with glibc's rand(), apart from the game.
const DeviceValues kDeviceValues[] = {
    {"", {0, 3, 4, 5, 1, 0, 0, 1, 11, 129, 3, 2, 0, 5, 1, 3, 3, 4, 6, 0, 1, 15, 4, 0, 0, 2,
          0, 1, 2, 7, 3, 0, 2, 0, 3, 2, 0, 2, 0, 1, 15, 0, 3, 1, 0, 2, 4, 3, 1, 5, 0, 4,
          5, 4, 2, 4, 1, 1, 0, 8, 0, 0, 4, 0, 2, 0, 0, 0, 1, 0, 0, 0, 5, 1, 2, 1, 3, 2}},
    {"ff", {0, 2, 5, 4, 2, 0, 1, 1, 27, 137, 3, 2, 2, 3, 1, 0, 2, 4, 8, 0, 0, 15, 3, 0, 2, 3,
            0, 7, 5, 7, 3, 2, 2, 0, 3, 2, 0, 2, 0, 1, 15, 6, 4, 1, 0, 3, 4, 3, 1, 0, 6, 6,
            3, 4, 1, 4, 1, 1, 1, 1, 2, 4, 0, 1, 5, 0, 0, 0, 1, 1, 0, 0, 5, 0, 3, 1, 2, 0}},
    {"deadbeef", {1, 1, 0, 1, 0, 0, 1, 1, 11, 228, 3, 2, 0, 3, 1, 1, 0, 4, 8, 0, 2, 15, 10, 1, 1, 4,
                  0, 5, 10, 7, 3, 0, 2, 1, 3, 0, 1, 1, 0, 1, 15, 0, 1, 1, 0, 4, 3, 3, 1, 4, 6, 4,
                  6, 4, 4, 2, 1, 0, 0, 8, 0, 8, 5, 2, 1, 1, 2, 0, 1, 0, 1, 2, 0, 0, 1, 0, 3, 0}},
    {"0123456789abcdef0123456789abcdef01234567",
     {1, 1, 2, 6, 3, 0, 0, 1, 9, 26, 2, 2, 2, 6, 1, 2, 2, 4, 3, 0, 2, 15, 3, 4, 2, 0,
      0, 6, 2, 7, 3, 8, 0, 1, 3, 1, 1, 5, 1, 1, 15, 0, 1, 1, 0, 2, 4, 5, 1, 6, 1, 5,
      0, 4, 2, 1, 1, 0, 1, 1, 2, 0, 4, 0, 5, 1, 2, 0, 1, 0, 0, 2, 2, 1, 2, 1, 3, 2}},
};

const int kMemIndex = 10;

class AbSettingsTest : public TempDirTest {
protected:
    static std::vector<int> valuesOf(const AbSettings& ab)
    {
        std::vector<int> values;
        for (const Variation& v : ab.variations)
            values.push_back(v.value());
        return values;
    }

    // "settings2b.dat" with the given run counts and stored values.
    static void writeVariationFile(const std::vector<int>& stored, int runs = 0, int realRuns = 0)
    {
        std::vector<int> ints = {kAb02, runs, 150, 77, realRuns, kFr01, kAb01};
        ints.insert(ints.end(), stored.begin(), stored.end());
        ints.push_back(kAb01);
        writeInts("settings2b.dat", ints);
    }

    static std::vector<int> drawnFor(const char* id)
    {
        for (const DeviceValues& d : kDeviceValues) {
            if (std::string(d.id) == id)
                return d.values;
        }
        return {};
    }
};

TEST_F(AbSettingsTest, FreshInstallDrawsFromTheDeviceId)
{
    for (const DeviceValues& d : kDeviceValues) {
        SCOPED_TRACE(d.id);
        std::vector<int> expected = d.values;
        expected[kMemIndex] = 1;
        {
            AbSettings ab(d.id);
            EXPECT_EQ(valuesOf(ab), expected);
            EXPECT_EQ(ab.mem, 1);
            EXPECT_EQ(ab.runs, 0);
            EXPECT_EQ(ab.oldVersion, 162);
        }
        // Installing again gives the same values.
        remove("settings2b.dat");
        remove("settings3.dat");
        {
            AbSettings again(d.id);
            EXPECT_EQ(valuesOf(again), expected);
        }
        remove("settings2b.dat");
        remove("settings3.dat");
    }
}

TEST_F(AbSettingsTest, EngineTouchesNoFileBeforeItIsLoaded)
{
    {
        AbSettings ab;
        EXPECT_EQ(ab.cpl, -1);
        EXPECT_EQ(ab.variationValue("tat"), -1);
    }
    EXPECT_FALSE(exists("settings2b.dat"));
    EXPECT_FALSE(exists("settings3.dat"));

    AbSettings ab;
    ab.loadAtStart("ff");
    std::vector<int> expected = drawnFor("ff");
    expected[kMemIndex] = 1;
    EXPECT_EQ(valuesOf(ab), expected);
    EXPECT_TRUE(exists("settings2b.dat"));
    ab.loadAtStart("deadbeef");   // only the first call loads
    EXPECT_EQ(valuesOf(ab), expected);
}

TEST_F(AbSettingsTest, RegistrationMatchesTheVariationTable)
{
    AbSettings ab("ff");
    ASSERT_EQ(ab.variations.size(), 78);
    EXPECT_STREQ(ab.variations[0].key, "as");
    EXPECT_STREQ(ab.variations[19].key, "cpl");
    EXPECT_EQ(ab.variations[19].target, &ab.cpl);
    EXPECT_STREQ(ab.variations[77].key, "tat");
    const Variation* pml = ab.findVariation("pml");
    ASSERT_NE(pml, nullptr);
    EXPECT_EQ(pml->oldUserValue, 3);
    EXPECT_FALSE(pml->drawForOldUsers);
    const Variation* tbb = ab.findVariation("tbb");
    ASSERT_NE(tbb, nullptr);
    EXPECT_EQ(tbb->min, 1);
    EXPECT_EQ(tbb->max, 3);
    EXPECT_EQ(tbb->oldUserValue, -1);
    EXPECT_TRUE(tbb->drawForOldUsers);
    EXPECT_FALSE(ab.findVariation("ncp")->drawForOldUsers);
    EXPECT_EQ(ab.findVariation("nope"), nullptr);
    EXPECT_EQ(ab.variationValue("nope"), -1);
    EXPECT_EQ(ab.variationValue("lvt"), ab.lvt);
}

TEST_F(AbSettingsTest, FilesHaveTheirSizesAndLayout)
{
    {
        AbSettings ab("ff");
        ab.runs = 5;
        ab.realRuns = 4;
        ab.sessionId = 100;
        ab.count(StatUndid);
        ab.findVariation("hw")->generation = 2;
        ASSERT_TRUE(ab.save());
    }
    std::vector<unsigned char> values = readBytes("settings2b.dat");
    ASSERT_EQ(values.size(), 344u);
    EXPECT_EQ(intAt(values, 0), kAb02);
    EXPECT_EQ(intAt(values, 4), 5);
    EXPECT_EQ(intAt(values, 8), 162);
    EXPECT_EQ(intAt(values, 12), 100);
    EXPECT_EQ(intAt(values, 16), 4);
    EXPECT_EQ(intAt(values, 20), kFr01);
    EXPECT_EQ(intAt(values, 24), kAb01);
    EXPECT_EQ(intAt(values, 28), 0);            // "as"
    EXPECT_EQ(intAt(values, 32), 200002);       // "hw" 2 in generation 2
    EXPECT_EQ(intAt(values, 28 + 4 * kMemIndex), 1);
    EXPECT_EQ(intAt(values, 340), kAb01);

    std::vector<unsigned char> counters = readBytes("settings3.dat");
    ASSERT_EQ(counters.size(), 448u);
    EXPECT_EQ(intAt(counters, 4 * StatUndid), 1);
    EXPECT_EQ(intAt(counters, 444), kAb01);
}

TEST_F(AbSettingsTest, FilesReadBackAndRewriteToTheSameBytes)
{
    {
        AbSettings ab("deadbeef");
        ab.runs = 7;
        ab.realRuns = 3;
        ab.setVariation("lvt", 200);
        ab.findVariation("lvt")->generation = 1;
        ab.findVariation("sll")->generation = 3;
        for (int i = 0; i < StatisticCount; i++)
            ab.setCounter(i, i * 3 - 5);
        ab.setCounter(StatChosenTheme, 4);
        ASSERT_TRUE(ab.save());
    }
    std::vector<unsigned char> values = readBytes("settings2b.dat");
    std::vector<unsigned char> counters = readBytes("settings3.dat");
    {
        AbSettings ab("ff");   // the files win over this device's draws
        EXPECT_EQ(ab.lvt, 200);
        EXPECT_EQ(ab.findVariation("lvt")->generation, 1);
        EXPECT_EQ(ab.findVariation("sll")->generation, 3);
        EXPECT_EQ(ab.runs, 7);
        EXPECT_EQ(ab.realRuns, 3);
        EXPECT_EQ(ab.counter(StatTbrNo), 110 * 3 - 5);
    }
    EXPECT_EQ(readBytes("settings2b.dat"), values);
    EXPECT_EQ(readBytes("settings3.dat"), counters);
}

TEST_F(AbSettingsTest, StoredValuesCarryTheirGeneration)
{
    struct { int stored, value, generation; } cases[] = {
        {100003, 3, 1}, {90000, 90000, 0}, {90001, -9999, 1}, {200005, 5, 2}, {-1, -1, 0}, {99999, -1, 1},
    };
    for (auto c : cases) {
        int generation = -7;
        EXPECT_EQ(decodeStoredVariation(c.stored, &generation), c.value) << c.stored;
        EXPECT_EQ(generation, c.generation) << c.stored;
        EXPECT_EQ(encodeStoredVariation(c.value, c.generation), c.stored);
    }
}

TEST_F(AbSettingsTest, ValuesFromAFileAreStoredAsTheyCame)
{
    std::vector<int> stored = drawnFor("ff");
    stored[0] = 7;           // "as" 0..1
    stored[1] = -1;          // "hw" 0..3: outside the experiment
    stored[2] = -40;         // "f1" 0..6
    stored[8] = 90001;       // "bhe": 90001 - 100000 in generation 1
    stored[9] = 100003;      // "lvt" 3 in generation 1
    stored[30] = 90000;      // "pml" fixed 3: not above 90000, so a plain value
    writeVariationFile(stored);
    struct Expected { const char* key; int value, generation; };
    const Expected expected[] = {
        {"as", 7, 0}, {"hw", -1, 0}, {"f1", -40, 0}, {"bhe", -9999, 1}, {"lvt", 3, 1}, {"pml", 90000, 0},
    };
    std::vector<unsigned char> written;
    {
        AbSettings ab("ff");
        for (const Expected& e : expected) {
            EXPECT_EQ(ab.variationValue(e.key), e.value) << e.key;
            EXPECT_EQ(ab.findVariation(e.key)->generation, e.generation) << e.key;
        }
        written = readBytes("settings2b.dat");   // saved at once by the start-up
    }
    // Saved and read again, every value and generation comes back unchanged.
    {
        AbSettings again("deadbeef");
        for (const Expected& e : expected) {
            EXPECT_EQ(again.variationValue(e.key), e.value) << e.key;
            EXPECT_EQ(again.findVariation(e.key)->generation, e.generation) << e.key;
        }
    }
    EXPECT_EQ(readBytes("settings2b.dat"), written);
    EXPECT_EQ(intAt(written, 28 + 4 * 9), 100003);
    EXPECT_EQ(intAt(written, 28 + 4 * 8), 90001);
}

TEST_F(AbSettingsTest, TheConsoleSetsAnyValueAndItIsKept)
{
    {
        AbSettings ab("ff");
        EXPECT_TRUE(ab.setVariation("sll", 99));    // range 2..5
        EXPECT_EQ(ab.sll, 99);
        EXPECT_TRUE(ab.setVariation("f1", -1));     // a row starting at 0
        EXPECT_EQ(ab.f1, -1);
        EXPECT_FALSE(ab.setVariation("zzz", 1));
        ASSERT_TRUE(ab.save());
    }
    AbSettings loaded("deadbeef");
    EXPECT_EQ(loaded.sll, 99);
    EXPECT_EQ(loaded.f1, -1);
    EXPECT_EQ(loaded.findVariation("f1")->generation, 0);
}

TEST_F(AbSettingsTest, OlderFileGivesNewVariationsTheirOldPlayerTreatment)
{
    for (int count : {57, 60}) {
        SCOPED_TRACE(count);
        std::vector<int> stored = drawnFor("ff");
        stored.resize(static_cast<size_t>(count));
        writeVariationFile(stored, 9, 8);
        AbSettings ab("deadbeef");
        std::vector<int> values = valuesOf(ab);
        for (int i = 0; i < count; i++) {
            if (i != kMemIndex) {
                EXPECT_EQ(values[i], stored[i]) << ab.variations[i].key;
            }
        }
        for (int i = count; i < 78; i++) {
            const Variation& v = ab.variations[i];
            if (v.drawForOldUsers) {
                EXPECT_TRUE(v.inRange(values[i])) << v.key << " " << values[i];
            } else {
                EXPECT_EQ(values[i], -1) << v.key;
            }
        }
        EXPECT_EQ(ab.runs, 9);
        EXPECT_EQ(ab.realRuns, 8);
        remove("settings2b.dat");
    }
}

TEST_F(AbSettingsTest, DamagedVariationFileGivesAFullDraw)
{
    struct Case {
        const char* name;
        std::vector<int> ints;
        int runs;
    } cases[] = {
        {"unknown header tag", {0x12345678, 4, 150, 77, 3, kFr01, kAb01, 1, kAb01}, 0},
        {"bad header end", {kAb02, 4, 150, 77, 3, 0, kAb01, 1, kAb01}, 4},
        {"runs below -1", {kAb02, -111, 150, 77, 3, kFr01, kAb01, 1, kAb01}, 0},
        {"cut inside the values", {kAb02, 4, 150, 77, 3, kFr01, kAb01, 1, 1}, 4},
        {"no closing tag", {}, 4},
    };
    std::vector<int> full = {kAb02, 4, 150, 77, 3, kFr01, kAb01};
    for (int i = 0; i < 78; i++)
        full.push_back(2);
    full.push_back(0);
    cases[4].ints = full;

    std::vector<int> expected = drawnFor("ff");
    expected[kMemIndex] = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeInts("settings2b.dat", c.ints);
        AbSettings ab("ff");
        EXPECT_EQ(valuesOf(ab), expected);
        EXPECT_EQ(ab.runs, c.runs);
        for (const Variation& v : ab.variations)
            EXPECT_EQ(v.generation, 0);
    }
}

TEST_F(AbSettingsTest, OldestFileIsMigratedWithTheRunCounts)
{
    std::vector<int> stored = drawnFor("deadbeef");
    stored.insert(stored.begin(), kAb01);
    stored.push_back(kAb01);
    writeInts("settings2.dat", stored);
    std::vector<unsigned char> settings(169, 0);
    putInt(settings, 33, 140);
    putInt(settings, 37, 25);
    putInt(settings, 165, 20);
    writeBytes("settings.dat", settings);
    {
        AbSettings ab("ff");
        EXPECT_EQ(ab.lvt, 228);
        EXPECT_EQ(ab.oldVersion, 140);
        EXPECT_EQ(ab.runs, 25);
        EXPECT_EQ(ab.realRuns, 20);
    }
    EXPECT_EQ(readBytes("settings2b.dat").size(), 344u);

    // A shorter settings file has no real-run count: the runs stand for it.
    remove("settings2b.dat");
    settings.resize(100);
    writeBytes("settings.dat", settings);
    AbSettings ab("ff");
    EXPECT_EQ(ab.realRuns, 25);
}

TEST_F(AbSettingsTest, PlaceholdersOfTheCurrentSettingsFileAreNotRunCounts)
{
    std::vector<unsigned char> settings(194, 0);
    putInt(settings, 33, -111);
    putInt(settings, 37, -111);
    putInt(settings, 165, -111);
    writeBytes("settings.dat", settings);
    {
        AbSettings ab("ff");
        EXPECT_EQ(ab.runs, 0);
        EXPECT_EQ(ab.realRuns, 0);
        EXPECT_EQ(ab.oldVersion, 162);
        ab.setVariation("lvt", 3);
        ab.save();
    }
    // The saved header is good, so the next start keeps the values.
    AbSettings ab("ff");
    EXPECT_EQ(ab.lvt, 3);
}

TEST_F(AbSettingsTest, PartialCounterFileRestoresWhatItHolds)
{
    std::vector<int> ints;
    for (int i = 0; i < 100; i++)
        ints.push_back(i + 1);
    ints.push_back(kAb01);
    writeInts("settings3.dat", ints);
    AbSettings ab("ff");
    EXPECT_EQ(ab.counter(0), 1);
    EXPECT_EQ(ab.counter(99), 100);
    for (int i = 100; i < StatisticCount; i++)
        EXPECT_EQ(ab.counter(i), 0) << i;
}

TEST_F(AbSettingsTest, CounterFileTellsAnOlderFileFromACutOne)
{
    struct Case {
        int count;
        bool withTag;
        bool whole;
    };
    const Case cases[] = {{100, true, true}, {StatisticCount, true, true}, {100, false, false},
                          {StatisticCount, false, false}};
    for (const Case& c : cases) {
        std::vector<int> ints;
        for (int i = 0; i < c.count; i++)
            ints.push_back(i + 1);
        if (c.withTag)
            ints.push_back(kAb01);
        writeInts("settings3.dat", ints);
        AbSettings ab;
        EXPECT_EQ(ab.loadCounters(), c.whole) << c.count << (c.withTag ? " with" : " without") << " its tag";
        EXPECT_EQ(ab.counter(c.count - 1), c.count);  // what came before a cut still counts
    }
}

TEST_F(AbSettingsTest, MemIsForcedToOne)
{
    std::vector<int> stored = drawnFor("ff");
    stored[kMemIndex] = 2;
    writeVariationFile(stored);
    AbSettings ab("ff");
    EXPECT_EQ(ab.mem, 1);
}

TEST_F(AbSettingsTest, ChosenThemeIsKeptInsideTheThemeTable)
{
    std::vector<int> ints(StatisticCount, 0);
    ints[StatChosenTheme] = 77;
    ints.push_back(kAb01);
    writeInts("settings3.dat", ints);
    AbSettings ab("ff");
    EXPECT_EQ(ab.counter(StatChosenTheme), 5);
    for (auto c : {std::make_pair(-3, 0), std::make_pair(2, 2), std::make_pair(6, 5)}) {
        ab.setCounter(StatChosenTheme, c.first);
        EXPECT_EQ(ab.chosenTheme(), c.second);
    }
}

TEST_F(AbSettingsTest, ReportTexts)
{
    AbTester tester(3, "");
    int a = -1, b = 0, c = 14;
    Variation v;
    v.key = "a";
    v.target = &a;
    tester.addVariation(v);
    v.key = "b";
    v.target = &b;
    v.generation = 2;
    tester.addVariation(v);
    v.key = "c";
    v.target = &c;
    v.generation = 0;
    tester.addVariation(v);
    // -1 in generation 0 -> 0; 0 in generation 2 -> 3; 14 -> 30, the letter k.
    EXPECT_STREQ(tester.encodeVariations().c_str(), "03k");
    EXPECT_STREQ(tester.variationsText().c_str(), "_a_-1_b_OR0_c_14");

    tester.setCounter(0, -1);
    tester.setCounter(1, 31);
    tester.setCounter(2, 2147483647);
    // Count 3, then -1 -> "0", 31 -> 32 = "l1", the top value wraps to a negative count -> "0".
    EXPECT_STREQ(tester.encodeCounters().c_str(), "30l10");
}

TEST_F(AbSettingsTest, CountersByIndexAndName)
{
    AbSettings ab("ff");
    ab.count(StatMoved);
    ab.count(StatMoved, 2);
    EXPECT_TRUE(ab.count("Moved"));
    EXPECT_FALSE(ab.count("NoSuchCounter"));
    ab.count(500);
    ab.count(-1);
    EXPECT_EQ(ab.counter(StatMoved), 4);
    EXPECT_EQ(ab.counter(500), 0);
    EXPECT_STREQ(gStatisticNames[StatTbrNo], "tbrNo");
    EXPECT_STREQ(gStatisticNames[StatChosenTheme], "chosenTheme");
    EXPECT_EQ(statisticIndex("MovWrongKelzoBetter"), 23);
}

TEST_F(AbSettingsTest, FailedSaveKeepsValuesAndReportsIt)
{
    AbSettings ab("ff");
    std::vector<unsigned char> before = readBytes("settings2b.dat");
    remove("settings3.dat");
    ASSERT_EQ(mkdir("settings3.dat", 0700), 0);   // cannot be replaced by a file
    ab.setVariation("lvt", 5);
    EXPECT_FALSE(ab.save());
    EXPECT_EQ(ab.lvt, 5);
    rmdir("settings3.dat");
    EXPECT_TRUE(ab.save());
    EXPECT_NE(readBytes("settings2b.dat"), before);
}

TEST_F(AbSettingsTest, ResetToAFreshInstallIsNotUndoneOnTheWayOut)
{
    struct Suppressed {
        Suppressed() { gSettingsSaveSuppressed = true; }
        ~Suppressed() { gSettingsSaveSuppressed = false; }
    };
    {
        std::unique_ptr<AbSettings> ab(new AbSettings("ff"));
        ab->count(StatMoved, 5);
        // The reset removes the files, suppresses saving and ends the program.
        remove("settings2b.dat");
        remove("settings3.dat");
        Suppressed suppressed;
        EXPECT_FALSE(ab->save());
        ab.reset();  // the engine's destructor, as at program exit
    }
    EXPECT_FALSE(exists("settings2b.dat"));
    EXPECT_FALSE(exists("settings3.dat"));
}

TEST_F(AbSettingsTest, GameFunctionsReadTheirVariations)
{
    AbSettings ab("ff");
    struct { int cpl, level, count, kinds; } cases[] = {
        {0, 1, 5, 8}, {1, 1, 3, 5}, {-1, 1, 9, 8}, {1, 1, 6, 6}, {2, 4, 0, 5}, {2, 8, 0, 6}, {2, 13, 0, 7},
        {2, 14, 0, 8}, {3, 6, 0, 5}, {3, 10, 0, 6}, {3, 14, 0, 7}, {3, 15, 0, 8}, {7, 1, 5, 8},
    };
    for (auto c : cases) {
        ab.cpl = c.cpl;
        EXPECT_EQ(ab.kindCountForLevel(c.level, c.count), c.kinds) << c.cpl << " " << c.level;
    }
    EXPECT_FALSE(ab.repickEnabled(2));
    EXPECT_TRUE(modeHasLevels(1));
    EXPECT_TRUE(modeHasLevels(6));
    EXPECT_FALSE(modeHasLevels(0));
    EXPECT_FALSE(modeHasLevels(4));
    EXPECT_EQ(modeHasLevels(3), gAbSettings.ncm > 0);
}

} // namespace
