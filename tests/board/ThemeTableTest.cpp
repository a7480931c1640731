#include <gtest/gtest.h>

#include "board/BoardViewServices.h"
#include "settings/AbSettings.h"
#include "settings/Statistics.h"
#include "board/CellGeometry.h"
#include "board/ThemeTable.h"

namespace {

class ThemeTest : public ::testing::Test {
protected:
    void SetUp() override { clearThemeCounters(); }
    void TearDown() override { clearThemeCounters(); }

    static void clearThemeCounters()
    {
        for (int id : {StatChosenTheme, StatChangedTheme, StatFirstChosenTheme})
            gAbSettings.setCounter(id, 0);
    }
};

BoardCell cellWith(int faceAnim, int altFace = 0, int specialStart = -1)
{
    BoardCell cell{};
    cell.colour = 3;
    cell.faceAnim = static_cast<int16_t>(faceAnim);
    cell.altFace = static_cast<uint8_t>(altFace);
    cell.specialStart = specialStart;
    return cell;
}

} // namespace

TEST_F(ThemeTest, ColourFamiliesFollowTheChosenTheme)
{
    struct Case {
        int theme, colour, family;
    } cases[] = {{0, 3, 3}, {1, 3, 3}, {1, 1, 9}, {1, 2, 1}, {2, 8, 9}, {3, 8, 2}, {5, 5, 7}, {0, 9, 10}, {0, 10, 0}};
    for (const Case& c : cases) {
        gAbSettings.setCounter(StatChosenTheme, c.theme);
        EXPECT_EQ(c.family, themeColourEntry(c.colour)) << "theme " << c.theme << " colour " << c.colour;
        EXPECT_EQ(0, themeColourEntry(0));
        EXPECT_EQ(0, themeColourEntry(-1));
    }
}

TEST_F(ThemeTest, ChoosingAThemeCountsOnlyChanges)
{
    boardChooseTheme(0);
    EXPECT_EQ(0, gAbSettings.counter(StatChangedTheme));
    boardChooseTheme(2);
    EXPECT_EQ(1, gAbSettings.counter(StatChangedTheme));
    EXPECT_EQ(2, gAbSettings.counter(StatFirstChosenTheme));
    boardChooseTheme(4);
    EXPECT_EQ(2, gAbSettings.counter(StatChangedTheme));
    EXPECT_EQ(2, gAbSettings.counter(StatFirstChosenTheme));
    EXPECT_EQ(4, boardTheme());
}

TEST_F(ThemeTest, ProgressFractionToFrame)
{
    EXPECT_EQ(31, fractionToFrame31(0.999f));
    EXPECT_EQ(31, fractionToFrame31(1.0f));
    EXPECT_EQ(16, fractionToFrame31(0.5f));
    EXPECT_EQ(0, fractionToFrame31(-0.2f));
    EXPECT_EQ(0, fractionToFrame31(0.0f));
}

