#include "FakeSoundBackEnd.h"

#include "sound/MusicCrossFader.h"
#include "sound/SoundManager.h"
#include "sound/SoundPlayer.h"
#include "settings/AbSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(EffectVolume, FollowsTheVariations) {
    struct Case {
        const char* name;
        int asq, wsq, psq, usq;
        float volume;
    };
    const Case cases[] = {
        {"mouthPop", -1, -1, -1, -1, 1.0f},
        {"mouthPop", 0, -1, -1, -1, 1.05f},
        {"mouthPop", 6, -1, -1, -1, 0.75f},
        {"wrong movement", -1, -1, -1, -1, 0.85f},
        {"wrong movement", -1, 3, -1, -1, 0.64f},
        {"wrong movement", 6, 3, -1, -1, 0.75f * 0.64f},
        {"beat stage", -1, -1, -1, -1, 0.75f},
        {"beat stage", 0, -1, 6, -1, 1.05f * 0.33f},
        {"undo", -1, -1, -1, 2, 0.49f},
        {"undo", 2, 6, 6, -1, 0.95f * 0.63f},  // others' variations do not touch it
        {"hint", 4, 6, 6, 6, 0.85f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SoundVariations v;
        v.asq = c.asq;
        v.wsq = c.wsq;
        v.psq = c.psq;
        v.usq = c.usq;
        EXPECT_NEAR(effectVolume(c.name, v), c.volume, 1e-5);
    }
}

class SoundPlayerTest : public FakeSoundManagerTest {
protected:
    void TearDown() override {
        delete player;
        FakeSoundManagerTest::TearDown();
    }
    void loadAndWait(int gameOverMode) {
        player->loadSoundEffects(gameOverMode);
        ASSERT_TRUE(waitFor([&] { return !player->isRunning(); }));
    }
    // The volume a sound's file was loaded at.
    std::string loadLine(const char* name) {
        FakeSound* s = backEnd->sound(name);
        return s ? s->log.lines().at(0) : "";
    }

    SoundPlayer* player = new SoundPlayer();
};

TEST_F(SoundPlayerTest, LoadsTheElevenEffectsAtTheirVolumes) {
    loadAndWait(0);
    EXPECT_EQ(manager->soundCount(), 11);
    EXPECT_EQ(loadLine("mouthPop"), "load mouthPop.wav 1.000");
    EXPECT_EQ(loadLine("wrong movement"), "load wrong movement.wav 0.850");
    EXPECT_EQ(loadLine("beat stage"), "load beat stage.wav 0.750");
    EXPECT_EQ(loadLine("undo"), "load undo.wav 0.630");
    EXPECT_EQ(loadLine("Kelzo Alarm2"), "load Kelzo Alarm2.wav 1.000");
    struct Player {
        bool (*play)(SoundPlayer&);
        const char* file;
    };
    const Player players[] = {
        {[](SoundPlayer& s) { return s.playMouthPopEffect(); }, "mouthPop"},     {[](SoundPlayer& s) { return s.playBeatStageEffect(); }, "beat stage"},
        {[](SoundPlayer& s) { return s.playHitEffect(); }, "kelzo fx hits"},     {[](SoundPlayer& s) { return s.playWrongMoveEffect(); }, "wrong movement"},
        {[](SoundPlayer& s) { return s.playMenuClickEffect(); }, "menu click"},  {[](SoundPlayer& s) { return s.playYayEffect(); }, "yay"},
        {[](SoundPlayer& s) { return s.playAlarmEffect(); }, "Kelzo Alarm2"},    {[](SoundPlayer& s) { return s.playGameOverEffect(); }, "gameover"},
        {[](SoundPlayer& s) { return s.playLostLifeEffect(); }, "lost life"},    {[](SoundPlayer& s) { return s.playHintEffect(); }, "hint"},
        {[](SoundPlayer& s) { return s.playUndoEffect(); }, "undo"},
    };
    for (const Player& p : players) {
        SCOPED_TRACE(p.file);
        FakeSound* fake = backEnd->sound(p.file);
        ASSERT_NE(fake, nullptr);
        EXPECT_TRUE(p.play(*player));
        EXPECT_TRUE(p.play(*player));  // still sounding: it starts again
        EXPECT_EQ(fake->log.count("play"), 2);
        EXPECT_EQ(fake->log.count("stop"), 4);  // the reset and the start each stop it first
    }
}

