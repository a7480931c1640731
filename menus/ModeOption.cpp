#include "menus/ModeOption.h"

#include "board/GameGraphics.h"
#include "graphics/GlState.h"
#include "menus/ModeBubble.h"
#include "settings/Settings.h"
#include "ui/EngravedText.h"
#include "ui/IndexElement.h"
#include "ui/MenuTextStyle.h"

namespace {

const int kHighlightDx = -21;
const int kHighlightDy = -18;
const float kHighlightAlpha = 0.5f;
// Tiles drawn lower than this anchor their bubble a little below their top edge.
const int kLowerHalfY = 200;
const int kLowerAnchorDrop = 5;
const int kFirstFadeInMs = 100;

ViewChild& addPicture(MyView& view, const SpriteRef& picture, int y)
{
    ViewChild& child = view.addChild();
    child.element.reset(new IndexElement(picture));
    child.centred = 1;
    child.y = y;
    return child;
}

}  // namespace

ModeOption* ModeOption::create(SpriteSheet* atlas, const char* caption, const char* pictureName,
                               const char* description)
{
    ModeOption* tile = new ModeOption();
    tile->description = String(description ? description : "");
    TextStyle style = defaultTextStyle();
    style.align = 1;
    // A caption of two long lines ("Heraus-" "forderung") is drawn smaller rather than cut at the bottom.
    const int fontSize = fittedFontSize(caption, kCaptionWidth, kCaptionHeight, kCaptionFontSize, style);
    TextSize measured;
    measureWrappedText(&measured, caption, fontSize, style, kCaptionWidth, kCaptionHeight);
    // One line is as tall as the font makes a line, which depends on the face; measured, not assumed.
    TextSize line;
    measureWrappedText(&line, "A", fontSize, style, kCaptionWidth, kCaptionHeight);
    SpriteRef captionPicture;
    makeTextTexture(&captionPicture, atlas, caption, kCaptionWidth, kCaptionHeight, fontSize, style);
    tile->view.children.reserve(2);
    addPicture(tile->view, captionPicture, measured.height <= line.height ? kOneLineY : 0);
    addPicture(tile->view, atlas->addImage(pictureName, 1.0f), kPictureY);
    tile->view.viewWidth = kWidth;
    tile->view.viewHeight = kHeight;
    return tile;
}

void ModeOption::render(float px, float py, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    x = (int)px;
    y = (int)py;
    view.render(px, py, scaleX, scaleY, alpha, angle, selected);
    if (!selected)
        return;
    if (gGameGraphics) {
        DrawParams glow;
        glow.blendMode = BlendAdditiveAlpha;
        glow.alpha = kHighlightAlpha;
        gGameGraphics->common[kEntryHighlight].draw(px + kHighlightDx, py + kHighlightDy, glow);
    }
    if (bubbleRequested && gSettings && gSettings->switchB)
        openBubble();
}

// A new bubble replaces the one open, without a fade-in so the change reads as one bubble changing its words.
void ModeOption::openBubble()
{
    const bool replacing = !gModeBubble.isNull();
    deleteModeBubble();
    const int anchorX = x + width() / 2;
    const bool aimed = bubbleAnchorY >= 0;
    const int anchorY = aimed ? bubbleAnchorY : y > kLowerHalfY ? y + kLowerAnchorDrop : y;
    MenuBubble* bubble = createMenuBubble(description, anchorX, anchorY, aimed ? 1 : 0, kBubbleWidth,
                                          replacing ? -1 : kFirstFadeInMs, 1.0f, 0);
    bubble->life.onRunningClock = 1;
    gModeBubble.reset(bubble);
    bubbleRequested = 0;
}

int ModeOption::pictureBottom()
{
    const ViewChild& picture = view.children[view.children.size() - 1];
    return picture.y + (picture.element.isNull() ? 0 : picture.element->height());
}

int ModeOption::handleTouch(int phase, int px, int py, bool* consumed)
{
    (void)consumed;
    if (phase == TouchUp)
        return -1;
    if (px >= x - kTouchSlack && px < x + kTouchSlack + width() && py >= y - kTouchSlack &&
        py < y + kTouchSlack + height()) {
        bubbleRequested = 1;
        gModeBubbleTimer = -1;
    }
    return -1;
}
