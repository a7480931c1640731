#include "sound/MusicCrossFader.h"

#include "Core/GameClock.h"
#include "sound/SoundFiles.h"
#include "sound/SoundManager.h"
#include "sound/SoundPlayer.h"
#include "sound/SoundSettings.h"

#include <algorithm>

MusicCrossFader gMusicCrossFader;

namespace {

const int kFaderPriority = 15;
const int kStepMs = 25;
const int kMainThreadPollMs = 30;
const int kTitleReturnEvent = 1;     // the application's timed event that asks for the title music
const int kTitleReturnDelayMs = 3500;
const float kStartVolume = 0.001f;   // a new track starts nearly silent

// Per new state: wait before the rise, and the rise.
const float kRiseDelay[] = {300, 300, 0};
const float kRiseLength[] = {500, 4000, 0};

const char* const kStateFiles[] = {"kelzo in-game music", "kelzo main theme looping part", "gameover"};

int32_t wallNow() { return static_cast<int32_t>(GameClock::wallMs()); }

// Milliseconds from `then` to `now` on the wrapping 32-bit wall clock.
int32_t msSince(int32_t now, int32_t then) {
    return static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(then));
}

float boosted(float volume) { return gSoundPlayer ? volume * gSoundPlayer->musicBoost() : volume; }

bool suppressed(float volume) { return gSoundManager && gSoundManager->isMusicSuppressed(volume); }

}  // namespace

MusicCrossFader::MusicCrossFader() : Thread("MusicCrossFader"), clock{wallNow, Thread::sleepMs} {}

MusicCrossFader::~MusicCrossFader() { stopAndWait(); }

void MusicCrossFader::setClock(const Clock& c) { clock = c; }

void MusicCrossFader::setEventScheduler(EventScheduler scheduler) { scheduleEvent = scheduler; }

void MusicCrossFader::request(int state) {
    MutexLock lock(&mutex);
    if (disabled) return;
    requestedState = state;
    ++requestCounter;
    if (active) return;  // the running change picks the request up
    // A change that has just handed over may still be returning: wait for it to end.
    if (isRunning()) stopAndWait();
    active = start(kFaderPriority, 1);
}

void MusicCrossFader::disable() {
    MutexLock lock(&mutex);
    disabled = true;
}

void MusicCrossFader::cancelRamp() {
    MutexLock lock(&rampMutex);
    rampCancel = 1;
}

uint8_t MusicCrossFader::musicFlag() {
    MutexLock lock(&rampMutex);
    return rampCancel;
}

void MusicCrossFader::playMusicForState(float volume) {
    if (!gSoundManager) return;
    int state = currentState;
    if (state >= 0 && state <= 2 && !suppressed(volume)) {
        gSoundManager->setMusic(kStateFiles[state], kMusicExtension, volume);
        musicOn = true;
    }
    gSoundManager->resumeMusic();
}

void MusicCrossFader::frameStep() {
    if (!startOnMainThread) return;
    playMusicForState(kStartVolume);
    startOnMainThread = 0;
}

void MusicCrossFader::takeOverRequest() {
    MutexLock lock(&mutex);
    currentState = requestedState.load();
    handledCounter = requestCounter.load();
}

void MusicCrossFader::applyRequestNow(float volume) {
    if (suppressed(volume)) return;
    takeOverRequest();
    playMusicForState(volume);
}

float MusicCrossFader::levelOf(int state, float musicLevel, float effectsLevel) {
    return state == kMusicGameOver ? effectsLevel : musicLevel;
}

bool MusicCrossFader::sleepChecked(int ms) {
    clock.sleepMs(ms);
    return !isStopRequested();
}

void MusicCrossFader::run() {
    for (;;) {
        const int askedBefore = requestCounter;
        if (change()) return;
        MutexLock lock(&mutex);
        // A request that came while this change was ending saw it active and left the work to
        // it: change again for it. Only a request newer than this change's start counts, so a
        // change that stops without taking its request over (music suppressed or silent) is
        // not repeated for nothing.
        const int asked = requestCounter;
        if (asked == handledCounter || asked == askedBefore || isStopRequested() || disabled) {
            active = false;
            return;
        }
    }
}

