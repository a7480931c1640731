#include "menus/KelzoModeChoiceHost.h"

#include "Core/GameClock.h"
#include "game/KelzoGame.h"

int KelzoModeChoiceHost::firstUnsolvedLevel(int mode) { return game.firstUnsolvedLevel(mode); }

int KelzoModeChoiceHost::levelOfMode(int mode) { return game.levelOfMode(mode); }

int KelzoModeChoiceHost::puzzlesLeftInLevel() { return game.puzzlesLeftInLevel(); }

int KelzoModeChoiceHost::freePlayLevel() { return game.currentLevel; }

int KelzoModeChoiceHost::currentGameType() { return game.currentGame ? (int)game.currentGame->type() : -1; }

int KelzoModeChoiceHost::currentGameVariant() { return game.currentGame ? game.currentGame->difficulty() : 0; }

void KelzoModeChoiceHost::playClick()
{
    const int32_t now = gGameClock.running();
    if (lastClickMs != -1 && gameTimeDiff(now, lastClickMs) < kClickSpacingMs)
        return;
    lastClickMs = now;
    game.soundPlayer.playMenuClickEffect();
}

int KelzoModeChoiceHost::tipShownCount(int tipId) { return game.tips.shownCount(tipId); }

void KelzoModeChoiceHost::countTipShown(int tipId) { game.tips.setShownCount(tipId, game.tips.shownCount(tipId) + 1); }
