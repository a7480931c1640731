#pragma once

#include <string>

// Draws the view toolkit's switches, sliders and speech bubbles with the game's own code into an offscreen GL
// frame: an English and a German page, side by side, in menu_controls.png of the output folder.
bool writeControlsPreview(const std::string& dataDir, const std::string& outDir);
