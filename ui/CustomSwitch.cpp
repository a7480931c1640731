#include "ui/CustomSwitch.h"

#include "Core/GameClock.h"
#include "Core/Language.h"
#include "graphics/Bitmap.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/TextRender.h"
#include "graphics/Texture.h"
#include "ui/ElementDrawParams.h"
#include "ui/SwitchPicture.h"

#include <cstdlib>

namespace {

const int kSwipeToToggle = 35;   // px of a move that toggle at once
const int kReachX = 129;         // a toggle stays this close to its press
const int kReachY = 49;
const int kToggleMsPerPixel = 4;
const int kMaxPixelsPerFrame = 14;

// The words of the blank strip: white "on" left of the knob, black "off" right of it.
void drawSwitchWords(Bitmap* strip)
{
    TextStyle style;
    style.align = 1;
    style.r = style.g = style.b = 255;
    renderTextBitmap(strip, getText(28).c_str(), 16, style, 0, 2, 53, 20);
    style.r = style.g = style.b = 0;
    renderTextBitmap(strip, getText(29).c_str(), 16, style, 92, 2, 53, 20);
}

}  // namespace

CustomSwitch::CustomSwitch(SpriteSheet* menuAtlas, bool state, SwitchListener* switchListener)
    : atlas(menuAtlas), knobOffset(state ? 0 : kOffOffset), on(state ? 1 : 0), listener(switchListener)
{
    if (isLanguage(kEnglish)) {
        strip = new Bitmap("OnOffSlider_145x25.png", 1.0f, false);
    } else {
        strip = new Bitmap("BlankSwitch.png", 1.0f, false);
        drawSwitchWords(strip);
    }
    mask = new Bitmap("OnOffMask_92x25.png", 1.0f, false);
    if (atlas)
        highlight = atlas->addImage("OnOffHighlightShadow_92x27.png", 1.0f);
}

CustomSwitch::~CustomSwitch()
{
    delete picture;
    delete mask;
    delete strip;
}

void CustomSwitch::setOn(bool state)
{
    on = state ? 1 : 0;
    knobOffset = restOffset();
}

bool CustomSwitch::hitTest(int px, int py) const
{
    if (!mask || mask->width == 0)
        return false;
    return px >= x - 4 && px <= x + mask->width + 5 && py >= y - 4 && py <= y + mask->height + 6;
}

int CustomSwitch::handleTouch(int phase, int px, int py, bool* consumed)
{
    const bool inside = hitTest(px, py);
    if (phase == TouchDown) {
        // A press outside also forgets an earlier press that never came back up.
        pressed = inside ? 1 : 0;
        if (inside) {
            pressX = px;
            pressY = py;
        }
    } else if (phase == TouchMove) {
        if (std::abs(pressX - px) >= kSwipeToToggle)
            tryToggle(inside, px, py, consumed);
    } else if (phase == TouchUp) {
        tryToggle(inside, px, py, consumed);
    }
    return -1;
}

void CustomSwitch::tryToggle(bool inside, int px, int py, bool* consumed)
{
    if (!inside || !pressed || std::abs(pressX - px) > kReachX || std::abs(pressY - py) > kReachY)
        return;
    if (consumed)
        *consumed = true;
    on = on ? 0 : 1;
    pressed = 0;
    toggleTime = gGameClock.current;
    if (listener)
        listener->switchToggled(on != 0, this);
}

void CustomSwitch::advanceKnob()
{
    const int rest = restOffset();
    if (knobOffset == rest)
        return;
    const int dt = gameTimeDiff(gGameClock.current, toggleTime);
    if (dt <= 0)
        return;
    int step = dt / kToggleMsPerPixel;
    if (step > kMaxPixelsPerFrame)
        step = kMaxPixelsPerFrame;
    toggleTime += kToggleMsPerPixel * step;
    if (knobOffset < rest)
        knobOffset = knobOffset + step > rest ? rest : knobOffset + step;
    else
        knobOffset = knobOffset - step < rest ? rest : knobOffset - step;
}

void CustomSwitch::render(float px, float py, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)angle, (void)selected;
    advanceKnob();
    if (knobOffset != composedOffset && mask && strip) {
        delete picture;
        picture = new Texture(composeSwitchPicture(*mask, *strip, knobOffset), false, false);
        composedOffset = knobOffset;
    }
    DrawParams p = elementDrawParams(scaleX, scaleY, alpha, 0.0f, BlendPremultiplied);
    if (picture)
        drawTexture(picture, px, py, p);
    highlight.draw(px, py - 1.0f, p);
}
