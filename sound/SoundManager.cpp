#include "sound/SoundManager.h"

#include "Core/GameClock.h"
#include "sound/SDLMixerSoundManager.h"

SoundManager* gSoundManager = nullptr;
bool gSoundThreadRunning = false;

namespace {

const int kWorkerPriority = 14;

}  // namespace

SoundManager::SoundManagerThread::~SoundManagerThread() { stop(); }

void SoundManager::SoundManagerThread::stop() {
    {
        MutexLock lock(&mutex);
        stopFlag = true;
    }
    // Joins the worker: it leaves at the end of its current pass.
    stopAndWait();
}

void SoundManager::SoundManagerThread::run() {
    MutexLock lock(&mutex);
    runningFlag = true;
    for (;;) {
        if (stopFlag) break;
        SoundManager* manager = gSoundManager;
        if (manager) manager->tick();
        lock.unlock();
        Thread::sleepMs(kSoundWorkerPauseMs);
        lock.lock();
    }
    runningFlag = false;
}

SoundManager::SoundManager() : impl(createSDLMixerSoundManager()) {
    init();
    if (!gSoundThreadRunning) startThread();
}

SoundManager::SoundManager(SoundManagerImplI* backEnd, bool startWorker) : impl(backEnd) {
    init();
    if (startWorker && !gSoundThreadRunning) startThread();
}

void SoundManager::init() {
    impl->owner = this;
    impl->init();
}

SoundManager::~SoundManager() {
    thread.stop();
    if (workerStarted) gSoundThreadRunning = false;  // a later manager must start its own worker
    for (;;) {
        Sound* sound = nullptr;
        {
            MutexLock lock(&listMutex);
            if (sounds.isEmpty()) break;
            sound = sounds[0];
            sounds.removeAt(0);
        }
        while (sound->references() > 1) sound->release();
        sound->release();
    }
    impl->releaseMusic();
    delete impl;
}

Sound* SoundManager::createSound(const String& name, const String& ext, float volume, bool prepareFlag) {
    Sound* sound = new Sound(impl->createSoundImpl(name, ext), name, ext, volume, prepareFlag);
    MutexLock lock(&listMutex);
    sounds.append(sound);
    return sound;
}

void SoundManager::removeSound(Sound* sound) {
    MutexLock lock(&listMutex);
    for (int i = 0; i < sounds.size(); ++i) {
        if (sounds[i] == sound) {
            sounds.removeAt(i);
            return;
        }
    }
}

int SoundManager::soundCount() {
    MutexLock lock(&listMutex);
    return sounds.size();
}

void SoundManager::setEffectsVolume(float volume) {
    MutexLock lock(&listMutex);
    for (Sound* sound : sounds) sound->setVolume(volume);
}

void SoundManager::setEffectsEnabled(bool on) {
    effectsEnabled = on;
    if (on == effectsApplied) return;
    MutexLock lock(&listMutex);
    for (Sound* sound : sounds) {
        if (on)
            sound->loadBackEnd();
        else
            sound->unloadBackEnd();
    }
    effectsApplied = on;
}

void SoundManager::emptyPlaylist() { playlist.clear(); }

void SoundManager::setMusic(const String& name, const String& ext, float volume) {
    MutexLock lock(&mutex);
    currentIndex = 0;
    emptyPlaylist();
    if (musicEnabled) impl->loadMusic(name, ext, volume);
    queueMusic(name, ext, volume);
}

void SoundManager::queueMusic(const String& name, const String& ext, float volume) {
    MutexLock lock(&mutex);
    MusicEntry entry;
    entry.name = name;
    entry.extension = ext;
    entry.volume = volume;
    playlist.append(entry);
    fading = false;
}

void SoundManager::setPlaylistRepeat(bool repeatLastEntry, bool loopWholeList) {
    MutexLock lock(&mutex);
    repeatLast = repeatLastEntry;
    loopAll = loopWholeList;
}

void SoundManager::clearMusic() {
    MutexLock lock(&mutex);
    musicStopped = true;
    fading = false;
    if (musicEnabled) impl->unloadMusic();
    emptyPlaylist();
}

void SoundManager::resumeMusic() {
    if (!musicEnabled) return;
    MutexLock lock(&mutex);
    fading = false;
    musicStopped = false;
    impl->playMusic();
}

void SoundManager::pauseMusic() {
    if (!musicEnabled) return;
    MutexLock lock(&mutex);
    fading = false;
    musicStopped = true;
    impl->pauseMusic();
}

