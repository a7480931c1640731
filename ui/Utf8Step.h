#ifndef KELZO_UI_UTF8STEP_H
#define KELZO_UI_UTF8STEP_H

#include <string>

// Whole-character steps through UTF-8 text, so that an edit never lands inside a character.

// The byte length of the character that ends at byte position pos (0 at the start).
int utf8LengthBefore(const std::string& text, int pos);
// The byte length of the character that starts at byte position pos (0 at the end).
int utf8LengthAfter(const std::string& text, int pos);
// Whether the bytes are well-formed UTF-8 (no stray continuation bytes, no cut characters).
bool isValidUtf8(const std::string& text);

#endif
