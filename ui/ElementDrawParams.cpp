#include "ui/ElementDrawParams.h"

DrawParams elementDrawParams(float scaleX, float scaleY, float alpha, float angle, int blendMode)
{
    DrawParams p;
    p.angle = (int)angle;
    p.blendMode = blendMode;
    p.alpha = alpha;
    p.scaleX = scaleX;
    p.scaleY = scaleY == -1.0f ? scaleX : scaleY;
    return p;
}

DrawParams combinedDrawParams(const DrawParams& stored, float scaleX, float scaleY, float alpha, float angle)
{
    DrawParams p = stored;
    p.angle = (int)angle;
    p.alpha = stored.alpha * alpha;
    p.scaleX = stored.scaleX * scaleX;
    p.scaleY = stored.effectiveScaleY() * (scaleY == -1.0f ? scaleX : scaleY);
    return p;
}
