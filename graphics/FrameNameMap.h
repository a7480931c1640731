#pragma once

#include <map>

#include "graphics/StringLess.h"

// Counts per name of what was touched during the current frame. The main loop clears the counts after every
// buffer swap; entries stay.
typedef std::map<String, int, StringLess> FrameNameMap;

extern FrameNameMap gFrameNameMap;

void markFrameName(const String& name);
void clearFrameNameFlags();