void SoundManager::stopMusic() {
    if (!musicEnabled) return;
    MutexLock lock(&mutex);
    fading = false;
    musicStopped = true;
    impl->stopMusic();
}

void SoundManager::setMusicVolume(float volume) {
    MutexLock lock(&mutex);
    if (musicEnabled) impl->setMusicVolume(volume);
    if (currentIndex < playlist.size()) playlist[currentIndex].volume = volume;
}

bool SoundManager::currentEntry(MusicEntry& out) {
    MutexLock lock(&mutex);
    if (currentIndex >= playlist.size()) return false;
    out = playlist[currentIndex];
    return true;
}

void SoundManager::crossFadeTo(const String& name, const String& ext, int delayMs, int durationMs, float volume) {
    if (!musicEnabled) return;
    MutexLock lock(&mutex);
    if (playlist.isEmpty()) return;
    MusicEntry current = playlist[currentSlot()];
    emptyPlaylist();
    playlist.append(current);
    currentIndex = 0;
    requestedMusic.name = name;
    requestedMusic.extension = ext;
    requestedMusic.volume = volume;
    fadeStart = static_cast<int32_t>(static_cast<uint32_t>(gGameClock.running()) + static_cast<uint32_t>(delayMs));
    fadeDuration = durationMs;
    fading = true;
    fadeOutPhase = true;
}

void SoundManager::setMusicEnabled(bool value) { musicEnabled = value; }

bool SoundManager::isMusicSuppressed(float volume) { return impl->isMusicSuppressed(volume); }

void SoundManager::stopThread() {
    if (!gSoundThreadRunning) return;
    thread.stop();
    gSoundThreadRunning = false;
}

void SoundManager::startThread() {
    if (gSoundThreadRunning) return;
    {
        MutexLock lock(&thread.mutex);
        thread.stopFlag = false;
    }
    thread.start(kWorkerPriority, 1);
    gSoundThreadRunning = true;
    workerStarted = true;
}

int SoundManager::currentSlot() const {
    // The playlist can be refilled shorter than the index after clearMusic; the last entry
    // stands in for a position past its end.
    return currentIndex < playlist.size() ? currentIndex : playlist.size() - 1;
}

void SoundManager::startEntry(const MusicEntry& entry) {
    impl->loadMusic(entry.name, entry.extension, entry.volume);
    impl->playMusic();
}

void SoundManager::tick() {
    impl->update();
    {
        MutexLock lock(&mutex);
        if (!impl->isMusicPlaying() && !playlist.isEmpty() && !musicStopped && musicEnabled) {
            int next = currentIndex + 1;
            if (next < playlist.size()) {
                currentIndex = next;
                startEntry(playlist[currentIndex]);
            } else if (loopAll && playlist.size() > 1) {
                currentIndex = 0;
                startEntry(playlist[0]);
            } else if (repeatLast) {
                currentIndex = currentSlot();
                startEntry(playlist[currentIndex]);
            }
        }
        if (fading && musicEnabled) stepFade();
    }
    MutexLock lock(&listMutex);
    for (Sound* sound : sounds) updateSound(sound);
}

void SoundManager::stepFade() {
    int32_t now = gGameClock.running();
    int32_t elapsed = gameTimeDiff(now, fadeStart);
    if (elapsed < 1) return;
    float duration = fadeDuration > 0 ? static_cast<float>(fadeDuration) : 1.0f;
    float v;
    if (fadeOutPhase) {
        float from = playlist.isEmpty() ? 0.0f : playlist[currentSlot()].volume;
        v = (1.0f - elapsed / duration) * from;
        if (v <= 0.0f) {
            fadeOutPhase = false;
            fadeStart = now;
            v = 0.0f;
        }
    } else {
        if (playlist.isEmpty() || playlist[0].name != requestedMusic.name) {
            impl->loadMusic(requestedMusic.name, requestedMusic.extension, requestedMusic.volume);
            impl->playMusic();
            emptyPlaylist();
            playlist.append(requestedMusic);
            currentIndex = 0;
        }
        v = elapsed / duration * requestedMusic.volume;
        if (v >= requestedMusic.volume) {
            v = requestedMusic.volume;
            fading = false;
        }
    }
    impl->setMusicVolume(v);
}

void SoundManager::updateSound(Sound* sound) { sound->update(); }
