#include "game/AppStartup.h"

#include "Core/GameClock.h"
#include "Core/Platform.h"
#include "game/KelzoGame.h"
#include "game/ScreenFactoryI.h"
#include "graphics/FontCache.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "sound/MusicCrossFader.h"

void* gPlatformHandle = nullptr;
Mutex gAppMutex;

BvGameI* appStartup(void* platformHandle, ScreenFactoryI* screens)
{
    gPlatformHandle = platformHandle;
    gAbSettings.loadAtStart();
    Settings::load(dataFilePath(kSettingsFileName).c_str());
    delete gGame;
    gGame = new KelzoGame(platformHandle);
    gGame->screenFactory = screens;
    gBoardHost = gGame;
    gGameHost = gGame;
    gBubbleHost = &gGame->bubbleHost;
    gGame->loadResources();
    gGameClock.update();
    gGame->pauseClockIfRunning();
    gGame->setFilesAndLoad(dataFilePath("gameState.dat"), dataFilePath("hiScores.dat").c_str());
    gGame->pauseClockIfRunning();
    // The first screen comes once the saved state is in: the title offers
    // to resume the game read from it. Before the launch is counted.
    gGame->showFirstScreen();
    setDefaultFontFile("Insanibu");
    gReportFacts = gGame;
    gAbSettings.callback = gSettings;
    gAbSettings.countLaunch();
    return gGame;
}

void appShutdown(bool wasInactive)
{
    if (gGame && gGame->screenFactory)
        gGame->screenFactory->shutDown();
    if (wasInactive)
        gAbSettings.waitForPauseReport();
    else
        gAbSettings.saveAndReportExit();
    gAbSettings.stop();
    // The report thread reads the settings and the game: it is over before they go.
    gAbSettings.stopAndWait();
    gMusicCrossFader.disable();
    gMusicCrossFader.stopAndWait();
    {
        MutexLock lock(&gAppMutex);
        gReportFacts = nullptr;
        delete gGame;
        gGame = nullptr;
    }
    Settings::release();
}

void saveStateFiles()
{
    gAbSettings.save();
    if (gGame)
        gGame->saveState(true);
    else if (gSettings)
        gSettings->save();
}
