#include <cmath>

#include "board/Board.h"
#include "Core/GameClock.h"
#include "board/BoardHost.h"
#include "board/BoardServices.h"
#include "board/GameType.h"
#include "board/OccupancyGrid.h"

// The reverse walk below changes cells as it goes; this runs it on the
// occupancy and set membership alone, so an inconsistent board (a cell whose
// colour disagrees with the position set) is found before anything changes.
bool Board::reverseWalkIsConsistent(const MoveEntry& entry) const
{
    if (!isPlayableCell(entry.x, entry.y) || !isUnitDirection(entry.dx, entry.dy))
        return false;
    if (positions.contains(entry.x, entry.y))
        return false;
    bool carrying = false;
    for (int x = entry.x + entry.dx, y = entry.y + entry.dy; isPlayableCell(x, y); x += entry.dx, y += entry.dy) {
        bool occupied = colourAt(x, y) != 0;
        if (!occupied && carrying) {
            if (positions.contains(x, y))
                return false;
            carrying = false;
        } else if (occupied && !carrying) {
            if (!positions.contains(x, y))
                return false;
            carrying = true;
        }
    }
    return true;
}

// Puts every furball of the chain back where it was and brings the one that
// left back at the end of the line.
void Board::reverseWalk(const MoveEntry& entry)
{
    placeFurballAt(entry.x, entry.y, freshCell());
    CellPos current{entry.x, entry.y};
    bool carrying = false;
    BoardCell carried{};
    for (int x = entry.x + entry.dx, y = entry.y + entry.dy; isPlayableCell(x, y); x += entry.dx, y += entry.dy) {
        bool occupied = colourAt(x, y) != 0;
        if (!occupied && carrying) {
            placeFurballAt(x, y, carried);
            carrying = false;
            current = CellPos{x, y};
        } else if (occupied && !carrying) {
            carried = cellAt(x, y);
            cellAt(current.x, current.y).colour = carried.colour;
            cellAt(current.x, current.y).face = carried.face;
            removeFurballAt(x, y);
            carrying = true;
        }
    }
    cellAt(current.x, current.y).colour = static_cast<uint16_t>(entry.colour);
    cellAt(current.x, current.y).face = static_cast<uint16_t>(entry.face);
}

int Board::undo()
{
    int now = boardNow();
    if (history.isEmpty()) {
        if (gBoardHost)
            gBoardHost->playWrongMoveEffect();
        if (lastUndoTime != -1 && gameTimeDiff(undoFrozen ? undoFrozenAt : now, lastUndoTime) <= 3000)
            return 1;
        if (gBoardHost && gBoardHost->shouldShowTip(33, 1, 3, 999))
            gBoardHost->showTip(33, TipParams());
        return 1;
    }
    const MoveEntry entry = history[history.size() - 1];
    bool frenzy = boardGameType() == kGameFrenzy;
    if (!frenzy && !reverseWalkIsConsistent(entry))
        return 0;

    displayWords[0] = 0;
    displayWords[1] = 0;
    bool playing = gBoardHost && gBoardHost->onPlayScreen();
    if (playing)
        gBoardHost->dismissTip(6);
    undoFrozen = 0;
    lastUndoTime = now;
    undoFrozenAt = -1;
    if (gBoardHost)
        gBoardHost->resetTipCounters(now);

    if (frenzy) {
        // Only the last move can be taken back: from the record it left.
        for (const CellPos& placed : placedList)
            removeFurballAt(placed.x, placed.y);
        for (int i = 0; i < liftedList.size() && i < liftedCells.size(); i++)
            placeFurballAt(liftedList[i].x, liftedList[i].y, liftedCells[i]);
    } else {
        reverseWalk(entry);
    }

    history.setSize(history.size() - 1);
    if (gBoardHost)
        gBoardHost->scheduleEvent(7, 0);
    undoCount++;
    if (playing)
        boardCountStatistic("Undid");
    return 1;
}

int Board::findHintMove(MoveEntry* move)
{
    if (puzzleId == -1)
        return 0;
    CellPos pos;
    int dx = 0;
    int dy = 0;
    if (history.size() > 3) {
        if (!findSolvingMove(&pos, &dx, &dy))
            return 0;
    } else {
        for (int k = 0; k < history.size(); k++) {
            MoveEntry stored;
            if (!record.storedMove(k, &stored.x, &stored.y, &stored.dx, &stored.dy))
                break;
            const MoveEntry& made = history[k];
            bool same = made.x == stored.x && made.y == stored.y && made.dx == stored.dx && made.dy == stored.dy;
            if (!same && !sameAsStoredMove(made, stored, k))
                return 0;
        }
        // The stored move is the hint while it can be played here; a board that
        // does not match its record (a damaged saved game) asks the search.
        bool stored = record.storedMove(history.size(), &pos.x, &pos.y, &dx, &dy);
        if (stored && hasFurballAt(pos.x, pos.y) && isValidMoveFrom(pos, dx, dy, false)) {
            // the stored solution goes on
        } else if (!findSolvingMove(&pos, &dx, &dy)) {
            return 0;
        }
    }
    move->x = pos.x;
    move->y = pos.y;
    move->dx = dx;
    move->dy = dy;
    return 1;
}

bool Board::sameAsStoredMove(const MoveEntry& playerMove, const MoveEntry& storedMove, int k) const
{
    OccupancyGrid grid = OccupancyGrid::fromRecord(record);
    for (int i = 0; i < k && i < history.size(); i++) {
        const MoveEntry& made = history[i];
        grid.replayMove(made.x, made.y, made.dx, made.dy);
    }
    OccupancyGrid afterPlayer = grid;
    OccupancyGrid afterStored = grid;
    afterPlayer.replayMove(playerMove.x, playerMove.y, playerMove.dx, playerMove.dy);
    afterStored.replayMove(storedMove.x, storedMove.y, storedMove.dx, storedMove.dy);
    return afterPlayer == afterStored;
}

void Board::showHint(int mode)
{
    if (boardVariation("ddh") <= 9)
        return;
    hint.active = 0;
    MoveEntry next;
    if (history.size() < hintedThrough && findHintMove(&next)) {
        bool slow = mode == 0 || mode == 1;
        hint.active = 1;
        hint.durationMs = slow ? 1500 : 500;
        hint.x = next.x;
        hint.y = next.y;
        hint.dx = next.dx;
        hint.dy = next.dy;
        hint.startMs = boardClockRunning() + (slow ? 1650 : 650);
        hint.timeSet = boardNow();
    }
}

void Board::setHintMarker(const MoveEntry& move, int delay)
{
    hint.active = 1;
    hint.durationMs = delay;
    hint.x = move.x;
    hint.y = move.y;
    hint.dx = move.dx;
    hint.dy = move.dy;
    hint.startMs = boardClockRunning() + delay + 150;
    hint.timeSet = boardNow();
}

float Board::hintPulseScale(int x, int y)
{
    if (!hint.active || hint.startMs == -1 || hint.x != x || hint.y != y)
        return 1.0f;
    int running = boardClockRunning();
    int t = gameTimeDiff(running, hint.startMs);
    if (t < 1)
        return 1.0f;
    float u = t / 150.0f;
    if (u > float(M_PI)) {
        hint.startMs = running + 5000;
        return 1.0f;
    }
    return 1.0f + 0.2f * std::sin(u);
}