TEST_F(ThemeTest, FrameChoiceAcrossThemesAndSmoothing)
{
    struct Case {
        const char* name;
        int theme, halfFrames, faceAnim, altFace;
        int frame;
        bool blend;
    } cases[] = {
        {"position 357", 0, 0, 357, 0, 35, false},
        {"position beyond", 0, 0, 400, 0, 35, false},
        {"negative position", 0, 0, -25, 0, 0, false},
        {"odd frame as is", 0, 0, 70, 0, 7, false},
        {"even frames only", 0, 1, 70, 0, 6, false},
        {"blended odd frame", 0, 2, 70, 0, 6, true},
        {"last frame not blended", 0, 2, 350, 0, 34, false},
        {"frame 33 blended", 0, 2, 330, 0, 32, true},
        {"alternate face", 1, 0, 70, 1, 43, false},
        {"half-rate theme blends", 3, 0, 70, 0, 6, true},
        {"half-rate even frame", 4, 0, 200, 0, 20, false},
        {"half-rate alternate", 5, 0, 90, 1, 44, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BoardCell cell = cellWith(c.faceAnim, c.altFace);
        FurballFrame f = chooseFurballFrame(cell, c.theme, c.halfFrames, 1000);
        EXPECT_EQ(c.frame, f.frame);
        EXPECT_EQ(c.blend, f.blend);
    }
}

TEST_F(ThemeTest, SpecialAnimationFramesAndEnd)
{
    // Theme 0: one extra frame over 250 ms.
    BoardCell cell = cellWith(0, 1, 10000);
    EXPECT_EQ(72, chooseFurballFrame(cell, 0, 0, 10100).frame);
    EXPECT_EQ(10000, int(cell.specialStart));
    EXPECT_EQ(72, chooseFurballFrame(cell, 0, 0, 10300).frame);
    EXPECT_EQ(-1, int(cell.specialStart));
    // Afterwards the alternate face shows again.
    EXPECT_EQ(36, chooseFurballFrame(cell, 0, 0, 10400).frame);

    // Pandas: ten frames over 800 ms, odd ones blended but not the last two.
    BoardCell panda = cellWith(0, 0, 5000);
    FurballFrame f = chooseFurballFrame(panda, 3, 0, 5000 + 250);   // k = 3
    EXPECT_EQ(72 + 2, f.frame);
    EXPECT_TRUE(f.blend);
    f = chooseFurballFrame(panda, 3, 0, 5000 + 790);   // k = 9
    EXPECT_EQ(72 + 8, f.frame);
    EXPECT_FALSE(f.blend);

    // Marbles have no extra frames: the special start is left to the overlay.
    BoardCell marble = cellWith(20, 0, 5000);
    EXPECT_EQ(2, chooseFurballFrame(marble, 5, 0, 5100).frame);
    EXPECT_EQ(5000, int(marble.specialStart));
}

TEST_F(ThemeTest, RegionIndexHalvesInHalfRateThemes)
{
    EXPECT_EQ(10 * 8 + 2, furballRegionIndex(3, 20, 3));
    EXPECT_EQ(20 * 8 + 2, furballRegionIndex(0, 20, 3));
    EXPECT_EQ(72 * 8 + 7, furballRegionIndex(0, 72, 8));
    EXPECT_EQ(0, furballRegionIndex(1, 0, 9));   // colour 9 wraps onto colour 1
}

TEST_F(ThemeTest, CellGeometryNormalAndHalfTurned)
{
    struct Case {
        float scale;
        int cx, cy;
        float column, row, x, y;
    } cases[] = {
        {1.0f, -1, -1, 0, 0, 3, 73},
        {1.0f, -1, -1, 6, 7, 273, 388},
        {2.0f / 3.0f, -1, -1, 1, 1, 32, 78.666664f},
        {1.0f, -1, -1, 2.5f, 0, 115.5f, 73},
        {0.5f, 160, 222, 3, 4, 148.75f, 233.25f},
        {0.5f, 160, 222, 0, 0, 216.25f, 323.25f},
        {0.5f, 100, 222, 6, 7, 21.25f, 165.75f},
    };
    for (const Case& c : cases) {
        ScreenPoint p = cellCorner(c.scale, c.cx, c.cy, c.column, c.row);
        EXPECT_FLOAT_EQ(c.x, p.x) << c.column << "," << c.row << " centre " << c.cx;
        EXPECT_FLOAT_EQ(c.y, p.y) << c.column << "," << c.row << " centre " << c.cx;
    }
}

TEST_F(ThemeTest, IdleFacesGlanceNowAndThen)
{
    // Over a minute every furball glances at least once, and rests most of the time. The special animation
    // is the shell's to start: the face animation never starts one.
    BoardCell cell = cellWith(0);
    int glancing = 0, frames = 0, specials = 0, delighted = 0;
    for (int t = 0; t < 60000; t += 20) {
        advanceFaceAnimation(cell, 2, 5, t);
        frames++;
        if (cell.faceAnim > 0)
            glancing++;
        if (cell.altFace) {
            delighted++;
            ASSERT_GT(cell.faceAnim, 0);
        }
        if (cell.specialStart != -1)
            specials++;
        ASSERT_GE(cell.faceAnim, 0);
        ASSERT_LT(cell.faceAnim, 360);
    }
    EXPECT_GT(glancing, 0);
    EXPECT_LT(glancing, frames / 3);
    EXPECT_GT(delighted, 0);
    EXPECT_LT(delighted, glancing);
    EXPECT_EQ(0, specials);
}
