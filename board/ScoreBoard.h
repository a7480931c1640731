#ifndef KELZO_BOARD_SCOREBOARD_H
#define KELZO_BOARD_SCOREBOARD_H

#include "graphics/SpriteSheet.h"

class Bitmap;

// The wooden score board at the top of the play screen. The heads-up
// displays compose their pieces (boxes, labels) in the same order every
// frame; each piece is blended into the wood once, cached as a sheet region,
// and drawn from the cache afterwards. A new layout key starts the cache over.
class ScoreBoard {
public:
    ScoreBoard();
    ~ScoreBoard();
    ScoreBoard(const ScoreBoard&) = delete;
    ScoreBoard& operator=(const ScoreBoard&) = delete;

    // Once per frame, before the heads-up display.
    void draw(int layoutKey);
    // The next piece of this frame, at (x, y). Once cached, the piece may be null: the cached region is drawn.
    void compose(Bitmap* piece, int x, int y, float alpha = 1.0f);
    // The same, shifted by the board's vertical offset when useBoardOffset and the piece lies above y 100.
    void compose(Bitmap* piece, int x, int y, float alpha, bool useBoardOffset);
    // The next draw starts over.
    void reset();
    // Pieces are being composed into the cache in this frame.
    bool rebuilding() const { return !sheet.uploaded; }

    int key = -1;
    Bitmap* background = nullptr;
    SpriteSheet sheet;
    int pieceIndex = -1;
    int verticalOffset = 0;   // 0, or 49 when the board sits lower

private:
    void blendIntoWood(const SpriteRef& region, const Bitmap& piece, int x, int y);
};

extern ScoreBoard gScoreBoard;

#endif
