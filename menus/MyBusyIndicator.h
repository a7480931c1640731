#ifndef KELZO_MENUS_MYBUSYINDICATOR_H
#define KELZO_MENUS_MYBUSYINDICATOR_H

#include "Core/OwnedPtr.h"
#include "graphics/Texture.h"

// The "please wait" spinner over a screen while it waits for a server: a dark
// rounded plate with eight dots in a ring, the bright one going round once a
// second. Its pictures are made in code when it is created.
class MyBusyIndicator {
public:
    static const int kDots = 8;
    static const int kStepMs = 125;   // one dot on per step
    static const int kRadius = 18;
    static const int kPlateSide = 64;

    MyBusyIndicator();

    // Draws the spinner centred on (centreX, centreY) as it stands at `nowMs`.
    void render(float centreX, float centreY, unsigned int nowMs);
    // How bright dot `index` is at `nowMs`: 1 for the leading dot, fading behind it.
    static float dotAlpha(int index, unsigned int nowMs);

private:
    OwnedPtr<Texture> plate_;
    OwnedPtr<Texture> dot_;
};

#endif
