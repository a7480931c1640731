#pragma once
#include <string>

// The pictures the menus load by name, written into the data folder one file each.
bool writeToolkitPictures(const std::string& dir, std::string& error);  // frames, buttons, switch
