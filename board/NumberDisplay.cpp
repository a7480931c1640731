#include "board/NumberDisplay.h"

#include "board/GameGraphics.h"
#include "graphics/DrawParams.h"

int numberDigits(int value, int divisor, int digits[10])
{
    unsigned shown = value < 0 ? 0u : static_cast<unsigned>(value);
    int count = 0;
    for (int d = divisor; d > 1 && count < 10;) {
        d /= 10;
        if (d == 0)
            break;
        digits[count++] = static_cast<int>(shown / static_cast<unsigned>(d) % 10u);
    }
    return count;
}

float levelNumberShift(int value)
{
    if (value == 11)
        return 1.0f;
    if (value >= 10 && value <= 19)
        return 1.5f;
    if (value >= 20)
        return 0.5f;
    return 0.0f;
}

int timeCircleFrame(int frame, bool blink, int now)
{
    if (frame == 99)
        return -1;
    if (frame > 25 && blink && (now / 400) % 2 == 0)
        frame = 63 - frame;
    return frame >= 0 && frame <= 37 ? frame : -1;
}

void drawNumberDigits(int value, int divisor, float x, float y, float alpha)
{
    if (!gGameGraphics)
        return;
    int digits[10];
    int count = numberDigits(value, divisor, digits);
    DrawParams params;
    params.alpha = alpha;
    params.scaleX = 0.38636363f;   // a 44-pixel digit drawn 17 pixels wide
    for (int i = 0; i < count; i++) {
        gGameGraphics->common[kEntryDigits].drawFrame(digits[i], x, y, params);
        x += 12.0f;
    }
}
