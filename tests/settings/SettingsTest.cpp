#include <gtest/gtest.h>

#include <sys/stat.h>

#include "Core/File.h"
#include "Core/MemoryStream.h"
#include "TempDirTest.h"
#include "settings/Settings.h"

namespace {

class SettingsTest : public TempDirTest {
protected:
    // Bytes of the record as written.
    static std::vector<unsigned char> bytesOf(const Settings& s)
    {
        MemoryStreamOut out;
        s.write(out);
        return std::vector<unsigned char>(out.data(), out.data() + out.size());
    }

    // Reads bytes into a record made for the given device.
    static bool readInto(Settings& s, const std::vector<unsigned char>& bytes)
    {
        writeBytes("record.bin", bytes);
        bool ok = false;
        File file("record.bin", &ok);
        EXPECT_TRUE(ok);
        return s.read(file, false);
    }

    // A record far from the defaults in every stored field.
    static Settings unusualRecord()
    {
        Settings s;
        s.startLevel = 17;
        s.difficulty = 2;
        s.gameMode = 6;
        s.sliderA = 0.25f;
        s.sliderB = 0.75f;
        s.switchA = false;
        s.extraInt1 = 11;
        s.extraInt2 = 12;
        s.showFps = true;
        s.showFpsMore = false;
        s.fasterClock = true;
        s.mainVariation = 9;
        s.defaultModeDraw = 90;
        s.extraFlag1 = true;
        s.slowdownA = -1;
        s.slowdownB = 13;
        s.instructionsVariation = 107;
        s.avVariation = 3;
        s.mhVariation = true;
        s.extraInt3 = 33;
        s.sgVariation = 11;
        s.blVariation = 4;
        s.uvVariation = 47;
        s.ltVariation = 5;
        s.linkShareVariation = 1;
        s.freeSkipsVariation = 14;
        s.wellDoneVariation = 4;
        s.fxVariation = 1;
        s.fxSwitchVariation = 2;
        s.switchC = false;
        s.levelSetVariation = 38;
        s.levelRepeatsVariation = 10;
        s.limitBallsVariation = 6;
        s.hiScoreDefaultsKind = 3;
        s.playTimeTotal = 123456;
        for (int i = 0; i < 4; i++)
            s.playTimeByMode[i] = 1000 * (i + 1);
        s.scoreTimeFilter = 2;
        s.hiScoreValue2 = 1;
        s.ratingValue1 = 8;
        s.ratingValue2 = 162;
        s.extraInt4 = 1;
        s.powerOptions = false;
        s.freeHints = true;
        s.frenzySpeedFactor = 2.5f;
        s.frenzyLessFactor = 0.5f;
        s.frenzyUnlocked = 1;
        s.switchB = false;
        return s;
    }
};

struct DeviceDraws {
    const char* id;
    int defaultModeDraw, slowdownB, mh, sg, bl, uv, lt, fs, wd, xs, levelSet, levelRepeats, limitBalls, iv, mode;
};

// Worked out from the seed and draw rules with glibc's rand(), apart from the game.
const DeviceDraws kDeviceDraws[] = {
    {"", 6, 2, 0, 8, 1, 25, 5, -1, 0, 1, 39, 0, 1, 110, 2},
    {"ff", 20, 3, 1, 2, 3, 47, 5, -1, 4, 0, 39, 8, 1, 101, 3},
    {"deadbeef", 12, 8, 1, 1, 2, 39, 5, -1, 4, 0, 11, 5, 2, 112, 2},
    {"0123456789abcdef0123456789abcdef01234567", 8, 7, 1, 7, 2, 40, 3, 12, 3, 2, 39, 6, 0, 103, 2},
};

TEST_F(SettingsTest, DefaultsAreDrawnFromTheDeviceId)
{
    for (const DeviceDraws& d : kDeviceDraws) {
        SCOPED_TRACE(d.id);
        // Each device starts without a file of its own.
        std::string name = std::string("settings-") + d.id + ".dat";
        Settings s(name.c_str(), d.id);
        EXPECT_EQ(s.defaultModeDraw, d.defaultModeDraw);
        EXPECT_EQ(s.slowdownB, d.slowdownB);
        EXPECT_EQ(s.mhVariation, d.mh != 0);
        EXPECT_EQ(s.sgVariation, d.sg);
        EXPECT_EQ(s.blVariation, d.bl);
        EXPECT_EQ(s.uvVariation, d.uv);
        EXPECT_EQ(s.ltVariation, d.lt);
        EXPECT_EQ(s.freeSkipsVariation, d.fs);
        EXPECT_EQ(s.wellDoneVariation, d.wd);
        EXPECT_EQ(s.fxSwitchVariation, d.xs);
        EXPECT_EQ(s.levelSetVariation, d.levelSet);
        EXPECT_EQ(s.levelRepeatsVariation, d.levelRepeats);
        EXPECT_EQ(s.limitBallsVariation, d.limitBalls);
        EXPECT_EQ(s.instructionsVariation, d.iv);
        EXPECT_EQ(s.gameMode, d.mode);
        // The fixed defaults.
        EXPECT_EQ(s.startLevel, 1);
        EXPECT_EQ(s.mainVariation, 0);
        EXPECT_EQ(s.slowdownA, 6);
        EXPECT_EQ(s.extraInt3, -1);
        EXPECT_TRUE(s.switchA);
        EXPECT_TRUE(s.switchB);
        EXPECT_TRUE(s.switchC);
        EXPECT_TRUE(s.powerOptions);
        EXPECT_FLOAT_EQ(s.sliderA, 0.65f);
        EXPECT_FLOAT_EQ(s.frenzySpeedFactor, 1.0f);
    }
}

TEST_F(SettingsTest, WriteGivesTheTaggedLayout)
{
    Settings s = unusualRecord();
    std::vector<unsigned char> bytes = bytesOf(s);
    ASSERT_EQ(bytes.size(), 194u);
    const std::vector<unsigned char> tag = {'1', '0', 'r', 'f'};
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + 4), tag);
    EXPECT_EQ(std::vector<unsigned char>(bytes.end() - 4, bytes.end()), tag);
    struct { int offset; int value; } fields[] = {
        {4, 17},   {8, 2},    {12, 6},   {25, 9},   {29, 11},     {33, -111}, {37, -111}, {41, 12},
        {45, 5},   {51, 90},  {55, -1},  {59, 13},  {63, 107},    {67, 3},    {72, 33},   {96, 14},
        {113, 38}, {121, 6},  {125, 3},  {129, 123456}, {145, 4000}, {149, 2}, {161, 162}, {165, -111},
        {169, 1},  {173, 0},  {186, 1},
    };
    for (auto f : fields)
        EXPECT_EQ(intAt(bytes, f.offset), f.value) << "offset " << f.offset;
    EXPECT_EQ(bytes[24], 0);    // switchA
    EXPECT_EQ(bytes[49], 0);    // switchB
    EXPECT_EQ(bytes[50], 1);    // extraFlag1
    EXPECT_EQ(bytes[71], 1);    // mhVariation
    EXPECT_EQ(bytes[112], 0);   // switchC
    EXPECT_EQ(bytes[177], 1);   // freeHints
}

