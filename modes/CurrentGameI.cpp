#include "modes/CurrentGameI.h"

#include "board/Board.h"

CurrentGameI::CurrentGameI() = default;

CurrentGameI::~CurrentGameI() = default;

void CurrentGameI::moveMade(bool) {}

bool outOfMoves(const CurrentGameI& game)
{
    return game.movesLeft < 1;
}
