#include "menus/ScreenshotShadow.h"

#include <algorithm>

#include "graphics/ShadowBitmap.h"

BoxBlurTable makeBoxBlurTable(int radius)
{
    BoxBlurTable table;
    table.radius = std::max(radius, 0);
    int window = 2 * table.radius + 1;
    table.count = 256 * window;
    table.values.resize(table.count);
    for (int i = 0; i < table.count; ++i)
        table.values[i] = i / window;
    return table;
}

void prepareScreenshotBitmaps(const BoxBlurTable& table, const MonoBitmap& source, MonoBitmap& destination, int width,
                              int height)
{
    width = std::min({width, source.width, destination.width});
    height = std::min({height, source.height, destination.height});
    if (width <= 0 || height <= 0 || !source.pixels || !destination.pixels)
        return;
    boxBlurPlane(source.pixels, source.allocW, width, height, table.radius, table.values.data(), destination.pixels,
                 destination.allocW);
}

MonoBitmap* makeScreenshotShadowPlane()
{
    MonoBitmap* plane = new MonoBitmap(kShadowWidth, kShadowHeight, true);
    for (int y = kShadowBorder; y < kShadowHeight - kShadowBorder; ++y)
        for (int x = kShadowBorder; x < kShadowWidth - kShadowBorder; ++x)
            plane->at(x, y) = kShadowAlpha;
    BoxBlurTable table = makeBoxBlurTable(kShadowBlurRadius);
    for (int pass = 0; pass < kShadowBlurPasses; ++pass)
        prepareScreenshotBitmaps(table, *plane, *plane, kShadowWidth, kShadowHeight);
    return plane;
}

Bitmap* makeScreenshotShadowBitmap()
{
    MonoBitmap* plane = makeScreenshotShadowPlane();
    Bitmap* shadow = new Bitmap(kShadowWidth, kShadowHeight, true);
    for (int y = 0; y < kShadowHeight; ++y)
        for (int x = 0; x < kShadowWidth; ++x)
            shadow->at(x, y) = RGBA{0, 0, 0, plane->at(x, y)};
    delete plane;
    return shadow;
}
