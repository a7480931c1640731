#include "Core/Language.h"

#include "Core/File.h"
#include "Core/Log.h"
#include "Core/Platform.h"

#include <cstdarg>
#include <cstring>
#include <memory>
#include <set>

const char* const gLanguageNames[kLanguageCount] = {"english", "german", "spanish", "french", "italian"};
Language* gLanguage = nullptr;

namespace {

const char kLanguageChoiceFile[] = "lang.dat";
const int kLanguageNameText = 31;
const int kThemeWordText = 66;
const int kGroupSeparatorText = 497;
const int kMinuteText = 39, kMinutesText = 40, kSecondText = 41, kSecondsText = 42, kSecondsSuffixText = 44;

int* gLanguageCounter = nullptr;
const int* gChosenThemeCounter = nullptr;
// The English texts, the reference for a translation's placeholders, while another language is current.
std::unique_ptr<Language> gEnglishReference;
std::set<int> gMisfitsLogged;  // text ids of the current language already logged by formatText

// The last language goes at program exit.
struct LanguageAtExit {
    ~LanguageAtExit()
    {
        delete gLanguage;
        gLanguage = nullptr;
    }
} gLanguageAtExit;

bool validLanguage(int id) { return id >= 0 && id < kLanguageCount; }

const Array<String>& englishTexts()
{
    if (gLanguage && gLanguage->id == kEnglish)
        return gLanguage->texts;
    if (!gEnglishReference) {
        int* counter = gLanguageCounter;
        gLanguageCounter = nullptr;  // loading the reference is not a language choice
        gEnglishReference.reset(new Language(kEnglish));
        gLanguageCounter = counter;
    }
    return gEnglishReference->texts;
}

String textOf(const Array<String>& texts, int id) { return id >= 0 && id < texts.size() ? texts[id] : String("?"); }

void makeCurrent(Language* language)
{
    delete gLanguage;
    gLanguage = language;
    gMisfitsLogged.clear();
}

// The kind letter of one conversion starting just past its "%"; '!' when refused. `*end` is left on the
// conversion's last byte.
char conversionKind(const char* p, const char** end)
{
    *end = p;
    while (*p && strchr("-+ #0'", *p))
        ++p;
    // A width or precision costs seconds and gigabytes when huge ("%.999999999f"); no text needs one.
    if ((*p >= '0' && *p <= '9') || *p == '*' || *p == '.' || *p == '$')
        return '!';
    int longs = 0;
    bool shortened = false;
    for (; *p == 'l' || *p == 'h'; ++p) {
        if (*p == 'l')
            ++longs;
        else
            shortened = true;
    }
    *end = p;
    if (!*p || (longs && shortened) || longs > 2)
        return '!';
    if (strchr("diouxX", *p))
        return "ilL"[longs];
    if (shortened)
        return '!';
    if (strchr("eEfFgGaA", *p))
        return longs <= 1 ? 'f' : '!';  // "%lf" is a double too
    if (longs)
        return '!';  // wide characters and strings
    if (*p == 'c')
        return 'i';
    if (*p == 's' || *p == 'p')
        return *p;
    return '!';  // %n, %m, or a conversion printf does not know
}

String signatureOf(const char* text)
{
    String signature;
    for (const char* p = text; *p; ++p) {
        if (*p != '%')
            continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        char kind = conversionKind(p + 1, &p);
        if (kind == '!')
            return String("!");
        signature += kind;
    }
    return signature;
}

// Says once per text id and language that a text did not fit the values its caller passes.
void logMisfit(int id, const String& text, const char* kinds, bool englishUsed)
{
    if (!gMisfitsLogged.insert(id).second)
        return;
    logPrintf("ERR", "%s text %d (conversions \"%s\") does not fit values \"%s\"; %s",
              gLanguageNames[gLanguage->id], id, formatSignature(text).c_str(), kinds,
              englishUsed ? "English text used" : "shown unformatted");
}

}  // namespace

Language::Language(int languageId) : id(validLanguage(languageId) ? languageId : kEnglish)
{
    if (gLanguageCounter)
        *gLanguageCounter = id;
    texts.reserve(128);
    Array<String> loaded = splitLanguageTexts(readResourceFile(gLanguageNames[id], "txt"));
    for (String& text : loaded)
        texts.append(std::move(text));
}

