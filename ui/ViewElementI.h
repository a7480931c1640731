#ifndef KELZO_UI_VIEWELEMENTI_H
#define KELZO_UI_VIEWELEMENTI_H

#include "Core/Ref.h"

// Touch phases as the shell hands them on: press, drag, release.
enum TouchPhase { TouchDown = 0, TouchMove = 1, TouchUp = 2 };

// Something a menu, dialog or bubble shows: it draws itself at a position with a scale and an opacity,
// reports its size and may answer touches. Elements are shared through Ref<ViewElementI> and placed by a
// MyView, which writes x and y (the element's last whole-pixel screen position) every frame it draws it; hit
// tests read them.
//
//   Ref<ViewElementI> image(new ImageElement(texture));
//   ViewChild& child = view.addChild();
//   child.element = image;
//   child.tag = 3;
//   child.tappable = 1;
class ViewElementI {
public:
    virtual ~ViewElementI() {}

    // scaleY -1 means the same as scaleX. angle is the child record's rotation in degrees; selected is set for
    // the container's armed (pressed) child.
    virtual void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) = 0;
    // The element's absolute position, whole and exact. Pictures made for their place on the screen (the wood
    // blend) are prepared here, once.
    virtual void setPosition(int ix, int iy, float fx, float fy)
    {
        (void)ix, (void)iy, (void)fx, (void)fy;
    }
    virtual int width() { return 0; }
    virtual int height() { return 0; }
    // A hit tag, or -1. An element may set *consumed to keep the touch from what lies under it.
    virtual int handleTouch(int phase, int x, int y, bool* consumed)
    {
        (void)phase, (void)x, (void)y, (void)consumed;
        return -1;
    }

    int x = -1;
    int y = -1;
};

#endif
