#include "menus/Panel.h"

#include "graphics/Bitmap.h"
#include "graphics/GlState.h"
#include "graphics/TextRender.h"
#include "ui/MenuTextStyle.h"
#include "ui/WoodOverlay.h"

namespace {

const int kFitWidth = 119;  // a caption of size s must be at most 119 - s wide
const int kAtlasPadding = 1;
const float kPressedGrey = 0.6f;

const char* const kPreviews[] = {"Default_136x195.png", "Soccer_136x195.png", "Fruit_136x195.png",
                                 "Panda_136x195.png",   "Turtle_136x195.png", "Marble_136x195.png"};

TextStyle captionStyle()
{
    TextStyle style = defaultTextStyle();
    style.align = 1;
    return style;
}

int captionWidthAt(const char* caption, int size)
{
    TextSize measured;
    measureWrappedText(&measured, caption, size, captionStyle(), -1, -1);
    return measured.width;
}

// Smaller captions sit a little lower, so that their letters stay in the preview's quiet band.
float captionDrop(int size)
{
    switch (size) {
    case 15:
        return 1.0f;
    case 14:
        return 1.5f;
    case 13:
        return 2.0f;
    default:
        return 0.0f;
    }
}

}  // namespace

const char* themePreviewName(int theme)
{
    return theme >= 0 && theme < 6 ? kPreviews[theme] : kPreviews[0];
}

int fitThemeCaption(const char* caption)
{
    int size = Panel::kLargestCaption;
    while (size > Panel::kSmallestCaption && captionWidthAt(caption, size) > kFitWidth - size)
        size--;
    return size;
}

Bitmap* letterThemeCaption(const char* caption, int size, const Bitmap& preview)
{
    Bitmap* lettered = new Bitmap(Panel::kCaptionBoxWidth, Panel::kCaptionBoxHeight, true);
    renderTextBitmap(lettered, caption, size, captionStyle(), 0, 0, Panel::kCaptionBoxWidth,
                     Panel::kCaptionBoxHeight);
    const int left = preview.width / 2 - lettered->width / 2;
    applyWoodOverlay(lettered, left, Panel::kCaptionTop, &preview);
    return lettered;
}

Panel::Panel(SpriteSheet* sheet, int tileTheme, const char* text) : atlas(sheet), theme(tileTheme)
{
    Bitmap* preview = new Bitmap(themePreviewName(theme), 1.0f, true);
    captionSize = fitThemeCaption(text);
    caption = atlas->addBitmap(letterThemeCaption(text, captionSize, *preview), true, kAtlasPadding);
    picture = atlas->addBitmap(preview, true, kAtlasPadding);
}

void Panel::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)angle;
    DrawParams p;
    p.blendMode = BlendPremultiplied;
    p.alpha = alpha;
    p.scaleX = scaleX;
    p.scaleY = scaleY;
    p.r = p.g = p.b = selected ? kPressedGrey : 1.0f;
    picture.draw(x, y, p);
    const float captionX = x - caption.width / 2 + picture.width / 2;
    caption.draw(captionX, y + kCaptionTop + captionDrop(captionSize), p);
}
