#pragma once
// The game mode the player has chosen: the settings' mode, Arcade before the settings exist.
#include "board/GameType.h"
#include "settings/Settings.h"

inline int selectedMode() { return gSettings ? gSettings->gameMode : kGameArcade; }
