#ifndef KELZO_MENUS_KELZOMODECHOICEHOST_H
#define KELZO_MENUS_KELZOMODECHOICEHOST_H

#include <cstdint>

#include "menus/ModeChoiceHostI.h"

class KelzoGame;

// The application object's answers to the game-mode menu, the level-select page and their slider: progress
// from its play history and bests, the game in play, its sound player and its tip counters. The screen
// factory makes one over the application and hands it to those screens; it must outlive them.
//
//   static KelzoModeChoiceHost host(*gGame);
//   return new GameModeMenu(&host, gGame->currentScreen);
class KelzoModeChoiceHost : public ModeChoiceHostI {
public:
    static const int kClickSpacingMs = 301;  // a quicker second click is not played

    explicit KelzoModeChoiceHost(KelzoGame& game) : game(game) {}

    int firstUnsolvedLevel(int mode) override;
    int levelOfMode(int mode) override;
    int puzzlesLeftInLevel() override;
    int freePlayLevel() override;
    int currentGameType() override;
    // A Challenge game's variant is its difficulty (its start level and its row of bests go by it).
    int currentGameVariant() override;
    void playClick() override;
    int tipShownCount(int tipId) override;
    void countTipShown(int tipId) override;

    KelzoGame& game;
    int32_t lastClickMs = -1;  // game clock's running value of the last click played; -1 none
};

#endif
