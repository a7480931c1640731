#include "FakeSoundBackEnd.h"

#include "sound/SoundManager.h"

#include <gtest/gtest.h>

namespace {

class SoundManagerTest : public FakeSoundManagerTest {
protected:
    // One worker pass after the current track ended.
    void endTrackAndTick() {
        backEnd->finishTrack();
        manager->tick();
    }

};

struct PlaylistCase {
    const char* what;
    bool repeatLast;
    bool loopAll;
    std::vector<std::string> entries;
    std::vector<std::string> played;  // loads seen after the first one, one per track end
};

TEST_F(SoundManagerTest, PlaylistMovesOnByItsRepeatRules) {
    const PlaylistCase cases[] = {
        {"one entry never loops over the list", false, true, {"A"}, {"A.ogg"}},
        {"repeat last plays B again and again", true, false, {"A", "B"}, {"A.ogg", "B.ogg", "B.ogg", "B.ogg"}},
        {"loop all goes round", false, true, {"A", "B"}, {"A.ogg", "B.ogg", "A.ogg", "B.ogg"}},
        {"no rule stops after the last", false, false, {"A", "B"}, {"A.ogg", "B.ogg"}},
    };
    for (const PlaylistCase& c : cases) {
        SCOPED_TRACE(c.what);
        manager->setMusic(c.entries[0].c_str(), "ogg", 0.5f);
        for (size_t i = 1; i < c.entries.size(); ++i) manager->queueMusic(c.entries[i].c_str(), "ogg", 0.5f);
        manager->setPlaylistRepeat(c.repeatLast, c.loopAll);
        manager->resumeMusic();
        for (int pass = 0; pass < 3; ++pass) endTrackAndTick();
        EXPECT_EQ(backEnd->loads(), c.played);
        manager->clearMusic();
        backEnd->log.clear();
    }
}

TEST_F(SoundManagerTest, StoppedMusicDoesNotMoveOn) {
    manager->setMusic("A", "ogg", 0.5f);
    manager->queueMusic("B", "ogg", 0.5f);
    endTrackAndTick();  // never resumed
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"A.ogg"}));
    manager->resumeMusic();
    manager->pauseMusic();
    endTrackAndTick();
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"A.ogg"}));
}

TEST_F(SoundManagerTest, ARefilledPlaylistShorterThanTheIndexRepeatsItsLastEntry) {
    manager->setMusic("A", "ogg", 0.5f);
    manager->queueMusic("B", "ogg", 0.5f);
    manager->queueMusic("C", "ogg", 0.5f);
    manager->setPlaylistRepeat(true, false);
    manager->resumeMusic();
    endTrackAndTick();
    endTrackAndTick();  // now on C, index 2
    manager->clearMusic();
    manager->queueMusic("D", "ogg", 0.5f);
    manager->resumeMusic();
    backEnd->log.clear();
    endTrackAndTick();
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"D.ogg"}));
}

TEST_F(SoundManagerTest, SetMusicVolumeKeepsTheCurrentEntrysVolume) {
    manager->setMusicVolume(0.3f);  // empty playlist: back end only
    EXPECT_EQ(backEnd->log.count("volume 0.300"), 1);
    MusicEntry entry;
    EXPECT_FALSE(manager->currentEntry(entry));

    manager->setMusic("A", "ogg", 0.5f);
    manager->setPlaylistRepeat(true, false);
    manager->resumeMusic();
    manager->setMusicVolume(0.25f);
    ASSERT_TRUE(manager->currentEntry(entry));
    EXPECT_FLOAT_EQ(entry.volume, 0.25f);
    backEnd->log.clear();
    endTrackAndTick();  // the repeat starts from the volume last set
    EXPECT_EQ(backEnd->log.count("load A.ogg 0.250"), 1);
}

TEST_F(SoundManagerTest, CrossFadeWaitsFallsSwitchesAndRises) {
    manager->setMusic("A", "ogg", 0.8f);
    manager->resumeMusic();
    manager->tick();
    manager->crossFadeTo("B", "ogg", 200, 400, 0.6f);  // fade starts at 1200
    struct Step {
        int32_t time;
        std::vector<std::string> calls;
    };
    const Step steps[] = {
        {1100, {}},                                          // a delay: nothing yet
        {1200, {}},                                          // elapsed 0
        {1300, {"volume 0.600"}},                            // 3/4 of 0.8
        {1500, {"volume 0.200"}},
        {1600, {"volume 0.000"}},                            // silent: the fade-in half begins
        {1700, {"load B.ogg 0.600", "play", "volume 0.150"}},  // the switch, then 1/4 of 0.6
        {1900, {"volume 0.450"}},
        {2000, {"volume 0.600"}},                            // reached: the fade is over
        {2100, {}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.time);
        backEnd->log.clear();
        setGameTime(s.time);
        manager->tick();
        EXPECT_EQ(backEnd->log.lines(), s.calls);
    }
    MusicEntry entry;
    ASSERT_TRUE(manager->currentEntry(entry));
    EXPECT_STREQ(entry.name.c_str(), "B");
}

