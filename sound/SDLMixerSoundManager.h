#pragma once

#include "Core/Mutex.h"
#include "Core/String.h"
#include "sound/Sound.h"
#include "sound/SoundManager.h"

#include <SDL/SDL_mixer.h>
#include <cstdint>

// Mixer volume units: the integer part of volume x 128 as an unsigned byte (1.0 gives 128,
// 1.08 gives 138, which the mixer caps at 128). Out-of-range volumes are held to 0..255 first,
// so a negative or huge volume cannot wrap round to a loud one.
uint8_t mixerVolume(float volume);

// Music over SDL_mixer. Loads are deferred: callers record the file, and the sound manager's
// worker loads it in update(), so that no slow file read happens on the main thread.
class SDLMixerSoundManager : public SoundManager::SoundManagerImplI {
public:
    ~SDLMixerSoundManager() override;
    Sound::SoundImplI* createSoundImpl(const String& name, const String& ext) override;
    void loadMusic(const String& name, const String& ext, float volume) override;
    void setMusicVolume(float volume) override;
    void playMusic() override;
    void stopMusic() override;
    void pauseMusic() override;
    void unloadMusic() override;
    bool isMusicPlaying() override;
    void init() override;
    void releaseMusic() override;
    void update() override;
    bool isMusicSuppressed(float volume) override;

    bool hasMusic();

private:
    void freeMusic();

    Mix_Music* music = nullptr;
    String pendingFile;
    bool playPending = false;
    bool volumePending = false;
    Mutex mutex;
    float volume = 1.0f;
    String lastFailedFile;  // reported once, not on every retry
};

// One effect sample on a mixing channel. A channel is the sound's only while it still holds the
// sound's sample: once the sample has ended, another sound may take the channel, and this one
// then asks the mixer for a free channel again instead of cutting the other off.
class SDLMixerSound : public Sound::SoundImplI {
public:
    ~SDLMixerSound() override;
    void load(const String& name, const String& ext, float volume, bool prepareFlag) override;
    void unload() override;
    void prepare() override {}
    void update() override {}
    void setVolume(float volume) override;
    void stop() override;
    void play() override;
    void pause() override;
    void reserved() override {}
    bool isPlaying() override;

    bool isLoaded() const { return chunk != nullptr; }
    int channelNumber() const { return channel; }

private:
    bool ownsChannel() const;
    void startOn(int wanted);

    Mix_Chunk* chunk = nullptr;
    int channel = -1;
};

SoundManager::SoundManagerImplI* createSDLMixerSoundManager();

// The mixer's effect function: runs the sound's filters over the channel's samples.
void mixFilterEffect(int channel, void* stream, int length, void* sound);
