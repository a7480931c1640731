#ifndef KELZO_UI_MARGINWRAPPER_H
#define KELZO_UI_MARGINWRAPPER_H

#include "ui/ViewElementI.h"

// Puts a fixed, unscaled margin around one element, which it owns.
class MarginWrapper : public ViewElementI {
public:
    MarginWrapper(ViewElementI* child, int marginX, int marginY) : child(child), marginX(marginX), marginY(marginY) {}
    ~MarginWrapper() override { delete child; }
    MarginWrapper(const MarginWrapper&) = delete;
    MarginWrapper& operator=(const MarginWrapper&) = delete;

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    // Passed on unchanged: the child's position is the wrapper's.
    void setPosition(int ix, int iy, float fx, float fy) override;
    int width() override { return (child ? child->width() : 0) + 2 * marginX; }
    int height() override { return (child ? child->height() : 0) + 2 * marginY; }

    ViewElementI* child;
    int marginX;
    int marginY;
};

#endif
