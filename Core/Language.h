#pragma once

#include "Core/Array.h"
#include "Core/String.h"

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
// Text `id` as a printf format with the values, at most 1023 bytes. A translation whose
// placeholders differ from the English text's is not trusted: the English text is used (logged once).
String formatText(int id, ...);
String getLanguageName();  // text 31 + current language id
int currentLanguage();     // 0 (English) when none is loaded
bool isLanguage(int id);
// Loads the language, makes it current and stores the choice; false when "lang.dat" could not be written.
bool setLanguage(int id);
void loadLanguageChoice();
void unloadLanguage();  // also done by itself at program exit
// "59 seconds", "1 minute", "2 minutes 5s", with the words of the current language.
String formatDurationText(int seconds);

// The texts of a language file's contents, by the rules above.
Array<String> splitLanguageTexts(const String& fileText);
// The printf conversions of a text, one letter each ("%d of %s" -> "is"); "!" when the text holds
// a conversion that is never safe to format with (%n, positional arguments, a lone % at the end).
String formatSignature(const String& text);
