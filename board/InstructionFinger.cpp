#include "board/InstructionFinger.h"

#include "Core/GameClock.h"
#include "board/CellGeometry.h"
#include "board/GameGraphics.h"
#include "graphics/DrawParams.h"

namespace {

void addTimed(MotionPath& path, float ms, float speed, float acceleration)
{
    MotionSegment segment;
    segment.duration = ms;
    segment.speed = speed;
    segment.acceleration = acceleration;
    path.segments.append(segment);
}

float crossAlphaAt(int t)
{
    if (t < 400)
        return 0.0f;
    if (t < 650)
        return (t - 400) * 0.004f;
    if (t < 800)
        return 1.0f;
    if (t < 1200)
        return (400 - (t - 800)) * 0.0025f;
    return 0.0f;
}

} // namespace

void InstructionFinger::startPush(int now)
{
    push.currentSegment = -1;
    push.timeInSegment = 0.0f;
    push.finished = false;
    push.completeAll = false;
    push.wentBack = false;
    push.maxDistance = 0.0f;
    push.active = false;
    push.segments.clear();
    bool one = mode == 1;
    addTimed(push, 410, 0.0f, 0.0f);
    addTimed(push, one ? 300 : 330, 0.22f, 0.0f);
    addTimed(push, one ? 300 : 400, 0.2f, one ? -0.0008f : -0.00061f);
    addTimed(push, 99999, 0.0f, 0.0f);
    if (!push.active) {
        push.active = true;
        push.startTime = now;
    }
    push.timeAtRest = now;
}

FingerFrame InstructionFinger::frameAt(int t)
{
    FingerFrame frame;
    int fadeFrom = 960;
    frame.angle = 180;
    if (mode == 1) {
        frame.angle = direction == 0 ? 0 : 180;
        fadeFrom = 685;
    } else if (mode == -1) {
        frame.upright = direction != 0;
    } else if (mode == 0) {
        frame.upright = direction != -1;
    }
    frame.slidX = x;
    if (t < 280) {
        frame.alpha = t / 280.0f;
        frame.slidX = 270.0f + (x - 270.0f) * t / 280.0f;
    } else {
        frame.alpha = 1.0f;
        if (t >= 410 && t > fadeFrom)
            frame.alpha = 1.0f - 0.0025f * (t - fadeFrom);
        if (frame.alpha <= 0.0f) {
            frame.alpha = 0.0f;
            frame.ended = true;
            active = 0;
        }
    }
    if (crossX != -1.0f)
        frame.crossAlpha = crossAlphaAt(t);
    return frame;
}

void InstructionFinger::placeAt(const FingerFrame& frame, float d, int w, int h, float* sx, float* sy) const
{
    if (mode == 1) {
        *sx = static_cast<float>(static_cast<int>(y + d - w - 15));
        *sy = frame.slidX + 31;
        return;
    }
    *sx = static_cast<float>(static_cast<int>(frame.slidX + 8));
    *sy = direction == -1 ? y - 110 + h - d : y + d - h;
}

void InstructionFinger::start(const int cell[2], int fingerMode, int fingerDirection, const float cross[2])
{
    ScreenPoint corner = gGameGraphics ? cellToScreen(*gGameGraphics, cell[0], cell[1])
                                       : cellCorner(1.0f, -1, -1, static_cast<float>(cell[0]),
                                                    static_cast<float>(cell[1]));
    x = corner.x;
    y = corner.y;
    active = 1;
    startMs = gGameClock.now();
    mode = fingerMode;
    direction = fingerDirection;
    crossX = cross[0];
    crossY = cross[1];
    startPush(startMs);
}

bool InstructionFinger::draw()
{
    if (!active)
        return false;
    int t = gameTimeDiff(gGameClock.now(), startMs);
    bool event = false;
    float d = push.update(&event, 1.0f);
    FingerFrame frame = frameAt(t);
    if (!gGameGraphics)
        return true;
    const SpriteRef& finger = gGameGraphics->common[kEntryFinger];
    if (crossX != -1.0f) {
        DrawParams params;
        params.alpha = frame.crossAlpha;
        gGameGraphics->common[kEntryWrongMove].draw(crossX - 8, crossY - 10, params);
    }
    float sx, sy;
    placeAt(frame, d, finger.width, finger.height, &sx, &sy);
    DrawParams params;
    params.alpha = frame.alpha;
    params.angle = frame.angle;
    params.upright = frame.upright;
    finger.draw(sx, sy, params);
    return true;
}
