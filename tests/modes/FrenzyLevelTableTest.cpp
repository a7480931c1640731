#include "tests/modes/RulesFixture.h"

#include "modes/FrenzyLevelTable.h"

namespace {

using FrenzyLevelTableTest = RulesTest;

TEST_F(FrenzyLevelTableTest, FirstLevelWithoutAdjustments)
{
    FrenzyLevelRow row = frenzyLevelParams(1, ab);
    EXPECT_EQ(row.pace, 7.5f);
    EXPECT_EQ(row.quota, 40);
    EXPECT_EQ(row.colours, 1);
    EXPECT_EQ(row.pull, 0.39f);
    EXPECT_EQ(frenzyLevelQuota(1, settings, ab), 40);
    EXPECT_EQ(frenzyColourCount(1, ab), 1);
    EXPECT_EQ(frenzyFurballTarget(1, ab), 18);
}

TEST_F(FrenzyLevelTableTest, SpotRowsAndColourSteps)
{
    struct Case {
        int level;
        float pace;
        int quota;
        int colours;
        float pull;
    };
    const Case cases[] = {
        {2, 8.0f, 35, 2, 0.29f},     {6, 5.86f, 85, 2, 0.437f},  {7, 7.49f, 40, 3, 0.271f},
        {13, 7.5f, 60, 4, 0.265f},   {19, 7.2f, 70, 5, 0.27f},   {25, 7.1f, 70, 6, 0.27f},
        {31, 5.8f, 140, 6, 0.35f},   {32, 6.9f, 80, 7, 0.27f},   {37, 5.7f, 140, 7, 0.347f},
    };
    for (const Case& c : cases) {
        FrenzyLevelRow row = frenzyLevelParams(c.level, ab);
        EXPECT_EQ(row.pace, c.pace) << c.level;
        EXPECT_EQ(row.quota, c.quota) << c.level;
        EXPECT_EQ(row.colours, c.colours) << c.level;
        EXPECT_EQ(row.pull, c.pull) << c.level;
    }
    EXPECT_EQ(frenzyTableRow(38).quota, 160);
}

TEST_F(FrenzyLevelTableTest, LevelsOutsideTheTableReadTheNearestRow)
{
    for (int level : {0, -1, -1000})
        EXPECT_EQ(frenzyLevelParams(level, ab).quota, 40) << level;
    for (int level : {38, 39, 1000})
        EXPECT_EQ(frenzyLevelParams(level, ab).quota, 140) << level;
    ab.fsl = 1;
    EXPECT_EQ(frenzyLevelParams(39, ab).quota, 160);   // never past row 38
}

TEST_F(FrenzyLevelTableTest, ShiftedLevelsReadTheNextRow)
{
    ab.fsl = 1;
    FrenzyLevelRow at29 = frenzyLevelParams(29, ab);
    EXPECT_EQ(at29.quota, 120);
    EXPECT_EQ(at29.pace, 5.85f);
    EXPECT_EQ(at29.colours, 6);
    EXPECT_EQ(at29.pull, 0.345f);
    FrenzyLevelRow at37 = frenzyLevelParams(37, ab);
    EXPECT_EQ(at37.quota, 160);
    EXPECT_EQ(at37.pace, 5.6f);
    EXPECT_EQ(frenzyLevelParams(28, ab).quota, 110);
    EXPECT_EQ(frenzyColourCount(1, ab), 2);
}

TEST_F(FrenzyLevelTableTest, QuotaAdjustments)
{
    ab.flf = 1;
    EXPECT_EQ(frenzyLevelParams(1, ab).quota, 35);
    EXPECT_EQ(frenzyLevelParams(3, ab).quota, 50);
    ab.flf = -1;
    ab.fla = 1;
    EXPECT_EQ(frenzyLevelParams(1, ab).quota, 35);   // 40 is not above 40
    EXPECT_EQ(frenzyLevelParams(3, ab).quota, 40);
    ab.flf = 1;
    EXPECT_EQ(frenzyLevelParams(1, ab).quota, 30);

    ab.flf = -1;
    ab.fla = -1;
    settings.frenzyLessFactor = 2.0f;
    EXPECT_EQ(frenzyLevelQuota(2, settings, ab), 17);
    settings.frenzyLessFactor = 0.01f;   // taken as 0.1
    EXPECT_EQ(frenzyLevelQuota(1, settings, ab), 400);
    settings.frenzyLessFactor = 30.0f;
    EXPECT_EQ(frenzyLevelQuota(1, settings, ab), 1);
}

TEST_F(FrenzyLevelTableTest, PaceAndPullAdjustmentsInSinglePrecision)
{
    ab.fsi = 2;
    FrenzyLevelRow level3 = frenzyLevelParams(3, ab);
    EXPECT_EQ(level3.pace, 7.0f - 2.0f * (0.36f - 0.29f));
    EXPECT_EQ(level3.pull, 0.29f + (0.36f - 0.29f) * 0.5f);
    EXPECT_EQ(frenzyLevelParams(2, ab).pace, 8.0f);   // pull 0.29 is not above the pivot
    ab.fsi = 1;
    EXPECT_EQ(frenzyLevelParams(3, ab).pace, 7.0f);

    ab.fsi = -1;
    struct Offset {
        int value;
        float pace;   // level 1's pace by "fsa"
        float pull;   // level 1's pull by "fha"
    };
    const Offset offsets[] = {
        {1, 7.5f, 0.39f},           {2, 8.5f, 0.39f},           {3, 8.25f, 0.39f},
        {4, 8.0f, 0.39f - 0.015f},  {5, 7.75f, 0.39f - 0.009f}, {6, 7.6f, 0.39f - 0.0055f},
        {7, 7.43f, 0.39f + 0.0055f}, {8, 7.37f, 0.39f + 0.0085f}, {9, 7.28f, 0.39f + 0.013f},
        {10, 7.18f, 0.39f},         {11, 7.5f, 0.39f},
    };
    for (const Offset& o : offsets) {
        ab.fsa = o.value;
        ab.fha = o.value;
        FrenzyLevelRow row = frenzyLevelParams(1, ab);
        EXPECT_FLOAT_EQ(row.pace, o.pace) << o.value;
        EXPECT_EQ(row.pull, o.pull) << o.value;
    }
}

TEST_F(FrenzyLevelTableTest, StartFillingTargetAndHints)
{
    EXPECT_EQ(frenzyStartFilling(3, ab), 15);
    ab.fbs = 3;
    EXPECT_EQ(frenzyStartFilling(3, ab), 15);
    ab.fbs = 4;
    EXPECT_EQ(frenzyStartFilling(3, ab), 12);
    ab.fbs = 9;
    ab.fmb = 2;
    EXPECT_EQ(frenzyStartFilling(5, ab), 20);
    EXPECT_EQ(frenzyStartFilling(1, ab), 16);

    EXPECT_EQ(frenzyFurballTarget(7, ab), 30);
    ab.flc = 1;
    EXPECT_EQ(frenzyFurballTarget(1, ab), 16);
    ab.flc = 5;
    EXPECT_EQ(frenzyFurballTarget(1, ab), 20);
    ab.flc = 0;
    EXPECT_EQ(frenzyFurballTarget(1, ab), 18);

    struct Case {
        int level;
        int fmh;
        int hints;
    };
    const Case cases[] = {
        {1, -1, 3}, {9, 0, 3}, {10, -1, 2}, {19, -1, 2}, {20, -1, 1}, {37, 3, 1},
        {9, 1, 4},  {20, 1, 2}, {20, 2, 3}, {1, 2, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frenzyHintsForLevel(c.level, c.fmh), c.hints) << c.level << " fmh " << c.fmh;
}

} // namespace