TEST_F(SettingsTest, RecordReadsBackToTheSameBytes)
{
    std::vector<unsigned char> original = bytesOf(unusualRecord());
    Settings back;
    EXPECT_TRUE(readInto(back, original));
    EXPECT_EQ(bytesOf(back), original);
    EXPECT_EQ(back.gameMode, 6);
    EXPECT_FLOAT_EQ(back.frenzyLessFactor, 0.5f);
    EXPECT_TRUE(back.fasterClock);
    EXPECT_FALSE(back.showFpsMore);
}

TEST_F(SettingsTest, UntouchedFileIsRewrittenByteForByte)
{
    {
        Settings s = unusualRecord();
        writeBytes("settings.dat", bytesOf(s));
    }
    std::vector<unsigned char> before = readBytes("settings.dat");
    {
        Settings s("settings.dat", "deadbeef");
        EXPECT_TRUE(s.save());
    }
    EXPECT_EQ(readBytes("settings.dat"), before);
}

TEST_F(SettingsTest, FileOfAnOlderVersionKeepsPlayersOutsideNewerExperiments)
{
    // Everything up to extraInt2, then the closing tag.
    std::vector<unsigned char> bytes = bytesOf(unusualRecord());
    bytes.resize(45);
    bytes.insert(bytes.end(), {'1', '0', 'r', 'f'});
    Settings s("none.dat", "deadbeef");
    EXPECT_TRUE(readInto(s, bytes));
    EXPECT_EQ(s.startLevel, 17);
    EXPECT_EQ(s.mainVariation, 9);
    EXPECT_EQ(s.extraInt2, 12);
    for (int v : {s.slowdownA, s.slowdownB, s.instructionsVariation, s.sgVariation, s.levelSetVariation,
                  s.levelRepeatsVariation, s.limitBallsVariation, s.hiScoreDefaultsKind, s.ratingValue2})
        EXPECT_EQ(v, -1);
    EXPECT_EQ(s.freeSkipsVariation, 2);
    EXPECT_FALSE(s.mhVariation);
    EXPECT_TRUE(s.switchC);
    // Fields after the old end keep what they had.
    EXPECT_EQ(s.defaultModeDraw, 12);
    EXPECT_FALSE(s.showFps);
}

