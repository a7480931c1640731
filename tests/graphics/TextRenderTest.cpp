#include <SDL/SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "graphics/FontCache.h"
#include "graphics/TextRender.h"

namespace {

const std::string kDataDir = KELZO_DATA_DIR;
const std::string kFont = kDataDir + "/AmericanTypewriter-Bold";
const int kSize = 20;

class TextRenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        delete gFontCache;
        gFontCache = nullptr;
        gDefaultFontFile = String();
        style.fontName = kFont.c_str();
    }
    void TearDown() override {
        delete gFontCache;
        gFontCache = nullptr;
    }
    TTF_Font* font() { return resolveFont(kFont.c_str(), kSize); }
    int widthOf(const char* text) {
        int w = 0, h = 0;
        TTF_SizeUTF8(font(), text, &w, &h);
        return w;
    }
    int lineHeight() { return TTF_FontHeight(font()); }
    TextSize measure(const char* text, int maxWidth = -1, int maxHeight = -1) {
        TextSize size{-1, -1};
        measureWrappedText(&size, text, kSize, style, maxWidth, maxHeight);
        return size;
    }
    // Coverage of the text in a 200 x 200 box.
    std::vector<unsigned char> render(const char* text, int boxWidth, int align = 0, int wrapMode = 0) {
        MonoBitmap mono(200, 200, false);
        renderTextBitmapMono(&mono, text, align, style.fontName, kSize, wrapMode, 0, 0, boxWidth, 200);
        return std::vector<unsigned char>(mono.pixels, mono.pixels + 200 * 200);
    }
    static int inked(const std::vector<unsigned char>& plane) {
        int n = 0;
        for (unsigned char c : plane) n += c != 0;
        return n;
    }
    TextStyle style;
};

TEST_F(TextRenderTest, FontCacheOpensOncePerPathAndSize) {
    TTF_Font* a = font();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(font(), a);
    EXPECT_NE(resolveFont(kFont.c_str(), kSize + 4), a);
    ASSERT_EQ(gFontCache->fonts.size(), 1u) << "the failed system-folder path is not kept";
    EXPECT_EQ(gFontCache->fonts.begin()->second.size(), 2u);

    remove("fonttest_late.ttf");
    EXPECT_EQ(resolveFont("fonttest_late", kSize), nullptr) << "no such font and no default";
    FILE* in = fopen((kFont + ".ttf").c_str(), "rb");
    FILE* out = fopen("fonttest_late.ttf", "wb");
    ASSERT_TRUE(in && out);
    for (int c; (c = fgetc(in)) != EOF;) fputc(c, out);
    fclose(in);
    fclose(out);
    EXPECT_NE(resolveFont("fonttest_late", kSize), nullptr) << "a failed open is tried again";

    delete gFontCache;
    gFontCache = nullptr;
    EXPECT_NE(font(), nullptr) << "a new cache opens the font again";
}

TEST_F(TextRenderTest, MissingFontFallsBackToTheDefault) {
    style.fontName = "NoSuchFont";
    EXPECT_EQ(measure("Hello").width, 0) << "nothing to measure with";
    EXPECT_EQ(inked(render("Hello", 200)), 0);
    setDefaultFontFile((kDataDir + "/Insanibu").c_str());
    EXPECT_GT(measure("Hello").width, 10);
}

TEST_F(TextRenderTest, TheGameFontsCoverTheFiveLanguages) {
    const Uint16 letters[] = {0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC, 0xDF, 0xE0, 0xE2, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB,
                              0xEE, 0xEF, 0xF4, 0xF9, 0xFB, 0xFF, 0x153, 0xD1, 0xF1, 0xBF, 0xA1, 0xE1, 0xED, 0xF3,
                              0xFA, 0xEC, 0xF2, 0xC9, 0xC0, 0xC7};
    for (const char* name : {"AmericanTypewriter-Bold", "AmericanTypewriter", "Helvetica-Bold", "Insanibu"}) {
        TTF_Font* f = resolveFont((kDataDir + "/" + name).c_str(), kSize);
        ASSERT_NE(f, nullptr) << name;
        for (Uint16 c : letters) EXPECT_TRUE(TTF_GlyphIsProvided(f, c)) << name << " lacks U+" << std::hex << c;
    }
}

TEST_F(TextRenderTest, LinesAndTheirHeights) {
    const int h = lineHeight();
    struct Case {
        const char* text;
        int width, height;
    } cases[] = {
        {"", 0, 0},
        {"a\n", widthOf("a"), h},
        {"\n\na", widthOf("a"), 2 * kSize + h},
        {"   ", 0, kSize},
        {"ab\ncd", std::max(widthOf("ab"), widthOf("cd")), 2 * h},
    };
    for (const Case& c : cases) {
        TextSize size = measure(c.text);
        EXPECT_EQ(size.width, c.width) << c.text;
        EXPECT_EQ(size.height, c.height) << c.text;
    }
    EXPECT_EQ(measure("ab\ncd", 5, 7).width, 5) << "kept within the limits";
    EXPECT_EQ(measure("ab\ncd", 5, 7).height, 7);
}

