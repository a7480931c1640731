#pragma once

// What the targets over the game object's own files share.

#include <string>

class KelzoGame;

// Moves into the private folder and gives the games the settings record and the clock a start gives them,
// afresh for each input.
void prepareGameFuzz();

// The player's file ("gameState.dat<k>") that the game writes now.
std::string writtenGameModeState(KelzoGame& game);
