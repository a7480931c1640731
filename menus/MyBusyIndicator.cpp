#include "menus/MyBusyIndicator.h"

#include <cmath>

#include "graphics/Bitmap.h"
#include "graphics/DrawParams.h"

namespace {

const int kDotSide = 8;
const float kPlateAlpha = 0.6f;
const float kDimmestDot = 0.2f;
const int kPlateCorner = 10;

// A disc (or a rounded square when corner > 0) of premultiplied colour: soft one-pixel edge.
Texture* makeShape(int side, int corner, unsigned char grey)
{
    Bitmap* bitmap = new Bitmap(side, side, true);
    const float half = side / 2.0f;
    for (int y = 0; y < side; y++)
        for (int x = 0; x < side; x++) {
            float cover;
            if (corner == 0) {
                const float dx = x + 0.5f - half, dy = y + 0.5f - half;
                cover = half - std::sqrt(dx * dx + dy * dy);
            } else {
                const float ex = std::fabs(x + 0.5f - half) - (half - corner);
                const float ey = std::fabs(y + 0.5f - half) - (half - corner);
                const float outX = ex > 0 ? ex : 0, outY = ey > 0 ? ey : 0;
                cover = corner - std::sqrt(outX * outX + outY * outY);
            }
            cover = cover < 0 ? 0 : cover > 1 ? 1 : cover;
            const unsigned char a = (unsigned char)(cover * 255.0f + 0.5f);
            const unsigned char c = (unsigned char)(grey * cover + 0.5f);
            bitmap->at(x, y) = RGBA{c, c, c, a};
        }
    return new Texture(bitmap, false, false);
}

}  // namespace

MyBusyIndicator::MyBusyIndicator()
    : plate_(makeShape(kPlateSide, kPlateCorner, 0)), dot_(makeShape(kDotSide, 0, 255))
{
}

float MyBusyIndicator::dotAlpha(int index, unsigned int nowMs)
{
    const int lead = (int)((nowMs / kStepMs) % kDots);
    const int behind = (lead - index + kDots) % kDots;
    return 1.0f - (1.0f - kDimmestDot) * behind / (kDots - 1);
}

void MyBusyIndicator::render(float centreX, float centreY, unsigned int nowMs)
{
    DrawParams plate;
    plate.alpha = kPlateAlpha;
    plate.centreX = plate.centreY = 1;
    drawTexture(plate_.get(), centreX, centreY, plate);
    for (int i = 0; i < kDots; i++) {
        const float angle = 2.0f * (float)M_PI * i / kDots;
        DrawParams dot;
        dot.centreX = dot.centreY = 1;
        dot.alpha = dotAlpha(i, nowMs);
        drawTexture(dot_.get(), centreX + kRadius * std::sin(angle),
                         centreY - kRadius * std::cos(angle), dot);
    }
}
