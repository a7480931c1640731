#include "board/TimedEffect.h"

#include "Core/GameClock.h"
#include "board/BoardDraw.h"
#include "board/GameGraphics.h"
#include "graphics/DrawParams.h"

namespace {

// The additive glow behind and over a popping furball.
void cellGlow(GameGraphics& g, int column, int row, int offsetX, float intensity)
{
    float size = intensity * 0.5f;
    if (!(size > 0.0f && size < 100.0f))
        return;
    ScreenPoint p = cellToScreen(g, column, row);
    const SpriteRef& glow = g.common[kEntryCellGlow];
    float o = (32.0f - size * glow.width) * 0.6875f * g.scale;
    DrawParams params;
    params.blendMode = 123;
    params.scaleX = size * 1.375f * g.scale;
    glow.draw(p.x + offsetX + o, p.y + o, params);
}

} // namespace

bool TimedEffect::update(GameGraphics& g, int column, int row, int offsetX, const BoardCell& now)
{
    int t = gameTimeDiff(gGameClock.current, startMs);
    TimedEffectFrame frame = advance(t, now.colour);
    if (frame.glow)
        cellGlow(g, column, row, offsetX, frame.glowIntensity);
    if (frame.drawFurball)
        drawFurballAtCell(g, &cell, column, row, frame.scale, offsetX, 1.0f);
    if (frame.glow)
        cellGlow(g, column, row, offsetX, frame.glowIntensity);
    return frame.ended;
}
