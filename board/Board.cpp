#include "board/Board.h"

#include <cstdlib>

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "Core/String.h"
#include "board/BoardServices.h"
#include "board/ExplodeFurballAnimation.h"
#include "board/GameType.h"

Board::Board()
{
    int now = boardNow();
    for (BoardCell& cell : cells)
        resetCell(cell);
    startTime = now;
    lastUndoTime = now;
    movingFurballs.reserve(16);
    for (TimedEffect& effect : timedEffects)
        effect.setIdle(boardClockRunning());
    for (int y = 0; y < kRows; y++) {
        for (int x = 0; x < kColumns; x++) {
            BoardCell& cell = cellAt(x, y);
            cell.inFlight = 0;
            cell.colour = 0;
            timedEffects[x + kGrid * y].setIdle(boardClockRunning());
        }
    }
}

Board::~Board()
{
    // Bursts still waiting to hide a furball of this board must not write into it later.
    forgetBurstsInto(*this);
}

void Board::resetCell(BoardCell& cell)
{
    cell = freshCell();
}

void Board::placeFurballAt(int x, int y, const BoardCell& cell)
{
    if (!isPlayableCell(x, y))
        return;
    positions.insert(x, y);
    BoardCell& target = cellAt(x, y);
    uint16_t inFlight = target.inFlight;
    target = cell;
    target.inFlight = inFlight;
}

void Board::removeFurballAt(int x, int y)
{
    if (!isPlayableCell(x, y))
        return;
    positions.remove(x, y);
    cellAt(x, y).colour = 0;
}

void Board::clearPositions()
{
    positions.clear();
    for (BoardCell& cell : cells)
        cell.colour = 0;
}

void Board::appendLifted(int x, int y, const BoardCell& cell)
{
    // A new slot of the lifted cells starts as a reset cell, as every new cell does.
    liftedCells.append(freshCell());
    liftedCells[liftedCells.size() - 1] = cell;
    LiftedFurball lifted;
    lifted.x = x;
    lifted.y = y;
    lifted.colour = cell.colour;
    liftedList.append(lifted);
}

void Board::liftFurball(CellPos pos)
{
    appendLifted(pos.x, pos.y, cellAt(pos.x, pos.y));
    removeFurballAt(pos.x, pos.y);
}

void Board::markInFlight(CellPos pos)
{
    if (!isPlayableCell(pos.x, pos.y))
        return;
    BoardCell& cell = cellAt(pos.x, pos.y);
    cell.inFlight++;
    cell.specialStart = -1;
}

int Board::elapsedMs() const
{
    return gameTimeDiff(frozen ? frozenAt : boardNow(), startTime);
}

bool Board::isValidMoveFrom(CellPos pos, int dx, int dy, bool colourRule) const
{
    if (!isUnitDirection(dx, dy))
        return false;
    if (colourRule && boardGameType() == kGameFrenzy)
        return scanDirection(pos, dx, dy) != 0;
    int x = pos.x + dx;
    int y = pos.y + dy;
    int distance = 1;
    while (isPlayableCell(x, y) && colourAt(x, y) == 0) {
        x += dx;
        y += dy;
        distance++;
    }
    return isPlayableCell(x, y) && distance > 1;
}

String newLevelText(int n)
{
    String text = getText(n < 1 ? 433 : 432 + n);
    if (boardGameType() == kGameChallenge) {
        static const int kLevels[4] = {5, 6, 7, 10};
        static const int kAdded[4] = {463, 437, 438, 464};
        for (int i = 0; i < 4; i++)
            if (n == kLevels[i])
                text += getText(kAdded[i]);
    }
    return text;
}
