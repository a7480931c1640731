#include "menus/KelzoConsoleHost.h"

#include "Core/Language.h"
#include "Core/Log.h"
#include "board/Board.h"
#include "board/GameGraphics.h"
#include "board/NewLevelData.h"
#include "game/KelzoGame.h"
#include "game/PlatformState.h"
#include "menus/BuildInfoText.h"
#include "menus/MenuAlertLog.h"
#include "modes/ArcadeGame.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "sound/MusicCrossFader.h"

namespace {

String currentBuildInfo()
{
    return buildInfoText(*gSettings, gAbSettings, gMusicCrossFader.musicFlag(), gSettings->deviceId,
                         currentBuildStamp());
}

}  // namespace

int KelzoConsoleHost::currentGameType() { return game.currentGame ? game.currentGame->type() : -1; }

void KelzoConsoleHost::setArcadeScore(int score)
{
    ArcadeGame* arcade = dynamic_cast<ArcadeGame*>(game.currentGame);
    if (arcade)
        arcade->setScore(score);
}

void KelzoConsoleHost::setFreePlayLevel(int level) { game.currentLevel = level; }

bool KelzoConsoleHost::hasBoard() { return game.currentGame && !game.currentGame->board.isNull(); }

bool KelzoConsoleHost::puzzleExists(int packedId)
{
    LevelRecord found;
    return gNewLevelData.readPuzzleByPackedId(packedId, &found);
}

void KelzoConsoleHost::loadPuzzle(int packedId)
{
    if (hasBoard())
        loadPuzzleByPackedId(*game.currentGame->board, packedId);
}

void KelzoConsoleHost::loadThemeBitmaps(int theme) { ::loadThemeBitmaps(game.graphics, theme); }

void KelzoConsoleHost::showAlert(const char* title, const char* message, const AlertOptions& options)
{
    logMenuAlert(title, new CustomAlertView(nullptr, title, message, getText(0).c_str(), nullptr, nullptr, options));
}

void KelzoConsoleHost::showBuildInfo()
{
    if (!gSettings)
        return;
    AlertOptions options;
    options.messageFontSize = 11;
    options.compact = 1;
    showAlert("Build Info", currentBuildInfo().c_str(), options);
}

String KelzoConsoleHost::statisticsText()
{
    return gSettings ? ::statisticsText(*gSettings, gAbSettings) : String();
}

String KelzoConsoleHost::suggestionCountsText()
{
    return ::suggestionCountsText(game.suggestionCounts, KelzoGame::kSuggestionKinds);
}

void KelzoConsoleHost::mailHistory() { ::mailHistory(game.history, gSettings ? gSettings->deviceId : String()); }

void KelzoConsoleHost::mailVersionInfo()
{
    if (!gSettings)
        return;
    ::mailVersionInfo(versionMailText(currentBuildInfo(), statisticsText(), suggestionCountsText()));
}

void KelzoConsoleHost::mailLogFile(int maxChars) { ::mailLogFile(maxChars); }

void KelzoConsoleHost::mailErrorLog() { ::mailErrorLog(); }

void KelzoConsoleHost::saveVariations() { gAbSettings.save(); }

void KelzoConsoleHost::requestQuit() { gPlatformState.quitRequested = true; }
