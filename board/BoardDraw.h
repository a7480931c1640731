#ifndef KELZO_BOARD_BOARDDRAW_H
#define KELZO_BOARD_BOARDDRAW_H

#include "board/BoardCell.h"

class Board;
struct GameGraphics;

// Draws one board: the still furballs, the furballs in flight with their
// strikes, and the cells' timed effects; reports a solved board to the game.
// True while anything on it animates. Scale 1.0 for the play screen; below
// 1.0 the board is drawn turned onto the landscape two-player screen, with
// its own background.
bool drawBoard(GameGraphics& g, Board& board, float scale, int offsetX, int offsetY);

// One furball whose 45-pixel cell box has its top-left corner at (x, y):
// shadow, face animation, theme extras. pulse scales it (1.0 normal).
void drawFurball(GameGraphics& g, BoardCell* cell, float x, float y, float pulse, float alpha);
// The same, turned by `angle` degrees and `quarterTurns` in all (a rolling furball).
void drawFurballTurned(GameGraphics& g, BoardCell* cell, float x, float y, float pulse, float alpha, int angle,
                       int quarterTurns);
// drawFurball at cell (column, row) of the current layout; nothing for a negative cell.
void drawFurballAtCell(GameGraphics& g, BoardCell* cell, int column, int row, float pulse, int offsetX, float alpha);
// The theme's picture under the board.
void drawBackground(GameGraphics& g, float scale, int offsetX);

#endif
