#include "ui/MenuBubble.h"

#include "Core/Language.h"
#include "graphics/Texture.h"
#include "settings/AbSettings.h"
#include "settings/Settings.h"
#include "ui/BubbleHost.h"
#include "ui/BubbleLayout.h"
#include "ui/BubbleTail.h"
#include "ui/BubbleText.h"
#include "ui/ImageElement.h"

#include <algorithm>
#include <cstdlib>

AnimationList* gBubbleAnimations = new AnimationList();
BubbleHost* gBubbleHost = nullptr;

namespace {

const char* kFramePicture = "InstructionBubble_50x50_inverted.png";
const int kFramePictureSize = 50;
// Room between the ink and the frame's outline (inside its 25-px borders).
const int kPadX = 16;
const int kPadTop = 14;
const int kPadBottom = 14;
// How much taller a footer makes the frame, and the gap above its letters: the late footer ("Tap anywhere to
// continue") stands a line below the text, not against it.
const int kShortFooterRows = 12;
const int kShortFooterGap = 2;
const int kLateFooterGap = 8;
const int kLateFooterRows = 14 + kLateFooterGap - kShortFooterGap;
const float kShortFooterAlpha = 0.87f;
const int kShortFooterText = 46;
const int kLateFooterText = 47;
const int kFooterFontSize = 13;

int baseFontSize()
{
    return isLanguage(kSpanish) || isLanguage(kItalian) || isLanguage(kFrench) ? 12 : 14;
}

// The given text, else the text of the id (-1: none); a lone line break counts as nothing.
String pickText(const String& given, int id)
{
    String text = given.length() > 0 ? given : (id != -1 ? getText(id) : String());
    return text == String("\n") ? String() : text;
}

// The footer is never drawn larger than the text it follows.
int footerFontSize(const BubbleStyle& style)
{
    return std::min(kFooterFontSize, baseFontSize()) + style.fontSizeOffset;
}

// The footer of a kind: 1 the short one between dashes, 2 and more the late one.
String footerLine(int kind)
{
    return kind == 1 ? String("- ") + getText(kShortFooterText) + " -" : getText(kLateFooterText);
}

// The width of the footer on one line: the frame is made at least this wide, so that a footer longer than a
// short body's lines ("Tippe irgendwo, um weiterzumachen") is not wrapped below the frame's edge.
int footerLineWidth(int kind, int fontSize)
{
    TextStyle oneLine = BubbleText::style();
    oneLine.wrapMode = 2;
    TextSize size{0, 0};
    measureWrappedText(&size, footerLine(kind).c_str(), fontSize, oneLine, -1, -1);
    return size.width;
}

}  // namespace

MenuBubble::MenuBubble(BubbleStyle* bubbleStyle, int fadeOutEnd, int delay, int yOverrideCentre, int fadeInLength,
                       float speed, bool wobbles, int fadeOutLength, const String& titleText, const String& bodyText)
    : style(bubbleStyle), yOverride(yOverrideCentre), revealSpeed(speed), wobble(wobbles ? 1 : 0)
{
    life.fadeOutEnd = fadeOutEnd;
    life.delay = delay;
    life.fadeInLength = fadeInLength;
    life.fadeOutLength = fadeOutLength;
    view.viewWidth = 320;
    view.viewHeight = 480;
    const String title = pickText(titleText, style->titleId);
    const String body = pickText(bodyText, style->bodyId);
    // Without a title the body begins at the top, with no empty first line.
    content = title.length() > 0 ? title + "\n" + body : body;
    build();
}

MenuBubble::~MenuBubble()
{
    hide();
    delete style;
}

void MenuBubble::build()
{
    const int fontSize = baseFontSize() + style->fontSizeOffset;
    // Wrapped so that the frame fits between the bounds.
    const int wrapWidth = std::min(style->wrapWidth, bounds.width() - 2 * kPadX);
    textElement = new BubbleText(content.c_str(), fontSize, wrapWidth, revealSpeed);
    Ref<ViewElementI> textRef(textElement);
    const InkRect& ink = textElement->ink;
    const int textCentre = textElement->width() / 2;
    const int halfInk = ink.empty() ? 0 : std::max(std::abs(ink.left - textCentre), std::abs(ink.right + 1 - textCentre));
    const int inkHeight = ink.empty() ? 0 : ink.bottom + 1 - ink.top;
    const int footerKind = style->footerKind;
    const int footerRows = footerKind == 1 ? kShortFooterRows : (footerKind >= 2 ? kLateFooterRows : 0);
    const int footerWidth = footerKind > 0 ? footerLineWidth(footerKind, footerFontSize(*style)) : 0;
    frameWidth = std::max({kFramePictureSize, 2 * halfInk + 2 * kPadX, footerWidth + 2 * kPadX});
    frameHeight = std::max(kFramePictureSize, inkHeight + footerRows + kPadTop + kPadBottom);

    ViewChild& frame = view.addChild();
    frame.element.reset(new ImageElement(
        Ref<Texture>(makeStretchedTexture(kFramePicture, frameHeight - kFramePictureSize, frameWidth - kFramePictureSize)),
        Ref<Texture>()));
    ViewChild& textChild = view.addChild();
    textChild.element = textRef;
    textChild.x = frameWidth / 2 - textCentre;
    textChild.y = kPadTop - (ink.empty() ? 0 : ink.top);
    if (footerKind > 0)
        addFooter(kPadTop + inkHeight);

    const SpriteRef tail = gBubbleHost ? gBubbleHost->bubbleTail() : SpriteRef();
    BubbleLayout layout = layoutBubble(*style, frameWidth, frameHeight, yOverride, tail.height, bounds);
    viewX = layout.x;
    viewY = layout.y;
    pivotX = layout.hasTail ? style->anchorX : viewX + frameWidth / 2;
    pivotY = layout.hasTail ? style->anchorY : viewY + frameHeight / 2;
    if (layout.hasTail && tail.firstRegion >= 0) {
        ViewChild& tailChild = view.addChild();
        tailChild.element.reset(new BubbleTail(tail, layout.tailMirrored));
        tailChild.x = layout.tailX;
        tailChild.y = layout.tailY;
        tailChild.angle = (float)layout.tailAngle;
        tailChild.scaleY = layout.tailScaleY;
        tailChild.scaleX = 1.0f;
    }
}

