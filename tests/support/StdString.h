#pragma once
// The game's String as a std::string, for comparisons and messages in tests.
#include <string>

#include "Core/String.h"

inline std::string str(const String& s) { return std::string(s.c_str(), s.length()); }
