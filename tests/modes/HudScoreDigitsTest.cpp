#include <unistd.h>

#include <functional>

#include "board/GameGraphics.h"
#include "board/ScoreBoard.h"
#include "modes/ArcadeGame.h"
#include "modes/BlitzGame.h"
#include "modes/FrenzyGame.h"
#include "tests/board/LoadedGraphics.h"
#include "tests/modes/TimedGameFixture.h"

namespace {

// The score of the heads-up display has six digits: the highest Arcade levels add tens of thousands of points
// a puzzle, and a five-digit row would show 123,456 as 23456.
class HudScoreDigitsTest : public TimedGameTest {
protected:
    void SetUp() override
    {
        TimedGameTest::SetUp();
        gGameGraphics = &loadedGraphics();
        host.playScreen = true;
    }

    void TearDown() override
    {
        gGameGraphics = nullptr;
        TimedGameTest::TearDown();
    }

    CurrentGameI* newGame(int mode, int startLevel)
    {
        settings.gameMode = mode;
        settings.startLevel = startLevel;
        game.reset(CurrentGameI::create(nullptr, false));
        host.game = game.get();
        return game.get();
    }

    // The brightness of the digit place `slot` of a number at (x, 36) once the heads-up display is drawn: the
    // second frame of a layout, when the score board draws from its cache.
    int litInSlot(CurrentGameI& g, float x, int slot)
    {
        char here[4096];
        EXPECT_TRUE(getcwd(here, sizeof here) != nullptr);
        EXPECT_EQ(0, chdir(KELZO_DATA_DIR));   // the labels' font
        for (int pass = 0; pass < 2; pass++) {
            clearFrame(0, 0, 0, 1);
            gScoreBoard.draw(31);
            g.drawHud();
        }
        EXPECT_EQ(0, chdir(here));
        Bitmap* f = frame();
        int lit = 0;
        for (int y = 38; y < 56; y++)
            for (int dx = 0; dx < 12; dx++) {
                const RGBA p = f->at(static_cast<int>(x) + 12 * slot + dx, y);
                lit += p.r + p.g + p.b;
            }
        delete f;
        return lit;
    }

    OwnedPtr<CurrentGameI> game;
};

TEST_F(HudScoreDigitsTest, ScoresShowTheirSixthDigit)
{
    struct Case {
        const char* mode;
        int type;
        int startLevel;
        float x;
        std::function<void(CurrentGameI&, int)> setScore;
    } cases[] = {
        {"Arcade score", kGameArcade, 1, 40.0f,
         [](CurrentGameI& g, int v) { static_cast<ArcadeGame&>(g).setScore(v); }},
        {"Blitz peak", kGameBlitz, 1, 45.0f, [](CurrentGameI& g, int v) { static_cast<BlitzGame&>(g).peak = v; }},
    };
    for (const Case& c : cases) {
        CurrentGameI* g = newGame(c.type, c.startLevel);
        ASSERT_NE(nullptr, g) << c.mode;
        c.setScore(*g, 123456);
        const int one = litInSlot(*g, c.x, 0);
        const int six = litInSlot(*g, c.x, 5);
        c.setScore(*g, 23456);
        const int zero = litInSlot(*g, c.x, 0);
        EXPECT_GT(one, 5000) << c.mode << ": a digit in the first place";
        EXPECT_GT(six, 5000) << c.mode << ": a digit in the sixth place";
        // "1" and "0" light different pixels; a five-digit row shows "2" for both.
        EXPECT_NE(one, zero) << c.mode;
    }
    saveFrame("hud_score_digits");
}

// The Frenzy lesson's cleared total has five digits: 12345 shows its "1" in the first place, where a six-digit
// row would show "0" for it as for 2345.
TEST_F(HudScoreDigitsTest, TheFrenzyLessonTotalHasFiveDigits)
{
    FrenzyGame& g = static_cast<FrenzyGame&>(*newGame(kGameFrenzy, -1));
    g.clearedTotal = 12345;
    const int one = litInSlot(g, 45.0f, 0);
    g.clearedTotal = 2345;
    const int zero = litInSlot(g, 45.0f, 0);
    EXPECT_GT(one, 5000);
    EXPECT_NE(one, zero);
}

} // namespace
