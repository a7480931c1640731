#include "graphics/FrameNameMap.h"

FrameNameMap gFrameNameMap;

void markFrameName(const String& name) { ++gFrameNameMap[name]; }

void clearFrameNameFlags() {
    for (auto& entry : gFrameNameMap) entry.second = 0;
}
