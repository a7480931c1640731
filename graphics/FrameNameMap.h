#pragma once

#include <cstring>
#include <map>

#include "Core/String.h"

// Counts per name of what was touched during the current frame. The main loop clears the counts after every
// buffer swap; entries stay.
struct FrameNameLess {
    bool operator()(const String& a, const String& b) const { return strcmp(a.c_str(), b.c_str()) < 0; }
};
typedef std::map<String, int, FrameNameLess> FrameNameMap;

extern FrameNameMap gFrameNameMap;

void markFrameName(const String& name);
void clearFrameNameFlags();
