#include "ui/MainHeading.h"

#include <algorithm>

#include "ui/EngravedText.h"
#include "ui/IndexElement.h"
#include "ui/MenuTextStyle.h"

namespace {

const char* const kDividerPicture = "Divider_245x3.png";
const int kChildReserve = 64;

}  // namespace

void clearDividerGap(const PixelView& divider, int gap)
{
    if (!divider.pixels)
        return;
    int from = (divider.width - gap) / 2;
    int to = from + gap;
    if (divider.width - gap < -1) {
        from = 0;
        to = divider.width;
    }
    from = std::max(from, 0);
    to = std::min(to, divider.width);
    for (int row = 0; row < divider.height; row++)
        for (int column = from; column < to; column++)
            divider.pixels[row * divider.stride + column] = RGBA{0, 0, 0, 0};
}

MainHeading::MainHeading(SpriteSheet* sheet, const char* heading) : atlas(sheet), text(heading ? heading : "")
{
    viewWidth = 320;
    viewHeight = 480;
    children.reserve(kChildReserve);
    build();
}

void MainHeading::build()
{
    removeAllChildren();
    const int textWidth = menuTextWidth(text.c_str(), kFontSize);
    TextStyle style = defaultTextStyle();
    style.align = 1;
    SpriteRef caption;
    makeTextTexture(&caption, atlas, text.c_str(), textWidth, kTextHeight, kFontSize, style);
    const SpriteRef divider = atlas->addImage(kDividerPicture, 1.0f);
    clearDividerGap(divider.pixelView(0), textWidth + kGapExtra);

    ViewChild& line = addChild();
    line.element.reset(new IndexElement(divider, true));
    line.y = kDividerY;
    line.centred = 1;
    ViewChild& words = addChild();
    words.element.reset(new IndexElement(caption, true));
    words.centred = 1;
    viewWidth = std::max(divider.width, 0);
    viewHeight = std::max(divider.height, 0) + kDividerY;
}

void MainHeading::setText(const char* heading)
{
    text = heading ? heading : "";
    ownSheet.reset();
    atlas = &ownSheet;
    build();
    setPosition((int)originX, (int)originY, originX, originY);
    ownSheet.uploadPages();
}