TEST_F(SoundManagerTest, MusicCallsEndAFade) {
    manager->setMusic("A", "ogg", 0.8f);
    manager->setPlaylistRepeat(true, false);
    manager->resumeMusic();
    manager->crossFadeTo("B", "ogg", 0, 400, 0.6f);
    manager->clearMusic();
    backEnd->log.clear();
    setGameTime(1300);
    manager->tick();
    EXPECT_TRUE(backEnd->log.lines().empty());
    // The next track starts only when asked for.
    manager->queueMusic("C", "ogg", 0.5f);
    manager->tick();
    EXPECT_TRUE(backEnd->loads().empty());
    manager->resumeMusic();
    manager->tick();
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"C.ogg"}));
}

TEST_F(SoundManagerTest, MusicOperationsDoNothingWhileMusicIsOff) {
    manager->setMusicEnabled(false);
    manager->setMusic("A", "ogg", 0.5f);
    manager->resumeMusic();
    manager->setMusicVolume(0.2f);
    manager->tick();
    EXPECT_TRUE(backEnd->log.lines() == std::vector<std::string>({"init"}));
}

TEST_F(SoundManagerTest, EffectsVolumeReachesEverySound) {
    Sound* a = manager->createSound("a", "wav", 1.0f, false);
    Sound* b = manager->createSound("b", "wav", 0.5f, false);
    manager->setEffectsVolume(0.4f);
    EXPECT_FLOAT_EQ(backEnd->sound("a")->volume, 0.4f);
    EXPECT_FLOAT_EQ(backEnd->sound("b")->volume, 0.4f);
    EXPECT_FLOAT_EQ(b->storedVolume(), 0.4f);
    a->release();
    EXPECT_EQ(manager->soundCount(), 1);
}

TEST_F(SoundManagerTest, EffectsOffUnloadsAndLeavesTheMixerAlone) {
    Sound* a = manager->createSound("a", "wav", 1.0f, false);
    FakeSound* fake = backEnd->sound("a");
    manager->setEffectsEnabled(false);
    EXPECT_EQ(fake->log.count("unload"), 1);
    fake->log.clear();
    a->reset();
    a->play(false, 0);
    a->setVolume(0.3f);
    manager->tick();
    EXPECT_TRUE(fake->log.lines().empty());
    EXPECT_FALSE(a->isPlaying());
    manager->setEffectsEnabled(false);  // already applied: nothing more
    EXPECT_TRUE(fake->log.lines().empty());
    manager->setEffectsEnabled(true);
    EXPECT_EQ(fake->log.lines(), std::vector<std::string>({"load a.wav 0.300"}));
}

TEST_F(SoundManagerTest, DestructionFreesEverySoundWhateverItsCount) {
    Sound* a = manager->createSound("a", "wav", 1.0f, false);
    a->retain();
    a->retain();
    manager->createSound("b", "wav", 1.0f, false);
    EXPECT_EQ(manager->soundCount(), 2);
    // TearDown deletes the manager; ASan reports any sound left behind.
}

TEST_F(SoundManagerTest, TheWorkerRunsPassesAndStopsOnce) {
    gSoundThreadRunning = false;
    manager->startThread();
    manager->startThread();  // a second start does nothing
    EXPECT_TRUE(gSoundThreadRunning);
    EXPECT_TRUE(waitFor([&] { return backEnd->updates > 2; }));
    manager->stopThread();
    EXPECT_FALSE(gSoundThreadRunning);
    int passes = backEnd->updates;
    Thread::sleepMs(30);
    EXPECT_EQ(backEnd->updates, passes);  // joined: no pass after the stop
    manager->stopThread();
    EXPECT_FALSE(gSoundThreadRunning);
    // Started again on focus gain.
    manager->startThread();
    EXPECT_TRUE(waitFor([&] { return backEnd->updates > passes; }));
    manager->stopThread();
}

TEST_F(SoundManagerTest, TheWorkerPausesBetweenPasses) {
    gSoundThreadRunning = false;
    const uint32_t began = GameClock::wallMs();
    manager->startThread();
    EXPECT_TRUE(waitFor([&] { return backEnd->updates >= 3; }));
    manager->stopThread();
    const uint32_t tookMs = GameClock::wallMs() - began;
    // Each pass is followed by the worker's pause, however slow the machine; a worker that
    // spins makes thousands of passes per millisecond. One pass more for the millisecond the
    // clock readings may lose.
    EXPECT_LE(backEnd->updates, static_cast<int>(tookMs / kSoundWorkerPauseMs) + 2) << "in " << tookMs << " ms";
}

}  // namespace
