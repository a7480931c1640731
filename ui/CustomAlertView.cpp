#include "ui/CustomAlertView.h"

#include <cmath>

#include "Core/GameClock.h"
#include "Core/Log.h"
#include "graphics/Bitmap.h"
#include "sound/SoundPlayer.h"
#include "ui/EngravedText.h"
#include "ui/ImageElement.h"
#include "ui/IndexElement.h"
#include "ui/MarginWrapper.h"
#include "ui/MenuStack.h"
#include "ui/MenuTextStyle.h"

namespace {

const int kPageWidth = 512;
const int kSmallPage1Height = 512;
const int kSmallPage2Height = 256;
const int kLargePage1Height = 1024;
const int kLargePage2Height = 512;

int page1Height(const AlertOptions& options)
{
    return options.largeAtlas ? kLargePage1Height : kSmallPage1Height;
}

int page2Height(const AlertOptions& options)
{
    return options.largeAtlas ? kLargePage2Height : kSmallPage2Height;
}

const int kTitleWidth = 260;
const int kTitleHeight = 64;
const int kTitleFontSize = 19;
const int kMessageWidth = 272;
const int kWideMessageWidth = 288;
const int kMessageHeight = 350;
const int kTextMarginX = 16;
const int kMessageMarginY = 6;
const char* const kDividerPicture = "Divider_245x3.png";
const char* const kAlertFont = "AmericanTypewriter-Bold";

const int kCompactShift = 10;
const int kFrameWidth = 50;
const int kWideFrameWidth = 70;

// The vertical spaces, usual and compact: above the title, title margin, under the divider, above the
// buttons, under them.
struct Spacing {
    int top, titleMargin, underDivider, aboveButtons, bottom;
};
const Spacing kSpacing = {12, 7, 11, 14, 6};
const Spacing kCompactSpacing = {6, 6, 5, 10, 5};

const float kHalfPi = 1.5707963f;
const float kPi = 3.14159265f;
const float kPeakScale = 1.1f;
const float kBounce = 0.1f;
const float kCentreX = 160.0f;
const float kCentreY = 240.0f;

}  // namespace

int inkedHeight(const PixelView& view)
{
    for (int row = view.height - 1; row >= 0; row--)
        for (int column = 0; column < view.width; column++)
            if (view.pixels[row * view.stride + column].b != 0)
                return row + 1;
    return 0;
}

float CustomAlertView::popInScale(float t)
{
    if (t <= 0.0f)
        return 0.0f;
    if (t <= (float)kPopInMs)
        return kPeakScale * std::sin(kHalfPi * t / (float)kPopInMs);
    if (t <= (float)kSettleMs)
        return kPeakScale + kBounce * (std::sin(kHalfPi + (3.0f * kPi / 440.0f) * (t - (float)kPopInMs)) - 1.0f);
    return 1.0f;
}

CustomAlertView::CustomAlertView(AlertViewCallbackI* listener, const char* titleText, const char* messageText,
                                 const char* button1, const char* button2, const char* button3, AlertOptions opts)
    : TiledMenu(kPageWidth, page1Height(opts), kPageWidth, page2Height(opts)), options(opts)
{
    setup(listener, titleText, messageText, button1, button2, button3);
}

CustomAlertView::CustomAlertView(AlertOptions opts)
    : TiledMenu(kPageWidth, page1Height(opts), kPageWidth, page2Height(opts)), options(opts)
{
}

void CustomAlertView::setup(AlertViewCallbackI* listener, const char* titleText, const char* messageText,
                            const char* button1, const char* button2, const char* button3)
{
    title = titleText;
    message = messageText;
    buttons[0] = button1;
    buttons[1] = button2;
    buttons[2] = button3;
    callback = listener;
    frameCount = 0;
    animStartMs = gGameClock.current;
    build(options.verticalOffset + (options.compact ? kCompactShift : 0), true,
          options.wide ? kWideFrameWidth : kFrameWidth);
    title = message = nullptr;
    buttons[0] = buttons[1] = buttons[2] = nullptr;
    // Nothing shows before the first frame: a touch that comes before it must not find a button.
    if (!options.noAnimation)
        inner.scaleX = 0.0f;
    gMenuStack.push(this);
}

