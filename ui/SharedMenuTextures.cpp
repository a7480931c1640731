#include "ui/SharedMenuTextures.h"

#include "Core/Log.h"
#include "graphics/Bitmap.h"
#include "graphics/Texture.h"

Bitmap* gSharedMenuTextures[kSharedMenuTextureCount] = {nullptr, nullptr, nullptr, nullptr};
Ref<Texture> gMenuShadowTexture;

namespace {
Ref<Texture> gMenuWoodTexture;
}

namespace {

const char* const kLoadedPictureFiles[kSharedMenuTextureCount] = {
    nullptr, "Wood_Mask_50x50.png", "Wood_Highlight_50x50.png", "MenuShadow_100x100.png"};

const int kDimWidth = 40;
const int kDimHeight = 60;
const RGBA kDimColour = {0, 0, 0, 80};

bool gSharedPicturesTried = false;

// The picture, or null (logged) when the file is missing or unreadable.
Bitmap* loadSharedPicture(const char* name)
{
    Bitmap* picture = new Bitmap(name, 1.0f, false);
    if (picture->width > 0 && picture->height > 0 && picture->pixels)
        return picture;
    delete picture;
    logPrintf("ERR", "menu picture %s is missing: menus are drawn without it", name);
    return nullptr;
}

Texture* makeDimTexture()
{
    Bitmap* dim = new Bitmap(kDimWidth, kDimHeight, true);
    for (int y = 0; y < kDimHeight; y++)
        for (int x = 0; x < kDimWidth; x++)
            dim->at(x, y) = kDimColour;
    return new Texture(dim, false, false);
}

}  // namespace

void setSharedMenuTexture(int slot, Bitmap* bitmap)
{
    if (slot < 0 || slot >= kSharedMenuTextureCount) {
        delete bitmap;
        return;
    }
    if (gSharedMenuTextures[slot] != bitmap)
        delete gSharedMenuTextures[slot];
    if (slot == kSharedWood)
        gMenuWoodTexture.release();
    gSharedMenuTextures[slot] = bitmap;
}

void loadSharedMenuTextures()
{
    if (gSharedPicturesTried)
        return;
    gSharedPicturesTried = true;
    for (int slot = kSharedWoodMask; slot < kSharedMenuTextureCount; slot++)
        setSharedMenuTexture(slot, loadSharedPicture(kLoadedPictureFiles[slot]));
    gMenuShadowTexture.reset(makeDimTexture());
}

Ref<Texture> menuWoodTexture()
{
    const Bitmap* wood = gSharedMenuTextures[kSharedWood];
    if (!gMenuWoodTexture && wood && wood->pixels && wood->width > 0) {
        Bitmap* copy = new Bitmap(wood->width, wood->height, true);
        for (int y = 0; y < wood->height; y++)
            for (int x = 0; x < wood->width; x++)
                copy->at(x, y) = wood->at(x, y);
        gMenuWoodTexture.reset(new Texture(copy, false, false));
    }
    return gMenuWoodTexture;
}

void releaseSharedMenuTextures()
{
    for (int slot = 0; slot < kSharedMenuTextureCount; slot++)
        setSharedMenuTexture(slot, nullptr);
    gMenuShadowTexture.release();
    gSharedPicturesTried = false;
}