Array<String> splitLanguageTexts(const String& fileText)
{
    Array<String> texts;
    Array<String> lines = fileText.split('\n');
    for (const String& line : lines) {
        if (line.length() > 0 && line[0] == '#')
            continue;
        String text;
        for (int i = 0; i < line.length(); ++i) {
            if (line[i] == '\\' && i + 1 < line.length() && line[i + 1] == 'n') {
                text += '\n';
                ++i;
            } else {
                text += line[i];
            }
        }
        texts.append(text);
    }
    return texts;
}

String formatSignature(const String& text) { return signatureOf(text.c_str()); }

void setLanguageCounters(int* languageCounter, const int* chosenThemeCounter)
{
    gLanguageCounter = languageCounter;
    gChosenThemeCounter = chosenThemeCounter;
}

String getText(int id)
{
    if (!gLanguage)
        return String("?");
    return withThemeWord(textOf(gLanguage->texts, id));
}

String withThemeWord(const String& text)
{
    String out = text;
    int theme = gChosenThemeCounter ? *gChosenThemeCounter : 0;
    if (gLanguage && gLanguage->id == kEnglish && theme != 0) {
        String word = textOf(gLanguage->texts, kThemeWordText + theme);
        if (!word.isEmpty() && !(word == "?"))
            out.replaceAll("furball", word);
    }
    return out;
}

String groupedNumberText(int value)
{
    const int kLongestSeparator = 3;   // one character, as UTF-8
    const String separator = getText(kGroupSeparatorText);
    const bool usable = !separator.isEmpty() && separator.length() <= kLongestSeparator && !(separator == "?");
    return String::fromIntGrouped(value, usable ? separator.c_str() : ",");
}

String formatTextOfKinds(int id, const char* kinds, ...)
{
    if (!gLanguage)
        return String("?");
    String text = getText(id);
    bool fits = formatSignature(text) == kinds;
    if (!fits) {
        String english = textOf(englishTexts(), id);
        fits = formatSignature(english) == kinds;
        logMisfit(id, text, kinds, fits);
        if (fits)
            text = english;
    }
    if (!fits)
        return text;
    va_list args;
    va_start(args, kinds);
    String result = String::formatArgs(text.c_str(), args);
    va_end(args);
    return result;
}

String getLanguageName() { return getText(kLanguageNameText + currentLanguage()); }

int currentLanguage() { return gLanguage ? gLanguage->id : kEnglish; }

bool isLanguage(int id) { return gLanguage && gLanguage->id == id; }

void useLanguage(int id) { makeCurrent(new Language(id)); }

int languageOfCode(const String& code)
{
    static const char* const kCodes[kLanguageCount] = {"en", "de", "es", "fr", "it"};
    if (code.length() < 2)
        return -1;
    for (int id = 0; id < kLanguageCount; id++)
        if (code.c_str()[0] == kCodes[id][0] && code.c_str()[1] == kCodes[id][1])
            return id;
    return -1;
}

bool setLanguage(int id)
{
    useLanguage(id);
    bool ok = false;
    File file(dataFilePath(kLanguageChoiceFile), false, false, true, &ok);
    ok = ok && writeInt32(file, gLanguage->id) && file.commit();
    if (!ok)
        logPrintf("ERR", "cannot save the language choice in %s", kLanguageChoiceFile);
    return ok;
}

bool loadLanguageChoice()
{
    bool ok = false;
    File file(dataFilePath(kLanguageChoiceFile), &ok);
    int stored = 0;
    bool chosen = ok && readInt(file, &stored) && validLanguage(stored);
    if (!chosen)
        logStartingFresh(kLanguageChoiceFile, ok);
    makeCurrent(new Language(chosen ? stored : kEnglish));
    return chosen;
}

void unloadLanguage()
{
    makeCurrent(nullptr);
    gEnglishReference.reset();
}

String formatDurationText(int seconds)
{
    int minutes = seconds / 60;
    int rest = seconds % 60;
    if (minutes < 1)
        return String::fromInt(rest) + " " + getText(rest == 1 ? kSecondText : kSecondsText);
    String text = String::fromInt(minutes) + " " + getText(minutes == 1 ? kMinuteText : kMinutesText);
    if (rest > 0)
        text += String(" ") + String::fromInt(rest) + getText(kSecondsSuffixText);
    return text;
}