// One change. True when it has handed over (the change is no longer active and a new request
// starts a new thread, so it must not take the mutex again); false when it ended otherwise.
bool MusicCrossFader::change() {
    if (!gSoundManager || suppressed(1.0f)) return false;
    const float musicLevel = settingsMusicVolume();
    const float effectsLevel = settingsEffectsVolume();
    const float target = levelOf(requestedState, musicLevel, effectsLevel);
    if (!musicOn && target == 0.0f) return false;
    const float level = levelOf(currentState, musicLevel, effectsLevel);
    currentVolume = level;
    for (;;) {
        if (isStopRequested()) return false;
        if (musicOn && !fadeOut()) return false;
        if (requestedState == kMusicGameOver) {
            if (scheduleEvent) scheduleEvent(kTitleReturnEvent, kTitleReturnDelayMs);
            gSoundManager->setMusicVolume(boosted(target));
            currentVolume = target;
        }
        if (target <= 0.0f) {
            gSoundManager->clearMusic();
        } else {
            if (!suppressed(1.0f)) {
                takeOverRequest();
                playMusicForState(kStartVolume);
            }
            if (requestedState == kMusicGameOver && gSoundPlayer) gSoundPlayer->setMusicVolume(target);
            while (startOnMainThread)
                if (!sleepChecked(kMainThreadPollMs)) return false;
        }
        if (requestedState == kMusicGameOver || target <= 0.0f) return false;
        if (isStopRequested()) return false;
        if (!rise(level, target)) return false;
        MutexLock lock(&mutex);
        if (requestCounter == handledCounter) {
            currentVolume = target;
            if (gSoundPlayer) gSoundPlayer->setMusicVolume(target);
            active = false;
            return true;
        }
        // A newer request came: fade out what was just started and switch again.
    }
}

bool MusicCrossFader::fadeOut() {
    const float from = currentVolume;
    int waitMs = 0, fadeMs = 1000;
    if (requestedState == kMusicGameOver) {
        waitMs = 400;
        fadeMs = 400;
    } else if (currentState == kMusicGameOver) {
        waitMs = 1000;
        fadeMs = 400;
    }
    clock.sleepMs(waitMs);
    const int32_t t0 = clock.nowMs();
    for (int32_t elapsed = 0; elapsed < fadeMs; elapsed = msSince(clock.nowMs(), t0)) {
        if (isStopRequested()) return false;
        float v = std::max(0.0f, from * static_cast<float>(fadeMs - elapsed) / fadeMs);
        currentVolume = v;
        gSoundManager->setMusicVolume(v);
        if (v == 0.0f) gSoundManager->clearMusic();
        clock.sleepMs(kStepMs);
    }
    musicOn = false;
    return !isStopRequested();
}

bool MusicCrossFader::rise(float level, float target) {
    const int state = currentState;
    const float delay = state >= 0 && state <= 2 ? kRiseDelay[state] : 0.0f;
    const float length = state >= 0 && state <= 2 ? kRiseLength[state] : 0.0f;
    if (delay == 0.0f && length == 0.0f) return true;
    const int32_t t0 = clock.nowMs();
    for (int32_t t = 0; t < delay + length; t = msSince(clock.nowMs(), t0)) {
        {
            MutexLock lock(&rampMutex);
            if (isStopRequested()) return false;
            if (requestCounter != handledCounter) return true;
            if (rampCancel) {
                rampCancel = 0;
                return true;
            }
            float v = t < delay ? 0.2f * level * t / delay : 0.2f + 0.8f * (t - delay) / length;
            v = std::min(v, level);
            currentVolume = v;
            if (v > target) return true;
            gSoundManager->setMusicVolume(boosted(v));
        }
        clock.sleepMs(kStepMs);
    }
    return true;
}
