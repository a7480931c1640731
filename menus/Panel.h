#ifndef KELZO_MENUS_PANEL_H
#define KELZO_MENUS_PANEL_H

#include "graphics/SpriteSheet.h"
#include "ui/ViewElementI.h"

class Bitmap;

// A tile of the theme menu: the theme's preview picture with its name lettered in at y 154. The name is fitted
// (from size 16 down, never below 8) and blended with the preview under it, as if printed on it; both pictures
// go into the menu's atlas when the tile is made. Greyed while pressed; its tappable child record reports it.
class Panel : public ViewElementI {
public:
    static const int kCaptionTop = 154;
    static const int kCaptionBoxWidth = 128;
    static const int kCaptionBoxHeight = 20;
    static const int kLargestCaption = 16;
    static const int kSmallestCaption = 8;

    Panel(SpriteSheet* atlas, int theme, const char* caption);

    void render(float x, float y, float scaleX, float scaleY, float alpha, float angle, bool selected) override;
    int width() override { return picture.width; }
    int height() override { return picture.height; }

    SpriteSheet* atlas;  // the menu's; not owned
    SpriteRef picture;
    SpriteRef caption;
    int captionSize = kLargestCaption;
    int theme;
};

// The preview picture of theme 0..5.
const char* themePreviewName(int theme);
// The size the caption is lettered at: from 16 down while it is wider than 119 - size, but not below 8.
int fitThemeCaption(const char* caption);
// The caption in white at that size, centred in a 128 x 20 box, blended with the preview under it: the box's
// left edge at previewWidth / 2 - 64, its top at y 154. Caller owns the result.
Bitmap* letterThemeCaption(const char* caption, int size, const Bitmap& preview);

#endif
