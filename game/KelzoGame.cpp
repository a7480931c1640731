#include "game/KelzoGame.h"

#include "board/Board.h"
#include "board/BoardServices.h"
#include "board/MovingFurball.h"

KelzoGame* gGame = nullptr;

void KelzoGame::scheduleEvent(int kind, int delay)
{
    timedEvents.append(TimedEvent{kind, boardNow() - 100 + delay});
}

void KelzoGame::addMovingFurball(const BoardCell& cell, int dx, int dy, CellPos origin, CellPos source,
                                 CellPos target, bool ghost, int delay, float speed, bool fast)
{
    if (currentGame.isNull() || currentGame->board.isNull())
        return;
    Board& board = *currentGame->board;
    board.movingFurballs.append(MovingFurball(board, cell, dx, dy, origin, source, target, ghost, delay, speed, fast));
}

void KelzoGame::advanceTutorial()
{
    if (tutorialStep >= 0)
        tutorialStep++;
}
