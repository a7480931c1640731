#ifndef KELZO_UI_SHAREDMENUTEXTURES_H
#define KELZO_UI_SHAREDMENUTEXTURES_H

#include "Core/Ref.h"

class Bitmap;
class Texture;

// The pictures every menu shares, each owned, null until loaded. The wood is put in by the common-graphics
// loader; loadSharedMenuTextures loads the other three on first use (a menu or button being built).
enum SharedMenuPicture {
    kSharedWood = 0,           // "Wood_320x480.png": the full-screen wood, also the grain of the wood blend
    kSharedWoodMask = 1,       // "Wood_Mask_50x50.png": the shape of a wood panel (blue byte set = wood)
    kSharedWoodHighlight = 2,  // "Wood_Highlight_50x50.png": laid over a panel's wood
    kSharedMenuShadow = 3,     // "MenuShadow_100x100.png": the shadow round a panel
};
const int kSharedMenuTextureCount = 4;
extern Bitmap* gSharedMenuTextures[kSharedMenuTextureCount];

// A 40 x 60 texture of (0, 0, 0, 80), drawn enlarged over the screen behind a menu to dim what lies below.
// Empty until loadSharedMenuTextures has run.
extern Ref<Texture> gMenuShadowTexture;

// The full-screen wood as a texture of its own (the inside of the menu frames), made from the wood picture on
// first use and again after the wood is replaced; empty while there is no wood.
Ref<Texture> menuWoodTexture();

// Puts a picture into a slot, deleting the one it replaces.
void setSharedMenuTexture(int slot, Bitmap* bitmap);

// Loads the wood mask, highlight and menu shadow and makes the dimming texture, once: the attempt is
// remembered, so a picture that is missing is logged once and its slot stays null (the panels are then
// composed without it) instead of being looked for at every button. Needs a GL context.
void loadSharedMenuTextures();

// Deletes every shared picture and the dimming texture (program end, while the GL context exists), and
// forgets the attempt.
void releaseSharedMenuTextures();

#endif
