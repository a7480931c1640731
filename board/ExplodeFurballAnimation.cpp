#include "board/ExplodeFurballAnimation.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "Core/GameClock.h"
#include "Core/Ref.h"
#include "board/Board.h"
#include "board/BoardHost.h"
#include "board/BoardViewServices.h"
#include "board/GameGraphics.h"
#include "board/ThemeTable.h"
#include "graphics/DrawParams.h"

namespace {

// Bursts that hold a pointer into a board, so a board that goes away can
// clear them before anything writes to freed memory.
Array<ExplodeFurballAnimation*>& hidingBursts()
{
    // Never destroyed: boards and animations may still go away at program exit.
    static Array<ExplodeFurballAnimation*>* bursts = new Array<ExplodeFurballAnimation*>();
    return *bursts;
}

void forget(ExplodeFurballAnimation* burst)
{
    Array<ExplodeFurballAnimation*>& bursts = hidingBursts();
    for (int i = bursts.size() - 1; i >= 0; i--)
        if (bursts[i] == burst)
            bursts.removeAt(i);
}

} // namespace

ExplodeFurballAnimation::ExplodeFurballAnimation(BoardCell* cell, float x, float y, int delayMs, int fragmentCount)
    : originX(x), originY(y)
{
    lastMs = gGameClock.current;
    startMs = delayMs > 0 ? gGameClock.current + delayMs : -1;
    hideCounter = &cell->inFlight;
    landscape = gMirrorX;
    hidingBursts().append(this);
    int colour = static_cast<int16_t>(cell->colour);
    fragments.setSize(std::max(fragmentCount, 0));
    for (Fragment& f : fragments)
        initBurstFragment(f, colour);
}

ExplodeFurballAnimation::ExplodeFurballAnimation(int colourA, int colourB, float x, float y, int dx, int dy,
                                                 bool big, bool huge)
    : originX(x), originY(y)
{
    lastMs = gGameClock.current;
    landscape = gMirrorX;
    int variation = boardHitBurstVariation();
    int count = hitFragmentCount(big, huge, variation);
    big = big || huge;
    fragments.setSize(count);
    for (Fragment& f : fragments) {
        int r = rand() % 3;
        if (variation >= 0 && (variation & 1) && r == 2)
            r = rand() % 3;
        int colour = r == 0 ? colourA : (r == 1 ? colourB : -1);
        initHitFragment(f, colour, dx, dy, big, variation);
    }
}

ExplodeFurballAnimation::~ExplodeFurballAnimation()
{
    forget(this);
}

bool ExplodeFurballAnimation::step()
{
    int current = gGameClock.current;
    if (startMs != -1) {
        if (gameTimeDiff(current, startMs) < 0) {
            lastMs = current;
            return false;
        }
        // The still furball disappears as its sparks start.
        if (hideCounter) {
            // The count sits in a packed cell record, unaligned: copied out and back in.
            uint16_t count = 0;
            std::memcpy(&count, hideCounter, sizeof count);
            count++;
            std::memcpy(hideCounter, &count, sizeof count);
        }
        startMs = -1;
    }
    float dt = gameTimeDiff(current, lastMs) * 0.001f;
    lastMs = current;
    allDone = 1;
    for (Fragment& f : fragments) {
        stepFragment(f, dt);
        if (!f.visible() || f.alive())
            allDone = 0;
    }
    return true;
}

void ExplodeFurballAnimation::update()
{
    if (step())
        draw();
}

void ExplodeFurballAnimation::draw() const
{
    if (!gGameGraphics)
        return;
    const SpriteRef& sparks = gGameGraphics->common[kEntrySparks];
    uint8_t mirrored = gMirrorX;
    gMirrorX = landscape;
    bool many = fragments.size() > 30;
    for (const Fragment& f : fragments) {
        if (!f.visible())
            continue;
        int step = fragmentRotationStep(f.rotation);
        int family = themeColourEntry(f.colour < 0 ? 0 : f.colour);
        DrawParams params;
        params.alpha = std::min(f.alpha, 1.0f);
        params.scaleX = f.scale;
        params.uLeft = 1;
        params.uRight = 16;
        params.vTop = 1;
        params.vBottom = 16;
        float x = originX + f.x;
        float y = originY + f.y;
        sparks.drawFrame(family * 6 + step, x, y, params);
        if (!many)
            continue;
        if (f.alpha > 1.0f) {
            params.alpha = f.alpha - 1.0f;
            sparks.drawFrame(step, x, y, params);
        }
        if (f.flicker != 0.0f) {
            params.alpha = f.alpha * f.flicker;
            sparks.drawFrame(step, x, y, params);
        }
    }
    gMirrorX = mirrored;
}

bool burstHides(const uint16_t* inFlightCount)
{
    for (ExplodeFurballAnimation* burst : hidingBursts())
        if (burst->hideCounter == inFlightCount)
            return true;
    return false;
}

void forgetBurstsInto(const Board& board)
{
    const BoardCell* first = board.cells;
    const BoardCell* end = board.cells + Board::kGrid * Board::kGrid;
    for (ExplodeFurballAnimation* burst : hidingBursts()) {
        const BoardCell* cell = reinterpret_cast<const BoardCell*>(burst->hideCounter);
        if (cell >= first && cell < end)
            burst->hideCounter = nullptr;
    }
}

void explodeBoardFurballs(int jitterMs, bool explode, bool onlyFree, bool hide, int baseDelayMs)
{
    Board* shown = gBoardHost ? gBoardHost->currentGameBoard() : nullptr;
    if (shown)
        explodeFurballsOf(*shown, 0, jitterMs, explode, onlyFree, hide, baseDelayMs);
}

void explodeFurballsOf(Board& board, int offsetX, int jitterMs, bool explode, bool onlyFree, bool hide,
                       int baseDelayMs)
{
    int count = board.furballCount();
    int fragmentCount = count < 7 ? 120 : 126 - count;
    for (const CellPos& pos : board.positions) {
        BoardCell& cell = board.cellAt(pos.x, pos.y);
        if (onlyFree && (cell.inFlight != 0 || burstHides(&cell.inFlight)))
            continue;
        if (!explode) {
            if (hide)
                cell.inFlight++;
            continue;
        }
        ScreenPoint corner = gGameGraphics ? cellToScreen(*gGameGraphics, pos.x, pos.y)
                                           : cellCorner(1.0f, -1, -1, static_cast<float>(pos.x),
                                                        static_cast<float>(pos.y));
        int delayMs = 0;
        if (jitterMs > 0)
            delayMs = baseDelayMs + 1 + rand() % jitterMs;
        else if (hide)
            cell.inFlight++;
        gAnimationList->add(Ref<AnimationI>(
            new ExplodeFurballAnimation(&cell, corner.x + offsetX + 17.5f, corner.y + 17.5f, delayMs, fragmentCount)));
    }
}
