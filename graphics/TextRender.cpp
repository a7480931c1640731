#include "graphics/TextRender.h"

#include <SDL/SDL_ttf.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "graphics/FontCache.h"

namespace {

// Bytes of the UTF-8 character that starts at s[pos] (a stray continuation byte counts as one).
int charLength(const char* s, int length, int pos) {
    unsigned char c = (unsigned char)s[pos];
    int n = c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    return std::min(n, length - pos);
}

// The byte offsets at which characters of s start, below `limit`.
std::vector<int> charStarts(const char* s, int length, int limit) {
    std::vector<int> starts;
    for (int i = 0; i < limit && i < length; i += charLength(s, length, i)) starts.push_back(i);
    return starts;
}

void textSize(TTF_Font* font, const std::string& s, int* w, int* h) {
    *w = 0;
    *h = 0;
    if (s.empty()) {
        *h = TTF_FontHeight(font);
        return;
    }
    if (TTF_SizeUTF8(font, s.c_str(), w, h) != 0) *w = *h = 0;
}

// fitTextPrefix with a resolved font.
int fitPrefix(TTF_Font* font, const char* text, int length, int maxWidth) {
    if (length <= 0 || maxWidth < -1) return 0;
    if (!font) return length;
    int n = (int)((float)length * 0.6666667f);
    if (const void* newline = memchr(text, '\n', n)) n = (int)((const char*)newline - text);
    auto fits = [&](int count) {
        if (maxWidth == -1) return true;
        int w, h;
        textSize(font, std::string(text, count), &w, &h);
        return w <= maxWidth;
    };
    // Whole characters only: the largest character start up to n whose prefix fits (the empty prefix always does).
    while (n > 0 && n < length && (text[n] & 0xC0) == 0x80) --n;
    if (fits(n)) return n;
    std::vector<int> cuts = charStarts(text, length, n);
    cuts.push_back(n);
    size_t lo = 0, hi = cuts.size() - 1;
    while (hi - lo > 1) {
        size_t mid = (lo + hi) / 2;
        if (fits(cuts[mid]))
            lo = mid;
        else
            hi = mid;
    }
    return cuts[lo];
}

struct TextLine {
    std::string text;  // empty: nothing drawn
    int advance;
    bool startsInputLine;
};

struct TextLayout {
    std::vector<TextLine> lines;
    int width = 0;
    int height = 0;
    bool cut = false;  // wrap mode 1

