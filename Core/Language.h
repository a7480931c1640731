#pragma once

#include "Core/Array.h"
#include "Core/String.h"

#include <type_traits>

// Texts the player sees, looked up by id in the current language. Each language is a text file in
// the resource folder ("english.txt", ...), one text per line, the id being the line's position:
// - lines are trimmed of blanks and control bytes at both ends (so CR LF ends are fine);
// - a line starting with "#" is a comment and takes no id; every other line, empty or not, does;
// - backslash n inside a text stands for a line break; there are no other escapes;
// - a final line end gives one more, empty, text.
// The choice is kept in "lang.dat" (one int32).
//
//   String title = getText(31);
//   String line = formatText(348, themeName.c_str());   // the text is the printf format

enum LanguageId { kEnglish = 0, kGerman = 1, kSpanish = 2, kFrench = 3, kItalian = 4, kLanguageCount = 5 };
extern const char* const gLanguageNames[kLanguageCount];  // file base names

class Language {
public:
    explicit Language(int id);  // an unknown id loads English

    int id;
    Array<String> texts;
};

extern Language* gLanguage;  // null until loadLanguageChoice or setLanguage

// The usage counters live with the experiment engine, which points the language at two of them:
// the one that records the loaded language's id, and the chosen theme that decides the word
// used for "furball" in English (text 66 + theme). Either may be null.
void setLanguageCounters(int* languageCounter, const int* chosenThemeCounter);

// A copy of text `id`; "?" when no language is loaded or the id is not in the file.
String getText(int id);
// The text with "furball" swapped for the chosen theme's word, as getText does for English texts;
// for sentences the game writes itself rather than reading them from the language file.
String withThemeWord(const String& text);
// Text `id` as a printf format with the values, at most 1023 bytes. The text files are data, so a
// text is formatted only when its conversions are exactly the kinds of the values passed (worked out
// from their C++ types below); widths, precisions, %n and positional arguments are never accepted.
// A text that does not fit is replaced by the English text when that fits, else shown as it stands,
// unformatted. Each misfit is logged once per language.
template <typename... Values>
String formatText(int id, Values... values);
// A score with its digits grouped in threes by the language's separator (text 497: "," in English, "." or
// a no-break space elsewhere, where "5,000" would read as five); "," when the language gives none.
String groupedNumberText(int value);
String getLanguageName();  // text 31 + current language id
int currentLanguage();     // 0 (English) when none is loaded
bool isLanguage(int id);
// Loads the language, makes it current and stores the choice; false when "lang.dat" could not be written.
bool setLanguage(int id);
// Loads the language and makes it current without storing it: a language offered, not yet chosen.
void useLanguage(int id);
// The game's language of a device language code ("fr_CA" -> French, by its first two letters); -1 when the
// game has none for it or the code is shorter than two letters.
int languageOfCode(const String& code);
// Loads the language stored in "lang.dat", else English; false when there was no valid choice.
bool loadLanguageChoice();
void unloadLanguage();  // also done by itself at program exit
// "59 seconds", "1 minute", "2 minutes 5s", with the words of the current language.
String formatDurationText(int seconds);

// The texts of a language file's contents, by the rules above.
Array<String> splitLanguageTexts(const String& fileText);
// The printf conversions of a text, one letter per value it takes: i int (or anything smaller),
// l long, L long long, f double, s C string, p other pointer ("%d of %s" -> "is"). "!" when a
// conversion is refused: %n, positional arguments, a width or precision ("%5d", "%.2f", "%*d"),
// an unknown or unusual length or conversion, a lone % at the end.
String formatSignature(const String& text);

// The kind letter, as above, of one value handed to printf.
template <typename T>
constexpr char formatKindOf()
{
    using V = std::decay_t<T>;
    if constexpr (std::is_same_v<V, char*> || std::is_same_v<V, const char*>)
        return 's';
    else if constexpr (std::is_pointer_v<V>)
        return 'p';
    else if constexpr (std::is_same_v<V, float> || std::is_same_v<V, double>)
        return 'f';
    else if constexpr (std::is_same_v<V, long> || std::is_same_v<V, unsigned long>)
        return 'l';
    else if constexpr (std::is_same_v<V, long long> || std::is_same_v<V, unsigned long long>)
        return 'L';
    else if constexpr ((std::is_integral_v<V> || std::is_enum_v<V>) && sizeof(V) <= sizeof(int))
        return 'i';
    else
        static_assert(sizeof(V) == 0, "formatText takes numbers and C strings (pass String::c_str())");
}

// formatText's work, with the kinds of the values as a string of letters.
String formatTextOfKinds(int id, const char* kinds, ...);

template <typename... Values>
String formatText(int id, Values... values)
{
    static constexpr char kinds[] = {formatKindOf<Values>()..., '\0'};
    return formatTextOfKinds(id, kinds, values...);
}
