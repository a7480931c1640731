#ifndef KELZO_MODES_CURRENTGAMEI_H
#define KELZO_MODES_CURRENTGAMEI_H

#include <cstdint>

#include "Core/OwnedPtr.h"
#include "board/GameType.h"

class Board;

// The base of every game mode, as far as the board uses it: the board it owns
// and the counters the board reads. The modes add their rules around it.
class CurrentGameI {
public:
    CurrentGameI();
    virtual ~CurrentGameI();

    // Told after every move attempt that was not silent; true when the chain
    // left the board.
    virtual void moveMade(bool chainLeftBoard);
    // Called by the board drawing once a shown board is solved and at rest:
    // counts the solved puzzle, enters it in the play history and bursts the
    // last furball; the modes move on to their next puzzle.
    virtual void finishBoard();

    GameType gameType = kGameArcade;
    int level = 1;
    OwnedPtr<Board> board;
    int32_t hintCounter = 0;
    int32_t movesLeft = 0;   // Frenzy
};

// True when the game's moves left are below 1 (asked in Frenzy only).
bool outOfMoves(const CurrentGameI& game);

#endif
