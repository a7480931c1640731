#include "TextFit.h"

#include <algorithm>
#include <sstream>
#include <vector>

TextFit::TextFit(const std::string& fontFolder) : folder(fontFolder) { started = TTF_Init() == 0; }

TextFit::~TextFit() {
    for (auto& f : fonts)
        if (f.second) TTF_CloseFont(f.second);
    if (started) TTF_Quit();
}

TTF_Font* TextFit::font(const std::string& name, int size) {
    auto key = std::make_pair(name, size);
    auto found = fonts.find(key);
    if (found != fonts.end()) return found->second;
    TTF_Font* f = started ? TTF_OpenFont((folder + "/" + name + ".ttf").c_str(), size) : nullptr;
    fonts[key] = f;
    return f;
}

int TextFit::lineHeight(const std::string& name, int size) {
    TTF_Font* f = font(name, size);
    return f ? TTF_FontHeight(f) : 0;
}

int TextFit::lineWidth(TTF_Font* f, const std::string& s, int* height) {
    int w = 0, h = 0;
    if (TTF_SizeUTF8(f, s.c_str(), &w, &h) != 0) w = h = 0;
    if (height) *height = h;
    return w;
}

TextFit::Size TextFit::measure(const std::string& fontName, int size, const std::string& text, int maxWidth) {
    Size out;
    TTF_Font* f = font(fontName, size);
    if (!f) return out;
    std::vector<std::string> input;
    std::string cur;
    for (char c : text) {
        if (c == '\n') {
            input.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) input.push_back(cur);  // a trailing line break adds no line

    auto addLine = [&](const std::string& line) {
        int h = 0;
        int w = line.empty() ? 0 : lineWidth(f, line, &h);
        if (line.empty()) h = size;  // an empty line advances by the font size
        out.width = std::max(out.width, w);
        out.height += h;
        out.lastLineHeight = h;
        ++out.lines;
    };
    for (const std::string& line : input) {
        if (maxWidth < 0 || line.empty()) {
            addLine(line);
            continue;
        }
        std::istringstream words(line);
        std::string word, current;
        while (words >> word) {
            std::string candidate = current.empty() ? word : current + " " + word;
            if (lineWidth(f, candidate, nullptr) <= maxWidth) {
                current = candidate;
                continue;
            }
            if (!current.empty()) addLine(current);
            current = word;
            if (lineWidth(f, word, nullptr) > maxWidth) out.wordTooWide = true;
        }
        addLine(current);
    }
    return out;
}
