#include "ui/BackButton.h"

#include "Core/Language.h"
#include "graphics/ImageLoading.h"
#include "ui/Button.h"
#include "ui/MenuTextStyle.h"
#include "ui/SharedMenuTextures.h"
#include "ui/WoodOverlay.h"

namespace {

const int kWordInset = 4;
const int kAtlasPadding = 1;

}  // namespace

BackButton::BackButton(SpriteSheet* sheet) : atlas(sheet)
{
    const int wordWidth = menuTextWidth(getText(kBackTextId).c_str(), kWordFontSize);
    if (wordWidth > kWordRoom)
        stretch = kDefaultStretch + wordWidth - kWordRoom;
}

void BackButton::setPosition(int ix, int iy, float fx, float fy)
{
    (void)fx, (void)fy;
    x = ix;
    y = iy;
    if (!isBuilt() && atlas)
        build(ix, iy);
}

void BackButton::build(int px, int py)
{
    Bitmap* bitmap = loadStretchedBitmap("Back_30x30.png", 0, stretch);
    loadSharedMenuTextures();
    applyWoodOverlay(bitmap, px, py, gSharedMenuTextures[kSharedWood]);
    TextStyle word = defaultTextStyle();
    word.align = 1;
    renderTextBitmap(bitmap, getText(kBackTextId).c_str(), kWordFontSize, word, kWordInset, kWordInset,
                     bitmap->width - kWordInset, bitmap->height - kWordInset);
    picture = atlas->addBitmap(bitmap, true, kAtlasPadding);
}

void BackButton::render(float px, float py, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)angle;
    drawButtonPicture(picture, px, py, scaleX, scaleY, alpha, selected);
}
