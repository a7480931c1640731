#ifndef KELZO_MODES_FRENZYSPAWN_H
#define KELZO_MODES_FRENZYSPAWN_H

class Board;

// Where and in which colour the next Frenzy drop lands.

// Picks one of the board's empty cells at random; false, leaving x and y
// alone, when the board has none (no drop is chosen then).
bool chooseSpawnCell(const Board& board, int* x, int* y);

// The next drop's colour: the current one when asked to keep it and one is
// set, else a random one of the level's colours 1..colours.
int chooseSpawnColour(bool keepColour, int currentColour, int colours);

// Whether a drop read from a saved game can land: a cell on the board and a
// colour of the level. Anything else counts as no drop chosen.
bool savedSpawnUsable(int x, int y, int colour, int colours);

#endif
