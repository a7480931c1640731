#include "ui/Slider.h"

#include "graphics/Bitmap.h"
#include "graphics/DrawParams.h"
#include "graphics/GlState.h"
#include "graphics/ImageLoading.h"
#include "graphics/Texture.h"
#include "ui/SharedMenuTextures.h"
#include "ui/WoodOverlay.h"

namespace {

const int kTrackPictureWidth = 140;
const int kTrackHeight = 9;
// Where the two tracks begin, right of the slider's x; the knob's centre at value 0.
const float kLeftTrackX = 4.0f;
const float kRightTrackX = 13.0f;
const float kKnobCentreX = 9.0f;

// The part of a track texture (a fraction of its storage, 256 for a 250-px track) that lies left of the value.
float valueU(float v, const Texture* track) { return v * (float)track->width / (float)track->storageWidth(); }

}  // namespace

Slider::Slider(Texture* knobTexture, float length) : knob(knobTexture), trackLength(length) {}

Slider::~Slider()
{
    delete leftTrack;
    delete rightTrack;
    delete knob;
}

int Slider::height() { return knob ? knob->height : 0; }

Texture* Slider::makeTrack(const char* name, int screenX, int screenY) const
{
    Bitmap* track = loadStretchedBitmap(name, 0, (int)(trackLength - (float)kTrackPictureWidth));
    applyWoodOverlay(track, screenX, screenY, gSharedMenuTextures[kSharedWood]);
    return new Texture(track, false, false);
}

void Slider::render(float px, float py, float scaleX, float scaleY, float alpha, float angle, bool selected)
{
    (void)scaleX, (void)scaleY, (void)alpha, (void)angle, (void)selected;
    // Not set yet (-1) draws as 0; nothing beyond the track's ends.
    const float v = value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
    const float ty = py + (float)((height() - kTrackHeight) / 2);
    if (!leftTrack) {
        // The right track's texture begins at x + 13 whatever the value; only its drawn part moves.
        leftTrack = makeTrack("Left_140x9.png", (int)(px + kLeftTrackX), (int)ty);
        rightTrack = makeTrack("Right_140x9.png", (int)(px + kRightTrackX), (int)ty);
    }
    DrawParams p;
    p.blendMode = BlendPremultiplied;
    const float split = valueU(v, leftTrack);
    p.uLeft = 0.0f;
    p.uRight = split;
    if (split > 0.0f)
        drawTexture(leftTrack, px + kLeftTrackX, ty, p);
    p.uLeft = valueU(v, rightTrack);
    p.uRight = 1.0f;
    drawTexture(rightTrack, px + kRightTrackX + trackLength * v, ty, p);
    if (knob) {
        DrawParams k;
        k.blendMode = BlendPremultiplied;
        k.centreX = 1;
        drawTexture(knob, px + kKnobCentreX + trackLength * v, py, k);
    }
}
