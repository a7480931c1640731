#include "board/TimedEffect.h"

#include <cmath>

void TimedEffect::setIdle(int now)
{
    startMs = now;
    cell = freshCell();
    active = 0;
    slow = 0;
    kind = kIdle;
    extra = -1;
}

void TimedEffect::start(const BoardCell& furball, int effectKind, int effectExtra, int now)
{
    startMs = now;
    cell = furball;
    active = 1;
    kind = effectKind;
    extra = effectExtra;
    slow = 0;
    if (effectKind != 5)
        value = -1.0f;
}

TimedEffectFrame TimedEffect::advance(int t, int boardColour)
{
    TimedEffectFrame frame;
    if (kind == 4)
        return frame;
    if (kind == 9) {
        float angle = 90.0f + static_cast<float>(t) * 0.0064516128f;
        frame.drawFurball = true;
        frame.scale = static_cast<float>(0.125 * std::sin(angle) + 0.125 + 0.9);
        return frame;
    }
    if (t < 0 && (kind == 1 || kind == 7)) {
        frame.drawFurball = true;
        frame.scale = 1.0f;
        return frame;
    }
    if (t < 0 && kind == 6)
        return frame;

    float f = slow ? 1.8f : (boardColour == 0 ? 4.0f : 1.3f);
    float a = 270 * f, b = 350 * f, total = 470 * f, settle = 120 * f;
    if (kind == 8) {
        a = 243;
        b = 315;
        total = 423;
        settle = 108;
    }
    float u = static_cast<float>(t);
    if (u >= total) {
        u = total;
        active = 0;
        frame.ended = true;
    }
    if ((boardColour == 0 && kind != 8) || kind == 8)
        return frame;
    float scale = u < a ? 1.05f * u / a : (u < b ? 1.05f : 1.05f - 0.05f * (u - b) / settle);
    frame.scale = scale < 0.0f ? 0.0f : scale;
    frame.drawFurball = true;
    if (slow || (kind != 1 && kind != 7)) {
        frame.glow = true;
        frame.glowIntensity = frame.scale * 0.6f * (0.3f + 0.9f * frame.scale);
    }
    return frame;
}
