// The instruction game behind the how-to-play screen: what the factory makes
// on its explain path and what the game leaves to the application.

#include <gtest/gtest.h>

#include "modes/CurrentGameI.h"
#include "modes/ExplainingGame.h"
#include "settings/Settings.h"

namespace {

class ExplainingGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = gSettings;
        settings.startLevel = 4;
        gSettings = &settings;
    }
    void TearDown() override { gSettings = saved; }

    Settings settings;
    Settings* saved = nullptr;
};

}  // namespace

TEST_F(ExplainingGameTest, TheExplainPathMakesOneForEveryModeKeepingTheSettingsMode)
{
    for (int mode : {int(kGameArcade), int(kGameFreePlay), int(kGameBlitz), int(kGameBeatTheClock), 9}) {
        settings.gameMode = mode;
        OwnedPtr<CurrentGameI> game(CurrentGameI::create(nullptr, true));
        ASSERT_NE(dynamic_cast<ExplainingGame*>(game.get()), nullptr) << "mode " << mode;
        EXPECT_EQ(int(game->type()), mode);
        EXPECT_EQ(game->level, 4);
        EXPECT_FALSE(game->isSavable()) << "the application writes no saved game for it";
        // The hint button's number and the hint rule read these during the tutorial.
        EXPECT_EQ(game->hintsLeft(), 0);
        EXPECT_EQ(game->movesLeft(), 0);
        EXPECT_EQ(game->puzzleSize(), 3);
    }
    // Without the flag an unknown mode still gives no game.
    settings.gameMode = 9;
    EXPECT_EQ(CurrentGameI::create(nullptr, false), nullptr);
}
