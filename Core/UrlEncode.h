#pragma once

#include "Core/String.h"

#include <string>

// Percent-encoding for query values and mail links: digits, ASCII letters and ~ ! * ( ) ' pass;
// every other byte becomes "%" and two lower-case hex digits.
std::string urlEncode(const std::string& text);
String urlEncode(const char* text);
String urlEncodeCString(const char* text);
// Two lower-case hex digits of the byte's low eight bits.
std::string byteToHex(int byte);
