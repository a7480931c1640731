#include "platform/AudioDevice.h"

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <cstdlib>
#include <cstring>

#include "Core/Log.h"

namespace {
bool gSilent = false;
}

int openAudioDevice(int frequency, uint16_t format, int channels, int chunkSize)
{
    gSilent = false;
    int result = Mix_OpenAudio(frequency, format, channels, chunkSize);
    if (result == 0)
        return 0;
    char driver[32] = "";
    const char* asked = getenv("SDL_AUDIODRIVER");
    if (asked && strcmp(asked, "dummy") == 0)
        return result;  // the dummy driver itself failed: nothing left to fall back on
    logPrintf("LOG", "no sound device (%s): the game runs silent", Mix_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || !SDL_AudioDriverName(driver, sizeof driver)) {
        logPrintf("ERR", "the silent audio driver cannot start: %s", SDL_GetError());
        return -1;
    }
    result = Mix_OpenAudio(frequency, format, channels, chunkSize);
    gSilent = result == 0;
    return result;
}

bool audioIsSilent() { return gSilent; }
