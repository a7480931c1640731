#include "modes/TipForLevel.h"

#include "Core/Language.h"
#include "graphics/Bitmap.h"
#include "graphics/ImageLoading.h"
#include "graphics/TextRender.h"
#include "ui/ImageElement.h"
#include "ui/TiledMenu.h"
#include "ui/MenuTextStyle.h"

namespace {

const char* const kFramePicture = "Border_273x132.png";
const int kFrameHeight = 132;
const int kFrameX = (TipForLevel::kWidth - 273) / 2;
const char* const kIconPicture = "TipIcon_23x22.png";
const int kIconX = 14;
const int kIconY = 12;
const int kHeadingText = 38;
const int kHeadingX = kIconX + 23 + 6;   // beside the icon
const int kHeadingY = 12;
const int kHeadingWidth = 256;
const int kHeadingHeight = 32;
const int kHeadingFontSize = 18;
// The text keeps off the frame's border as the icon does.
const int kTextInset = 14;
const int kTextX = kFrameX + kTextInset;
const int kTextY = kHeadingY + kHeadingHeight;
const int kTextWidth = 273 - 2 * kTextInset;
const int kTextMaxHeight = 512;
const int kBottomMargin = 14;

// White text, wrapped within width: it must stand out on the panel's dark inside, where engraved text would not.
Bitmap* renderPanelText(const char* text, int fontSize, int width, int height)
{
    Bitmap* picture = new Bitmap(width, height, true);
    renderTextBitmap(picture, text, fontSize, defaultTextStyle(), 0, 0, width, height);
    return picture;
}

}  // namespace

TipForLevel::TipForLevel(const char* text, int fontSize)
{
    TextSize size{0, 0};
    measureWrappedText(&size, text, fontSize, defaultTextStyle(), kTextWidth, kTextMaxHeight);
    panelHeight = kTextY + size.height + kBottomMargin;
    viewWidth = kWidth;
    viewHeight = panelHeight;
    children.reserve(4);
    addPicture(loadStretchedBitmap(kFramePicture, panelHeight - kFrameHeight, 0), kFrameX, 0);
    addPicture(new Bitmap(kIconPicture, 1.0f, true), kIconX, kIconY);
    addPicture(renderPanelText(getText(kHeadingText).c_str(), kHeadingFontSize, kHeadingWidth, kHeadingHeight),
               kHeadingX, kHeadingY);
    if (size.height > 0)
        addPicture(renderPanelText(text, fontSize, kTextWidth, size.height), kTextX, kTextY);
}

void TipForLevel::addPicture(Bitmap* picture, int x, int y)
{
    ViewChild& child = addChild();
    child.element.reset(new ImageElement(picture, ImageElement::ModePremultiplied));
    child.x = x;
    child.y = y;
}

void addTipPanel(TiledMenu* menu, int row, const String& text, int fontSize)
{
    ViewChild* child = menu->addElement(-1, row, false);
    if (!child)
        return;
    child->element.reset(new TipForLevel(text.c_str(), fontSize));
    child->centred = 1;
}
