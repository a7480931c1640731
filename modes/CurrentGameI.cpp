#include "modes/CurrentGameI.h"

#include "board/Board.h"
#include "board/BoardServices.h"
#include "board/ExplodeFurballAnimation.h"

CurrentGameI::CurrentGameI() = default;

CurrentGameI::~CurrentGameI() = default;

void CurrentGameI::moveMade(bool) {}

void CurrentGameI::finishBoard()
{
    boardCountStatistic("SolvedPuz");
    if (!board.isNull())
        board->recordPlayedPuzzle(true, false, gameType);
    explodeBoardFurballs(0, true, false, true, 0);
}

bool outOfMoves(const CurrentGameI& game)
{
    return game.movesLeft < 1;
}
