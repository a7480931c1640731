#include "board/BoardDraw.h"

#include <cmath>

#include "Core/GameClock.h"
#include "Core/Ref.h"
#include "board/Board.h"
#include "board/BoardHost.h"
#include "board/BoardServices.h"
#include "board/BoardViewServices.h"
#include "board/ExplodeFurballAnimation.h"
#include "board/GameGraphics.h"
#include "board/ThemeTable.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "ui/MenuStack.h"

namespace {

const int kBlendAdditive = 123;
const int kBlendOpaque = 124;

bool isSet(const SpriteRef& ref)
{
    return ref.firstRegion >= 0 && ref.sheet != nullptr;
}

DrawParams scaled(float alpha, float scale)
{
    DrawParams params;
    params.alpha = alpha;
    params.scaleX = scale;
    return params;
}

// The marbles' caustics: how strongly they show during the special animation.
float overlayStrength(BoardCell& cell, int clockCurrent)
{
    int elapsed = gameTimeDiff(clockCurrent, cell.specialStart);
    int duration = ThemeTable[5].extraFramesMs;
    double u = static_cast<double>(elapsed) / duration;
    double v = u < 1.0 ? u : 1.0;
    double w = ((0.5 - std::fabs(u - 0.5)) * 2.0 + std::sin(v * 3.1415927)) * 2.0 / 7.0;
    if (elapsed > duration)
        cell.specialStart = -1;
    return static_cast<float>(w);
}

void drawOverlay(const GameGraphics& g, float x, float y, float strength, float alpha, float size)
{
    DrawParams params = scaled(strength * alpha, size);
    params.blendMode = kBlendAdditive;
    g.themeOverlay.draw(x, y, params);
}

// Where a strike happens: the edge of the struck furball's cell that faces its pusher.
ScreenPoint contactPoint(const GameGraphics& g, const FlightImpact& impact, int offsetX)
{
    ScreenPoint p = cellToScreen(g, impact.source.x, impact.source.y);
    float cell = 45.0f * g.scale;
    float half = 22.0f * g.scale;
    p.x += offsetX + (impact.dx == -1 ? cell : (impact.dx == 0 ? half : 0.0f));
    p.y += impact.dy == -1 ? cell : (impact.dy == 0 ? half : 0.0f);
    return p;
}

void playStrike(const GameGraphics& g, const FlightImpact& impact, int offsetX)
{
    bool travels = impact.source != impact.target;
    if (travels && gBoardHost)
        gBoardHost->playHitEffect();
    if (!boardEffectsOn())
        return;
    ScreenPoint p = contactPoint(g, impact, offsetX);
    gAnimationList->add(Ref<AnimationI>(new ExplodeFurballAnimation(
        impact.colour, impact.strikerColour, p.x, p.y, impact.dx, impact.dy, travels, impact.fast != 0)));
}

bool effectsRun(GameGraphics& g, Board& board, int offsetX)
{
    bool running = false;
    for (int row = 0; row < Board::kRows; row++) {
        for (int column = 0; column < Board::kColumns; column++) {
            TimedEffect& effect = board.timedEffects[column + Board::kGrid * row];
            if (!effect.active)
                continue;
            effect.update(g, column, row, offsetX, board.cellAt(column, row));
            running = true;
        }
    }
    return running;
}

void reportSolved(Board& board)
{
    if (board.furballCount() != 1) {
        board.finishReported = 0;
        return;
    }
    if (board.finishReported || board.movingFurballs.size() != 0 || !gBoardHost || !gBoardHost->onPlayScreen() ||
        gMenuStack.top() || !gBoardHost->hasCurrentGame())
        return;
    board.finishReported = 1;
    gBoardHost->puzzleFinishedOn(board);
}

} // namespace

void drawBackground(GameGraphics& g, float scale, int offsetX)
{
    g.scale = scale;
    DrawParams params = scaled(1.0f, scale);
    params.blendMode = kBlendOpaque;
    g.background.draw(static_cast<float>(offsetX), 0.0f, params);
}

void drawFurball(GameGraphics& g, BoardCell* cell, float x, float y, float pulse, float alpha)
{
    drawFurballTurned(g, cell, x, y, pulse, alpha, 0, -1);
}

