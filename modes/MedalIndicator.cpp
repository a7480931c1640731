#include "modes/MedalIndicator.h"

#include "Core/Language.h"
#include "board/GameGraphics.h"
#include "board/NumberDisplay.h"
#include "graphics/DrawParams.h"
#include "modes/HudFrames.h"

namespace {

const float kBarHeight = 31.8f;
const float kBarBottom = 59.0f;
const float kBarX = 278.2f;

} // namespace

void drawHudFrame(int frame, float x, float y, float scaleX, float scaleY)
{
    if (!gGameGraphics)
        return;
    DrawParams params;
    params.scaleX = scaleX;
    params.scaleY = scaleY;
    gGameGraphics->common[kEntryHud].drawFrame(frame, x, y, params);
}

void drawMedalIndicator(int grade, float progress)
{
    if (!gGameGraphics || grade < 0 || grade > 3)
        return;
    drawHudFrame(kHudFirstMedal + grade, grade == 0 ? 253.3f : 250.5f, 26.0f, 0.74f, 0.74f);
    if (grade == 0)
        return;
    const float scale = 0.666f;
    drawHudFrame(kHudMedalBarBack, kBarX, kBarBottom, scale, scale);
    if (progress <= 0.0f)
        return;
    const float filled = kBarHeight * progress;
    drawHudFrame(kHudMedalBarFill, kBarX, kBarBottom + 1.085f - filled, scale, (filled + 1.16f) / 16.0f);
    drawHudFrame(kHudMedalBarEnd, kBarX, kBarBottom - filled, scale, scale);
}
