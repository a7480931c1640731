#include "ui/MyView.h"

#include "graphics/Texture.h"
#include "ui/ImageElement.h"

ViewChild& MyView::addChild()
{
    children.setSize(children.size() + 1);
    return children[children.size() - 1];
}

void MyView::resizeChildren(int n)
{
    children.setSize(n);
}

void MyView::removeAllChildren()
{
    children.setSize(0);
}

ViewChild& MyView::addImage(const Ref<Texture>& texture, const Ref<Texture>& pressedTexture, int x, int y)
{
    ImageElement* image = new ImageElement(texture, pressedTexture);
    ViewChild& child = addChild();
    child.element.reset(image);
    child.x = x;
    child.y = y;
    return child;
}

ViewPosition MyView::placeChild(const ViewChild& child, float ox, float oy)
{
    ViewPosition p;
    if (child.centred)
        p.x = ox + (float)(viewWidth / 2 - child.element->width() / 2) * scaleX;
    else
        p.x = ox + (float)child.x * scaleX;
    p.y = oy + (float)child.y * effectiveScaleY();
    return p;
}

ViewPosition MyView::childScreenPosition(const ViewChild& child)
{
    if (child.element.isNull())
        return ViewPosition{originX + (float)child.x * scaleX, originY + (float)child.y * effectiveScaleY()};
    return placeChild(child, originX, originY);
}

void MyView::render(float x, float y, float sx, float sy, float a, float angle, bool selected)
{
    (void)angle, (void)selected;
    originX = x;
    originY = y;
    scaleX = sx;
    scaleY = sy;
    alpha = a;
    renderChildren();
}

void MyView::renderChildren()
{
    if (alpha == 0.0f)
        return;
    const float sy = effectiveScaleY();
    for (int i = 0; i < children.size(); i++) {
        ViewChild& child = children[i];
        ViewElementI* element = child.element.get();
        if (!element || !(child.alpha > 0.0f))
            continue;
        ViewPosition p = placeChild(child, originX, originY);
        element->x = (int)p.x;
        element->y = (int)p.y;
        const float childScaleY = child.scaleY == -1.0f ? child.scaleX : child.scaleY;
        // Untagged children are never the armed one, even while nothing is armed (-1).
        const bool armed = armedTag != -1 && child.tag == armedTag;
        element->render(p.x, p.y, scaleX * child.scaleX, sy * childScaleY, child.alpha * alpha, child.angle, armed);
    }
}

void MyView::setPosition(int ix, int iy, float fx, float fy)
{
    for (int i = 0; i < children.size(); i++) {
        ViewChild& child = children[i];
        if (child.element.isNull())
            continue;
        ViewPosition p = placeChild(child, fx, fy);
        child.element->setPosition((int)p.x + (int)((float)ix - fx), (int)p.y + (int)((float)iy - fy), p.x, p.y);
    }
}

bool MyView::childHitTest(const ViewChild& child, int x, int y)
{
    if (!child.tappable || child.element.isNull())
        return false;
    const int mx = child.hitMarginX == -1 ? 0 : child.hitMarginX;
    const int my = child.hitMarginY == -1 ? mx : child.hitMarginY;
    ViewElementI* e = child.element.get();
    const int ex = e->x, ey = e->y;
    return ex - mx <= x && x < ex + e->width() + mx && ey - my <= y && y < ey + e->height() + my;
}

int MyView::childHandleTouch(ViewChild& child, int phase, int x, int y, bool* consumed, int* hit)
{
    if (child.element.isNull())
        return 0;
    if (child.element->handleTouch(phase, x, y, consumed) != -1) {
        *hit = child.tag;
        return 1;
    }
    if (!*consumed && child.tag != -1 && childHitTest(child, x, y)) {
        *hit = child.tag;
        return 1;
    }
    return *consumed ? -1 : 0;
}

void MyView::arm(int tag)
{
    armedTag = tag;
    if (listener)
        listener->segmentSelected(tag, this);
}

int MyView::handleTouch(int phase, int x, int y, bool* consumed)
{
    if (*consumed) {
        if (modal)
            *consumed = true;
        return -1;
    }
    int hit = -1;
    for (int i = children.size() - 1; i >= 0; i--) {
        if (childHandleTouch(children[i], phase, x, y, consumed, &hit) != 0)
            break;
    }
    int result = -1;
    if (phase == TouchUp) {
        if (touchMode == TouchTap) {
            result = hit == armedTag ? hit : -1;
            armedTag = -1;
        }
    } else if (phase == TouchDown) {
        if (touchMode == TouchTap || hit != -1)
            arm(hit);
    } else if (phase == TouchMove) {
        if (touchMode == TouchDragSelect && hit != -1)
            arm(hit);
    }
    if (modal)
        *consumed = true;
    return result;
}
