#include "game/FurballIdleAnimations.h"

#include "Core/GameClock.h"
#include "board/Board.h"

namespace {

const int kCheckIntervalMs = 100;

// How long the next start waits after one; theme 0's blinks go on with the next furball at once.
int pauseAfterStart(int theme)
{
    switch (theme) {
    case 5: return 6000;
    case 4: return 500;
    case 3: return 700;
    default: return 250;
    }
}

bool running(const BoardCell& cell) { return cell.specialStart != -1; }

int32_t later(int now, int ms) { return int32_t(uint32_t(now) + uint32_t(ms)); }

}  // namespace

bool FurballIdleAnimations::themeAnimates(int theme) { return theme == 0 || (theme >= 3 && theme <= 5); }

int FurballIdleAnimations::oneIn(int theme, int furballs)
{
    const float rarity = theme == 3 ? 1.8f : theme == 5 ? 4.0f : 1.0f;
    return int(rarity * float(2 * furballs + 35));
}

bool FurballIdleAnimations::step(Board& board, int theme, int now, int (*random)())
{
    if (!themeAnimates(theme))
        return false;
    bool animating = false;
    if (theme != 0)
        for (const CellPos& pos : board.positions)
            animating = animating || running(board.cellAt(pos.x, pos.y));
    if (gameTimeDiff(now, nextStartMs) < 0)
        return animating;
    nextStartMs = later(now, kCheckIntervalMs);
    const int chance = oneIn(theme, board.furballCount());
    for (const CellPos& pos : board.positions) {
        BoardCell& cell = board.cellAt(pos.x, pos.y);
        if (running(cell) || random() % chance != 0)
            continue;
        cell.specialStart = now;
        nextStartMs = later(now, pauseAfterStart(theme));
        if (theme == 0)
            continue;
        return true;
    }
    return animating;
}
