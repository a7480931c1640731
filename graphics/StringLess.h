#pragma once

#include <cstring>

#include "Core/String.h"

// Orders Strings byte by byte, as strcmp does: the key order of the graphics maps.
struct StringLess {
    bool operator()(const String& a, const String& b) const { return strcmp(a.c_str(), b.c_str()) < 0; }
};