void drawFurballTurned(GameGraphics& g, BoardCell* cell, float x, float y, float pulse, float alpha, int angle,
                       int quarterTurns)
{
    if (cell->colour == 0)
        return;
    float size = pulse * g.scale;
    if (size == 0.0f)
        return;
    const int theme = boardTheme();
    const int clockCurrent = gGameClock.current;
    FurballFrame frame = chooseFurballFrame(*cell, theme, boardHalfFrames(), clockCurrent);

    float a = (43.0f * g.scale - 45.0f * size) / 2.0f;
    float b = (43.0f * g.scale - g.furballFrames.height * size) / 2.0f;
    if (size == 1.0f && x == std::floor(x) && y == std::floor(y)) {
        a = std::trunc(a);
        b = std::trunc(b);
    }

    float shadowFactor = 1.3f, shadowAlpha = 0.8f;
    if (theme == 2) {
        shadowFactor = 1.25f;
    } else if (theme == 4) {
        shadowFactor = 1.18f;
        shadowAlpha = 0.7f;
    } else if (theme == 0) {
        shadowFactor = 1.12f;
        shadowAlpha = 0.65f;
    }
    if (isSet(g.themeShadow)) {
        float shadowScale = size > 1.0f ? 1.0f + (size - 1.0f) * 0.4f : size;
        g.themeShadow.draw(x + a, y + a, scaled(shadowAlpha * alpha, shadowScale));
    } else {
        const SpriteRef& shadow = g.common[kEntryFurballShadow];
        float shadowSize = size * shadowFactor;
        float c = (43.0f * g.scale - 45.0f * shadowSize) / 2.0f;
        shadow.draw(x + a, y + a, scaled(shadowAlpha * alpha, size));
        shadow.draw(x + c, y + c, scaled(shadowAlpha * alpha, shadowSize));
    }

    float overlay = 0.0f;
    if (theme == 5 && isSet(g.themeOverlay) && cell->specialStart != -1)
        overlay = overlayStrength(*cell, clockCurrent);
    if (overlay > 0.0f)
        drawOverlay(g, x + a, y + a, overlay, alpha, size);

    DrawParams params = scaled(alpha, size);
    params.angle = angle;
    params.quarterTurns = static_cast<uint16_t>(quarterTurns >= 0 ? quarterTurns : (theme == 0 ? cell->face : 0));
    g.furballFrames.drawFrame(furballRegionIndex(theme, frame.frame, cell->colour), x + b, y + b, params);
    if (frame.blend) {
        params.alpha = alpha * 0.5f;
        g.furballFrames.drawFrame(furballRegionIndex(theme, frame.frame + 2, cell->colour), x + b, y + b, params);
    }

    if (theme == 0)
        g.common[kEntryFurballShading].draw(x + 2 + a, y + 2 + a, scaled(alpha, size));
    if (overlay > 0.0f)
        drawOverlay(g, x + a, y + a, overlay, alpha, size);
}

void drawFurballAtCell(GameGraphics& g, BoardCell* cell, int column, int row, float pulse, int offsetX, float alpha)
{
    if (column < 0 || row < 0)
        return;
    ScreenPoint p = cellToScreen(g, column, row);
    drawFurball(g, cell, p.x + offsetX, p.y, pulse, alpha);
}

bool drawBoard(GameGraphics& g, Board& board, float scale, int offsetX, int offsetY)
{
    g.scale = scale;
    const bool small = scale < 1.0f;
    if (small) {
        gMirrorX = 1;
        drawBackground(g, scale, offsetX);
    }
    const int clockCurrent = gGameClock.current;

    for (const CellPos& pos : board.positions) {
        BoardCell& cell = board.cellAt(pos.x, pos.y);
        if (static_cast<int16_t>(cell.inFlight) > 0 || board.timedEffects[pos.x + Board::kGrid * pos.y].active)
            continue;
        advanceFaceAnimation(cell, pos.x, pos.y, clockCurrent);
        float pulse = board.hintPulseScale(pos.x, pos.y);
        ScreenPoint p = cellToScreen(g, pos.x, pos.y);
        drawFurball(g, &cell, p.x + offsetX, p.y + offsetY, pulse, 1.0f);
    }

    if (small)
        setClipRect(0.0f, 0.0f, scale * 410.0f, offsetX + scale * 320.0f);
    else
        setClipRect(0.0f, 70.0f, 320.0f, 480.0f);
    Array<FlightFrame> flights;
    Array<FlightImpact> impacts;
    bool animating = advanceFlights(board, flights, impacts);
    for (FlightFrame& flight : flights) {
        ScreenPoint p = cellToScreenF(g, flight.pose.column, flight.pose.row);
        drawFurballTurned(g, &flight.cell, p.x + offsetX, p.y + offsetY, flight.pose.pulse, flight.pose.alpha,
                          flight.pose.angle, flight.pose.quarterTurns);
    }
    for (const FlightImpact& impact : impacts)
        playStrike(g, impact, offsetX);
    disableClip();

    if (effectsRun(g, board, offsetX))
        animating = true;
    reportSolved(board);
    gMirrorX = 0;
    return animating;
}