    void add(const std::string& text, int advance, bool startsInputLine) {
        lines.push_back(TextLine{text, advance, startsInputLine});
        height += advance;
    }
};

// The text cut at every "\n"; a trailing newline adds no line, an empty text has none.
std::vector<std::string> inputLines(const char* text) {
    std::vector<std::string> lines;
    const char* start = text;
    for (const char* p = text; *p; ++p)
        if (*p == '\n') {
            lines.emplace_back(start, p);
            start = p + 1;
        }
    if (*start) lines.emplace_back(start);
    return lines;
}

// Greedy word wrap of lines[i]: words that do not fit flow on into the next input line.
void wrapLine(TTF_Font* font, std::vector<std::string>& lines, size_t i, int fontSize, int maxWidth,
              TextLayout& out) {
    std::deque<std::string> words;
    const std::string& line = lines[i];
    size_t start = 0;
    for (size_t blank; (blank = line.find(' ', start)) != std::string::npos; start = blank + 1)
        words.push_back(line.substr(start, blank - start));
    words.push_back(line.substr(start));

    std::string cur, prev;
    int count = 0, lineHeight = 0;
    bool split = false;
    while (!words.empty()) {
        std::string word = words.front();
        words.pop_front();
        if (word.empty()) continue;
        prev = cur;
        cur = cur.empty() ? word : cur + " " + word;
        ++count;
        int cw, ch;
        textSize(font, cur, &cw, &ch);
        if (maxWidth == -1 || cw <= maxWidth) {
            out.width = std::max(out.width, cw);
            lineHeight = std::max(lineHeight, ch);
            continue;
        }
        if (count == 1) {
            // A word wider than the line is cut; at least one character stays on this line so the text moves on.
            int n = fitPrefix(font, cur.data(), (int)cur.size(), maxWidth);
            if (n == 0) n = charLength(cur.data(), (int)cur.size(), 0);
            if (n < (int)cur.size()) words.push_front(cur.substr(n));
            split = n < (int)cur.size();
            cur.resize(n);
            out.width = std::max(out.width, cw);
            lineHeight = std::max(lineHeight, ch);
            continue;
        }
        cur = prev;
        std::string overflow = word;
        for (const std::string& w : words) overflow += " " + w;
        overflow += " ";
        // The rest of a cut word keeps the line break written after it; joined to the next line, the
        // break would be lost.
        if (!split && i + 1 < lines.size() && !lines[i + 1].empty())
            lines[i + 1] = overflow + lines[i + 1];
        else
            lines.insert(lines.begin() + i + 1, overflow);
        break;
    }
    out.add(cur, cur.empty() ? fontSize : lineHeight, true);
}

// Whether the word of `line` that starts at `pos` fits on a line of its own.
bool wordFits(TTF_Font* font, const std::string& line, size_t pos, int maxWidth) {
    if (maxWidth == -1) return true;
    size_t end = line.find(' ', pos);
    int w, h;
    textSize(font, line.substr(pos, end == std::string::npos ? std::string::npos : end - pos), &w, &h);
    return w <= maxWidth;
}

// Cuts a line into pieces of the byte count that fits, on character boundaries; the short end is kept. A piece
// that would end inside a word ends at the blank before it instead, unless the word is wider than the line.
void cutLine(TTF_Font* font, const std::string& line, int fontSize, int maxWidth, TextLayout& out) {
    const int length = (int)line.size();
    const int n = fitPrefix(font, line.data(), length, maxWidth);
    for (int pos = 0; pos < length;) {
        int take = std::min(n, length - pos);
        while (take > 0 && pos + take < length && (line[pos + take] & 0xC0) == 0x80) --take;
        if (take <= 0) take = charLength(line.data(), length, pos);
        int next = pos + take;
        if (next < length && line[next] != ' ' && line[next - 1] != ' ') {
            size_t blank = line.rfind(' ', next - 1);
            if (blank != std::string::npos && (int)blank > pos && wordFits(font, line, blank + 1, maxWidth)) {
                take = (int)blank - pos;
                next = (int)blank;
            }
        }
        std::string piece = line.substr(pos, take);
        int w, h;
        textSize(font, piece, &w, &h);
        out.width = std::max(out.width, w);
        out.add(piece, fontSize + 2, pos == 0);
        // The blank at a break starts no piece.
        pos = next < length && line[next] == ' ' ? next + 1 : next;
    }
}

TextLayout layoutText(TTF_Font* font, const char* text, int fontSize, int wrapMode, int maxWidth) {
    TextLayout out;
    if (!font || !text || !*text) return out;
    if (wrapMode != 0 && wrapMode != 1) {
        // One line: line breaks in it show as blanks.
        std::string line(text);
        std::replace(line.begin(), line.end(), '\n', ' ');
        textSize(font, line, &out.width, &out.height);
        out.lines.push_back(TextLine{line, 0, true});
        return out;
    }
    out.cut = wrapMode == 1;
    std::vector<std::string> lines = inputLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty())
            out.add("", fontSize, true);
        else if (out.cut)
            cutLine(font, lines[i], fontSize, maxWidth, out);
        else
            wrapLine(font, lines, i, fontSize, maxWidth, out);
    }
    return out;
}

// Lays the text out in the box and hands every covered pixel to put(x, y, r, g, b, a) in destination
// coordinates; allocW x allocH is the destination's storage, which clips the copy.
template <typename Put>
void renderText(TTF_Font* font, const char* text, int fontSize, int wrapMode, int align, SDL_Color colour, int x,
                int y, int w, int h, int allocW, int allocH, Put put) {
    if (!font || h < 1) return;
    TextLayout layout = layoutText(font, text, fontSize, wrapMode, w);
    const int piecesPerLine = fontSize > 0 ? h / fontSize : 0;
    int ly = y, piece = 0;
    for (const TextLine& line : layout.lines) {
        if (line.startsInputLine) {
            if (ly - y >= h) break;
            piece = 0;
        }
        if (layout.cut && piece++ >= piecesPerLine) continue;
        if (!line.text.empty()) {
            SDL_Surface* surface = TTF_RenderUTF8_Blended(font, line.text.c_str(), colour);
            if (surface) {
                const int sw = surface->w, sh = surface->h;
                int left = x, top = ly;
                if ((align == 1 || align == 3) && sw / 2 <= w / 2) left = x + w / 2 - sw / 2;
                if (align == 2 && x + sw < w) left = w - (x + sw);
                if (align == 3 && (h >> 1) - sh / 2 >= 0) top = ly + (h >> 1) - sh / 2;
                int rows = std::min(top + sh >= allocH ? allocH - top : sh, h);
                int cols = std::min(left + sw >= allocW ? allocW - left : sw, w);
                SDL_LockSurface(surface);
                for (int sy = std::max(0, -top); sy < rows; ++sy) {
                    const Uint8* src = (const Uint8*)surface->pixels + sy * surface->pitch;
                    for (int sx = std::max(0, -left); sx < cols; ++sx) {
                        Uint8 r, g, b, a;
                        SDL_GetRGBA(*(const Uint32*)(src + sx * 4), surface->format, &r, &g, &b, &a);
                        put(left + sx, top + sy, r, g, b, a);
                    }
                }
                SDL_UnlockSurface(surface);
                SDL_FreeSurface(surface);
            }
        }
        ly += line.advance;
    }
}

}  // namespace

