#pragma once

#include "Core/Mutex.h"
#include "Core/Thread.h"

#include <atomic>
#include <cstdint>

// Changes the music when the music state changes (0 in game, 1 title, 2 game over): fades the
// old track out, starts the new one nearly silent and brings it up along a curve chosen by the
// state, on a thread of its own that is started for one change and ends once the music has
// settled. A newer request during a change makes the thread start over with it.
class MusicCrossFader : public Thread {
public:
    // Wall-clock time and sleeping, replaceable so that a change can be followed step by step.
    struct Clock {
        int32_t (*nowMs)();
        void (*sleepMs)(int ms);
    };
    // Queues a timed event of the application (kind, due in delayMs on the game clock). The game
    // shell installs one that takes its frame lock, since its frame walks the same events.
    using EventScheduler = void (*)(int kind, int delayMs);

    MusicCrossFader();
    ~MusicCrossFader() override;

    void request(int state);
    // Application shut-down: every later request is ignored.
    void disable();
    void playMusicForState(float volume);
    // Once per frame on the main thread.
    void frameStep();
    void applyRequestNow(float volume);
    // Stops a running rise from raising the volume further (the music slider was touched).
    void cancelRamp();

    void setClock(const Clock& clock);
    void setEventScheduler(EventScheduler scheduler);
    // The ramp-cancel byte: 1 from cancelRamp until a running rise has seen it and cleared it.
    uint8_t musicFlag();

    std::atomic<int> requestedState{0};
    std::atomic<int> requestCounter{0};
    Mutex mutex;      // requests, their take-over, disabled, and the hand-over at the end
    Mutex rampMutex;  // held during each step of the rise; guards rampCancel
    std::atomic<uint8_t> startOnMainThread{0};
    std::atomic<int> currentState{0};
    std::atomic<int> handledCounter{0};
    std::atomic<float> currentVolume{-1.0f};
    std::atomic<bool> disabled{false};
    std::atomic<bool> musicOn{false};
    uint8_t rampCancel = 0;

protected:
    void run() override;

private:
    bool change();
    bool fadeOut();
    bool rise(float level, float target);
    bool sleepChecked(int ms);
    void takeOverRequest();
    static float levelOf(int state, float musicLevel, float effectsLevel);

    bool active = false;  // a change is under way (guarded by mutex)
    Clock clock;
    EventScheduler scheduleEvent = nullptr;
};

extern MusicCrossFader gMusicCrossFader;
