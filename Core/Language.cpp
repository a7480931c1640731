#include "Core/Language.h"

#include "Core/File.h"
#include "Core/Log.h"
#include "Core/Platform.h"

#include <cstdarg>
#include <cstring>
#include <memory>
#include <vector>

const char* const gLanguageNames[kLanguageCount] = {"english", "german", "spanish", "french", "italian"};
Language* gLanguage = nullptr;

namespace {

const char kLanguageChoiceFile[] = "lang.dat";
const int kLanguageNameText = 31;
const int kThemeWordText = 66;
const int kMinuteText = 39, kMinutesText = 40, kSecondText = 41, kSecondsText = 42, kSecondsSuffixText = 44;

int* gLanguageCounter = nullptr;
const int* gChosenThemeCounter = nullptr;
// The English texts, the reference for a translation's placeholders, while another language is current.
std::unique_ptr<Language> gEnglishReference;
std::vector<bool> gMismatchLogged;  // per text id of the current language

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
    gMismatchLogged.clear();
}

// Past a width or precision: digits, or "*", which takes an int argument of its own.
const char* skipWidth(const char* p, String* signature)
{
    if (*p == '*') {
        *signature += 'i';
        return p + 1;
    }
    while (*p >= '0' && *p <= '9')
        ++p;
    return p;
}

// Length modifier and argument kind of each conversion, e.g. "%ld %s" -> "lis".
String signatureOf(const char* text)
{
    String signature;
    for (const char* p = text; *p; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        while (*p && strchr("-+ #0'", *p))
            ++p;
        p = skipWidth(p, &signature);
        if (*p == '$')
            return String("!");
        if (*p == '.')
            p = skipWidth(p + 1, &signature);
        while (*p && strchr("hlLqjzt", *p))
            signature += *p++;
        if (!*p)
            return String("!");
        if (strchr("diouxXc", *p))
            signature += 'i';
        else if (strchr("eEfFgGaA", *p))
            signature += 'f';
        else if (*p == 's' || *p == 'p')
            signature += *p;
        else
            return String("!");  // %n, or a conversion printf does not know
    }
    return signature;
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
    String text = textOf(gLanguage->texts, id);
    int theme = gChosenThemeCounter ? *gChosenThemeCounter : 0;
    if (gLanguage->id == kEnglish && theme != 0) {
        String word = textOf(gLanguage->texts, kThemeWordText + theme);
        if (!word.isEmpty() && !(word == "?"))
            text.replaceAll("furball", word);
    }
    return text;
}

String formatText(int id, ...)
{
    String format = getText(id);
    if (gLanguage) {
        String english = textOf(englishTexts(), id);
        String expected = formatSignature(english);
        if (!(formatSignature(format) == expected)) {
            if (gLanguage->id != kEnglish && (id < 0 || static_cast<size_t>(id) >= gMismatchLogged.size() ||
                                              !gMismatchLogged[id])) {
                logPrintf("ERR", "%s text %d has other placeholders than the English one; English used",
                          gLanguageNames[gLanguage->id], id);
                if (id >= 0 && id < 100000) {
                    if (gMismatchLogged.size() <= static_cast<size_t>(id))
                        gMismatchLogged.resize(id + 1, false);
                    gMismatchLogged[id] = true;
                }
            }
            format = english;
        }
        if (expected == "!")
            return format;  // not safe to format at all: shown as it stands
    }
    va_list args;
    va_start(args, id);
    String result = String::formatArgs(format.c_str(), args);
    va_end(args);
    return result;
}

String getLanguageName() { return getText(kLanguageNameText + currentLanguage()); }

int currentLanguage() { return gLanguage ? gLanguage->id : kEnglish; }

bool isLanguage(int id) { return gLanguage && gLanguage->id == id; }

bool setLanguage(int id)
{
    makeCurrent(new Language(id));
    bool ok = false;
    File file(dataFilePath(kLanguageChoiceFile), false, false, true, &ok);
    ok = ok && writeInt32(file, gLanguage->id);
    ok = file.close() && ok;
    if (!ok)
        logPrintf("ERR", "cannot save the language choice in %s", kLanguageChoiceFile);
    return ok;
}

void loadLanguageChoice()
{
    int id = kEnglish;
    bool ok = false;
    File file(dataFilePath(kLanguageChoiceFile), &ok);
    int stored = 0;
    if (ok && readInt(file, &stored) && validLanguage(stored))
        id = stored;
    makeCurrent(new Language(id));
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