void MenuBubble::addFooter(int contentBottom)
{
    const int kind = style->footerKind;
    const int fontSize = footerFontSize(*style);
    BubbleText* footer = new BubbleText(footerLine(kind).c_str(), fontSize, frameWidth - 2 * kPadX, 0.0f);
    ViewChild& child = view.addChild();
    child.element.reset(footer);
    child.x = frameWidth / 2 - footer->width() / 2;
    child.y = contentBottom + (kind == 1 ? kShortFooterGap : kLateFooterGap) - (footer->ink.empty() ? 0 : footer->ink.top);
    if (kind == 1) {
        child.alpha = kShortFooterAlpha;
        return;
    }
    footerChild = view.children.size() - 1;
    child.alpha = 0.0f;
    const bool tutorialDone = gBubbleHost && gBubbleHost->tutorialDone();
    const float factor = gSettings ? gSettings->ivFactorEarly() : 0.0f;
    life.footerDelay = (int)((float)(tutorialDone ? 0 : kind - 2) * factor);
}

void MenuBubble::fitWithin(const BubbleBounds& room)
{
    hide();
    bounds = room;
    build();
}

BubbleRect MenuBubble::rect() const
{
    BubbleRect r;
    r.left = drawnX();
    r.top = drawnY();
    r.right = r.left + (float)frameWidth * scale;
    r.bottom = r.top + (float)frameHeight * scale;
    return r;
}

void MenuBubble::hide()
{
    view.removeAllChildren();
    textElement = nullptr;
    footerChild = -1;
}

bool MenuBubble::typingDone() const { return !textElement || textElement->typingDone(); }

void MenuBubble::finishTyping()
{
    if (textElement && !textElement->typingDone() && gAbSettings.ttb > 1)
        textElement->finishTyping();
}

bool MenuBubble::footerPending() const { return footerChild >= 0 && !life.footerDue(typingDone()); }

bool MenuBubble::render()
{
    const BubbleLife::Frame f = life.frame();
    if (f.hide)
        hide();
    if (!f.visible)
        return !f.finished;
    if (footerChild >= 0)
        view.children[footerChild].alpha = life.footerDue(typingDone()) ? 1.0f : 0.0f;
    const float raise = wobble ? life.wobbleOffset() : 0.0f;
    view.render(drawnX(), drawnY() - raise, scale, -1.0f, f.factor * maxAlpha, 0.0f, false);
    return true;
}

bool MenuBubble::animating() const
{
    const BubbleLife::Frame f = life.frame();
    return f.changing || (f.visible && (wobble || !typingDone() || footerPending()));
}

void MenuBubble::animate(Ref<AnimationI>* out, MenuBubble* bubble, int lifetimeMs)
{
    bubble->life.onRunningClock = 1;
    Ref<AnimationI> holder(new BubbleAnimation(bubble, lifetimeMs));
    if (out)
        *out = holder;
    gBubbleAnimations->add(holder);
}

void MenuBubble::BubbleAnimation::update()
{
    if (!bubble) {
        done = 1;
        return;
    }
    if (!bubble->render()) {
        delete bubble;
        bubble = nullptr;
        done = 1;
        return;
    }
    if (!bubble->life.closing && bubble->life.runningAge() > lifetime)
        bubble->close(600, true);
}

MenuBubble* createMenuBubble(const String& text, int anchorX, int anchorY, int placement, int wrapWidth,
                             int fadeInLength, float maxAlpha, int footerKind)
{
    BubbleStyle* style = new BubbleStyle();
    style->titleId = -1;
    style->bodyId = -1;
    style->anchorX = anchorX;
    style->anchorY = anchorY;
    style->below = placement == 1 ? 1 : 0;
    style->wrapWidth = wrapWidth;
    style->footerKind = footerKind;
    MenuBubble* bubble = new MenuBubble(style, 0, 0, -1, fadeInLength, 0.0f, false, 1800, String(), text);
    bubble->maxAlpha = maxAlpha;
    return bubble;
}
