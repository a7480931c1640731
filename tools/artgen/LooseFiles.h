#pragma once
#include <string>

// Pictures the game loads one by one rather than from a sheet: the five number boxes, the
// launch picture, the score board's wood and the two Frenzy and Challenge score board pieces.
bool writeLooseFiles(const std::string& dir, std::string& error);
bool writeLaunchPicture(const std::string& dir, std::string& error);
