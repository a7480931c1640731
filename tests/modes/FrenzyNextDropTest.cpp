// The next drop as the Frenzy heads-up display draws it on its cell, against the game's own pictures.

#include <unistd.h>

#include "board/Board.h"
#include "board/BoardDraw.h"
#include "board/GameGraphics.h"
#include "modes/FrenzyBests.h"
#include "modes/FrenzyGame.h"
#include "tests/board/LoadedGraphics.h"
#include "tests/modes/TimedGameFixture.h"

namespace {

class FrenzyNextDropTest : public TimedGameTest {
protected:
    void SetUp() override
    {
        TimedGameTest::SetUp();
        gGameGraphics = &loadedGraphics();
        host.playScreen = true;
        settings.gameMode = kGameFrenzy;
        game.reset(new FrenzyGame(&loadedGraphics()));
        game->settings.gameMode = kGameFrenzy;
        host.game = game.get();
    }

    void TearDown() override
    {
        game.reset();
        gFrenzyBests.clear();
        gGameGraphics = nullptr;
        TimedGameTest::TearDown();
    }

    // The summed brightness of the cell box at (column, row) in the frame drawn last.
    static long cellBrightness(int column, int row)
    {
        Bitmap* f = frame();
        long lit = 0;
        for (int y = 0; y < 45; y++)
            for (int x = 0; x < 45; x++) {
                const RGBA p = f->at(kBoardLeft + 45 * column + x, kBoardTop + 45 * row + y);
                lit += p.r + p.g + p.b;
            }
        delete f;
        return lit;
    }

    // The heads-up display alone on a black frame (the labels need the data folder's font).
    void drawHudAlone()
    {
        char here[4096];
        ASSERT_TRUE(getcwd(here, sizeof here) != nullptr);
        ASSERT_EQ(0, chdir(KELZO_DATA_DIR));
        clearFrame(0, 0, 0, 1);
        game->drawHud();
        ASSERT_EQ(0, chdir(here));
    }

    // The next furball alone, full size, at `alpha`.
    long dropAt(float alpha)
    {
        clearFrame(0, 0, 0, 1);
        BoardCell cell = game->nextFurball;
        drawFurballAtCell(loadedGraphics(), &cell, game->spawnX, game->spawnY, 1.0f, 0, alpha);
        return cellBrightness(game->spawnX, game->spawnY);
    }

    static const int kBoardLeft = 3;
    static const int kBoardTop = 73;
    OwnedPtr<FrenzyGame> game;
};

// However near the drop is, its preview stays as faint as at the start: grown to full size when it is due, it
// is the furball drawn at opacity 0.3, not at full opacity.
TEST_F(FrenzyNextDropTest, TheDueDropIsFullSizeAndFaint)
{
    giveBoard(*game, "1.1....");
    game->chooseSpawn(false);
    ASSERT_GE(game->nextColour(), 1);
    advance(game->nextSpawnTime - clock);   // progress 1
    drawHudAlone();
    const long shown = cellBrightness(game->spawnX, game->spawnY);
    const long faint = dropAt(0.3f);
    const long opaque = dropAt(1.0f);
    ASSERT_GT(opaque, faint + faint / 2) << "the two opacities must be told apart";
    EXPECT_NEAR(double(shown), double(faint), double(faint) * 0.05);
}

} // namespace
