#include "menus/SmallModeOption.h"

#include "board/GameGraphics.h"
#include "graphics/CommonSheetLayout.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "ui/EngravedText.h"
#include "ui/IndexElement.h"
#include "ui/MenuTextStyle.h"

namespace {

SpriteRef commonHighlight()
{
    return gGameGraphics ? gGameGraphics->common[kCommonHighlight] : SpriteRef();
}

}  // namespace

SmallModeOption::SmallModeOption(SpriteSheet* sheet, const char* caption, const char* imageName)
    : SmallModeOption(sheet, caption, imageName, commonHighlight())
{
}

SmallModeOption::SmallModeOption(SpriteSheet* sheet, const char* caption, const char* imageName,
                                 const SpriteRef& glow)
    : highlight(glow)
{
    view.children.reserve(64);
    TextStyle style = defaultTextStyle();
    style.align = 1;
    SpriteRef captionRef;
    makeTextTexture(&captionRef, sheet, caption, kCaptionWidth, kCaptionHeight, kCaptionFontSize, style);
    ViewChild& label = view.addChild();
    label.element.reset(new IndexElement(captionRef));
    label.centred = 1;

    ViewChild& picture = view.addChild();
    picture.element.reset(new IndexElement(sheet->addImage(imageName, 1.0f)));
    picture.y = kPictureTop;
    picture.centred = 1;

    view.viewWidth = kWidth;
    view.viewHeight = kHeight;
}

void SmallModeOption::setPosition(int ix, int iy, float fx, float fy)
{
    view.setPosition(ix, iy, fx, fy);
}

void SmallModeOption::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    view.render((float)(int)x, (float)(int)y, scaleX, scaleY, alpha, angle, selected);
    if (!selected || highlight.firstRegion < 0 || !highlight.sheet)
        return;
    DrawParams p;
    p.blendMode = BlendAdditiveAlpha;
    p.alpha = 0.5f;
    p.scaleX = 0.6f;
    p.scaleY = -1.0f;
    highlight.draw(x - 12.0f, y - 18.0f, p);
}
