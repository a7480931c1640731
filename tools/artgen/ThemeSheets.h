#pragma once
#include "board/ThemeTable.h"

#include <string>

// Draws "theme<n>.dat" and its three pages into dir, laid out as the game's theme table says.
bool buildThemeSheet(int theme, const std::string& dir, std::string& error);
