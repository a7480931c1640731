#include <gtest/gtest.h>

#include <string>

#include "Core/Hash.h"
#include "Core/MemoryStream.h"
#include "modes/ArcadeSavedFields.h"
#include "modes/BlitzSavedFields.h"
#include "modes/FrenzySavedFields.h"

namespace {

template <typename Writer>
std::string bytesOf(Writer write)
{
    MemoryStreamOut out;
    write(out);
    return std::string(out.data(), out.size());
}

void putInt(std::string* bytes, int offset, int value)
{
    for (int i = 0; i < 4; ++i)
        (*bytes)[offset + i] = static_cast<char>((static_cast<unsigned>(value) >> (8 * i)) & 0xFF);
}

bool readArcade(const std::string& bytes, ArcadeSavedFields* fields)
{
    MemoryStreamIn in(bytes.data(), static_cast<int>(bytes.size()));
    return readArcadeSavedFields(in, fields);
}

bool readBlitz(const std::string& bytes, BlitzSavedFields* fields)
{
    MemoryStreamIn in(bytes.data(), static_cast<int>(bytes.size()));
    return readBlitzSavedFields(in, fields);
}

bool readFrenzy(const std::string& bytes, int colours, FrenzySavedFields* fields)
{
    MemoryStreamIn in(bytes.data(), static_cast<int>(bytes.size()));
    return readFrenzySavedFields(in, colours, fields);
}

std::string arcadeBytes(int lives, int score, int bank)
{
    return bytesOf([&](StreamOut& out) { writeArcadeSavedFields(out, ArcadeSavedFields{lives, score, bank}); });
}

TEST(ArcadeSavedFieldsTest, RoundTripAndLayout)
{
    std::string bytes = arcadeBytes(1, 123456, 40000);
    ASSERT_EQ(bytes.size(), 20u);
    ArcadeSavedFields read;
    ASSERT_TRUE(readArcade(bytes, &read));
    EXPECT_EQ(read.lives, 1);
    EXPECT_EQ(read.score, 123456);
    EXPECT_EQ(read.bankMs, 40000);

    MemoryStreamIn in(bytes.data(), static_cast<int>(bytes.size()));
    int lives = 0, score16 = 0, bank = 0, tag = 0, score = 0, check = 0;
    ASSERT_TRUE(readInt16(in, &lives) && readInt16(in, &score16) && readInt(in, &bank) && readInt(in, &tag) &&
                readInt(in, &score) && readInt(in, &check));
    EXPECT_EQ(score16, static_cast<int16_t>(123456 & 0xFFFF));
    EXPECT_EQ(tag, makeTag("fr01"));
    EXPECT_EQ(check, hashMod97("l1s123456t40000"));
}

TEST(ArcadeSavedFieldsTest, OlderLayoutWithoutTheTagStillLoads)
{
    std::string bytes = bytesOf([](StreamOut& out) {
        writeInt16(out, 1);
        writeInt16(out, 500);
        writeInt32(out, 30000);
        writeInt32(out, hashMod97("l1s500t30000"));
    });
    ArcadeSavedFields read;
    ASSERT_TRUE(readArcade(bytes, &read));
    EXPECT_EQ(read.score, 500);
    EXPECT_EQ(read.bankMs, 30000);
}

TEST(ArcadeSavedFieldsTest, EditedOrDamagedRecordsAreRefused)
{
    const std::string good = arcadeBytes(1, 70000, 12000);
    ArcadeSavedFields untouched{7, 7, 7};
    struct Edit {
        const char* what;
        int offset;
        int value;
    };
    const Edit edits[] = {
        {"bank", 4, 99999}, {"32-bit score", 12, 70001}, {"tag", 8, makeTag("fr02")},
    };
    for (const Edit& e : edits) {
        std::string bytes = good;
        putInt(&bytes, e.offset, e.value);
        EXPECT_FALSE(readArcade(bytes, &untouched)) << e.what;
    }
    std::string moreLives = good;
    moreLives[0] = 2;
    EXPECT_FALSE(readArcade(moreLives, &untouched));
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(readArcade(good.substr(0, cut), &untouched)) << cut << " bytes";
    EXPECT_EQ(untouched.lives, 7);

    ArcadeSavedFields read;
    EXPECT_TRUE(readArcade(arcadeBytes(999, 5, 5), &read));
    EXPECT_FALSE(readArcade(arcadeBytes(1000, 5, 5), &read));
}

std::string blitzBytes(int peak, int bank)
{
    return bytesOf([&](StreamOut& out) { writeBlitzSavedFields(out, BlitzSavedFields{peak, bank}); });
}

TEST(BlitzSavedFieldsTest, RoundTripAndPeakRange)
{
    BlitzSavedFields read;
    ASSERT_TRUE(readBlitz(blitzBytes(98, 51234), &read));
    EXPECT_EQ(read.peak, 98);
    EXPECT_EQ(read.bankMs, 51234);
    EXPECT_TRUE(readBlitz(blitzBytes(-1, 0), &read));
    EXPECT_FALSE(readBlitz(blitzBytes(99, 51234), &read));
    EXPECT_FALSE(readBlitz(blitzBytes(-2, 51234), &read));
}

TEST(BlitzSavedFieldsTest, EditedOrDamagedRecordsAreRefused)
{
    const std::string good = blitzBytes(12, 90000);
    ASSERT_EQ(good.size(), 16u);
    BlitzSavedFields read;
    std::string bank = good;
    putInt(&bank, 4, 180000);
    EXPECT_FALSE(readBlitz(bank, &read));
    std::string peak = good;
    putInt(&peak, 0, 13);
    EXPECT_FALSE(readBlitz(peak, &read));
    std::string tag = good;
    putInt(&tag, 12, 0);
    EXPECT_FALSE(readBlitz(tag, &read));
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(readBlitz(good.substr(0, cut), &read)) << cut << " bytes";
}

FrenzySavedFields sampleFrenzy()
{
    FrenzySavedFields fields;
    fields.clearedTotal = 321;
    fields.spawnX = 6;
    fields.spawnY = 7;
    fields.nextColour = 3;
    fields.undoUsed = true;
    fields.constantField = 10;
    fields.intervalMs = 4321;
    fields.quotaBeforeMove = 12;
    fields.msSinceSpawnTime = -850;
    return fields;
}

std::string frenzyBytes(const FrenzySavedFields& fields)
{
    return bytesOf([&](StreamOut& out) { writeFrenzySavedFields(out, fields); });
}

TEST(FrenzySavedFieldsTest, RoundTrip)
{
    const std::string bytes = frenzyBytes(sampleFrenzy());
    ASSERT_EQ(bytes.size(), 41u);
    FrenzySavedFields read;
    ASSERT_TRUE(readFrenzy(bytes, 3, &read));
    FrenzySavedFields want = sampleFrenzy();
    EXPECT_EQ(read.clearedTotal, want.clearedTotal);
    EXPECT_EQ(read.spawnX, want.spawnX);
    EXPECT_EQ(read.spawnY, want.spawnY);
    EXPECT_EQ(read.nextColour, want.nextColour);
    EXPECT_EQ(read.undoUsed, want.undoUsed);
    EXPECT_EQ(read.constantField, want.constantField);
    EXPECT_EQ(read.intervalMs, want.intervalMs);
    EXPECT_EQ(read.quotaBeforeMove, want.quotaBeforeMove);
    EXPECT_EQ(read.msSinceSpawnTime, want.msSinceSpawnTime);
}

TEST(FrenzySavedFieldsTest, ChangedClearedTotalOrDamageRefuses)
{
    const std::string good = frenzyBytes(sampleFrenzy());
    FrenzySavedFields read;
    std::string total = good;
    putInt(&total, 0, 322);
    EXPECT_FALSE(readFrenzy(total, 3, &read));
    std::string tag = good;
    putInt(&tag, 37, makeTag("fr02"));
    EXPECT_FALSE(readFrenzy(tag, 3, &read));
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(readFrenzy(good.substr(0, cut), 3, &read)) << cut << " bytes";

    FrenzySavedFields belowRange = sampleFrenzy();
    belowRange.clearedTotal = -2;
    EXPECT_FALSE(readFrenzy(frenzyBytes(belowRange), 3, &read));
    belowRange.clearedTotal = -1;
    EXPECT_TRUE(readFrenzy(frenzyBytes(belowRange), 3, &read));
}

TEST(FrenzySavedFieldsTest, ADropOffTheBoardOrInAForeignColourIsNoDrop)
{
    struct Case {
        int x;
        int y;
        int colour;
        int levelColours;
        bool kept;
    };
    const Case cases[] = {
        {6, 7, 3, 3, true},  {0, 0, 1, 1, true},  {7, 2, 1, 3, false}, {2, 8, 1, 3, false},
        {-1, -1, -1, 3, false}, {-5, 2, 2, 3, false}, {3, 3, 4, 3, false}, {3, 3, 0, 3, false},
        {3, 3, 65535, 7, false},
    };
    for (const Case& c : cases) {
        FrenzySavedFields fields = sampleFrenzy();
        fields.spawnX = c.x;
        fields.spawnY = c.y;
        fields.nextColour = c.colour;
        FrenzySavedFields read;
        ASSERT_TRUE(readFrenzy(frenzyBytes(fields), c.levelColours, &read)) << c.x << "," << c.y;
        EXPECT_EQ(read.spawnX, c.kept ? c.x : -1) << c.x << "," << c.y << " colour " << c.colour;
        EXPECT_EQ(read.spawnY, c.kept ? c.y : -1) << c.x << "," << c.y << " colour " << c.colour;
        EXPECT_EQ(read.nextColour, c.kept ? c.colour : -1) << c.x << "," << c.y << " colour " << c.colour;
        EXPECT_EQ(read.clearedTotal, 321);
    }
}

} // namespace
