#include "sound/Sound.h"

#include "Core/GameClock.h"
#include "sound/SoundManager.h"

#include <cstdlib>

ADJSoundFilter::~ADJSoundFilter() { std::free(buffer); }

int ADJSoundFilter::process(void*, int, int, int) { return 1; }

namespace {

int32_t addMs(int32_t time, int32_t ms) { return static_cast<int32_t>(static_cast<uint32_t>(time) + static_cast<uint32_t>(ms)); }

}  // namespace

bool Sound::effectsEnabled() { return gSoundManager == nullptr || gSoundManager->areEffectsEnabled(); }

Sound::Sound(SoundImplI* backEnd, const String& fileName, const String& fileExtension, float startVolume,
             bool prepare)
    : impl(backEnd), prepareFlag(prepare), volume(startVolume), name(fileName), extension(fileExtension) {
    impl->owner = this;
    if (effectsEnabled()) {
        impl->load(name, extension, volume, prepareFlag);
        impl->setVolume(volume);
    }
}

Sound::~Sound() {
    // Out of the worker's list first, so that no pass reaches the back end being freed.
    if (gSoundManager) gSoundManager->removeSound(this);
    impl->unload();
    delete impl;
}

void Sound::retain() { ++refCount; }

void Sound::release() {
    if (--refCount == 0) delete this;
}

void Sound::stopInBackEnd() {
    if (effectsEnabled()) {
        impl->stop();
        impl->setVolume(volume);
    }
}

void Sound::reset() {
    MutexLock lock(&stateMutex);
    stopInBackEnd();
    stopped = true;
    fadingIn = fadingOut = false;
    lastStart = -1;
}

void Sound::play(bool restart, int delayMs) {
    if (!effectsEnabled()) return;
    MutexLock lock(&stateMutex);
    int32_t now = gGameClock.running();
    bool playing = impl->isPlaying();
    if (playing && !restart) return;
    if ((restart || playing) && lastStart != -1 && gameTimeDiff(now, lastStart) <= delayMs) return;
    impl->stop();
    impl->setVolume(volume);
    fadingIn = fadingOut = false;
    lastStart = -1;
    if (prepareFlag && !started) impl->prepare();
    stopped = false;
    lastStart = now;
    impl->setVolume(volume);
    if (!restart && delayMs != 0) {
        delayedStart = addMs(now, delayMs);
        return;
    }
    impl->play();
    started = true;
}

void Sound::pause() {
    MutexLock lock(&stateMutex);
    if (effectsEnabled()) impl->pause();
    stopped = true;
    lastStart = -1;
}

bool Sound::isPlaying() {
    MutexLock lock(&stateMutex);
    return effectsEnabled() && impl->isPlaying();
}

void Sound::setLoop(bool on) { loop = on; }

bool Sound::isLooping() const { return loop; }

void Sound::setVolume(float newVolume) {
    MutexLock lock(&stateMutex);
    if (effectsEnabled()) impl->setVolume(newVolume);
    volume = newVolume;
    fadingIn = fadingOut = false;
}

void Sound::restoreVolume() {
    MutexLock lock(&stateMutex);
    if (effectsEnabled()) impl->setVolume(volume);
    fadingIn = fadingOut = false;
}

float Sound::storedVolume() {
    MutexLock lock(&stateMutex);
    return volume;
}

void Sound::fadeIn(int durationMs) {
    MutexLock lock(&stateMutex);
    if (effectsEnabled()) impl->setVolume(0.0f);
    fadingIn = true;
    fadingOut = false;
    fadeDuration = durationMs;
    fadeStart = gGameClock.running();
}

void Sound::fadeOut(int durationMs) {
    MutexLock lock(&stateMutex);
    if (effectsEnabled()) impl->setVolume(volume);
    fadingIn = false;
    fadingOut = true;
    fadeDuration = durationMs;
    fadeStart = gGameClock.running();
}

void Sound::setFilter(SoundFilterI* filter) {
    MutexLock lock(&mutex);
    filters.clear();
    if (filter) filters.append(filter);
}

void Sound::addFilter(SoundFilterI* filter) {
    MutexLock lock(&mutex);
    filters.append(filter);
}

void Sound::runFilters(void* stream, int length) {
    MutexLock lock(&mutex);
    for (SoundFilterI* filter : filters) filter->process(stream, length, 2, 4);
}

void Sound::update() {
    if (!effectsEnabled()) return;
    MutexLock lock(&stateMutex);
    int32_t now = gGameClock.running();
    if (delayedStart != -1 && gameTimeDiff(now, delayedStart) >= 0) {
        delayedStart = -1;
        impl->play();
        started = true;
    }
    if (prepareFlag && impl->isPlaying()) impl->update();
    if (loop && started && !stopped && delayedStart == -1 && !impl->isPlaying()) {
        impl->stop();
        impl->setVolume(volume);
        lastStart = -1;
        fadingIn = fadingOut = false;
        stopped = true;
        play(false, 0);
    }
    float elapsed = static_cast<float>(gameTimeDiff(now, fadeStart));
    float duration = fadeDuration > 0 ? static_cast<float>(fadeDuration) : 1.0f;
    if (fadingIn) {
        float v = elapsed / duration * volume;
        if (v >= volume) {
            v = volume;
            fadingIn = false;
        }
        impl->setVolume(v);
    } else if (fadingOut) {
        float v = (1.0f - elapsed / duration) * volume;
        if (v <= 0.0f) {
            fadingOut = false;
            stopped = true;
            impl->stop();
            v = volume;
        }
        impl->setVolume(v);
    }
}

void Sound::loadBackEnd() {
    MutexLock lock(&stateMutex);
    impl->load(name, extension, volume, prepareFlag);
}

void Sound::unloadBackEnd() {
    MutexLock lock(&stateMutex);
    stopped = true;
    fadingIn = fadingOut = false;
    lastStart = -1;
    impl->unload();
}
