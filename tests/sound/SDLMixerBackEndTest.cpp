// The real SDL_mixer back end, on SDL's dummy audio driver, with the files the build made.
#include "FakeSoundBackEnd.h"

#include "sound/SDLMixerSoundManager.h"
#include "sound/SoundFiles.h"
#include "sound/SoundManager.h"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const kEffects[] = {"mouthPop", "beat stage", "kelzo fx hits", "wrong movement", "menu click", "yay",
                                "Kelzo Alarm2", "gameover", "lost life", "hint", "undo"};
const char* const kTunes[] = {"kelzo main theme first part", "kelzo main theme looping part", "kelzo in-game music",
                              "gameover"};

String dataFile(const char* name) { return String((std::string(KELZO_DATA_DIR) + "/" + name).c_str()); }

TEST(MixerVolume, IsTheIntegerPartOfVolumeTimes128) {
    const struct {
        float volume;
        int units;
    } cases[] = {{0.5f, 64}, {1.08f, 138}, {1.0f, 128}, {0.0f, 0}, {0.001f, 0}, {-0.5f, 0}, {3.0f, 255}};
    for (const auto& c : cases) EXPECT_EQ(mixerVolume(c.volume), c.units) << c.volume;
}

class SDLMixerTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO | SDL_INIT_NOPARACHUTE), 0) << SDL_GetError();
        Mix_Init(MIX_INIT_OGG);
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024), 0) << Mix_GetError();
        Mix_AllocateChannels(8);
        setGameTime(1000);
    }
    void TearDown() override {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        // No Mix_Quit: SDL_mixer 1.2's frees its sound-font path but keeps the pointer, which the next
        // Mix_OpenAudio of this test program would read. The game quits the mixer once, at exit.
        SDL_Quit();
    }
};

TEST_F(SDLMixerTest, EveryShippedFileLoadsAndPlays) {
    for (const char* name : kEffects) {
        SCOPED_TRACE(name);
        SDLMixerSound sound;
        sound.load(dataFile(name), kEffectExtension, 1.0f, false);
        ASSERT_TRUE(sound.isLoaded());
        sound.play();
        EXPECT_TRUE(sound.isPlaying());
        sound.stop();
        EXPECT_FALSE(sound.isPlaying());
    }
    for (const char* name : kTunes) {
        SCOPED_TRACE(name);
        SDLMixerSoundManager music;
        music.init();
        music.loadMusic(dataFile(name), kMusicExtension, 0.5f);
        music.playMusic();
        EXPECT_TRUE(music.isMusicPlaying());  // pending: the worker has not loaded it yet
        EXPECT_FALSE(music.hasMusic());
        music.update();
        ASSERT_TRUE(music.hasMusic());
        EXPECT_TRUE(Mix_PlayingMusic());
        EXPECT_EQ(Mix_VolumeMusic(-1), 64);
        music.releaseMusic();
        EXPECT_FALSE(music.isMusicPlaying());
    }
}

TEST_F(SDLMixerTest, OnlyTheLastOfTwoPendingLoadsIsLoaded) {
    SDLMixerSoundManager music;
    music.init();
    music.loadMusic(dataFile(kTunes[0]), kMusicExtension, 0.5f);
    music.loadMusic(dataFile("no such track"), kMusicExtension, 0.5f);
    music.update();
    EXPECT_FALSE(music.hasMusic());
    music.loadMusic(dataFile("no such track"), kMusicExtension, 0.5f);
    music.loadMusic(dataFile(kTunes[1]), kMusicExtension, 0.5f);
    music.update();
    EXPECT_TRUE(music.hasMusic());
}

TEST_F(SDLMixerTest, AMissingTrackReportsNotPlayingSoThePlaylistMovesOn) {
    SDLMixerSoundManager music;
    music.init();
    music.loadMusic(dataFile("no such track"), kMusicExtension, 0.5f);
    music.playMusic();
    music.update();
    EXPECT_FALSE(music.isMusicPlaying());
}

