#include "ui/TextEntryField.h"

#include "Core/Language.h"
#include "graphics/GlState.h"
#include "graphics/ScreenFader.h"
#include "ui/ElementDrawParams.h"
#include "ui/MenuTextStyle.h"
#include "ui/SharedMenuTextures.h"
#include "ui/WoodOverlay.h"

namespace {

const char* const kFieldPicture = "FieldBackground_281x47.png";
const char* const kFieldFont = "Helvetica-Bold";
const int kLabelX = 12;
const int kLabelY = 6;
const int kLabelFontSize = 10;
const int kOtherLanguageRoom = 12;
const int kFieldFontSize = 16;

// The inset under the keyboard field, relative to the label's room L: rows 11..36 from column L + 94, its
// length 172 - L; the black line under it on row 37 from column L + 93.
const int kInsetTop = 11;
const int kInsetBottom = 36;
const int kInsetLeft = 94;
const int kInsetLength = 172;
const int kInsetLineRow = 37;
const int kInsetLineLeft = 93;

// Where the keyboard field sits and how large it is.
const int kFieldLeft = 116;
const float kFieldTop = 13.0f;
const int kFieldRoom = 170;
const int kFieldHeight = 28;
const float kPlacedLeft = 93.0f;
const float kPlacedTop = 10.0f;
const int kReadOnlyTextX = 115;
const int kReadOnlyTextY = 10;

}  // namespace

TextEntryField::TextEntryField(SpriteSheet* sheet, const char* labelText, const char* fieldText, bool locked)
    : atlas(sheet), label(labelText ? labelText : ""), text(fieldText ? fieldText : ""), readOnly(locked ? 1 : 0)
{
}

int TextEntryField::labelRoom() const
{
    return labelWidth + (currentLanguage() != kEnglish ? kOtherLanguageRoom : 0);
}

void TextEntryField::darkenInset(const PixelView& view, int room)
{
    const int left = room + kInsetLeft;
    const int right = room + kInsetLineLeft + (kInsetLength - room) - 2;
    for (int row = kInsetTop; row <= kInsetBottom && row < view.height; row++)
        for (int column = left; column <= right && column < view.width; column++) {
            RGBA& p = view.pixels[row * view.stride + column];
            p.r /= 2;
            p.g /= 2;
            p.b /= 2;
        }
    if (kInsetLineRow >= view.height)
        return;
    const int lineRight = room + kInsetLineLeft + (kInsetLength - room) - 1;
    for (int column = room + kInsetLineLeft; column <= lineRight && column < view.width; column++) {
        RGBA& p = view.pixels[kInsetLineRow * view.stride + column];
        p.r = p.g = p.b = 0;
    }
}

void TextEntryField::build(int px, int py)
{
    loadSharedMenuTextures();
    picture = atlas->addImage(kFieldPicture, 1.0f);
    const PixelView view = picture.pixelView(0);
    if (view.pixels)
        applyWoodOverlay(view, px, py, gSharedMenuTextures[kSharedWood]);
    PixelView labelView = view;
    drawTextInView(labelView, label.c_str(), kLabelFontSize, defaultTextStyle(), kLabelX, kLabelY);
    const int room = labelRoom();
    if (readOnly) {
        TextStyle style = defaultTextStyle();
        style.fontName = kFieldFont;
        drawTextInView(labelView, text.c_str(), kFieldFontSize, style, room + kReadOnlyTextX, kReadOnlyTextY);
        return;
    }
    if (view.pixels)
        darkenInset(view, room);
    field.reset(new MyTextField(listener, kFieldFont, kFieldFontSize, text.c_str(), kFieldRoom - room, kFieldHeight,
                                revealWhenSettled || startHidden));
    field->showsPreset = showsPreset;
    field->setHighlighted(highlighted != 0);
    field->x = room + kFieldLeft;
    field->y = (int)((float)py + kFieldTop);
}

void TextEntryField::setHighlighted(bool on)
{
    highlighted = on ? 1 : 0;
    if (field)
        field->setHighlighted(on);
}

void TextEntryField::setPosition(int ix, int iy, float fx, float fy)
{
    (void)fx, (void)fy;
    x = ix;
    y = iy;
    if (!picture.sheet)
        build(ix, iy);
}

void TextEntryField::render(float px, float py, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)selected;
    picture.draw(px, py, elementDrawParams(scaleX, scaleY, alpha, angle, BlendPremultiplied));
    if (revealWhenSettled && field && !gScreenFader.snapshot && scaleX == 1.0f && lastScaleX == 1.0f)
        field->setRenderFlag(false);
    if (field) {
        const float fx = (float)(int)(px + kPlacedLeft + (float)labelRoom());
        const float fy = (float)(int)(py + kPlacedTop);
        field->render(fx, fy, scaleX, scaleY, alpha, angle, false);
    }
    lastScaleX = scaleX;
    lastScaleY = scaleY;
}

int TextEntryField::handleTouch(int phase, int px, int py, bool* consumed)
{
    if (field)
        field->handleTouch(phase, px, py, consumed);
    return -1;
}
