#include "menus/TextAndValue.h"

#include <cstdio>

#include "graphics/Texture.h"
#include "ui/EngravedText.h"
#include "ui/ImageElement.h"
#include "ui/IndexElement.h"
#include "ui/MenuTextStyle.h"

namespace {

const char* const kFont = "AmericanTypewriter-Bold";

}  // namespace

TextAndValue::TextAndValue(SpriteSheet* atlas, const char* caption, int value)
{
    viewWidth = 320;
    viewHeight = 480;
    children.reserve(8);

    TextStyle style = defaultTextStyle();
    style.align = 1;
    SpriteRef picture;
    makeTextTexture(&picture, atlas, caption, kTextWidth, kTextHeight, kFontSize, style);
    ViewChild& captionChild = addChild();
    captionChild.element.reset(new IndexElement(picture, true));

    char digits[16];
    snprintf(digits, sizeof digits, "%d", value);
    Ref<Texture> number(new Texture(digits, kTextWidth, kTextHeight, 1, kFont, kFontSize, 0, 1.0f, false, nullptr,
                                    false, true, 0));
    ViewChild& valueChild = addChild();
    valueChild.element.reset(new ImageElement(number, Ref<Texture>()));
    valueChild.y = kTextHeight;
}
