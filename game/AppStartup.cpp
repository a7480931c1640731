#include "game/AppStartup.h"

#include "Core/GameClock.h"
#include "Core/Platform.h"
#include "game/KelzoGame.h"
#include "graphics/FontCache.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "sound/MusicCrossFader.h"

void* gPlatformHandle = nullptr;
Mutex gAppMutex;

BvGameI* appStartup(void* platformHandle)
{
    gPlatformHandle = platformHandle;
    gAbSettings.loadAtStart();
    Settings::load(dataFilePath(kSettingsFileName).c_str());
    delete gGame;
    gGame = new KelzoGame(platformHandle);
    gBoardHost = gGame;
    gGame->loadResources();
    gGameClock.update();
    gGame->pauseClockIfRunning();
    gGame->pauseClockIfRunning();
    setDefaultFontFile("Insanibu");
    gReportFacts = gGame;
    gAbSettings.callback = gSettings;
    gAbSettings.countLaunch();
    return gGame;
}

void appShutdown(bool wasInactive)
{
    if (!wasInactive)
        gAbSettings.saveAndReportExit();
    gAbSettings.stop();
    // The report thread reads the settings and the game: it is over before they go.
    gAbSettings.stopAndWait();
    gMusicCrossFader.disable();
    gMusicCrossFader.stopAndWait();
    {
        MutexLock lock(&gAppMutex);
        gReportFacts = nullptr;
        gBoardHost = nullptr;
        delete gGame;
        gGame = nullptr;
    }
    Settings::release();
}

void saveStateFiles()
{
    gAbSettings.save();
    if (gSettings)
        gSettings->save();
}
