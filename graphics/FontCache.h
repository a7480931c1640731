#pragma once

#include <map>

#include "Core/String.h"
#include "graphics/StringLess.h"

typedef struct _TTF_Font TTF_Font;

// Open fonts by file path and point size, kept for the life of the application object. A font is stored only
// once it opened, so a failed open is tried again next time.
class FontCache {
public:
    FontCache() = default;
    ~FontCache();  // closes every font
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    std::map<String, std::map<int, TTF_Font*>, StringLess> fonts;
};

// Null until the first text operation, which makes an empty cache. The game deletes it with its application
// object and sets it to null.
extern FontCache* gFontCache;
// The font file used when a text names none: the name given to setDefaultFontFile plus ".ttf".
extern String gDefaultFontFile;

TTF_Font* getFont(FontCache* cache, const String& path, int size);
void setDefaultFontFile(const char* name);
// Whether the font file "name.ttf" is among the resources.
bool fontFileExists(const char* fileName);

// The system font folder searched before the working directory.
static const char* const kSystemFontFolder = "/usr/share/fonts/";

// The open font for a font name (without ".ttf") at a point size: first in the system font folder, then in the
// working directory; a null name means the default font. A name that opens nowhere falls back to the default
// font (and is logged once), so that text still shows. Null only when not even that opens.
TTF_Font* resolveFont(const char* fontName, int size);

// Whether the font resolved for the name and size has a glyph of its own for the character (a code point of the
// Basic Multilingual Plane); false when no font opens.
bool fontHasGlyph(const char* fontName, int size, int codePoint);
