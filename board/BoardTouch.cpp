#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "Core/GameClock.h"
#include "board/Board.h"
#include "board/BoardHost.h"
#include "board/BoardServices.h"
#include "board/GameType.h"

namespace {

const int kSwipePixels = 22;
const CellPos kNoCell{-1, -1};

// The cell under a screen point, each quotient truncated toward zero.
CellPos cellUnder(float x, float y)
{
    const float perPixel = 1.0f / 45.0f;
    return CellPos{static_cast<int>((x - 3) * perPixel), static_cast<int>((y - 73) * perPixel)};
}

CellPos boardCellUnder(float x, float y)
{
    CellPos c = cellUnder(x, y);
    return isPlayableCell(c.x, c.y) ? c : kNoCell;
}

// Nudges of the touch search in pixels: back along the swipe, forward along
// it, across it; and the steps of the last-resort search.
struct TouchReach {
    float back = 15.0f;
    float forward = 45.0f;
    float across = 22.0f;
    int step = 15;
    int longStep = 45;
};

TouchReach touchReach()
{
    TouchReach reach;
    if (boardGameType() != kGameFrenzy)
        return reach;
    static const float kAcross[] = {10.125f, 9.1125f, 8.1f, 7.29f, 6.6825f, 6.17625f, 5.67f};
    int fic = boardVariation("fic");
    reach.back = 13.5f;
    reach.forward = 37.35f;
    reach.across = fic >= 1 && fic <= 6 ? kAcross[fic] : kAcross[0];
    reach.step = 13;
    reach.longStep = 37;
    return reach;
}

float nudge(int offset, int direction, const TouchReach& reach)
{
    if (direction == 0)
        return reach.across;
    if (offset == direction)
        return reach.forward;
    return reach.back;
}

} // namespace

CellPos Board::furballForTouch(int x, int y, int dx, int dy) const
{
    const TouchReach reach = touchReach();
    const bool frenzy = boardGameType() == kGameFrenzy;
    const CellPos c0 = boardCellUnder(static_cast<float>(x), static_cast<float>(y));
    const bool c0Holds = c0 != kNoCell && hasFurballAt(c0.x, c0.y);

    for (int pass = 0; pass < (frenzy ? 2 : 1); pass++) {
        const bool colourRule = frenzy && pass == 0;
        auto usable = [&](CellPos q) {
            return q != kNoCell && hasFurballAt(q.x, q.y) && isValidMoveFrom(q, dx, dy, colourRule);
        };
        if (usable(c0))
            return c0;
        for (int k = 1; k <= 3; k++) {
            CellPos first = kNoCell;
            int count = 0;
            for (int j = -1; j <= 1; j++) {
                for (int i = -1; i <= 1; i++) {
                    int px = static_cast<int>(x + i * k * nudge(i, dx, reach));
                    int py = static_cast<int>(y + j * k * nudge(j, dy, reach));
                    CellPos q = boardCellUnder(static_cast<float>(px), static_cast<float>(py));
                    if (q == c0 || !usable(q))
                        continue;
                    if (count == 0)
                        first = q;
                    if (count == 0 || q != first)
                        count++;
                }
            }
            if (count == 1)
                return first;
            if (count > 1)
                return c0 == kNoCell || c0Holds ? first : c0;
        }
    }
    if (c0Holds)
        return c0;

    // Any furball near the point, whether it can move or not.
    auto holds = [&](CellPos q) { return q != kNoCell && q != c0 && hasFurballAt(q.x, q.y); };
    for (int m = 1; m <= 3; m++) {
        for (int j = -1; j <= 1; j++) {
            int s1 = j == dy && dx == -1 ? reach.longStep : reach.step;
            CellPos q = boardCellUnder(static_cast<float>(x - m * s1), static_cast<float>(y + j * m * s1));
            if (holds(q))
                return q;
            int s2 = dx == 0 && j == dy ? reach.longStep : reach.step;
            CellPos row = cellUnder(static_cast<float>(x), static_cast<float>(y + j * m * s2));
            q = isPlayableCell(c0.x, row.y) ? CellPos{c0.x, row.y} : kNoCell;
            if (holds(q))
                return q;
            int s3 = dx == 1 && j == dy ? reach.longStep : reach.step;
            q = boardCellUnder(static_cast<float>(x + m * s3), static_cast<float>(y + j * m * s3));
            if (holds(q))
                return q;
        }
    }
    return c0;
}

int Board::swipe(int dx, int dy, bool silent, int x, int y)
{
    CellPos c = furballForTouch(touchX, touchY, dx, dy);
    if (c == kNoCell || !hasFurballAt(c.x, c.y))
        return 0;
    float d = std::max(std::abs(x - touchX), std::abs(y - touchY)) / static_cast<float>(kSwipePixels);
    int t = std::max(gameTimeDiff(boardClockRunning(), touchTime), 1);
    float speed = 1.0f;
    if (boardVariation("as") == 1) {
        float v = 1.0f + (std::log(d * 1000.0f / t) - 3.3f) / 6.0f;
        v = std::min(std::max(v, 0.65f), 1.35f);
        speed = std::min(v, std::max(d, 1.0f));
    }
    int made = tryMove(c, dx, dy, silent, 0, speed);
    if (gBoardHost && gBoardHost->onPlayScreen())
        boardCountStatistic(made ? "Moved" : "MovWrong");
    return made;
}

void Board::handleTouch(int phase, int x, int y)
{
    if (phase == 0) {
        touchX = x;
        touchY = y;
        touchTime = boardClockRunning();
        touchActive = 1;
        return;
    }
    if (phase == 1) {
        if (!touchActive)
            return;
        int a = std::abs(x - touchX);
        int b = std::abs(y - touchY);
        int sx = x > touchX ? 1 : -1;
        int sy = y > touchY ? 1 : -1;
        if (a > kSwipePixels && b < (a >> 1)) {
            swipe(sx, 0, false, x, y);
            touchActive = 0;
        } else if (b > kSwipePixels && a < (b >> 1)) {
            swipe(0, sy, false, x, y);
            touchActive = 0;
        } else if (a > kSwipePixels && (2 * a) / 3 > b) {
            if (swipe(sx, 0, true, x, y))
                touchActive = 0;
        } else if (b > kSwipePixels && (2 * b) / 3 > a) {
            if (swipe(0, sy, true, x, y))
                touchActive = 0;
        }
        return;
    }
    if (!touchActive)
        return;
    // A tap on a furball without a swipe: remind the player how to throw.
    CellPos c = boardCellUnder(static_cast<float>(touchX), static_cast<float>(touchY));
    if (c != kNoCell && hasFurballAt(c.x, c.y)) {
        if (level <= 3 && gBoardHost && gBoardHost->shouldShowTip(30, 0, 3, 6))
            gBoardHost->showTip(30, TipParams());
        boardCountStatistic("MovWrongKelzoBetter");
    }
    touchActive = 0;
}
