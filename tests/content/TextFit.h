#pragma once

#include <map>
#include <string>
#include <utility>

#include <SDL/SDL_ttf.h>

// Measures texts with the game's fonts through SDL_ttf, laid out the way the game lays them out:
// lines cut at "\n", each wrapped greedily at blanks within a width.
class TextFit {
public:
    explicit TextFit(const std::string& fontFolder);
    ~TextFit();
    TextFit(const TextFit&) = delete;
    TextFit& operator=(const TextFit&) = delete;

    bool ready() const { return started; }
    TTF_Font* font(const std::string& name, int size);  // null when the file cannot be opened
    int lineHeight(const std::string& name, int size);  // ascent and descent: what a line needs to be whole

    struct Size {
        int width = 0;   // widest line
        int height = 0;  // sum of the line heights
        int lastLineHeight = 0;
        int lines = 0;
        bool wordTooWide = false;  // a single word does not fit the width (the game would cut it)
    };
    // maxWidth -1: no wrapping.
    Size measure(const std::string& fontName, int size, const std::string& text, int maxWidth);

private:
    int lineWidth(TTF_Font* f, const std::string& s, int* height);

    std::string folder;
    bool started = false;
    std::map<std::pair<std::string, int>, TTF_Font*> fonts;
};
