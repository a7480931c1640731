#include "board/TimedEffect.h"

void TimedEffect::setIdle(int now)
{
    startMs = now;
    cell = freshCell();
    active = 0;
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
