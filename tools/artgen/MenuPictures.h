#pragma once
#include <string>

// The pictures the menus load by name, written into the data folder one file each. Split in two
// so the generator can draw them on two threads.
bool writeToolkitPictures(const std::string& dir, std::string& error);  // frames, buttons, switch
bool writeScreenPictures(const std::string& dir, std::string& error);   // tiles, previews, flags
