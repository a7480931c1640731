#ifndef KELZO_UI_WOODPANEL_H
#define KELZO_UI_WOODPANEL_H

#include "graphics/SpriteSheet.h"

class Bitmap;
struct RGBA;

// A nine-slice lookup along one axis: target position t of a target `size` long, source of `side` pixels with
// corners of `corner` at both ends; the middle repeats the first pixel inside the leading corner.
int nineSliceIndex(int t, int size, int side, int corner);

// The wood highlight h laid over a wood pixel p.
void layWoodHighlight(RGBA& p, const RGBA& h);

// A framed wood panel composed into a new atlas region, once, when a menu is built:
// - the bottom 20 rows of the shadow picture along the panel's foot, nine-sliced (left 51 columns, the right
//   part so that the right edges meet, column 51 repeated between);
// - its first 18 columns down the left side and its last 18 down the right side, where they are not clear;
// - wood where the nine-sliced shape (corners cornerX x cornerY) has its blue byte set, taken from the wood
//   picture at (woodX + column, woodY + row) so the grain matches the screen behind, with the highlight picture
//   laid over it;
// - brightness (other than 1) scaling the colour of every opaque pixel.
// The region is (panelWidth - 30 + shape width + 20) x (panelHeight - 5). A missing picture (null) leaves out
// only its own part; without a shape the panel keeps the size of the usual 50-px mask. Returns out.
SpriteRef* composeWoodPanel(SpriteRef* out, SpriteSheet* atlas, const Bitmap* shape, int cornerX, int cornerY,
                            int panelWidth, int panelHeight, const Bitmap* wood, const Bitmap* shadow,
                            float brightness, int woodX, int woodY);

// The menus' text panel: the shared wood, mask, highlight and shadow (loaded on first use), corners of 11,
// panel width + 220. Returns out.
SpriteRef* makeMenuTextPanel(SpriteRef* out, SpriteSheet* atlas, int height, int width, float brightness, int woodX,
                             int woodY);

#endif
