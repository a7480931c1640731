#ifndef KELZO_UI_CUSTOMSWITCH_H
#define KELZO_UI_CUSTOMSWITCH_H

#include "graphics/SpriteSheet.h"
#include "ui/SwitchListener.h"
#include "ui/ViewElementI.h"

class Bitmap;
class Texture;

// An on/off slide switch of a settings row, 92 x 27: a 145-px strip (on words, knob, off words) slides behind
// a rounded mask, with a gloss 1 px higher. A tap toggles it on release, a swipe of 35 px or more during the
// move; either must stay inside the switch (widened by 4 to 6 px) where it began. The knob then slides to its
// rest at 1 px per 4 ms of the game clock, at most 14 px a frame, so a slow frame never jumps it across.
//
//     CustomSwitch* sound = new CustomSwitch(menuAtlas, false, nullptr);
//     sound->setOn(settingsSoundOn);      // before it is first drawn
//     ... later: if (!sound->isSliding()) save(sound->on);
class CustomSwitch : public ViewElementI {
public:
    static constexpr int kOffOffset = 53;   // strip offset at rest when off (0 when on)

    // Loads the strip (English: the stock picture; other languages: the blank strip with texts 28 and 29
    // drawn in), the mask, and the gloss into the atlas (none without an atlas).
    CustomSwitch(SpriteSheet* atlas, bool on, SwitchListener* listener);
    ~CustomSwitch() override;
    CustomSwitch(const CustomSwitch&) = delete;
    CustomSwitch& operator=(const CustomSwitch&) = delete;

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override { return 92; }
    int height() override { return 27; }
    int handleTouch(int phase, int x, int y, bool* consumed) override;

    bool hitTest(int x, int y) const;
    bool isSliding() const { return knobOffset != restOffset(); }
    // The state and the knob at its rest, without a slide.
    void setOn(bool state);
    // Moves the knob toward its rest by the game-clock time since the last step (render calls it).
    void advanceKnob();

    SpriteSheet* atlas;
    int knobOffset;
    int composedOffset = -1;
    unsigned char on;
    Texture* picture = nullptr;   // owned
    SpriteRef highlight;
    Bitmap* mask = nullptr;       // owned
    Bitmap* strip = nullptr;      // owned
    unsigned char pressed = 0;
    SwitchListener* listener;
    int toggleTime = -1;
    int pressX = -1;
    int pressY = -1;

private:
    int restOffset() const { return on ? 0 : kOffOffset; }
    void tryToggle(bool inside, int x, int y, bool* consumed);
};

#endif
