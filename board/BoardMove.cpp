#include <cstdlib>

#include "Core/Language.h"
#include "board/Board.h"
#include "board/BoardHost.h"
#include "board/BoardServices.h"
#include "board/GameType.h"
#include "board/MovingFurball.h"

namespace {

const CellPos kOffBoard{-1, -1};

// The flight goes to the game's board through the host; a board the host does not show as the game's (the
// second board of two players) keeps its own flights.
void queueMovingFurball(Board& board, const BoardCell& cell, int dx, int dy, CellPos origin, CellPos source,
                        CellPos target, bool ghost, int delay, float speed, bool fast)
{
    if (!gBoardHost)
        return;
    if (gBoardHost->currentGameBoard() == &board || !gBoardHost->hasCurrentGame())
        gBoardHost->addMovingFurball(cell, dx, dy, origin, source, target, ghost, delay, speed, fast);
    else
        board.movingFurballs.append(MovingFurball(board, cell, dx, dy, origin, source, target, ghost, delay, speed,
                                                  fast));
}

void tellMoveMade(bool chainLeftBoard)
{
    if (gBoardHost && gBoardHost->hasCurrentGame())
        gBoardHost->tellMoveMade(chainLeftBoard);
}

// Shows a wrong-move tip when the spacing rule allows it; the English text
// replaces the table's when the "lvt" variation asks for it.
void showWrongMoveTip(int id, int delayMs, int lvtBit, const char* englishText)
{
    if (!gBoardHost || !gBoardHost->shouldShowTip(id, 3, 6, 999))
        return;
    TipParams params;
    params.showMs = 10000;
    params.delayMs = delayMs;
    int lvt = boardVariation("lvt");
    // The sentence names furballs, so it takes the theme's word like every text from the language file.
    const String body = withThemeWord(englishText);
    if (lvt >= 0 && (lvt & lvtBit) && boardLanguage() == 0)
        params.body = body.c_str();
    gBoardHost->showTip(id, params);
}

void scheduleWrongMoveSound(int delay)
{
    if (gBoardHost)
        gBoardHost->scheduleEvent(6, delay + 150);
}

// The guided instruction reacts to the moves of its steps 49 and 50.
void followInstruction(CellPos pos)
{
    if (!gBoardHost || !gBoardHost->onInstructionScreen())
        return;
    const int step = gBoardHost->instructionStep();
    if (step != 49 && step != 50)
        return;
    if (step == 49 && !(pos.x == 5 && pos.y == 4)) {
        gBoardHost->removeTipBubbles();
        gBoardHost->noteInstructionMisthrow();
        TipParams params;
        params.showMs = 0;
        params.delayMs = 450;
        gBoardHost->showTip(52, params);
        boardCountStatistic("InstBad");
        return;
    }
    gBoardHost->advanceTutorial();
}

} // namespace

void Board::refuseMove(CellPos pos, int dx, int dy, CellPos met, bool neighbour, int delay, float speed)
{
    const BoardCell mover = cellAt(pos.x, pos.y);
    if (neighbour) {
        // Both furballs shake in place.
        queueMovingFurball(*this, mover, dx, dy, pos, pos, pos, false, delay, 1.0f, false);
        queueMovingFurball(*this, cellAt(met.x, met.y), dx, dy, pos, met, met, false, 0, 1.0f, false);
        showWrongMoveTip(13, 600, 1, "You cannot kelzo the furballs into neighbouring furballs!");
        scheduleWrongMoveSound(delay);
        boardCountStatistic("MovWrongNeighbour");
    } else {
        // The furball stays; a half-transparent copy of it flies off.
        showWrongMoveTip(14, 1000, 2, "You can only kelzo furballs into other furballs! Undo if stuck!");
        scheduleWrongMoveSound(delay);
        queueMovingFurball(*this, mover, dx, dy, pos, pos, pos, false, delay, 1.0f, false);
        queueMovingFurball(*this, mover, dx, dy, pos, pos, kOffBoard, true, delay, speed, false);
        boardCountStatistic("MovWrongOffBoard");
    }
    tellMoveMade(false);
}

int Board::tryMove(CellPos pos, int dx, int dy, bool silent, int delay, float speed)
{
    // Only a furball can be thrown, and only along a row or a column: a throw
    // of (0, 0) would walk on the spot for ever.
    if (!hasFurballAt(pos.x, pos.y) || !isUnitDirection(dx, dy))
        return 0;
    bool frenzy = boardGameType() == kGameFrenzy;
    if (frenzy && gBoardHost && gBoardHost->hasCurrentGame() && gBoardHost->outOfMoves())
        return 0;
    displayWords[0] = 0;
    displayWords[1] = 0;

    CellPos mover = pos;
    BoardCell moverCell = cellAt(pos.x, pos.y);
    bool firstStep = true;
    bool chainLeft = false;
    BoardCell lastCell;
    CellPos walk{pos.x + dx, pos.y + dy};
    for (;;) {
        if (!isPlayableCell(walk.x, walk.y)) {
            if (firstStep) {
                if (!silent)
                    refuseMove(pos, dx, dy, walk, false, delay, speed);
                return 0;
            }
            chainLeft = true;
            lastCell = moverCell;
            break;
        }
        if (colourAt(walk.x, walk.y) == 0) {
            walk.x += dx;
            walk.y += dy;
            continue;
        }
        CellPos hit = walk;
        if (firstStep && (std::abs(hit.x - pos.x) == 1 || std::abs(hit.y - pos.y) == 1)) {
            if (!silent)
                refuseMove(pos, dx, dy, hit, true, delay, speed);
            return 0;
        }
        CellPos stop{hit.x - dx, hit.y - dy};
        queueMovingFurball(*this, moverCell, dx, dy, pos, mover, stop, false, firstStep ? delay : 0, speed, false);
        mover = hit;
        if (firstStep) {
            placedList.clear();
            liftedList.clear();
            liftedCells.clear();
            liftFurball(pos);
        }
        placeFurballAt(stop.x, stop.y, moverCell);
        placedList.append(stop);
        if (frenzy && colourAt(hit.x, hit.y) != moverCell.colour) {
            // Frenzy: the push passes only to a furball of the same colour.
            lastCell = cellAt(hit.x, hit.y);
            break;
        }
        moverCell = cellAt(hit.x, hit.y);
        liftFurball(hit);
        firstStep = false;
        walk = CellPos{hit.x + dx, hit.y + dy};
    }

    if (chainLeft)
        queueMovingFurball(*this, moverCell, dx, dy, pos, mover, kOffBoard, false, 0, 1.0f, false);
    else
        queueMovingFurball(*this, lastCell, dx, dy, pos, mover, mover, false, 0, 1.0f, true);
    followInstruction(pos);

    MoveEntry entry;
    entry.x = pos.x;
    entry.y = pos.y;
    entry.colour = lastCell.colour;
    entry.face = lastCell.face;
    entry.dx = dx;
    entry.dy = dy;
    history.append(entry);

    if (gBoardHost) {
        gBoardHost->resetTipCounters(boardNow());
        static const int kDismissed[] = {30, 13, 14, 6, 20, 7, 8, 9, 10, 58, 61, 62, 59, 60};
        for (int id : kDismissed)
            gBoardHost->dismissTip(id);
    }
    showHint(0);
    tellMoveMade(chainLeft);
    return 1;
}
