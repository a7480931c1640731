#include <gtest/gtest.h>

#include "Core/GameClock.h"
#include "game/KelzoGame.h"
#include "menus/KelzoModeChoiceHost.h"
#include "tests/modes/PlainTestGame.h"
#include "settings/Settings.h"

namespace {

class KelzoModeChoiceHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savesSuppressed = gSettingsSaveSuppressed;
        gSettingsSaveSuppressed = true;
        gSettings = &settings;
        gGameClock.updateAt(1000);
    }
    void TearDown() override
    {
        gSettings = nullptr;
        gSettingsSaveSuppressed = savesSuppressed;
    }

    // A game of that type and difficulty as the application's current one.
    void play(int type, int difficulty)
    {
        settings.gameMode = type;
        settings.difficulty = difficulty;
        game.ownedGame.reset(new PlainTestGame(nullptr, false));
        game.setCurrentGame(game.ownedGame.get());
    }

    Settings settings;
    KelzoGame game;
    KelzoModeChoiceHost host{game};
    bool savesSuppressed = false;
};

TEST_F(KelzoModeChoiceHostTest, TheGameInPlayAndItsVariant)
{
    EXPECT_EQ(-1, host.currentGameType());
    EXPECT_EQ(0, host.currentGameVariant());
    play(kGameChallenge, 2);
    EXPECT_EQ(kGameChallenge, host.currentGameType());
    EXPECT_EQ(2, host.currentGameVariant());
}

// The Free Play level reached is the application's level; it is also the highest open Free Play level.
TEST_F(KelzoModeChoiceHostTest, FreePlayLevelIsTheApplicationsLevel)
{
    game.currentLevel = 7;
    EXPECT_EQ(7, host.freePlayLevel());
    EXPECT_EQ(7, host.firstUnsolvedLevel(kGameFreePlay));
}

TEST_F(KelzoModeChoiceHostTest, OpeningHintsAreCountedWithTheTips)
{
    game.tips.setShownCount(42, 2);
    host.countTipShown(42);
    EXPECT_EQ(3, game.tips.shownCount(42));
    EXPECT_EQ(3, host.tipShownCount(42));
    EXPECT_EQ(0, host.tipShownCount(41));
}

TEST_F(KelzoModeChoiceHostTest, ClicksAreSpacedAtLeast301Ms)
{
    struct Step {
        int32_t at;
        int32_t lastPlayed;
    } steps[] = {{1000, 1000}, {1300, 1000}, {1301, 1301}, {1302, 1301}, {5000, 5000}};
    for (const Step& s : steps) {
        gGameClock.updateAt(s.at);
        host.playClick();
        EXPECT_EQ(s.lastPlayed, host.lastClickMs) << s.at;
    }
}

}  // namespace