TEST_F(SettingsTest, CutOffFileKeepsWhatWasRead)
{
    std::vector<unsigned char> bytes = bytesOf(unusualRecord());
    bytes.resize(100);  // ends inside wellDoneVariation
    Settings s("none.dat", "deadbeef");
    EXPECT_FALSE(readInto(s, bytes));
    EXPECT_EQ(s.freeSkipsVariation, 14);
    EXPECT_EQ(s.uvVariation, 47);
    EXPECT_EQ(s.wellDoneVariation, -1);   // the old-file value set before the cut
    EXPECT_EQ(s.playTimeTotal, 0);
}

TEST_F(SettingsTest, OutOfRangeValueStopsTheRead)
{
    struct Case {
        int offset;
        int value;
        bool keepsGameMode;
    } cases[] = {
        {4, 40, false}, {4, -1, false}, {8, 3, false}, {12, 7, false}, {12, -1, false}, {51, 91, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << " value " << c.value);
        std::vector<unsigned char> bytes = bytesOf(unusualRecord());
        putInt(bytes, c.offset, c.value);
        Settings s("none.dat", "ff");
        EXPECT_FALSE(readInto(s, bytes));
        EXPECT_EQ(s.gameMode, c.keepsGameMode ? 6 : 3);   // 3: the default of this device
        EXPECT_EQ(s.frenzyUnlocked, -1);
        EXPECT_EQ(s.playTimeTotal, 0);
        if (c.offset == 51) {
            EXPECT_EQ(s.defaultModeDraw, 20);
        }
    }
}

TEST_F(SettingsTest, DamagedFactorsAndVolumesFallBack)
{
    for (float bad : {0.0f, 31.0f, -2.0f}) {
        Settings record = unusualRecord();
        record.frenzySpeedFactor = bad;
        record.frenzyLessFactor = bad;
        record.sliderA = bad - 1.5f;
        Settings back;
        EXPECT_TRUE(readInto(back, bytesOf(record)));
        EXPECT_FLOAT_EQ(back.frenzySpeedFactor, 1.0f);
        EXPECT_FLOAT_EQ(back.frenzyLessFactor, 1.0f);
        EXPECT_FLOAT_EQ(back.sliderA, 0.65f);
        EXPECT_FLOAT_EQ(back.sliderB, 0.75f);
    }
}

TEST_F(SettingsTest, ForeignFileLeavesTheDefaults)
{
    std::vector<unsigned char> bytes = bytesOf(unusualRecord());
    bytes[0] = 'X';
    writeBytes("settings.dat", bytes);
    Settings s("settings.dat", "ff");
    EXPECT_EQ(s.startLevel, 1);
    EXPECT_EQ(s.gameMode, 3);
}

TEST_F(SettingsTest, OverrideFilesSetTheMainAndInstructionVariations)
{
    writeInts("fv.dat", {-5});
    writeInts("fiv.dat", {7});
    {
        Settings s("settings.dat", "ff");
        EXPECT_EQ(s.mainVariation, 0);
        EXPECT_EQ(s.instructionsVariation, 7);
        // The override changes no draw.
        EXPECT_EQ(s.limitBallsVariation, 1);
    }
    remove("settings.dat");
    writeInts("fv.dat", {9});
    writeBytes("fiv.dat", {1, 2});   // too short: no override
    Settings s("settings.dat", "ff");
    EXPECT_EQ(s.mainVariation, 9);
    EXPECT_EQ(s.instructionsVariation, 101);
}

