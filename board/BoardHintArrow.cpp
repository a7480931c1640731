#include <cmath>

#include "Core/GameClock.h"
#include "board/Board.h"
#include "board/BoardServices.h"
#include "board/GameGraphics.h"
#include "graphics/DrawParams.h"

namespace {

const int kScreenIntro = 1;
const float kArrowAlpha = 0.75f;
// A throw from the edge column towards the board has no cell behind it on
// screen: the arrow is drawn narrower and pulled in by this much instead.
const float kEdgeShift = 23.0f;
const float kEdgeScaleX = 0.7f;
const float kEdgeScaleY = 0.95f;

} // namespace

int Board::drawHintArrow(const GameGraphics& g, int screenId)
{
    if (!hint.active || screenId == kScreenIntro || gameTimeDiff(boardNow(), hint.timeSet) <= hint.durationMs)
        return 0;
    const float cell = kCellPixels * g.scale;
    float x = (hint.x - hint.dx + 0.5f) * cell + kBoardLeft;
    float y = (hint.y - hint.dy + 0.5f) * cell + kBoardTop;
    // The arrow bobs towards the furball and back, 5.5 to 8.5 pixels off its cell's centre.
    float bob = static_cast<float>(1.5 * std::sin(boardClockRunning() * 0.005 + 90.0) + 7.0);

    DrawParams params;
    params.alpha = kArrowAlpha;
    params.centreX = 1;
    params.centreY = 1;
    const bool fromEdge = (hint.dx == -1 && hint.x == Board::kColumns - 1) || (hint.dx == 1 && hint.x == 0);
    if (fromEdge) {
        params.scaleX = kEdgeScaleX;
        params.scaleY = kEdgeScaleY;
        bob *= kEdgeScaleX;
        x += hint.dx * kEdgeShift;
    }
    if (hint.dx == -1) {
        params.angle = 180;
        x -= bob;
    } else if (hint.dx == 1) {
        params.angle = 0;
        x += bob;
    } else if (hint.dy == -1) {
        params.angle = 270;
        y -= bob;
    } else if (hint.dy == 1) {
        params.angle = 90;
        y += bob;
    }
    g.common[kEntryInstructionArrow].draw(x, y, params);
    return 1;
}
