#include "ui/Button.h"

#include <algorithm>

#include "Core/Language.h"
#include "graphics/GlState.h"
#include "graphics/ImageLoading.h"
#include "ui/MenuTextStyle.h"
#include "ui/SharedMenuTextures.h"
#include "ui/WoodOverlay.h"

namespace {

struct StyleInfo {
    const char* image;
    int widenedBy;
    int width;   // before the build
    int height;  // before the build
    int fontSize;
};

// Style 0's widening and width depend on the caption and are worked out in the functions below.
const StyleInfo kStyles[] = {
    {"Button_shrunk_25x41.png", 0, 0, 41, 15},
    {"Button_Large_shrunk_30x45.png", 251, 281, 47, 18},
    {"Button_SmallRounded_shrunk_20x30.png", 105, 125, 30, 11},
    {"Button_Large_shrunk_30x45.png", 211, 241, 47, 15},
    {"Button_SmallRounded_shrunk_20x30.png", 217, 237, 30, 15},
    {"SmallRounded_30x30.png", 62, 125, 30, 15},
};

// A fitted button's picture is this much wider than its caption (the image's rounded ends).
const int kFittedEnds = 22;
const int kFittedImageSlack = 3;

// The large style's caption room, with and without the chevron, and where a caption starts to be nudged.
const int kLargeLimit = 255;
const int kLargeLimitChevron = 210;
const int kLargeShiftFrom = 246;
const int kLargeShiftFromChevron = 201;
const int kMaxCaptionShift = 10;

const int kChevronFontSize = 18;
const float kPressedBrightness = 0.5f;
const int kAtlasPadding = 1;

}  // namespace

Button::Button(SpriteSheet* sheet, const char* text, const ButtonOptions& opts)
    : atlas(sheet), caption(text ? text : ""), options(opts)
{
}

int Button::effectiveStyle() const
{
    return options.style >= ButtonStyleFitted && options.style <= ButtonStyleRound ? options.style : ButtonStyleTwoLine;
}

void Button::measureAt(int size)
{
    fontSize = size;
    TextSize measured{0, 0};
    measureWrappedText(&measured, caption.c_str(), fontSize, defaultTextStyle(), -1, -1);
    captionWidth = measured.width;
    captionHeight = measured.height;
}

void Button::measureCaptionSize()
{
    if (captionWidth != -1)
        return;
    measureAt(kStyles[effectiveStyle()].fontSize + options.fontSizeDelta - (isLanguage(kGerman) ? 1 : 0));
}

void Button::measureCaption()
{
    measureCaptionSize();
    captionShift = 0;
    if (effectiveStyle() != ButtonStyleLarge) {
        captionY = 10;
        return;
    }
    const int limit = options.chevron ? kLargeLimitChevron : kLargeLimit;
    const int shiftFrom = options.chevron ? kLargeShiftFromChevron : kLargeShiftFrom;
    if (captionWidth > limit) {
        captionY = 12;
        measureAt(fontSize - 1);
        if (captionWidth > limit)
            measureAt(fontSize - 1);
    } else {
        captionY = 11;
    }
    if (captionWidth >= shiftFrom)
        captionShift = std::min(captionWidth - limit + 10, kMaxCaptionShift) / 2;
}

int Button::width()
{
    if (isBuilt())
        return picture.width;
    const int style = effectiveStyle();
    if (style != ButtonStyleFitted)
        return kStyles[style].width;
    measureCaptionSize();
    return std::max(options.minWidth, captionWidth + kFittedEnds + 2 * options.extraMargin);
}

int Button::height()
{
    return isBuilt() ? picture.height : kStyles[effectiveStyle()].height;
}

void Button::setPosition(int ix, int iy, float fx, float fy)
{
    (void)fx, (void)fy;
    x = ix;
    y = iy;
    if (!isBuilt() && atlas)
        build(ix, iy);
}

void Button::build(int px, int py)
{
    measureCaption();
    const int style = effectiveStyle();
    int widenedBy = kStyles[style].widenedBy;
    if (style == ButtonStyleFitted)
        widenedBy = std::max(options.minWidth - kFittedEnds, captionWidth) + 2 * options.extraMargin -
                    kFittedImageSlack;
    picture = atlas->addBitmap(loadStretchedBitmap(kStyles[style].image, 0, widenedBy), true, kAtlasPadding);
    PixelView view = picture.pixelView(0);
    loadSharedMenuTextures();
    applyWoodOverlay(view, px, py, gSharedMenuTextures[kSharedWood]);
    drawCaption(view);
}

void Button::drawCaption(PixelView& view)
{
    const int style = effectiveStyle();
    const bool chevron = options.chevron != 0;
    if (style == ButtonStyleTwoLine) {
        TextStyle plain = defaultTextStyle();
        plain.align = 1;
        Array<String> lines = caption.split('\n');
        if (lines.size() > 0)
            drawTextInView(view, lines[0].c_str(), fontSize, plain, 2, 1);
        if (lines.size() > 1)
            drawTextInView(view, lines[1].c_str(), fontSize, plain, 2, 12);
        return;
    }
    TextStyle text = defaultTextStyle();
    const float opacity = options.captionOpacity;
    text.r = text.g = text.b = (int)(255 + (1 - opacity) * -0.5f);
    text.a = (int)(255 * opacity);
    text.align = chevron ? 0 : 1;
    int cx = 2, cy = captionY;
    switch (style) {
    case ButtonStyleFitted:
        cx = options.extraMargin + 2;
        text.align = 1;
        break;
    case ButtonStyleLarge:
        cx = chevron ? 20 - captionShift : 2;
        break;
    case ButtonStyleLargeNarrow:
        cx = chevron ? 20 : 2;
        cy = 2;
        break;
    case ButtonStyleSmallWide:
        cx = chevron ? 11 : 2;
        cy = 4;
        break;
    default:  // ButtonStyleRound
        text.align = 1;
        cy = 4;
        break;
    }
    drawTextInView(view, caption.c_str(), fontSize, text, cx, cy);
    if (!chevron)
        return;
    const int w = picture.width;
    if (style == ButtonStyleSmallWide)
        drawTextInView(view, ">", kChevronFontSize, defaultTextStyle(), w - 21, 2);
    else
        drawTextInView(view, ">", kChevronFontSize, defaultTextStyle(), captionShift + w - 30, 12);
}

void Button::render(float px, float py, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)angle;
    drawButtonPicture(picture, px, py, scaleX, scaleY, alpha, selected);
}

void drawButtonPicture(const SpriteRef& picture, float x, float y, float scaleX, float scaleY, float alpha,
                       bool pressed)
{
    DrawParams p;
    p.blendMode = BlendPremultiplied;
    p.alpha = alpha;
    p.scaleX = scaleX;
    p.scaleY = scaleY;
    p.r = p.g = p.b = pressed ? kPressedBrightness : 1.0f;
    picture.draw(x, y, p);
}
