#pragma once
#include <cairo.h>

// The language menu's flags, all one size: rounded corners, a thin dark edge and a soft sheen.
enum class FlagOf { Britain, Germany, Spain, France, Italy };
void drawFlag(cairo_t* cr, FlagOf country);

const int kFlagWidth = 66;
const int kFlagHeight = 44;