TEST_F(TextRenderTest, WrappedWordsFlowIntoTheNextLine) {
    const int box = (widthOf("aa bb") + widthOf("aa bb cc")) / 2;
    struct Case {
        const char* text;
        const char* brokenByHand;
    } cases[] = {
        {"aa bb cc", "aa bb\ncc"},
        {"aa bb cc\ndd", "aa bb\ncc dd"},
        {"aa bb cc\n\ndd", "aa bb\ncc\n\ndd"},
        {"aa  bb", "aa bb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(render(c.text, box), render(c.brokenByHand, 200)) << c.text;
        EXPECT_EQ(measure(c.text, box).height, measure(c.brokenByHand).height) << c.text;
    }
}

TEST_F(TextRenderTest, WordWiderThanTheBoxIsCut) {
    const int box = widthOf("abcdefgh");
    EXPECT_EQ(fitTextPrefix("abcdefghijkl", kFont.c_str(), kSize, box), 8);
    EXPECT_EQ(render("abcdefghijkl", box), render("abcdefgh\nijkl", 200));
    EXPECT_EQ(measure("abcdefghijkl", box).width, box);
    // The line break written after a cut word stays; only whole words flow on into the next line.
    struct Case {
        const char* text;
        const char* brokenByHand;
    } breaks[] = {
        {"abcdefghijkl\nxy", "abcdefgh\nijkl\nxy"},
        {"abcdefghijkl ab\nxy", "abcdefgh\nijkl ab\nxy"},
        {"ab cd abcdefghijkl\nxy", "ab cd\nabcdefgh\nijkl xy"},  // the whole word flowed on first
    };
    for (const Case& c : breaks) {
        EXPECT_EQ(render(c.text, box), render(c.brokenByHand, 200)) << c.text;
        EXPECT_EQ(measure(c.text, box).height, measure(c.brokenByHand).height) << c.text;
    }
}

TEST_F(TextRenderTest, FittingAPrefix) {
    const char* f = kFont.c_str();
    EXPECT_EQ(fitTextPrefix("abcdefghij", f, kSize, 1000), 6) << "two thirds when they fit";
    EXPECT_EQ(fitTextPrefix("abcdefghij", f, kSize, -1), 6);
    EXPECT_EQ(fitTextPrefix("abcdefghij", f, kSize, widthOf("abcd")), 4);
    EXPECT_EQ(fitTextPrefix("abcdef\nghij", f, kSize, 1000), 6) << "stops at the line end";
    EXPECT_EQ(fitTextPrefix("", f, kSize, 1000), 0);
    EXPECT_EQ(fitTextPrefix("abcdefghij", f, kSize, 0), 0);
    // "aééé" is 7 bytes; two thirds is 4, inside the second é: cut before it.
    EXPECT_EQ(fitTextPrefix("a\xC3\xA9\xC3\xA9\xC3\xA9", f, kSize, 1000), 3);
    const char* accents = "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";
    for (int width = 0; width < 80; width += 7) {
        int n = fitTextPrefix(accents, f, kSize, width);
        EXPECT_EQ(n % 2, 0) << "never inside a character, width " << width;
    }
}

TEST_F(TextRenderTest, HardCasesEnd) {
    // Nothing fits a zero-wide box: each character goes on a line of its own and the layout still ends.
    EXPECT_EQ(measure("abc", 0).height, 3 * lineHeight());
    EXPECT_EQ(measure("ab cd", 1).height, 4 * lineHeight());
    style.wrapMode = 1;
    EXPECT_EQ(measure("abc", 0).height, 3 * (kSize + 2)) << "cut mode with no room still advances";
    EXPECT_EQ(measure("abcdefghij").height, 2 * (kSize + 2)) << "pieces of 6 and the short end of 4";
    EXPECT_EQ(measure("\xC3\xA9\xC3\xA9\xC3\xA9", 0).height, 3 * (kSize + 2)) << "whole characters";
    std::vector<unsigned char> cut = render("abcdefghij", 200, 0, 1);
    MonoBitmap byHand(200, 200, false);
    renderTextBitmapMono(&byHand, "abcdef", 0, kFont.c_str(), kSize, 2, 0, 0, 200, 200);
    renderTextBitmapMono(&byHand, "ghij", 0, kFont.c_str(), kSize, 2, 0, kSize + 2, 200, 200 - kSize - 2);
    EXPECT_EQ(cut, std::vector<unsigned char>(byHand.pixels, byHand.pixels + 200 * 200))
        << "the end shorter than a piece is drawn";
    style.wrapMode = 2;
    EXPECT_EQ(measure("ab\ncd").width, widthOf("ab cd")) << "one line: a line break shows as a blank";
}

TEST_F(TextRenderTest, CutModeKeepsWordsThatFitWhole) {
    // Pieces are a fitted byte count long, but a word that fits on a line of its own moves whole to the next
    // piece; only a word wider than the line is cut.
    struct Case {
        const char* text;
        int box;
        std::vector<const char*> pieces;
    } cases[] = {
        {"one two three four", 200, {"one two", "three four"}},
        {"Your Free Play puzzles show", widthOf("Your Free Play puz"), {"Your Free Play", "puzzles show"}},
        {"ab cdefghijklmnopqrstuvwxy", widthOf("ab cdefghijklmnop"), {"ab cdefghijklmnop", "qrstuvwxy"}},
    };
    for (const Case& c : cases) {
        MonoBitmap byHand(200, 200, false);
        for (size_t i = 0; i < c.pieces.size(); ++i) {
            const int y = (int)i * (kSize + 2);
            renderTextBitmapMono(&byHand, c.pieces[i], 0, kFont.c_str(), kSize, 2, 0, y, 200, 200 - y);
        }
        EXPECT_EQ(render(c.text, c.box, 0, 1), std::vector<unsigned char>(byHand.pixels, byHand.pixels + 200 * 200))
            << c.text;
        style.wrapMode = 1;
        EXPECT_EQ(measure(c.text, c.box).height, (int)c.pieces.size() * (kSize + 2)) << c.text;
    }
}

TEST_F(TextRenderTest, Alignment) {
    const int box = 150, sw = widthOf("Hi");
    MonoBitmap left(200, 200, false), right(200, 200, false), centred(200, 200, false), middle(200, 200, false);
    renderTextBitmapMono(&left, "Hi", 0, kFont.c_str(), kSize, 0, 0, 0, box, 100);
    renderTextBitmapMono(&right, "Hi", 2, kFont.c_str(), kSize, 0, 0, 0, box, 100);
    renderTextBitmapMono(&centred, "Hi", 1, kFont.c_str(), kSize, 0, 0, 0, box, 100);
    renderTextBitmapMono(&middle, "Hi", 3, kFont.c_str(), kSize, 0, 0, 0, box, 100);
    int sh = 0, unused = 0;
    TTF_SizeUTF8(font(), "Hi", &unused, &sh);
    struct Case {
        const char* what;
        MonoBitmap* bitmap;
        int dx, dy;
    } cases[] = {{"right", &right, box - sw, 0},
                 {"centred", &centred, box / 2 - sw / 2, 0},
                 {"centred both ways", &middle, box / 2 - sw / 2, 50 - sh / 2}};
    for (const Case& c : cases)
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < sw; ++x)
                ASSERT_EQ(c.bitmap->at(x + c.dx, y + c.dy), left.at(x, y)) << c.what << " " << x << "," << y;

    MonoBitmap narrow(200, 200, false), narrowLeft(200, 200, false);
    renderTextBitmapMono(&narrow, "Hi there", 2, kFont.c_str(), kSize, 2, 0, 0, 10, 100);
    renderTextBitmapMono(&narrowLeft, "Hi there", 0, kFont.c_str(), kSize, 2, 0, 0, 10, 100);
    EXPECT_EQ(0, memcmp(narrow.pixels, narrowLeft.pixels, 200 * 200)) << "a line wider than the box starts at x";
}

