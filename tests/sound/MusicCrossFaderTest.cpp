#include "FakeSoundBackEnd.h"

#include "sound/MusicCrossFader.h"
#include "sound/SoundManager.h"
#include "sound/SoundPlayer.h"
#include "sound/SoundSettings.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace {

struct ScheduledEvent {
    int kind = -1;
    int delayMs = -1;
};
ScheduledEvent gScheduled;
void recordEvent(int kind, int delayMs) { gScheduled = {kind, delayMs}; }

// One music-volume call of the back end, at virtual wall-clock time.
struct VolumeStep {
    int32_t time;
    float volume;
};

class MusicCrossFaderTest : public FakeSoundManagerTest {
protected:
    void SetUp() override {
        FakeSoundManagerTest::SetUp();
        VirtualClock::reset();
        gScheduled = ScheduledEvent();
        backEnd->virtualNow = &VirtualClock::now;
        fader.setClock({VirtualClock::nowMs, VirtualClock::sleepMs});
        fader.setEventScheduler(recordEvent);
        music = settingsMusicVolume();
        effects = settingsEffectsVolume();
    }
    void TearDown() override {
        fader.stopAndWait();
        FakeSoundManagerTest::TearDown();
    }
    // Sets the player's state as SoundPlayer::setMusicState does, and asks the fader.
    void ask(int state) {
        player.musicState = state;
        fader.request(state);
    }
    void waitForTheChange() { ASSERT_TRUE(waitFor([&] { return !fader.isRunning(); })); }
    std::vector<VolumeStep> volumes() {
        std::vector<VolumeStep> steps;
        for (const std::string& line : backEnd->log.lines()) {
            size_t at = line.find(" volume ");
            if (at != std::string::npos)
                steps.push_back({std::atoi(line.c_str()), std::strtof(line.c_str() + at + 8, nullptr)});
        }
        return steps;
    }
    int32_t timeOf(const std::string& what) {
        for (const std::string& line : backEnd->log.lines())
            if (line.find(what) != std::string::npos) return std::atoi(line.c_str());
        return -1;
    }

    SoundPlayer player;
    MusicCrossFader fader;
    float music = 0, effects = 0;
};

TEST_F(MusicCrossFaderTest, GameOverFadesTheGameMusicAndAsksForTheTitleLater) {
    fader.currentState = kMusicInGame;
    fader.musicOn = true;
    player.musicState = kMusicInGame;
    ask(kMusicGameOver);
    waitForTheChange();
    std::vector<VolumeStep> steps = volumes();
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front().time, 400);                  // 400 ms wait
    EXPECT_NEAR(steps.front().volume, music, 1e-3);
    EXPECT_EQ(timeOf("load gameover.ogg 0.001"), 800);  // 400 ms fade, then the jingle at once
    for (const VolumeStep& s : steps)
        if (s.time < 800) {
            EXPECT_NEAR(s.volume, music * (800 - s.time) / 400.0f, 1e-3);
        }
    EXPECT_NEAR(steps.back().volume, effects, 1e-3);     // at the effects level, no rise
    EXPECT_EQ(steps.back().time, 800);
    EXPECT_EQ(gScheduled.kind, 1);
    EXPECT_EQ(gScheduled.delayMs, 3500);
    EXPECT_EQ(fader.currentState, kMusicGameOver);
    EXPECT_TRUE(fader.musicOn);
}

TEST_F(MusicCrossFaderTest, LeavingGameOverWaitsASecondThenRisesToTheTitle) {
    fader.currentState = kMusicGameOver;
    fader.musicOn = true;
    player.musicState = kMusicGameOver;
    ask(kMusicTitle);
    waitForTheChange();
    std::vector<VolumeStep> steps = volumes();
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front().time, 1000);
    const int32_t start = timeOf("load kelzo main theme looping part.ogg 0.001");
    EXPECT_EQ(start, 1400);
    // The rise: 20 % of the old level over 300 ms, then on towards full scale, never above the
    // old level, boosted for the title state.
    const float old = effects, boost = 1.02f;
    for (const VolumeStep& s : steps) {
        if (s.time < start) continue;
        int32_t t = s.time - start;
        float curve = t < 300 ? 0.2f * old * t / 300.0f : 0.2f + 0.8f * (t - 300) / 4000.0f;
        if (t < 4300) {
            EXPECT_NEAR(s.volume, std::min(curve, old) * boost, 1e-3) << "at " << t;
        }
    }
    EXPECT_NEAR(steps.back().volume, music * boost, 1e-3);  // settled at the music level
    EXPECT_GE(steps.back().time, start + 300);
    EXPECT_EQ(gScheduled.kind, -1);
    EXPECT_FALSE(fader.isRunning());
}

