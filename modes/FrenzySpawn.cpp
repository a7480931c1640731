#include "modes/FrenzySpawn.h"

#include <cstdlib>

#include "board/Board.h"

bool chooseSpawnCell(const Board& board, int* x, int* y)
{
    int empty[Board::kColumns * Board::kRows];
    int count = 0;
    for (int row = 0; row < Board::kRows; ++row)
        for (int column = 0; column < Board::kColumns; ++column)
            if (!board.hasFurballAt(column, row))
                empty[count++] = column + Board::kColumns * row;
    if (count == 0)
        return false;
    int cell = empty[rand() % count];
    *x = cell % Board::kColumns;
    *y = cell / Board::kColumns;
    return true;
}

int chooseSpawnColour(bool keepColour, int currentColour, int colours)
{
    if (keepColour && currentColour > 0)
        return currentColour;
    return rand() % colours + 1;
}

bool savedSpawnUsable(int x, int y, int colour, int colours)
{
    return x >= 0 && x < Board::kColumns && y >= 0 && y < Board::kRows && colour >= 1 && colour <= colours;
}
