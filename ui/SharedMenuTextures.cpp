#include "ui/SharedMenuTextures.h"

#include "graphics/Bitmap.h"

Bitmap* gSharedMenuTextures[kSharedMenuTextureCount] = {nullptr, nullptr, nullptr, nullptr};

void setSharedMenuTexture(int slot, Bitmap* bitmap)
{
    if (slot < 0 || slot >= kSharedMenuTextureCount) {
        delete bitmap;
        return;
    }
    if (gSharedMenuTextures[slot] != bitmap)
        delete gSharedMenuTextures[slot];
    gSharedMenuTextures[slot] = bitmap;
}

void releaseSharedMenuTextures()
{
    for (int slot = 0; slot < kSharedMenuTextureCount; slot++)
        setSharedMenuTexture(slot, nullptr);
}