// The wall clock is a 32-bit millisecond counter that wraps; a change that spans the wrap keeps
// its timeline.
TEST_F(MusicCrossFaderTest, AChangeAcrossTheClockWrapKeepsItsTimeline) {
    const int32_t start = INT32_MAX - 500;
    VirtualClock::now = start;
    fader.currentState = kMusicTitle;
    fader.musicOn = true;
    player.musicState = kMusicTitle;
    ask(kMusicInGame);
    waitForTheChange();
    auto since = [&](int32_t time) { return static_cast<int32_t>(static_cast<uint32_t>(time) - static_cast<uint32_t>(start)); };
    EXPECT_EQ(since(timeOf("load kelzo in-game music.ogg 0.001")), 1000);  // after the whole fade-out
    std::vector<VolumeStep> steps = volumes();
    ASSERT_FALSE(steps.empty());
    float previous = steps.front().volume;
    for (const VolumeStep& s : steps) {
        if (since(s.time) >= 1000) break;
        EXPECT_LE(s.volume, previous) << "at " << since(s.time);  // the fade-out only goes down
        previous = s.volume;
    }
    EXPECT_NEAR(steps.back().volume, music * 1.08f, 1e-3);
    EXPECT_GE(since(steps.back().time), 1300);
}

MusicCrossFader* gFaderUnderTest = nullptr;
void askForTitle() { gFaderUnderTest->request(kMusicTitle); }

TEST_F(MusicCrossFaderTest, ARequestDuringTheFadeOutIsTakenOverAfterIt) {
    fader.currentState = kMusicTitle;
    fader.musicOn = true;
    gFaderUnderTest = &fader;
    VirtualClock::hookTime = 500;  // half-way through the 1000 ms fade-out
    VirtualClock::hook = askForTitle;
    ask(kMusicInGame);
    waitForTheChange();
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"kelzo main theme looping part.ogg"}));
    EXPECT_EQ(timeOf("load"), 1000);
    EXPECT_EQ(fader.currentState, kMusicTitle);
    EXPECT_EQ(fader.handledCounter, fader.requestCounter);
}

TEST_F(MusicCrossFaderTest, ARequestDuringTheRiseFadesTheNewTrackOutAndSwitchesAgain) {
    fader.currentState = kMusicTitle;
    fader.musicOn = false;  // nothing to fade out: the game music starts at once
    gFaderUnderTest = &fader;
    VirtualClock::hookTime = 400;  // in the game music's rise (300 + 500 ms)
    VirtualClock::hook = askForTitle;
    ask(kMusicInGame);
    waitForTheChange();
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"kelzo in-game music.ogg", "kelzo main theme looping part.ogg"}));
    EXPECT_EQ(timeOf("load kelzo in-game music.ogg"), 0);
    // The rise stops at its next step; the fade-out of the game music takes 1000 ms.
    const int32_t switched = timeOf("load kelzo main theme looping part.ogg");
    EXPECT_GE(switched, 1400);
    EXPECT_LE(switched, 1450);
    EXPECT_EQ(fader.currentState, kMusicTitle);
}

TEST_F(MusicCrossFaderTest, ANewRequestAfterTheChangeStartsANewOne) {
    fader.musicOn = false;
    ask(kMusicTitle);
    waitForTheChange();
    backEnd->log.clear();
    ask(kMusicInGame);
    waitForTheChange();
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"kelzo in-game music.ogg"}));
    EXPECT_EQ(fader.currentState, kMusicInGame);
}

TEST_F(MusicCrossFaderTest, CancellingTheRampStopsTheRise) {
    fader.musicOn = false;
    gFaderUnderTest = &fader;
    VirtualClock::hookTime = 1000;
    VirtualClock::hook = [] { gFaderUnderTest->cancelRamp(); };
    ask(kMusicTitle);
    waitForTheChange();
    std::vector<VolumeStep> steps = volumes();
    ASSERT_GE(steps.size(), 2u);
    // The last rise step comes before the cancel; then the volume goes straight to its level.
    EXPECT_LE(steps[steps.size() - 2].time, 1000);
    EXPECT_NEAR(steps.back().volume, music * 1.02f, 1e-3);
    EXPECT_EQ(fader.musicFlag(), 0);  // the rise took the cancel and cleared it
}

