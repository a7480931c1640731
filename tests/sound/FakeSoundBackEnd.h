#pragma once

// A recording stand-in for the audio back end, and helpers shared by the sound tests.

#include "Core/GameClock.h"
#include "sound/Sound.h"
#include "sound/SoundManager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

// Everything the fakes were asked, in order, as short texts ("load mouthPop.wav 1.00", "play").
class CallLog {
public:
    void add(const std::string& line);
    std::vector<std::string> lines();
    void clear();
    int count(const std::string& line);

private:
    std::mutex guard;
    std::vector<std::string> entries;
};

std::string volumeText(float volume);

class FakeSound : public Sound::SoundImplI {
public:
    explicit FakeSound(const std::string& fileName) : name(fileName) {}
    void load(const String& name, const String& ext, float volume, bool prepareFlag) override;
    void unload() override { log.add("unload"); }
    void prepare() override { log.add("prepare"); }
    void update() override { log.add("update"); }
    void setVolume(float v) override { volume = v; }
    void stop() override {
        playing = false;
        log.add("stop");
    }
    void play() override {
        playing = true;
        log.add("play");
    }
    void pause() override {
        playing = false;
        log.add("pause");
    }
    void reserved() override {}
    bool isPlaying() override { return playing; }

    std::string name;
    CallLog log;
    std::atomic<bool> playing{false};
    std::atomic<float> volume{-1.0f};
};

// Music calls are logged with the time of a virtual clock when one is given.
class FakeMusicBackEnd : public SoundManager::SoundManagerImplI {
public:
    Sound::SoundImplI* createSoundImpl(const String& name, const String& ext) override;
    void loadMusic(const String& name, const String& ext, float volume) override;
    void setMusicVolume(float volume) override;
    void playMusic() override;
    void stopMusic() override { log.add(stamp() + "stop"); }
    void pauseMusic() override { log.add(stamp() + "pause"); }
    void unloadMusic() override;
    bool isMusicPlaying() override { return musicPlaying; }
    void init() override { log.add("init"); }
    void releaseMusic() override { log.add("release"); }
    void update() override { ++updates; }
    bool isMusicSuppressed(float) override {
        const bool answer = suppressed;
        if (void (*action)() = onSuppressionAsked.exchange(nullptr)) action();
        return answer;
    }

    // The track now playing comes to its end.
    void finishTrack() { musicPlaying = false; }
    // Loaded music file names, in order.
    std::vector<std::string> loads();
    // The back-end object made for a sound file ("mouthPop"); null when none was made.
    FakeSound* sound(const std::string& name);
    // Makes the creation of the named sound wait until open() is called.
    void holdCreation(const std::string& name);
    void open();
    // True while a creation waits at the held name.
    bool isHolding() const { return holding; }

    CallLog log;
    std::atomic<bool> musicPlaying{false};
    std::atomic<bool> loaded{false};
    std::atomic<bool> suppressed{false};
    // Run once when the back end is next asked whether music is suppressed, after the answer
    // was taken: something that happens just as the caller learns it.
    std::atomic<void (*)()> onSuppressionAsked{nullptr};
    std::atomic<int> updates{0};
    std::atomic<bool> holding{false};
    std::atomic<float> volume{-1.0f};
    const std::atomic<int32_t>* virtualNow = nullptr;

private:
    std::string stamp();

    std::mutex guard;
    std::condition_variable gateOpened;
    std::string heldName;
    bool gateOpen = true;
    std::vector<FakeSound*> sounds;  // owned by their Sound
};

// Sets the game clock to a given game time.
void setGameTime(int32_t ms);

// Waits (bounded) until the condition holds; false when it never did.
template <class Condition>
bool waitFor(Condition condition, int timeoutMs = 5000) {
    for (int waited = 0; waited < timeoutMs; ++waited) {
        if (condition()) return true;
        Thread::sleepMs(1);
    }
    return condition();
}

// Wall-clock stand-in for the cross-fader: sleeping moves time on at once, and an action can be
// hooked to the first sleep that reaches a given time.
struct VirtualClock {
    static std::atomic<int32_t> now;
    static int32_t hookTime;
    static void (*hook)();
    static void reset();
    static int32_t nowMs();
    static void sleepMs(int ms);
};

// A sound manager over the fake back end, installed as gSoundManager, at game time 1000.
class FakeSoundManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        setGameTime(1000);
        backEnd = new FakeMusicBackEnd();
        manager = new SoundManager(backEnd, false);
        gSoundManager = manager;
    }
    void TearDown() override {
        delete manager;
        gSoundManager = nullptr;
    }

    FakeMusicBackEnd* backEnd = nullptr;  // owned by the manager
    SoundManager* manager = nullptr;
};
