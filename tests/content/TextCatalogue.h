#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

// Test-side readers of content/text: the catalogue of text ids and the raw language files.
// They read the files on their own (not through the game's loader), so that a fault in either
// shows up as a disagreement.

// The language files the game ships, with the game's language id.
struct LanguageCase {
    const char* file;
    const char* code;
    int id;
};
const std::vector<LanguageCase>& shippedLanguages();
inline void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.file; }

// One box a text must fit, e.g. "wrap:AmericanTypewriter-Bold:14/es12:280:0".
struct TextBox {
    enum Kind { Line, Wrap, Para, Fit, Shrink, ShrinkWrap };
    Kind kind = Line;
    std::string font;
    std::string size, width, height;  // a number, optionally with per-language overrides: "36/de52"
};

struct CatalogueEntry {
    int id = -1;
    bool used = false;
    std::string where;
    std::vector<TextBox> boxes;
    std::string formats;  // conversion letters in order, e.g. "ds"; empty when the text is not a format
    bool isFormat = false;
};

struct Catalogue {
    std::vector<CatalogueEntry> entries;  // index = id
    std::vector<std::string> errors;      // malformed rows
};

Catalogue loadCatalogue(const std::string& path);

// A language file as the game splits it, plus what the checks need to know about its raw lines.
struct LanguageFile {
    bool opened = false;
    std::vector<std::string> texts;                // escapes already turned into line breaks
    std::vector<std::string> rawTexts;             // the lines as written
    std::vector<std::pair<int, int>> markers;      // "# @N" comment: (N, id of the next text)
    std::vector<std::string> problems;             // lines indented, tabs, bad escapes, bad UTF-8
    bool endsWithOneLineFeed = false;
};

LanguageFile readLanguageFile(const std::string& path);

// The printf conversions of a text as letters ("%d of %s" -> "ds"); "%%" is a literal percent.
// Sets `bad` when a "%" starts nothing valid.
std::string conversionLetters(const std::string& text, bool* bad);

// The value of a per-language number such as "14/es12/fr12" for a language code ("en", "de", ...).
int valueFor(const std::string& spec, const std::string& language);

// A text with sample values put in for its conversions, to measure it as the player sees it.
std::string withSampleValues(const std::string& text);
