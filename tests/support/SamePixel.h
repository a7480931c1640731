#pragma once
// Whether two pixels hold the same four channels.
#include "graphics/Bitmap.h"

inline bool same(RGBA a, RGBA b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }
