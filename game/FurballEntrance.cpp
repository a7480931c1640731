#include "game/FurballEntrance.h"

#include <cstdlib>

#include "Core/Array.h"
#include "board/Board.h"
#include "game/TimedEventQueue.h"

namespace {

const int kAppearEffect = 0;        // the pop-in with its glow
const int kMouthPopAfterMs = 250;   // the pop is heard once the furball has grown

}  // namespace

int entranceDelayMs(int k, bool fast, bool blitz)
{
    if (blitz)
        return 50 + 100 * k;
    return (fast ? 300 : 900) + 160 * k;
}

void startFurballEntrance(Board& board, bool fast, bool blitz, int effectNow, TimedEventQueue& events)
{
    Array<CellPos> left;
    for (const CellPos& pos : board.positions)
        left.append(pos);
    for (int k = 0; left.size() > 0; k++) {
        const int pick = rand() % left.size();
        const CellPos pos = left[pick];
        left.removeAt(pick);
        const int delay = entranceDelayMs(k, fast, blitz);
        TimedEffect& effect = board.timedEffects[pos.x + Board::kGrid * pos.y];
        effect.start(board.cellAt(pos.x, pos.y), kAppearEffect, 0, effectNow);
        effect.startMs = int(unsigned(effectNow) + unsigned(delay));
        events.append(kEventMouthPop, kMouthPopAfterMs + delay);
    }
}
