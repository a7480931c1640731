#pragma once

#include "Core/Array.h"
#include "Core/Mutex.h"
#include "Core/String.h"

#include <atomic>
#include <cstdint>

// Processes a playing sound's samples in place on the mixer's audio thread.
class SoundFilterI {
public:
    virtual ~SoundFilterI() {}
    // stream: the channel's buffer, length in bytes; 2 channels, 4 bytes per frame.
    virtual int process(void* stream, int length, int channels, int bytesPerFrame) = 0;
};

// A filter that leaves the samples as they are.
class ADJSoundFilter : public SoundFilterI {
public:
    ~ADJSoundFilter() override;
    int process(void* stream, int length, int channels, int bytesPerFrame) override;

private:
    unsigned char* buffer = nullptr;
};

// One loaded sound effect: volume, playing state, delayed start, fades, loop flag and filters.
// Made by SoundManager::createSound, which also updates it on every worker pass. While the
// manager's effects are off no back-end call is made: the sound only keeps its state.
class Sound {
public:
    // The effect's audio back end.
    class SoundImplI {
    public:
        virtual ~SoundImplI() {}
        virtual void load(const String& name, const String& ext, float volume, bool prepareFlag) = 0;
        virtual void unload() = 0;
        virtual void prepare() = 0;
        virtual void update() = 0;
        virtual void setVolume(float volume) = 0;
        virtual void stop() = 0;
        virtual void play() = 0;
        virtual void pause() = 0;
        virtual void reserved() = 0;
        virtual bool isPlaying() = 0;

        Sound* owner = nullptr;
    };

    Sound(SoundImplI* impl, const String& name, const String& extension, float volume, bool prepareFlag);
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    void retain();
    void release();  // the last release destroys the sound

    void reset();
    // Starts the sound: a playing sound is left alone unless restart is set, and a restart within
    // delayMs of the last start is refused; without restart a delayMs > 0 delays the start.
    void play(bool restart, int delayMs);
    void pause();
    bool isPlaying();
    void setLoop(bool on);
    bool isLooping() const;
    void setVolume(float volume);
    void restoreVolume();
    void fadeIn(int durationMs);
    void fadeOut(int durationMs);
    void setFilter(SoundFilterI* filter);
    void addFilter(SoundFilterI* filter);
    // Runs the filters over a buffer (the mixer's audio thread).
    void runFilters(void* stream, int length);

    // The worker's per-pass step (SoundManager::updateSound).
    void update();
    // Effects turned on or off: the sample is loaded again, or stopped and freed.
    void loadBackEnd();
    void unloadBackEnd();

    const String& fileName() const { return name; }
    const String& fileExtension() const { return extension; }
    float storedVolume();
    int references() const { return refCount; }

private:
    ~Sound();
    static bool effectsEnabled();
    void stopInBackEnd();

    SoundImplI* impl;
    std::atomic<int> refCount{1};
    std::atomic<bool> loop{false};
    // Shared by the main thread (players) and the worker (update): guarded by stateMutex.
    bool fadingIn = false;
    bool fadingOut = false;
    bool stopped = false;
    bool prepareFlag;
    int32_t lastStart = 0;
    int32_t fadeDuration = 0;
    int32_t fadeStart = 0;
    int32_t delayedStart = -1;
    bool started = false;
    float volume;
    String name;
    String extension;
    Mutex stateMutex;
    // The filter list, also read by the audio thread: guarded by mutex alone, which is never
    // held while the mixer is called (the mixer holds its audio lock while it runs filters).
    Mutex mutex;
    Array<SoundFilterI*> filters;
};
