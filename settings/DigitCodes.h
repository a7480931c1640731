#ifndef KELZO_SETTINGS_DIGITCODES_H
#define KELZO_SETTINGS_DIGITCODES_H

#include "Core/Stream.h"
#include "Core/String.h"

// Compact number texts over the 64-character alphabet, used in the
// statistics report. Negative values are written as 0.

// Five bits per character, low bits first; every character but the last
// comes from the upper half of the alphabet, so numbers can follow each
// other without separators.
void encodeDigits5(StreamOut& out, int value);
// Reads one such number and moves the cursor past it. Stops at the end of
// the text, so a cut-off number never reads past the NUL.
int decodeDigits5(const char*& text);
// Six bits per character, low bits first, with no end marker.
void encodeDigits6(StreamOut& out, int value);

// Copy keeping only the ASCII letters and digits.
String keepAlphanumeric(const String& text);

#endif