TEST_F(MusicCrossFaderTest, TheMusicFlagIsTheRampCancelByte) {
    EXPECT_EQ(fader.musicFlag(), 0);
    fader.startOnMainThread = 1;  // not the byte the flag shows
    EXPECT_EQ(fader.musicFlag(), 0);
    fader.startOnMainThread = 0;
    fader.cancelRamp();  // with no rise running it waits for the next one
    EXPECT_EQ(fader.musicFlag(), 1);
    fader.musicOn = false;
    ask(kMusicTitle);
    waitForTheChange();
    EXPECT_EQ(fader.musicFlag(), 0);
}

TEST_F(MusicCrossFaderTest, SuppressedMusicEndsTheChangeAtOnce) {
    backEnd->suppressed = true;
    ask(kMusicInGame);
    waitForTheChange();
    EXPECT_TRUE(backEnd->loads().empty());
    EXPECT_EQ(fader.currentState, 0);
    EXPECT_EQ(fader.handledCounter, 0);
    backEnd->suppressed = false;
    ask(kMusicTitle);  // the fader is free for the next request
    waitForTheChange();
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"kelzo main theme looping part.ogg"}));
}

FakeMusicBackEnd* gBackEndUnderTest = nullptr;

// The change gives up on the suppressed music; just then the suppression ends and the title is
// asked for. The request finds the change still active and leaves it the work: the change must
// not end without it.
TEST_F(MusicCrossFaderTest, ARequestAsAChangeGivesUpIsNotLost) {
    backEnd->suppressed = true;
    gFaderUnderTest = &fader;
    gBackEndUnderTest = backEnd;
    backEnd->onSuppressionAsked = [] {
        gBackEndUnderTest->suppressed = false;
        gFaderUnderTest->request(kMusicTitle);
    };
    ask(kMusicInGame);
    waitForTheChange();
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"kelzo main theme looping part.ogg"}));
    EXPECT_EQ(fader.currentState, kMusicTitle);
    EXPECT_EQ(fader.handledCounter, fader.requestCounter);
}

TEST_F(MusicCrossFaderTest, TheGameOverTrackPlaysAtTheEffectsLevel) {
    Settings record;
    record.sliderA = 0.3f;  // effects
    record.sliderB = 0.9f;  // music
    gSettings = &record;
    fader.currentState = kMusicTitle;
    fader.musicOn = true;
    player.musicState = kMusicTitle;
    ask(kMusicGameOver);
    waitForTheChange();
    gSettings = nullptr;
    std::vector<VolumeStep> steps = volumes();
    ASSERT_FALSE(steps.empty());
    EXPECT_NEAR(steps.front().volume, 0.9f, 1e-3);  // the title fades from the music level
    EXPECT_NEAR(steps.back().volume, 0.3f, 1e-3);
}

TEST_F(MusicCrossFaderTest, WithTheMusicOffAndSilentARequestDoesNothing) {
    Settings record;
    record.sliderB = 0.0f;
    gSettings = &record;
    fader.musicOn = false;
    ask(kMusicInGame);
    waitForTheChange();
    gSettings = nullptr;
    EXPECT_TRUE(backEnd->loads().empty());
    EXPECT_TRUE(volumes().empty());
    EXPECT_EQ(fader.currentState, 0);
    EXPECT_EQ(fader.handledCounter, 0);
}

TEST_F(MusicCrossFaderTest, TurningTheMusicDownToZeroClearsIt) {
    Settings record;
    record.sliderB = 0.0f;
    gSettings = &record;
    fader.currentState = kMusicTitle;
    fader.musicOn = true;
    ask(kMusicInGame);
    waitForTheChange();
    gSettings = nullptr;
    EXPECT_TRUE(backEnd->loads().empty());
    EXPECT_GE(backEnd->log.count("1000 unload"), 1);  // cleared after its fade-out
    EXPECT_FALSE(fader.musicOn);
}

TEST_F(MusicCrossFaderTest, AfterShutDownBeganRequestsChangeNothing) {
    fader.disable();
    ask(kMusicInGame);
    EXPECT_FALSE(fader.isRunning());
    EXPECT_EQ(fader.requestCounter, 0);
    EXPECT_TRUE(backEnd->loads().empty());
}

TEST_F(MusicCrossFaderTest, FrameStepStartsAHeldBackTrackOnTheMainThread) {
    fader.currentState = kMusicInGame;
    fader.frameStep();
    EXPECT_TRUE(backEnd->loads().empty());
    fader.startOnMainThread = 1;
    fader.frameStep();
    EXPECT_EQ(backEnd->loads(), std::vector<std::string>({"kelzo in-game music.ogg"}));
    EXPECT_EQ(backEnd->log.count("0 load kelzo in-game music.ogg 0.001"), 1);
    EXPECT_EQ(fader.startOnMainThread, 0);
    EXPECT_TRUE(fader.musicOn);
}

}  // namespace
