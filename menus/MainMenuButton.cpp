#include "menus/MainMenuButton.h"

#include "board/GameGraphics.h"
#include "graphics/GlState.h"

MainMenuButton::MainMenuButton(const SpriteRef& picture) : IndexElement(picture, true)
{
    drawFlag = 1;
}

void MainMenuButton::render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    caption.draw(x, y + kCaptionDrop, drawParams(scaleX, scaleY, alpha, angle));
    if (!selected || !gGameGraphics)
        return;
    DrawParams glow;
    glow.blendMode = BlendAdditive;
    gGameGraphics->common[kEntryMenuHighlight].draw(x, y - kHighlightRise, glow);
}
