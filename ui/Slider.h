#ifndef KELZO_UI_SLIDER_H
#define KELZO_UI_SLIDER_H

#include "ui/ViewElementI.h"

class Texture;

// A horizontal value track of a settings row (the volumes): the lit left track up to the value, the dark right
// track after it, and a round knob at the value. It only draws: its owner sets `value` (0..1) and moves it.
// The tracks are made at the first drawing, widened to the track length and given the wood grain of the spot
// where they are drawn.
class Slider : public ViewElementI {
public:
    // Takes the knob texture (owned; the menus use "Button_28x28.png").
    explicit Slider(Texture* knobTexture, float length = 250.0f);
    ~Slider() override;
    Slider(const Slider&) = delete;
    Slider& operator=(const Slider&) = delete;

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override { return (int)(trackLength + 18.0f); }
    int height() override;

    Texture* leftTrack = nullptr;   // owned, made at the first drawing
    Texture* rightTrack = nullptr;  // owned, made at the first drawing
    Texture* knob;                  // owned
    float value = -1.0f;            // -1 until the owner sets it
    float trackLength;

private:
    Texture* makeTrack(const char* name, int screenX, int screenY) const;
};

#endif
