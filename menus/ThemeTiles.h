#ifndef KELZO_MENUS_THEMETILES_H
#define KELZO_MENUS_THEMETILES_H

// The theme menu offers four tiles: soccer balls, fruit, marbles and turtles in that order (pandas are never
// offered), with the chosen theme's tile showing the furballs instead, so the chosen one is never on offer.
const int kThemeTileCount = 4;
const int kThemeCaptionBase = 207;  // caption text id of theme 0; theme t is 207 + t
const int kThemeTagBase = 100;      // a tile reports 100 + its theme

int themeOfTile(int tile, int chosenTheme);

#endif
