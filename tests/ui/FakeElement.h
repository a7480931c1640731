#pragma once

// A view element that records how its container drives it, for the toolkit's tests.

#include "ui/ViewElementI.h"

struct FakeElement : public ViewElementI {
    FakeElement(int w, int h) : w(w), h(h) {}

    void render(float px, float py, float sx, float sy, float a, float ang, bool sel) override
    {
        renders++;
        lastX = px;
        lastY = py;
        scaleX = sx;
        scaleY = sy;
        alpha = a;
        angle = ang;
        selected = sel;
    }
    void setPosition(int ix, int iy, float fx, float fy) override
    {
        placed++;
        placedX = ix;
        placedY = iy;
        exactX = fx;
        exactY = fy;
    }
    int width() override { return w; }
    int height() override { return h; }
    int handleTouch(int phase, int px, int py, bool* consumed) override
    {
        (void)phase, (void)px, (void)py;
        touches++;
        if (consumes)
            *consumed = true;
        return answer;
    }

    int w, h;
    int answer = -1;
    bool consumes = false;
    int renders = 0, placed = 0, touches = 0;
    float lastX = 0, lastY = 0, scaleX = 0, scaleY = 0, alpha = 0, angle = 0;
    bool selected = false;
    int placedX = 0, placedY = 0;
    float exactX = 0, exactY = 0;
};
