#ifndef KELZO_BOARD_MOVEUNDORECORD_H
#define KELZO_BOARD_MOVEUNDORECORD_H

#include "Core/Array.h"
#include "board/BoardCell.h"
#include "board/PositionSet.h"

class Board;

// A move applied to a board for a look-ahead, with what is needed to take it
// back: the furballs taken off (position, colour, cell) and the cells where
// furballs were put. Restored at the end of its scope.
class MoveUndoRecord {
public:
    struct Taken {
        int32_t x = -1;
        int32_t y = -1;
        uint16_t colour = 0;
    };

    explicit MoveUndoRecord(Board& board) : board_(board) {}
    ~MoveUndoRecord() { restore(); }
    MoveUndoRecord(const MoveUndoRecord&) = delete;
    MoveUndoRecord& operator=(const MoveUndoRecord&) = delete;

    // Applies the throw from (x, y) by the game's move rule when it is legal.
    void apply(int x, int y, int dx, int dy);
    // Puts the board back as it was before the move.
    void restore();
    bool applied() const { return applied_; }

private:
    void take(int x, int y);
    void put(int x, int y, uint16_t colour);

    Board& board_;
    bool applied_ = false;
    Array<CellPos> put_;
    Array<BoardCell> putWas_;
    Array<Taken> taken_;
    Array<BoardCell> takenCells_;
};

#endif
