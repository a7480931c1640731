// Prints the throw that brings a board down to one furball, for the end-to-end tests that play a puzzle to
// its end: the furballs' cells as "column,row" arguments in, "column row dx dy" out (nothing when no throw
// solves the board). The game's own hint search decides.
#include <cstdio>

#include "board/Board.h"

int main(int argc, char** argv)
{
    Board board;
    for (int i = 1; i < argc; i++) {
        int column = -1, row = -1;
        if (std::sscanf(argv[i], "%d,%d", &column, &row) != 2 || column < 0 || column >= Board::kColumns ||
            row < 0 || row >= Board::kRows) {
            std::fprintf(stderr, "not a cell: %s\n", argv[i]);
            return 2;
        }
        board.placeFurballAt(column, row, freshCell());
    }
    CellPos pos;
    int dx = 0, dy = 0;
    if (board.findSolvingMove(&pos, &dx, &dy) == 1)
        std::printf("%d %d %d %d\n", pos.x, pos.y, dx, dy);
    return 0;
}