TEST_F(SettingsTest, FailedSaveKeepsTheRecordAndTheOldFile)
{
    Settings s("settings.dat", "ff");
    s.startLevel = 9;
    ASSERT_TRUE(s.save());
    std::vector<unsigned char> saved = readBytes("settings.dat");

    // The folder can no longer take the temporary file.
    s.startLevel = 12;
    s.path = "missing-folder/settings.dat";
    EXPECT_FALSE(s.save());
    EXPECT_EQ(s.startLevel, 12);
    EXPECT_EQ(readBytes("settings.dat"), saved);

    // A path that names a folder cannot be replaced either.
    ASSERT_EQ(mkdir("taken", 0700), 0);
    s.path = "taken";
    EXPECT_FALSE(s.save());
    EXPECT_EQ(s.startLevel, 12);
    s.path = "settings.dat";
}

TEST_F(SettingsTest, OnlyTheOwningRecordWritesTheFile)
{
    Settings* owner = new Settings("settings.dat", "ff");
    owner->startLevel = 5;
    ASSERT_TRUE(owner->save());
    {
        Settings copy(*owner);
        copy.startLevel = 2;
        EXPECT_FALSE(copy.save());
        Settings assigned;
        assigned = *owner;
        assigned.startLevel = 3;
        EXPECT_EQ(assigned.path, owner->path);
    }   // neither copy writes on its way out
    owner->difficulty = 2;
    delete owner;   // the owner saves its newer choices

    Settings back("settings.dat", "ff");
    EXPECT_EQ(back.startLevel, 5);
    EXPECT_EQ(back.difficulty, 2);

    gSettingsSaveSuppressed = true;
    back.startLevel = 30;
    EXPECT_FALSE(back.save());
    gSettingsSaveSuppressed = false;
    Settings again("settings.dat", "ff");
    EXPECT_EQ(again.startLevel, 5);
}

TEST_F(SettingsTest, FactorFunctions)
{
    Settings s;
    struct { int slowdownA, slowdownB, main; float speed, scale; } cases[] = {
        {6, 3, 0, 1.6f, 1.5f}, {-1, -1, 1, 1.1f, 1.0f}, {-1, -1, 2, 1.2f, 1.0f},
        {-1, -1, 3, 1.0f, 1.1f}, {-1, -1, 4, 1.0f, 1.2f}, {0, -1, 9, 1.0f, 0.9f},
    };
    for (auto c : cases) {
        s.slowdownA = c.slowdownA;
        s.slowdownB = c.slowdownB;
        s.mainVariation = c.main;
        EXPECT_FLOAT_EQ(s.speedFactor(), c.speed);
        EXPECT_FLOAT_EQ(s.scaleFactor(), c.scale);
    }
    struct { int iv; float late, early; } ivs[] = {
        {-1, 0.0f, 0.0f}, {102, 0.0f, 0.0f}, {103, 0.0f, 0.76f}, {106, 0.0f, 0.95f},
        {107, 0.67f, 0.0f}, {113, 1.07f, 0.0f}, {114, 1.0f, 0.0f},
    };
    for (auto c : ivs) {
        s.instructionsVariation = c.iv;
        EXPECT_FLOAT_EQ(s.ivFactorLate(), c.late) << c.iv;
        EXPECT_FLOAT_EQ(s.ivFactorEarly(), c.early) << c.iv;
    }
}

TEST_F(SettingsTest, ReportDataListsTheExperimentValues)
{
    Settings s("settings.dat", "ff");
    s.playTimeTotal = 70;
    s.playTimeByMode[2] = 9;
    Array<int> playTimes;
    String data;
    s.getReportData(playTimes, data);
    EXPECT_STREQ(data.c_str(),
                 "ll_0_dm_20_sfC_3_mh_1_av_0_iv_101_sg_2_bl_3_uv_47_lt_5_ls_0_fs_-1_wd_4_xs_0_levS_39_lr_8_lnb_1");
    ASSERT_EQ(playTimes.size(), 5);
    EXPECT_EQ(playTimes[0], 70);
    EXPECT_EQ(playTimes[3], 9);
}

} // namespace
