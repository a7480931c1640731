#include "FakeSoundBackEnd.h"

#include "sound/Sound.h"
#include "sound/SoundManager.h"

#include <gtest/gtest.h>

namespace {

class SoundTest : public FakeSoundManagerTest {
protected:
    void SetUp() override {
        FakeSoundManagerTest::SetUp();
        setGameTime(5000);
        sound = manager->createSound("pop", "wav", 0.8f, false);
        fake = backEnd->sound("pop");
        fake->log.clear();
    }
    int plays() { return fake->log.count("play"); }
    void passAt(int32_t time) {
        setGameTime(time);
        manager->tick();
    }

    Sound* sound = nullptr;
    FakeSound* fake = nullptr;
};

TEST_F(SoundTest, PlayLeavesAPlayingSoundAloneAndResetRestartsIt) {
    sound->play(false, 0);
    EXPECT_EQ(plays(), 1);
    sound->play(false, 0);
    EXPECT_EQ(plays(), 1);
    sound->reset();
    sound->play(false, 0);
    EXPECT_EQ(plays(), 2);
    EXPECT_TRUE(sound->isPlaying());
}

TEST_F(SoundTest, RestartWithinItsDelayIsRefused) {
    sound->play(true, 200);
    EXPECT_EQ(plays(), 1);
    setGameTime(5200);
    sound->play(true, 200);  // exactly at the delay: still refused
    EXPECT_EQ(plays(), 1);
    setGameTime(5201);
    sound->play(true, 200);
    EXPECT_EQ(plays(), 2);
}

TEST_F(SoundTest, ADelayedStartWaitsForTheWorker) {
    sound->play(false, 300);
    EXPECT_EQ(plays(), 0);
    passAt(5299);
    EXPECT_EQ(plays(), 0);
    passAt(5300);
    EXPECT_EQ(plays(), 1);
    passAt(5400);
    EXPECT_EQ(plays(), 1);
}

TEST_F(SoundTest, TheLoopRuleRestartsEndedSoundsUnlessStopped) {
    sound->setLoop(true);
    sound->play(false, 0);
    fake->playing = false;  // the sample ends
    passAt(5100);
    EXPECT_EQ(plays(), 2);
    EXPECT_TRUE(fake->playing);

    sound->reset();  // stopped: the loop rule keeps away
    passAt(5200);
    EXPECT_EQ(plays(), 2);

    Sound* once = manager->createSound("once", "wav", 1.0f, false);
    FakeSound* onceFake = backEnd->sound("once");
    once->play(false, 0);
    onceFake->playing = false;
    passAt(5300);
    EXPECT_EQ(onceFake->log.count("play"), 1);  // no loop flag: it stays ended
}

TEST_F(SoundTest, FadeOutEndsStoppedAtFullVolume) {
    sound->play(false, 0);
    sound->fadeOut(400);
    passAt(5100);
    EXPECT_NEAR(fake->volume, 0.6f, 1e-5);
    passAt(5300);
    EXPECT_NEAR(fake->volume, 0.2f, 1e-5);
    passAt(5400);
    EXPECT_FALSE(fake->playing);
    EXPECT_FLOAT_EQ(fake->volume, 0.8f);
    sound->setLoop(true);
    passAt(5500);
    EXPECT_FALSE(fake->playing);  // a finished fade-out counts as stopped
}

TEST_F(SoundTest, FadeInRisesToTheStoredVolume) {
    sound->fadeIn(200);
    EXPECT_FLOAT_EQ(fake->volume, 0.0f);
    passAt(5100);
    EXPECT_NEAR(fake->volume, 0.4f, 1e-5);
    passAt(5300);
    EXPECT_FLOAT_EQ(fake->volume, 0.8f);
    sound->setVolume(0.5f);
    passAt(5400);
    EXPECT_FLOAT_EQ(fake->volume, 0.5f);
}

// What the player hears goes on while game time stands still (a menu, a tip): delays, restart spacing and
// fades all read the running clock.
TEST_F(SoundTest, DelaysRestartsAndFadesGoOnWhileGameTimeIsPaused) {
    gGameClock.pauseAt(5000);
    auto passPausedAt = [&](int32_t time) {
        gGameClock.updateAt(time);
        manager->tick();
    };
    sound->play(false, 300);
    passPausedAt(5300);
    ASSERT_EQ(gGameClock.now(), 5000);  // game time stood still
    EXPECT_EQ(plays(), 1);

    sound->play(true, 200);
    EXPECT_EQ(plays(), 2);  // 300 ms after the last start
    passPausedAt(5400);
    sound->play(true, 200);
    EXPECT_EQ(plays(), 2);  // within 200 ms of it
    passPausedAt(5501);
    sound->play(true, 200);
    EXPECT_EQ(plays(), 3);

    sound->fadeOut(400);
    passPausedAt(5701);
    EXPECT_NEAR(fake->volume, 0.4f, 1e-2);
    passPausedAt(5901);
    EXPECT_FALSE(fake->playing);
}

TEST_F(SoundTest, PrepareComesBeforeTheFirstStartOnly) {
    Sound* prepared = manager->createSound("p", "wav", 1.0f, true);
    FakeSound* p = backEnd->sound("p");
    prepared->play(false, 0);
    prepared->reset();
    prepared->play(false, 0);
    EXPECT_EQ(p->log.count("prepare"), 1);
    passAt(5100);
    EXPECT_EQ(p->log.count("update"), 1);  // updated while it plays
}

struct CountingFilter : SoundFilterI {
    int process(void*, int length, int channels, int bytesPerFrame) override {
        calls += 1;
        lastLength = length;
        EXPECT_EQ(channels, 2);
        EXPECT_EQ(bytesPerFrame, 4);
        return 1;
    }
    int calls = 0;
    int lastLength = 0;
};

TEST_F(SoundTest, FiltersRunInOrderAndSetFilterReplacesThem) {
    CountingFilter a, b;
    sound->addFilter(&a);
    sound->addFilter(&b);
    short samples[8] = {};
    sound->runFilters(samples, sizeof samples);
    EXPECT_EQ(a.calls, 1);
    EXPECT_EQ(b.calls, 1);
    EXPECT_EQ(b.lastLength, 16);
    sound->setFilter(&b);
    sound->runFilters(samples, sizeof samples);
    EXPECT_EQ(a.calls, 1);
    EXPECT_EQ(b.calls, 2);
    sound->setFilter(nullptr);
    sound->runFilters(samples, sizeof samples);
    EXPECT_EQ(b.calls, 2);
    ADJSoundFilter unchanged;
    short copy[8] = {1, -2, 3, -4, 5, -6, 7, -8};
    EXPECT_EQ(unchanged.process(copy, sizeof copy, 2, 4), 1);
    EXPECT_EQ(copy[3], -4);
}

TEST_F(SoundTest, TheLastReleaseDestroysTheSound) {
    sound->retain();
    sound->release();
    EXPECT_EQ(manager->soundCount(), 1);
    sound->release();
    EXPECT_EQ(manager->soundCount(), 0);
}

}  // namespace