// Whether `line` is an error-log line: "ERR", the " dd/mm/yy hh:mm:ss.mmm " stamp, then the text.
bool isErrorLine(const std::string& line, const std::string& text) {
    const std::string shape = "ERR 99/99/99 99:99:99.999 ";
    if (line.size() < shape.size() || line.compare(shape.size(), text.size(), text) != 0) return false;
    for (size_t i = 0; i < shape.size(); ++i) {
        bool digit = std::isdigit(static_cast<unsigned char>(line[i])) != 0;
        if (shape[i] == '9' ? !digit : line[i] != shape[i]) return false;
    }
    return true;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(SDLMixerTest, LoadFailuresGoToTheErrorLog) {
    const std::string effect = std::string(dataFile("no such effect").c_str()) + "." + kEffectExtension;
    const std::string track = std::string(dataFile("no such track").c_str()) + "." + kMusicExtension;
    testing::internal::CaptureStdout();
    {
        SDLMixerSound sound;
        sound.load(dataFile("no such effect"), kEffectExtension, 1.0f, false);
        SDLMixerSoundManager music;
        music.init();
        for (int i = 0; i < 2; i++) {  // the playlist asks again; one line is enough
            music.loadMusic(dataFile("no such track"), kMusicExtension, 0.5f);
            music.update();
        }
    }
    std::vector<std::string> lines = linesOf(testing::internal::GetCapturedStdout());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(isErrorLine(lines[0], "sound: cannot load effect \"" + effect + "\": ")) << lines[0];
    EXPECT_TRUE(isErrorLine(lines[1], "sound: cannot load music \"" + track + "\": ")) << lines[1];
}

TEST_F(SDLMixerTest, UnloadCancelsAPendingLoad) {
    SDLMixerSoundManager music;
    music.init();
    music.loadMusic(dataFile(kTunes[0]), kMusicExtension, 0.5f);
    music.unloadMusic();
    EXPECT_FALSE(music.isMusicPlaying());
    music.update();
    EXPECT_FALSE(music.hasMusic());
}

TEST_F(SDLMixerTest, AVolumeSetBeforeTheLoadIsAppliedWithIt) {
    SDLMixerSoundManager music;
    music.init();
    music.loadMusic(dataFile(kTunes[2]), kMusicExtension, 0.5f);
    music.setMusicVolume(0.25f);
    music.playMusic();
    music.update();
    ASSERT_TRUE(music.hasMusic());
    EXPECT_EQ(Mix_VolumeMusic(-1), 32);
    music.setMusicVolume(1.08f);  // loaded: at once, capped by the mixer
    EXPECT_EQ(Mix_VolumeMusic(-1), 128);
}

TEST_F(SDLMixerTest, ASoundNeverCutsOffAnotherThatTookItsChannel) {
    Mix_AllocateChannels(1);
    SDLMixerSound first, second;
    first.load(dataFile("beat stage"), kEffectExtension, 1.0f, false);
    second.load(dataFile("yay"), kEffectExtension, 1.0f, false);
    first.play();
    EXPECT_TRUE(first.isPlaying());
    second.play();  // no free channel
    EXPECT_FALSE(second.isPlaying());
    EXPECT_EQ(second.channelNumber(), -1);
    first.stop();
    second.play();  // a later play gets the freed channel
    EXPECT_TRUE(second.isPlaying());
    EXPECT_EQ(second.channelNumber(), 0);
    EXPECT_FALSE(first.isPlaying());  // the channel it had plays another sample now
    first.stop();
    first.pause();
    EXPECT_TRUE(second.isPlaying());
    first.play();  // still no free channel: the other sound plays on
    EXPECT_TRUE(second.isPlaying());
    EXPECT_FALSE(first.isPlaying());
}

struct CallCountingFilter : SoundFilterI {
    int process(void*, int, int, int) override {
        ++calls;
        return 1;
    }
    std::atomic<int> calls{0};
};

TEST_F(SDLMixerTest, TheMixerRunsASoundsFiltersAndTheManagerPlaysMusic) {
    SoundManager manager(createSDLMixerSoundManager(), false);
    gSoundManager = &manager;
    Sound* hint = manager.createSound(dataFile("hint"), kEffectExtension, 1.0f, false);
    CallCountingFilter filter;
    hint->addFilter(&filter);
    hint->reset();
    hint->play(false, 0);
    EXPECT_TRUE(hint->isPlaying());
    EXPECT_TRUE(waitFor([&] { return filter.calls > 0; }));

    manager.setMusic(dataFile(kTunes[0]), kMusicExtension, 0.5f);
    manager.queueMusic(dataFile(kTunes[1]), kMusicExtension, 0.5f);
    manager.setPlaylistRepeat(true, false);
    manager.resumeMusic();
    manager.tick();  // the worker's pass loads and starts the first part
    EXPECT_TRUE(Mix_PlayingMusic());
    MusicEntry entry;
    ASSERT_TRUE(manager.currentEntry(entry));
    EXPECT_EQ(entry.name, dataFile(kTunes[0]));
    // Destroyed while the effect still sounds: its channel lets go of the sound first.
    hint->play(true, -1);
    gSoundManager = nullptr;
}

}  // namespace
