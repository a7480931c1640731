#ifndef KELZO_GAME_TIPSHOST_H
#define KELZO_GAME_TIPSHOST_H

class Board;

// What the tips ask of the application: the player's tips option and the
// board a bubble is placed over. Without a host tips are on and there is no
// board, so bubbles stand where their row says.
class TipsHost {
public:
    virtual ~TipsHost() = default;
    // The settings' tips option.
    virtual bool tipsOn() = 0;
    // The current game's board; null when no game is shown.
    virtual const Board* tipBoard() = 0;
};

#endif