TextSize* measureWrappedText(TextSize* out, const char* text, int fontSize, TextStyle style, int maxWidth,
                             int maxHeight) {
    TTF_Font* font = resolveFont(style.fontName, fontSize);
    TextLayout layout = layoutText(font, text, fontSize, style.wrapMode, maxWidth);
    out->width = maxWidth != -1 && layout.width > maxWidth ? maxWidth : layout.width;
    out->height = maxHeight != -1 && layout.height > maxHeight ? maxHeight : layout.height;
    return out;
}

int textLineHeight(TextStyle style, int fontSize) {
    TTF_Font* font = resolveFont(style.fontName, fontSize);
    return font ? TTF_FontHeight(font) : 0;
}

void renderTextBitmap(Bitmap* dest, const char* text, int fontSize, TextStyle style, int x, int y, int w, int h) {
    if (!dest || !dest->pixels) return;
    if (w == -1) w = dest->width;
    if (h == -1) h = dest->height;
    SDL_Color colour = {(Uint8)style.r, (Uint8)style.g, (Uint8)style.b, 255};
    renderText(resolveFont(style.fontName, fontSize), text, fontSize, style.wrapMode, style.align, colour, x, y, w, h,
               dest->allocW, dest->allocH, [dest](int px, int py, int r, int g, int b, int a) {
                   if (a) blendStraightOver(dest->at(px, py), r, g, b, a);
               });
}

void renderTextBitmapMono(MonoBitmap* dest, const char* text, int align, const char* fontName, int fontSize,
                          int wrapMode, int x, int y, int w, int h) {
    if (!dest || !dest->pixels) return;
    if (w == -1) w = dest->width;
    if (h == -1) h = dest->height;
    SDL_Color white = {255, 255, 255, 255};
    renderText(resolveFont(fontName, fontSize), text, fontSize, wrapMode, align, white, x, y, w, h, dest->allocW,
               dest->allocH, [dest](int px, int py, int, int, int, int a) { dest->at(px, py) = (unsigned char)a; });
}

int fitTextPrefix(const char* text, const char* fontName, int fontSize, int maxWidth) {
    if (!text) return 0;
    return fitPrefix(resolveFont(fontName, fontSize), text, (int)strlen(text), maxWidth);
}

TextInk measureOneLineInk(const char* text, const char* fontName, int fontSize) {
    TextInk ink{0, 0};
    TTF_Font* font = resolveFont(fontName, fontSize);
    if (!font || !text || !*text) return ink;
    const int ascent = TTF_FontAscent(font);
    bool first = true;
    const int length = (int)strlen(text);
    for (int i = 0; i < length; i += charLength(text, length, i)) {
        const unsigned char* c = (const unsigned char*)text + i;
        const int n = charLength(text, length, i);
        int point = n == 1 ? c[0] : n == 2 ? ((c[0] & 0x1F) << 6) | (c[1] & 0x3F)
                                 : n == 3 ? ((c[0] & 0x0F) << 12) | ((c[1] & 0x3F) << 6) | (c[2] & 0x3F) : -1;
        int minX, maxX, minY, maxY, advance;
        if (point < 0 || point > 0xFFFF || c[0] == ' ' ||
            TTF_GlyphMetrics(font, (Uint16)point, &minX, &maxX, &minY, &maxY, &advance) != 0)
            continue;
        const int top = ascent - maxY, bottom = ascent - minY;
        ink.top = first ? top : std::min(ink.top, top);
        ink.bottom = first ? bottom : std::max(ink.bottom, bottom);
        first = false;
    }
    return ink;
}
