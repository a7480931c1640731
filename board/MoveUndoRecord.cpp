#include "board/MoveUndoRecord.h"

#include "board/Board.h"
#include "board/BoardServices.h"
#include "board/GameType.h"

void MoveUndoRecord::take(int x, int y)
{
    Taken taken;
    taken.x = x;
    taken.y = y;
    taken.colour = board_.colourAt(x, y);
    taken_.append(taken);
    // A new cell slot starts as a fresh cell.
    takenCells_.append(freshCell());
    takenCells_[takenCells_.size() - 1] = board_.cellAt(x, y);
    board_.removeFurballAt(x, y);
}

void MoveUndoRecord::put(int x, int y, uint16_t colour)
{
    put_.append(CellPos{x, y});
    putWas_.append(board_.cellAt(x, y));
    board_.placeFurballAt(x, y, freshCell());
    board_.cellAt(x, y).colour = colour;
}

void MoveUndoRecord::apply(int x, int y, int dx, int dy)
{
    restore();
    int nx = x + dx;
    int ny = y + dy;
    if (!isPlayableCell(nx, ny) || board_.colourAt(nx, ny) != 0)
        return;
    int wx = nx;
    int wy = ny;
    while (isPlayableCell(wx, wy) && board_.colourAt(wx, wy) == 0) {
        wx += dx;
        wy += dy;
    }
    if (!isPlayableCell(wx, wy))
        return;

    applied_ = true;
    bool frenzy = boardGameType() == kGameFrenzy;
    uint16_t moverColour = board_.colourAt(x, y);
    take(x, y);
    for (int cx = nx, cy = ny; isPlayableCell(cx, cy); cx += dx, cy += dy) {
        uint16_t colour = board_.colourAt(cx, cy);
        if (colour == 0)
            continue;
        put(cx - dx, cy - dy, moverColour);
        // Frenzy: the push passes only to a furball of the mover's colour.
        if (frenzy && colour != moverColour)
            return;
        take(cx, cy);
        moverColour = colour;
    }
}

void MoveUndoRecord::restore()
{
    if (applied_) {
        for (const CellPos& p : put_)
            board_.removeFurballAt(p.x, p.y);
        for (int i = put_.size() - 1; i >= 0; i--)
            board_.cellAt(put_[i].x, put_[i].y) = putWas_[i];
        for (int i = 0; i < taken_.size(); i++) {
            const Taken& t = taken_[i];
            board_.placeFurballAt(t.x, t.y, freshCell());
            board_.cellAt(t.x, t.y).colour = t.colour;
            board_.cellAt(t.x, t.y) = takenCells_[i];
        }
    }
    applied_ = false;
    put_.clear();
    putWas_.clear();
    taken_.clear();
    takenCells_.clear();
}
