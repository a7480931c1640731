#pragma once

#include <string>

// Draws an alert, a framed menu with every kind of row and a focused text field with typed text, all with the
// game's own toolkit, into an offscreen GL frame: three screens side by side in menu_dialogs.png of the output
// folder; and the popups between levels (a level intro, results with each medal, the Free Play new-level
// popup) side by side in menu_popups.png.
bool writeDialogsPreview(const std::string& dataDir, const std::string& outDir);
