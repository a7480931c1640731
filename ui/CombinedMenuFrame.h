#ifndef KELZO_UI_COMBINEDMENUFRAME_H
#define KELZO_UI_COMBINEDMENUFRAME_H

#include "graphics/SpriteSheet.h"
#include "ui/MyView.h"

// The wooden picture frame round a tiled menu: a wood border 11 px wide with the shadow below and beside it,
// composed once into four strips of the menu's atlas (top, left, right, bottom), and the interior showing the
// full-screen wood through texture coordinates, so that no atlas room goes on the inside and the grain lines
// up with every wood-blended picture on the menu. For deep menus (experiment "vo" above 2) a shade darkens
// the frame's wood. Made for one screen position: (x, y) is where its top-left corner is drawn.
//
// Frame picture, W x H interior:  top strip (W + 42) x 11 at (0, 0), left and right strips 21 x H at (0, 11)
// and (W + 21, 11), bottom strip (W + 42) x 33 at (0, H + 11), interior at (21, 11).
class CombinedMenuFrame : public MyView {
public:
    static const int kBorder = 11;        // wood border above, left of the 10-px shadow and below the interior
    static const int kSide = 21;          // left and right strip width
    static const int kBottom = 33;        // bottom strip height: wood and shadow
    static const int kWoodLeft = 10;      // first wood column of the frame picture
    static const int kMaskCorner = 11;

    CombinedMenuFrame(SpriteSheet* atlas, int width, int height, int x, int y);

    SpriteSheet* atlas;

    // The shade's opacity for an interior of W x H under the experiment values "vo" and "vll"; below 0 when
    // there is no shade.
    static float shadeAlpha(int width, int height, int vo, int vll);
    // The frame picture's pixel (fx, fy) of a frame for a W x H interior drawn with its corner at screen
    // (x, y): the shadow, the wood inside the mask, the highlight over the wood.
    static RGBA framePixel(int fx, int fy, int width, int height, int x, int y);

private:
    void addStrip(int stripX, int stripY, int stripWidth, int stripHeight, int width, int height, int x, int y);
    void addInterior(int width, int height, int x, int y);
    void addShade(int width, int height);
};

#endif
