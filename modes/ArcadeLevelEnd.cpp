#include "modes/ArcadeLevelEnd.h"

#include <algorithm>

#include "Core/GameClock.h"
#include "board/GameGraphics.h"
#include "board/NumberDisplay.h"
#include "graphics/DrawParams.h"

namespace {

const float kBaseMs = 800.0f;
const float kSlowFrom = 0.35f;
const float kCountDelayMs = 200.0f;
const float kFadeRate = 0.0025f;   // full opacity in 400 ms
const float kEndEarlyMs = 25.0f;

// Placement with the normal layout (the alternate layout is never used).
const float kCentreX = 160.0f;
const float kPanelY = 240.0f;
const float kGlowY = 233.0f;
const float kGaugeX = 82.0f;
const float kGaugeY = 220.0f;
const float kPointsX = 124.0f;
const float kPointsY = 228.0f;
const int kGaugeEmpty = 99;

} // namespace

void ArcadeLevelEnd::start(float used, int points, int nowMs)
{
    usedFraction = used;
    barFraction = used;
    pointsAdded = points;
    startMs = nowMs;
    active = true;
}

ArcadeLevelEnd::Frame ArcadeLevelEnd::at(int nowMs) const
{
    const float f = usedFraction;
    const float countMs = f < kSlowFrom ? kBaseMs : (f + 0.65f) * kBaseMs;
    const float totalMs = countMs + kBaseMs;
    const float endMs = totalMs - kEndEarlyMs;
    const float t = static_cast<float>(gameTimeDiff(nowMs, startMs));
    Frame frame;
    frame.barFraction = f - 0.2f * std::min(t / totalMs, 1.0f);
    frame.playing = active && t < endMs;
    if (!frame.playing)
        return frame;
    frame.progress = std::min(std::max((t - kCountDelayMs) / countMs, 0.0f), 1.0f);
    frame.opacity = t < 400.0f ? t * kFadeRate : std::min((endMs - t) * kFadeRate, 1.0f);
    frame.gaugeFraction = f + frame.progress * (1.0f - f);
    return frame;
}

int ArcadeLevelEnd::shownScore(int score, const Frame& frame) const
{
    return static_cast<int>(static_cast<float>(score - pointsAdded) + frame.progress * static_cast<float>(pointsAdded));
}

void drawArcadeLevelEnd(const GameGraphics& graphics, const ArcadeLevelEnd& show, const ArcadeLevelEnd::Frame& frame)
{
    DrawParams params;
    params.centreX = 1;
    params.centreY = 1;
    params.alpha = std::max(frame.opacity, 0.0f);
    graphics.common[kEntryLevelEndPanel].draw(kCentreX, kPanelY, params);
    params.alpha = params.alpha * params.alpha;
    graphics.common[kEntryLevelEndGlow].draw(kCentreX, kGlowY, params);

    const int gauge = frame.gaugeFraction >= 1.0f ? kGaugeEmpty : clockGaugeFrame(frame.gaugeFraction);
    if (gauge != kGaugeEmpty)
        graphics.common[kEntryTimeCircle].drawFrame(gauge, kGaugeX, kGaugeY, DrawParams());
    const int counted = static_cast<int>(frame.progress * static_cast<float>(show.pointsAdded));
    drawNumberDigits(counted, show.pointsAdded > 9999 ? 1000000 : 100000, kPointsX, kPointsY, 1.0f);
}