TEST_F(TextRenderTest, DrawingStopsAtTheBoxBottom) {
    MonoBitmap mono(200, 200, false);
    renderTextBitmapMono(&mono, "a\nb\nc\nd", 0, kFont.c_str(), kSize, 0, 0, 0, 200, lineHeight() * 2);
    int lowest = -1;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (mono.at(x, y)) lowest = y;
    EXPECT_GT(lowest, lineHeight()) << "the second line is drawn";
    EXPECT_LT(lowest, lineHeight() * 2) << "the third is not";
}

TEST_F(TextRenderTest, RgbaRendererBlendsPremultiplied) {
    Bitmap bitmap(100, 40, false);
    style.r = 255;
    style.g = 0;
    style.b = 0;
    renderTextBitmap(&bitmap, "Hello", kSize, style, 0, 0, -1, -1);
    int opaque = 0, edges = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) {
            RGBA p = bitmap.at(x, y);
            ASSERT_LE(p.r, p.a) << "premultiplied";
            ASSERT_EQ(p.g, 0);
            opaque += p.a == 255;
            edges += p.a > 0 && p.a < 255;
            if (p.a == 255) {
                EXPECT_EQ(p.r, 255) << "an opaque letter pixel keeps its full colour";
            }
        }
    EXPECT_GT(opaque, 20);
    EXPECT_GT(edges, 20);
}

}  // namespace
