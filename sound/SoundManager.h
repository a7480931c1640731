#pragma once

#include "Core/Array.h"
#include "Core/Mutex.h"
#include "Core/String.h"
#include "Core/Thread.h"
#include "sound/Sound.h"

#include <atomic>
#include <cstdint>

// One track of the playlist: the file (name without extension, extension) and the volume it is
// loaded at.
struct MusicEntry {
    String name;
    String extension;
    float volume = 0.0f;
};

// The one owner of everything audible: the effect sounds, the music playlist with its repeat
// rules, and the music fade. A worker thread runs tick() over and over; it carries out the back
// end's deferred music loads, moves the playlist on and updates every sound.
// Pause between two worker passes: the worker must not spin a core, and an idle game should
// cost almost nothing; 20 ms is still below what an ear can tell in a delayed start or a fade step.
const int kSoundWorkerPauseMs = 20;

class SoundManager {
public:
    // The audio back end: music, and the making of effect back ends.
    class SoundManagerImplI {
    public:
        virtual ~SoundManagerImplI() {}
        virtual Sound::SoundImplI* createSoundImpl(const String& name, const String& ext) = 0;
        virtual void loadMusic(const String& name, const String& ext, float volume) = 0;
        virtual void setMusicVolume(float volume) = 0;
        virtual void playMusic() = 0;
        virtual void stopMusic() = 0;
        virtual void pauseMusic() = 0;
        virtual void unloadMusic() = 0;
        // True while music plays, and while a load is still pending.
        virtual bool isMusicPlaying() = 0;
        virtual void init() = 0;
        virtual void releaseMusic() = 0;
        // Worker pass: carries out a pending load, play or volume change.
        virtual void update() = 0;
        // True when the platform keeps the game's music silent.
        virtual bool isMusicSuppressed(float volume) = 0;

        SoundManager* owner = nullptr;
    };

    class SoundManagerThread : public Thread {
    public:
        SoundManagerThread() : Thread("SoundManagerThread") {}
        ~SoundManagerThread() override;
        // Asks the worker to leave its loop and waits until it has.
        void stop();

        Mutex mutex;  // held by the worker for a whole pass
        bool stopFlag = false;
        bool runningFlag = false;

    protected:
        void run() override;
    };

    // Opens the SDL_mixer back end and starts the worker.
    SoundManager();
    // With a given back end (owned); the worker is started only when asked.
    SoundManager(SoundManagerImplI* backEnd, bool startWorker);
    ~SoundManager();
    SoundManager(const SoundManager&) = delete;
    SoundManager& operator=(const SoundManager&) = delete;

    // The caller holds the one reference the new sound starts with.
    Sound* createSound(const String& name, const String& ext, float volume, bool prepareFlag);
    void setEffectsVolume(float volume);
    void setEffectsEnabled(bool on);

    void setMusic(const String& name, const String& ext, float volume);
    void queueMusic(const String& name, const String& ext, float volume);
    void setPlaylistRepeat(bool repeatLast, bool loopAll);
    void clearMusic();
    void resumeMusic();
    void pauseMusic();
    void stopMusic();
    void setMusicVolume(float volume);
    // The entry now playing; false when the playlist is empty.
    bool currentEntry(MusicEntry& out);
    void crossFadeTo(const String& name, const String& ext, int delayMs, int durationMs, float volume);
    void setMusicEnabled(bool value);
    bool isMusicSuppressed(float volume);

    void stopThread();
    void startThread();
    void tick();
    void updateSound(Sound* sound);

    bool areEffectsEnabled() const { return effectsEnabled; }
    bool isMusicEnabled() const { return musicEnabled; }
    // Taken out of the list by a sound that is destroyed.
    void removeSound(Sound* sound);
    int soundCount();

private:
    void init();
    void startEntry(const MusicEntry& entry);
    void emptyPlaylist();
    void stepFade();
    int currentSlot() const;

    Array<Sound*> sounds;
    Mutex listMutex;
    Mutex mutex;  // the main lock: playlist, flags and fade state
    Array<MusicEntry> playlist;
    int currentIndex = 0;
    bool repeatLast = false;
    bool loopAll = false;
    bool musicStopped = true;
    bool fading = false;
    bool fadeOutPhase = false;
    std::atomic<bool> effectsEnabled{true};
    std::atomic<bool> musicEnabled{true};
    bool effectsApplied = true;  // the effects state last carried out on the sounds
    bool workerStarted = false;
    int32_t fadeStart = 0;
    int32_t fadeDuration = 0;
    MusicEntry requestedMusic;
    SoundManagerImplI* impl = nullptr;
    SoundManagerThread thread;
};

extern SoundManager* gSoundManager;
// 1 while the worker has been started and not stopped through stopThread (main thread only).
extern bool gSoundThreadRunning;