void CustomAlertView::addCutText(int row, const char* text, int width, int height, int fontSize, int marginY)
{
    TextStyle style = defaultTextStyle();
    style.wrapMode = 0;
    style.align = 1;
    style.fontName = kAlertFont;
    style.r = style.g = style.b = style.a = 255;
    SpriteRef picture;
    makeTextTexture(&picture, &atlas, text ? text : "", width, height, fontSize, style);
    const PixelView view = picture.pixelView(0);
    picture.height = view.pixels ? inkedHeight(view) : 0;
    IndexElement* element = new IndexElement(picture, true);
    element->blendMode = 126;
    element->drawFlag = 1;
    element->drawFlag2 = 0;
    ViewChild* child = addElement(-1, row, false);
    if (!child) {
        delete element;
        return;
    }
    child->element.reset(new MarginWrapper(element, kTextMarginX, marginY));
    child->centred = 1;
}

void CustomAlertView::addContents()
{
    const Spacing& spacing = options.compact ? kCompactSpacing : kSpacing;
    addVerticalSpace(0, spacing.top);
    addCutText(1, title, kTitleWidth, kTitleHeight, kTitleFontSize, spacing.titleMargin);
    ViewChild* divider = addElement(-1, 2, false);
    ImageElement* line = new ImageElement(new Bitmap(kDividerPicture, 1.0f, false), ImageElement::ModeWood);
    line->drawFlag = 1;
    divider->element.reset(line);
    addVerticalSpace(3, spacing.underDivider);
    int row = 4;
    addBody(&row);
    addVerticalSpace(row++, spacing.aboveButtons);
    addButtons(&row);
    addVerticalSpace(row, spacing.bottom);
}

void CustomAlertView::addBody(int* nextRow)
{
    addCutText(*nextRow, message, options.wide ? kWideMessageWidth : kMessageWidth, kMessageHeight,
               options.messageFontSize, kMessageMarginY);
    *nextRow += 1;
}

void CustomAlertView::addButtons(int* nextRow)
{
    addButtonRow(nextRow, buttons[0], buttons[1], buttons[2], options.buttonStyle != 0, 0, 1,
                 options.buttonRowFlag != 0);
}

int CustomAlertView::render()
{
    int more = 0;
    if (frameCount <= 1) {
        frameCount++;
        animStartMs = gGameClock.current;
        more = 1;
    }
    if (options.noAnimation || animStartMs == -1) {
        inner.scaleX = 1.0f;
        inner.scaleY = -1.0f;
        inner.originX = inner.originY = 0.0f;
        inner.alpha = 1.0f;
    } else {
        const float t = (float)(elapsedOnWrappingCounter(gGameClock.current, animStartMs) - startDelayMs);
        const float s = popInScale(t);
        if (t > (float)kSettleMs) {
            inner.originX = inner.originY = 0.0f;
            animStartMs = -1;
            // From here on its buttons answer a tap, which is what a player (or a script) waits for.
            logPrintf("LOG", "alert grown in");
        } else {
            inner.originX = (1.0f - s) * kCentreX;
            inner.originY = (1.0f - s) * kCentreY;
        }
        inner.scaleX = s;
        inner.scaleY = -1.0f;
        inner.alpha = 1.0f;
        more = 1;
    }
    TiledMenu::render();
    return more;
}

int CustomAlertView::handleTouch(int phase, int x, int y)
{
    if (inner.scaleX < kTouchScale)
        return -1;
    bool consumed = false;
    const int result = inner.handleTouch(phase, x, y, &consumed);
    if (result == -1)
        return -1;
    if (gSoundPlayer)
        gSoundPlayer->playMenuClickEffect();
    if (callback)
        callback->alertButtonClicked(result, this);
    return result;
}
