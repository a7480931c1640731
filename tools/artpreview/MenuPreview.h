#pragma once
#include "PreviewSheet.h"

#include <string>

// Contact sheets of the menu pictures, each a row of 320 x 480 mock screens on the menu wood:
// the pictures stretched to the sizes the menus use, overlaid into the wood where the menus do
// that, with stand-in captions lettered in.
bool writeMenuPreviews(const std::string& dataDir, const std::string& outDir, const PreviewSheet& common);
