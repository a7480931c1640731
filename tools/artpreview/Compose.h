#pragma once
#include <cairo.h>

#include <string>

// The game's ways of putting menu pictures together, done on cairo image surfaces (premultiplied
// ARGB, as the game keeps its bitmaps): stretching about the middle, the overlay into the wood,
// the switch seen through its mask and the framed wood panel.

// A picture file of the data folder; an empty 1 x 1 surface when it cannot be read.
cairo_surface_t* loadPicture(const std::string& dir, const std::string& name);
// A copy (dy) rows taller and (dx) columns wider, made by repeating (or dropping) the middle
// row and column.
cairo_surface_t* stretchPicture(cairo_surface_t* src, int dy, int dx);
// The same with two stretch columns, at a third and two thirds of the width.
cairo_surface_t* centreResizePicture(cairo_surface_t* src, int dy, int dx);
// Lays piece over the screen at (x, y) with the overlay blend the menus use for wood.
void composeOverlay(cairo_surface_t* screen, cairo_surface_t* piece, int x, int y);
// Paints a picture with its top-left corner at (x, y).
void paintPicture(cairo_t* cr, cairo_surface_t* picture, double x, double y, double alpha = 1.0);
// The switch as shown: the strip from column `offset` on, through the mask.
cairo_surface_t* composeSwitch(cairo_surface_t* strip, cairo_surface_t* mask, int offset);

struct WoodPanelPictures {
    cairo_surface_t* wood;       // 320 x 480, unshaded
    cairo_surface_t* mask;       // 50 x 50, shape in the blue byte
    cairo_surface_t* highlight;  // 50 x 50
    cairo_surface_t* shadow;     // 100 x 100
};
// A framed wood panel of panelWidth x panelHeight drawn on the screen with its region's top-left
// corner at (x, y): side and bottom shadows, wood where the mask is set, the highlight over it.
void composeWoodPanel(cairo_surface_t* screen, const WoodPanelPictures& p, int x, int y, int panelWidth,
                      int panelHeight);
