#include "menus/KelzoScreenFactory.h"

#include "Core/Language.h"
#include "Core/Platform.h"
#include "board/Board.h"
#include "game/KelzoGame.h"
#include "menus/AdsMenu.h"
#include "menus/ContactMenu.h"
#include "menus/FeedbackSender.h"
#include "menus/GameModeMenu.h"
#include "menus/HiScoresMenu.h"
#include "menus/HistoryMenu.h"
#include "menus/KelzoConsoleHost.h"
#include "menus/KelzoMainMenuNew.h"
#include "menus/KelzoMenuHost.h"
#include "menus/KelzoModeChoiceHost.h"
#include "menus/LanguageSelectMenu.h"
#include "menus/LevelSelectMenu.h"
#include "menus/NewHiScoreMenu.h"
#include "menus/RatingMenu.h"
#include "menus/SettingsMenu2.h"
#include "menus/ThemeSelectMenu.h"
#include "menus/widgets/LevelSelect.h"
#include "menus/TitleScreen.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"

namespace {

const int kFreePlaySlot = 7;

// The how-to-play screen's heading until its page is built: the main menu's caption of its entry.

}  // namespace

RunningGame runningGameOf(KelzoGame& game)
{
    RunningGame running;
    CurrentGameI* current = game.currentGame;
    if (!current)
        return running;
    running.exists = true;
    running.started = current->hasStarted();
    running.hasBoard = !current->board.isNull();
    // A replayed history card's board may be of another level than its game.
    running.boardLevel = running.hasBoard ? current->board->level : current->level;
    running.gameType = current->type();
    running.modeName = current->modeName();
    running.difficultyName = difficultyNameText(current->settings);
    return running;
}

KelzoScreenFactory::KelzoScreenFactory() = default;
KelzoScreenFactory::~KelzoScreenFactory() = default;

void KelzoScreenFactory::bindHosts(KelzoGame& game)
{
    if (boundGame_ == &game)
        return;
    boundGame_ = &game;
    menuHost_.reset(new KelzoMenuHost(game));
    modeHost_.reset(new KelzoModeChoiceHost(game));
    consoleHost_.reset(new KelzoConsoleHost(game));
}

MenuBaseI* KelzoScreenFactory::makeFirstLanguageMenu()
{
    // The shell has put the device's language in the middle when it is one of the game's, and draws the
    // launch picture under the title screen.
    return new LanguageSelectMenu(menuHost_.get(), false);
}

MenuBaseI* KelzoScreenFactory::makeMenu(KelzoGame& game, ScreenId id, bool fromNewHiScore)
{
    bindHosts(game);
    Settings* settings = gSettings;
    switch (id) {
    case ScreenTitle:
        if (game.languageFirst)
            return makeFirstLanguageMenu();
        return new TitleScreen(menuHost_.get(), runningGameOf(game));
    case ScreenMainMenu: {
        MainMenuSetup setup;
        setup.selectedMode = settings ? settings->gameMode : 0;
        setup.hasCurrentGame = game.currentGame != nullptr;
        setup.gameInProgress = game.gameInProgress();
        return new KelzoMainMenuNew(setup);
    }
    case ScreenSettings:
        return new SettingsMenu2(menuHost_.get(), menuHost_.get());
    case ScreenNewHiScore: {
        CurrentGameI* current = game.currentGame;
        if (!current)
            return nullptr;
        const bool isTime = current->type() == kGameBeatTheClock;
        const int slot = current->type() == kGameFreePlay ? kFreePlaySlot : current->difficulty();
        const int rank = game.hiScores.rankOf(slot, current->score(), isTime);
        // The name offered is the one stored with the last score, so it comes back after a restart.
        return new NewHiScoreMenu(game.hiScores.lastName().c_str(), current->score(), isTime, rank);
    }
    case ScreenLevelSelect:
        return new LevelSelectMenu(modeHost_.get());
    case ScreenRating: {
        RatingFacts facts;
        facts.freePlayLevel = game.currentLevel;
        facts.puzzlesLeft = game.puzzlesLeftInLevel();
        facts.selectedLevel = settings ? settings->startLevel : 1;
        facts.history = &game.history;
        return new RatingMenu(facts);
    }
    case ScreenModeMenu:
        return new GameModeMenu(modeHost_.get(), game.currentScreen);
    case ScreenLanguage:
        return new LanguageSelectMenu(menuHost_.get(), false);
    case ScreenThemes:
        return new ThemeSelectMenu(menuHost_.get());
    case ScreenHiScores: {
        const int mode = settings ? settings->gameMode : 0;
        const int slot = mode == kGameFreePlay ? kFreePlaySlot : settings ? settings->difficulty : 0;
        const HiScoreEntry* entry = fromNewHiScore ? game.hiScores.lastAdded() : game.hiScores.pendingEntry(slot);
        return new HiScoresMenu(&game.hiScores, fromNewHiScore, entry, slot, mode == kGameBeatTheClock,
                                menuHost_.get());
    }
    case ScreenAds:
        return new AdsMenu();
    case ScreenHistory:
        return new HistoryMenu(*menuHost_, &game.graphics, 0);
    case ScreenContact:
        if (!settings)
            return nullptr;
        return new ContactMenu(*settings, gAbSettings, *consoleHost_);
    default:
        return nullptr;
    }
}

String KelzoScreenFactory::enteredText(MenuBaseI* menu)
{
    NewHiScoreMenu* entry = dynamic_cast<NewHiScoreMenu*>(menu);
    return entry ? entry->enteredName() : String();
}

int KelzoScreenFactory::afterFrame(MenuBaseI* menu)
{
    showFeedbackResult();
    ContactMenu* contact = dynamic_cast<ContactMenu*>(menu);
    return contact ? contact->takeLeaveCode() : -1;
}

void KelzoScreenFactory::showLevel(MenuBaseI* menu, int level)
{
    LevelSelectMenu* page = dynamic_cast<LevelSelectMenu*>(menu);
    if (page && page->slider)
        page->slider->showLevel(level);
}

void KelzoScreenFactory::showLevelInfo(MenuBaseI* menu)
{
    LevelSelectMenu* page = dynamic_cast<LevelSelectMenu*>(menu);
    if (page)
        page->showInfoBubble();
}

void KelzoScreenFactory::shutDown() { gFeedbackSender.shutDown(); }

ScreenFactoryI* makeGameScreenFactory()
{
    return new KelzoScreenFactory();
}
