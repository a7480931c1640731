// The whole life of the process: the platform libraries in order, the GL
// state once, the application, the main loop, and everything closed again in
// reverse. As the program's entry it alone sees every floor: it hands the
// shell the factory of the screens. Exit status 1 when a library or the window cannot start, or when
// the connection to the display is lost (the state files are saved first).
// A window destroyed from outside ends the game as a close does.

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <SDL/SDL_ttf.h>

#include "Core/Log.h"
#include "Core/Platform.h"
#include "game/AppStartup.h"
#include "game/MainLoop.h"
#include "game/PlatformState.h"
#include "game/ScreenFactoryI.h"
#include "graphics/GlState.h"
#include "platform/AudioDevice.h"
#include "platform/FramePacer.h"
#include "platform/GameWindow.h"
#include "platform/Pdl.h"
#include "platform/ServerAddresses.h"
#include "sound/SoundManager.h"

namespace {

const int kScreenWidth = 320;
const int kScreenHeight = 480;

// What has been started so far, closed in reverse order on a failed start.
void closeLibraries(bool mixerOpen, bool mixerStarted, bool fontsStarted)
{
    if (pdlIsInitialised())
        PDL_Quit();
    if (fontsStarted)
        TTF_Quit();
    if (mixerOpen)
        Mix_CloseAudio();
    if (mixerStarted)
        Mix_Quit();
    closeGameWindow();
    SDL_Quit();
}

}  // namespace

int main()
{
    takeServerHostFromEnvironment();
    preferDesktopVideo();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_NOPARACHUTE) != 0) {
        logPrintf("ERR", "cannot start SDL: %s", SDL_GetError());
        return 1;
    }
    if (TTF_Init() != 0) {
        logPrintf("ERR", "cannot start the font library: %s", TTF_GetError());
        closeLibraries(false, false, false);
        return 1;
    }
    if (Mix_Init(MIX_INIT_OGG) == 0) {
        logPrintf("ERR", "cannot start the mixer: %s", Mix_GetError());
        closeLibraries(false, false, true);
        return 1;
    }
    if (openAudioDevice(44100, AUDIO_S16LSB, 2, 1024) != 0) {
        logPrintf("ERR", "cannot open audio: %s", Mix_GetError());
        closeLibraries(false, true, true);
        return 1;
    }
    Mix_AllocateChannels(8);
    SDL_EnableUNICODE(1);
    PDL_Init(0);
    PDL_NotifyMusicPlaying(true);
    requestConnectionStatus();
    PDL_SetTouchAggression(0);
    if (!openGameWindow(kScreenWidth, kScreenHeight, "Kelzo")) {
        closeLibraries(true, true, true);
        return 1;
    }
    delete gSoundManager;
    gSoundManager = new SoundManager();
    initGlState(gameWindowWidth(), gameWindowHeight());

    setDisplayLostHandler(saveStateFiles);
    ScreenFactoryI* screens = makeGameScreenFactory();
    gPlatformState.game = appStartup(nullptr, screens);
    FramePacer pacer;
    runMainLoop(&pacer);

    appShutdown(!gAppActive);
    gPlatformState.game = nullptr;
    delete screens;
    delete gSoundManager;
    gSoundManager = nullptr;
    shutdownCore();
    closeLibraries(true, true, true);
    return 0;
}
