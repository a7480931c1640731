#pragma once
#include <string>

// Draws "fullBitmap.dat" and "fullBitmap.png": the 164 pictures every screen shares, in the
// order the game takes them (graphics/CommonSheetLayout.h).
bool buildCommonSheet(const std::string& dir, std::string& error);
