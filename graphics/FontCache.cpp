#include "graphics/FontCache.h"

#include <SDL/SDL_ttf.h>

#include <set>
#include <string>

#include "Core/File.h"
#include "Core/Log.h"
#include "Core/Platform.h"

FontCache* gFontCache = nullptr;
String gDefaultFontFile;

FontCache::~FontCache() {
    for (auto& path : fonts)
        for (auto& sized : path.second)
            if (sized.second) TTF_CloseFont(sized.second);
}

TTF_Font* getFont(FontCache* cache, const String& path, int size) {
    auto found = cache->fonts.find(path);
    if (found != cache->fonts.end()) {
        auto sized = found->second.find(size);
        if (sized != found->second.end()) return sized->second;
    }
    // The game starts the font library at start-up; code that measures text earlier starts it here.
    if (!TTF_WasInit() && TTF_Init() != 0) return nullptr;
    TTF_Font* font = TTF_OpenFont(path.c_str(), size);
    if (font) cache->fonts[path][size] = font;
    return font;
}

void setDefaultFontFile(const char* name) { gDefaultFontFile = String(name) + ".ttf"; }

bool fontFileExists(const char* fileName) {
    Array<String> pieces = String(fileName).split('.');
    if (pieces.size() < 2) return false;
    return fileExists(makeResourcePath(pieces[0], pieces[1]).c_str());
}

TTF_Font* resolveFont(const char* fontName, int size) {
    if (!gFontCache) gFontCache = new FontCache();
    if (size <= 0) return nullptr;
    if (!fontName) return getFont(gFontCache, gDefaultFontFile, size);
    String file = fontName;
    if (file.indexOf(".ttf") < 0) file += ".ttf";
    TTF_Font* font = getFont(gFontCache, String(kSystemFontFolder) + file, size);
    if (!font) font = getFont(gFontCache, file, size);
    if (font) return font;

    static std::set<std::string> reported;
    if (reported.insert(fontName).second) logPrintf("ERR", "font %s not found, using %s", fontName, gDefaultFontFile.c_str());
    return gDefaultFontFile.isEmpty() ? nullptr : getFont(gFontCache, gDefaultFontFile, size);
}

bool fontHasGlyph(const char* fontName, int size, int codePoint)
{
    const int kLastBmpCodePoint = 0xFFFF;
    if (codePoint < 0 || codePoint > kLastBmpCodePoint)
        return false;
    TTF_Font* font = resolveFont(fontName, size);
    return font && TTF_GlyphIsProvided(font, static_cast<Uint16>(codePoint)) != 0;
}
