#ifndef KELZO_UI_SHAREDMENUTEXTURES_H
#define KELZO_UI_SHAREDMENUTEXTURES_H

class Bitmap;

// The menus' shared pictures, each owned, null until loaded: slot 0 the
// full-screen wood (set by the common-graphics loader), 1 the wood mask,
// 2 the wood highlight, 3 the menu shadow.
const int kSharedMenuTextureCount = 4;
extern Bitmap* gSharedMenuTextures[kSharedMenuTextureCount];

// Puts a picture into a slot, deleting the one it replaces.
void setSharedMenuTexture(int slot, Bitmap* bitmap);
// Deletes every shared picture (program end).
void releaseSharedMenuTextures();

#endif
