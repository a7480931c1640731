#pragma once
#include <string>

const int kThemeCount = 6;

// Regions a theme's sheet holds: background, own shadow and overlay, then (extra + 72) x 8 frames.
int themeRegionCount(int theme);
// Draws "theme<n>.dat" and its three pages into dir.
bool buildThemeSheet(int theme, const std::string& dir, std::string& error);
