#include "board/Board.h"

// The level follows from the id. The stored record itself comes from the
// puzzle store, which is not part of the game yet: until then a loaded board
// keeps the record it had.
void Board::loadLevelRecord(int id, int)
{
    level = levelOfPuzzleId(id);
}
