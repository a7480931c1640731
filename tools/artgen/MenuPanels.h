#pragma once
#include <cairo.h>

// The pictures menus compose their frames and panels from. Each draws at the origin of cr into
// the size its file name gives.

void drawWoodMask(cairo_t* cr);          // "Wood_Mask_50x50.png": the panel shape in the blue byte
void drawWoodHighlight(cairo_t* cr);     // "Wood_Highlight_50x50.png": the bevel over the panel edge
void drawMenuShadow(cairo_t* cr);        // "MenuShadow_100x100.png": the panel's drop shadow
void drawDivider(cairo_t* cr);           // "Divider_245x3.png": a groove cut into the wood
void drawInstructionBubble(cairo_t* cr); // "InstructionBubble_50x50_inverted.png"
void drawTipBorder(cairo_t* cr);         // "Border_273x132.png"
void drawTipIcon(cairo_t* cr);           // "TipIcon_23x22.png"
void drawListOverlay(cairo_t* cr);       // "Overlay_shrunk.png", 28 x 28: the sunken list window
void drawListTopShadow(cairo_t* cr);     // "HighScoreShadow_shrunk.png", 158 x 120
void drawWindowGlass(cairo_t* cr);       // "ShadowHighlight_shrunk.png", 158 x 158
void drawPeriodBar(cairo_t* cr);         // "PeriodBackground_284x46.png"
void drawPageArrow(cairo_t* cr);         // "Arrow_10x5.png", pointing down
void drawPageDot(cairo_t* cr);           // "PageDot_4x4.png"

// Sizes of the pictures whose names carry none.
const int kListOverlaySize = 28;
const int kListShadowWidth = 158;
const int kListShadowHeight = 120;
const int kWindowGlassSize = 158;
