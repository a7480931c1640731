#include "sound/SDLMixerSoundManager.h"

#include "Core/Log.h"

uint8_t mixerVolume(float volume) {
    float units = volume * 128.0f;
    if (!(units > 0.0f)) return 0;  // also NaN
    if (units > 255.0f) return 255;
    return static_cast<uint8_t>(static_cast<int>(units));
}

SoundManager::SoundManagerImplI* createSDLMixerSoundManager() { return new SDLMixerSoundManager(); }

SDLMixerSoundManager::~SDLMixerSoundManager() { releaseMusic(); }

Sound::SoundImplI* SDLMixerSoundManager::createSoundImpl(const String&, const String&) { return new SDLMixerSound(); }

void SDLMixerSoundManager::loadMusic(const String& name, const String& ext, float newVolume) {
    unloadMusic();
    MutexLock lock(&mutex);
    pendingFile = name;
    pendingFile += ".";
    pendingFile += ext;
    setMusicVolume(newVolume);
}

void SDLMixerSoundManager::setMusicVolume(float newVolume) {
    MutexLock lock(&mutex);
    volume = newVolume;
    if (music)
        Mix_VolumeMusic(mixerVolume(volume));
    else
        volumePending = true;
}

void SDLMixerSoundManager::playMusic() {
    MutexLock lock(&mutex);
    if (!music) {
        playPending = true;
    } else if (Mix_PausedMusic()) {
        Mix_ResumeMusic();
    } else {
        Mix_HaltMusic();
        Mix_PlayMusic(music, 0);  // once: repeats are the playlist's business
    }
}

void SDLMixerSoundManager::stopMusic() {
    MutexLock lock(&mutex);
    if (music)
        Mix_HaltMusic();
    else
        playPending = false;
}

void SDLMixerSoundManager::pauseMusic() {
    MutexLock lock(&mutex);
    if (music)
        Mix_PauseMusic();
    else
        playPending = false;
}

void SDLMixerSoundManager::freeMusic() {
    if (!music) return;
    Mix_HaltMusic();
    Mix_FreeMusic(music);
    music = nullptr;
}

void SDLMixerSoundManager::unloadMusic() {
    MutexLock lock(&mutex);
    if (!pendingFile.isEmpty())
        pendingFile = String();  // the pending load is cancelled; loaded music plays on
    else
        freeMusic();
}

bool SDLMixerSoundManager::isMusicPlaying() {
    MutexLock lock(&mutex);
    return Mix_PlayingMusic() != 0 || !pendingFile.isEmpty();
}

bool SDLMixerSoundManager::hasMusic() {
    MutexLock lock(&mutex);
    return music != nullptr;
}

void SDLMixerSoundManager::init() {
    MutexLock lock(&mutex);
    music = nullptr;
    playPending = false;
    volumePending = false;
}

void SDLMixerSoundManager::releaseMusic() {
    MutexLock lock(&mutex);
    freeMusic();
}

void SDLMixerSoundManager::update() {
    MutexLock lock(&mutex);
    if (!pendingFile.isEmpty()) {
        freeMusic();
        music = Mix_LoadMUS(pendingFile.c_str());
        if (!music && pendingFile != lastFailedFile) {
            logPrintf("ERR", "sound: cannot load music \"%s\": %s", pendingFile.c_str(), Mix_GetError());
            lastFailedFile = pendingFile;
        }
        Mix_VolumeMusic(mixerVolume(volume));
        pendingFile = String();
    }
    if (playPending && music) {
        playPending = false;
        playMusic();
    }
    if (volumePending && music) {
        volumePending = false;
        Mix_VolumeMusic(mixerVolume(volume));
    }
}

bool SDLMixerSoundManager::isMusicSuppressed(float) { return false; }

SDLMixerSound::~SDLMixerSound() { unload(); }

void SDLMixerSound::load(const String& name, const String& ext, float volume, bool) {
    unload();
    channel = -1;
    String path = name;
    path += ".";
    path += ext;
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    chunk = file ? Mix_LoadWAV_RW(file, 1) : nullptr;
    if (!chunk) logPrintf("ERR", "sound: cannot load effect \"%s\": %s", path.c_str(), Mix_GetError());
    setVolume(volume);
}

void SDLMixerSound::unload() {
    if (!chunk) return;
    if (ownsChannel()) {
        // Halting also drops the channel's effect, whose data pointer is about to go.
        Mix_HaltChannel(channel);
        Mix_UnregisterAllEffects(channel);
    }
    Mix_FreeChunk(chunk);
    chunk = nullptr;
    channel = -1;
}

bool SDLMixerSound::ownsChannel() const { return chunk && channel != -1 && Mix_GetChunk(channel) == chunk; }

void SDLMixerSound::setVolume(float volume) {
    if (chunk) Mix_VolumeChunk(chunk, mixerVolume(volume));
}

void SDLMixerSound::stop() {
    if (ownsChannel()) Mix_HaltChannel(channel);
}

void SDLMixerSound::startOn(int wanted) {
    int got = Mix_PlayChannelTimed(wanted, chunk, 0, -1);
    if (got == -1) return;  // no free channel: the next play tries again
    channel = got;
    // The mixer drops a channel's effects whenever its sample ends or is halted, so the filters
    // are registered again for every start.
    Mix_RegisterEffect(channel, mixFilterEffect, nullptr, owner);
}

void SDLMixerSound::play() {
    if (!chunk) return;
    if (!ownsChannel()) {
        startOn(-1);
    } else if (Mix_Paused(channel)) {
        Mix_Resume(channel);
    } else {
        startOn(channel);
    }
}

void SDLMixerSound::pause() {
    if (ownsChannel()) Mix_Pause(channel);
}

bool SDLMixerSound::isPlaying() { return ownsChannel() && Mix_Playing(channel) != 0; }

void mixFilterEffect(int, void* stream, int length, void* sound) {
    if (sound) static_cast<Sound*>(sound)->runFilters(stream, length);
}