TEST_F(SoundPlayerTest, TheVariationsSetTheVolumesAtLoading) {
    gAbSettings.asq = 6;
    gAbSettings.wsq = 3;
    gAbSettings.psq = 1;
    gAbSettings.usq = 2;
    loadAndWait(0);
    EXPECT_EQ(loadLine("mouthPop"), "load mouthPop.wav 0.750");
    EXPECT_EQ(loadLine("wrong movement"), "load wrong movement.wav 0.480");
    EXPECT_EQ(loadLine("beat stage"), "load beat stage.wav 0.510");
    EXPECT_EQ(loadLine("undo"), "load undo.wav 0.367");
}

TEST_F(SoundPlayerTest, LatePlayersReportFalseUntilTheLoaderHasMadeThem) {
    backEnd->holdCreation("beat stage");  // the first of the late five
    player->loadSoundEffects(0);
    EXPECT_TRUE(player->playMouthPopEffect());
    EXPECT_TRUE(player->playAlarmEffect());
    EXPECT_FALSE(player->playBeatStageEffect());
    EXPECT_FALSE(player->playHintEffect());
    EXPECT_FALSE(player->playUndoEffect());
    EXPECT_FALSE(player->playGameOverEffect());
    EXPECT_FALSE(player->playYayEffect());
    backEnd->open();
    ASSERT_TRUE(waitFor([&] { return !player->isRunning(); }));
    EXPECT_TRUE(player->playBeatStageEffect());
    EXPECT_TRUE(player->playYayEffect());
}

TEST_F(SoundPlayerTest, GameOverModeOneNeverLoadsTheGameOverEffect) {
    loadAndWait(1);
    EXPECT_EQ(manager->soundCount(), 10);
    EXPECT_EQ(backEnd->sound("gameover"), nullptr);
    EXPECT_FALSE(player->playGameOverEffect());
    EXPECT_TRUE(player->playYayEffect());
}

TEST_F(SoundPlayerTest, AStopRequestEndsTheBackgroundLoading) {
    backEnd->holdCreation("hint");
    player->loadSoundEffects(0);
    ASSERT_TRUE(waitFor([&] { return backEnd->isHolding(); }));  // "hint" is being made
    player->requestStop();
    backEnd->open();
    ASSERT_TRUE(waitFor([&] { return !player->isRunning(); }));
    EXPECT_NE(backEnd->sound("hint"), nullptr);  // the file in progress is finished...
    EXPECT_EQ(backEnd->sound("undo"), nullptr);  // ...and no further one is started
    player->releaseLateEffects();
    EXPECT_FALSE(player->playHintEffect());
    EXPECT_EQ(manager->soundCount(), 6);
}

TEST_F(SoundPlayerTest, MainThemePlaysTheFirstPartThenRepeatsTheLoop) {
    player->startMainTheme(0.5f);
    EXPECT_EQ(player->musicState, kMusicTitle);
    for (int pass = 0; pass < 3; ++pass) {
        backEnd->finishTrack();
        manager->tick();
    }
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"kelzo main theme first part.ogg",
                                                          "kelzo main theme looping part.ogg",
                                                          "kelzo main theme looping part.ogg",
                                                          "kelzo main theme looping part.ogg"}));
}

TEST_F(SoundPlayerTest, MusicVolumeIsBoostedByState) {
    const struct {
        int state;
        const char* sent;
    } cases[] = {{kMusicInGame, "volume 0.540"}, {kMusicTitle, "volume 0.510"}, {kMusicGameOver, "volume 0.500"}};
    for (const auto& c : cases) {
        backEnd->log.clear();
        player->musicState = c.state;
        player->setMusicVolume(0.5f);
        EXPECT_EQ(backEnd->log.lines(), std::vector<std::string>({c.sent}));
    }
}

TEST_F(SoundPlayerTest, AnUnchangedMusicStatePassesNoRequest) {
    VirtualClock::reset();
    gMusicCrossFader.setClock({VirtualClock::nowMs, VirtualClock::sleepMs});
    int before = gMusicCrossFader.requestCounter;
    player->setMusicState(kMusicTitle);  // already the state
    EXPECT_EQ(gMusicCrossFader.requestCounter, before);
    player->setMusicState(kMusicInGame);
    EXPECT_EQ(gMusicCrossFader.requestCounter, before + 1);
    EXPECT_EQ(player->musicState, kMusicInGame);
    EXPECT_TRUE(waitFor([] { return !gMusicCrossFader.isRunning(); }));
}

}  // namespace
