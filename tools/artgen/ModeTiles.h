#pragma once
#include <cairo.h>

// The pictures of the game-mode menu and the level slider: brass-rimmed plaques for the modes and
// difficulties, the "new" star, the slider's plate and the shadow that darkens its far levels.

enum class ModePicture { Arcade, FreePlay, Frenzy, Challenge };
void drawModeTile(cairo_t* cr, ModePicture mode);      // 60 x 65
void drawDifficultyTile(cairo_t* cr, int difficulty);  // 64 x 64; 0 easy, 1 medium, 2 hard
void drawNewStar(cairo_t* cr);                         // "NewStar_26x26.png"
void drawRatingStar(cairo_t* cr);                      // "Star_14x14.png"
void drawLevelSliderPlate(cairo_t* cr);                // "BtCSliderBackground_248x78.png"
void drawLevelSliderShadow(cairo_t* cr);               // "BtC_Slider_Shadow_248x77.png": only alpha counts

const int kSmallDifficultySize = 44;
