#ifndef KELZO_MENUS_KELZOSCREENFACTORY_H
#define KELZO_MENUS_KELZOSCREENFACTORY_H

#include "Core/OwnedPtr.h"
#include "game/ScreenFactoryI.h"
#include "menus/RunningGame.h"

class KelzoConsoleHost;
class KelzoMenuHost;
class KelzoModeChoiceHost;

// The screens of the game, made for the application object: the program hands one to the shell at start-up.
// It keeps the hosts the screens talk to (made over the game on first use) and outlives every screen it made.
//
//   KelzoScreenFactory screens;
//   appStartup(nullptr, &screens);
class KelzoScreenFactory : public ScreenFactoryI {
public:
    KelzoScreenFactory();
    ~KelzoScreenFactory() override;

    MenuBaseI* makeMenu(KelzoGame& game, ScreenId id, bool fromNewHiScore) override;
    String enteredText(MenuBaseI* menu) override;
    // The answer of a finished feedback send shows over any screen; the contact screen leaves after its send.
    int afterFrame(MenuBaseI* menu) override;
    void showLevel(MenuBaseI* menu, int level) override;
    void showLevelInfo(MenuBaseI* menu) override;
    // Cancels a feedback send in flight.
    void shutDown() override;

private:
    void bindHosts(KelzoGame& game);
    // The title of a first start: the language choice.
    MenuBaseI* makeFirstLanguageMenu();

    KelzoGame* boundGame_ = nullptr;
    OwnedPtr<KelzoMenuHost> menuHost_;
    OwnedPtr<KelzoModeChoiceHost> modeHost_;
    OwnedPtr<KelzoConsoleHost> consoleHost_;
};

// The game in play as the title screen reads it.
RunningGame runningGameOf(KelzoGame& game);

#endif
