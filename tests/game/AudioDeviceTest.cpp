#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <cstdlib>
#include <string>

#include "platform/AudioDevice.h"

// A machine whose sound device cannot be opened (here: a driver that does
// not exist) still gets an open mixer, on the silent driver.
TEST(AudioDeviceTest, NoDeviceFallsBackToTheSilentDriver)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO | SDL_INIT_NOPARACHUTE), 0);
    EXPECT_EQ(openAudioDevice(44100, AUDIO_S16LSB, 2, 1024), 0);
    EXPECT_TRUE(audioIsSilent());
    char name[32] = "";
    ASSERT_NE(SDL_AudioDriverName(name, sizeof name), nullptr);
    EXPECT_EQ(std::string(name), "dummy");
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
    EXPECT_EQ(channels, 2);
    Mix_CloseAudio();
    SDL_Quit();
    unsetenv("SDL_AUDIODRIVER");
}
