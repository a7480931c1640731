// A language's text file ("english.txt", "german.txt", ...), loaded as the language menu loads it
// (setLanguage). The input is the English file and a translation. Every id the file holds must come back as
// its text, and asking for any other id must give "?".
#include "Core/Language.h"
#include "tests/fuzz/support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes input(data, size);
    int language = 1 + input.byte() % (kLanguageCount - 1);
    std::string english = input.part(1 << 16);
    std::string translation = input.rest();
    writeFuzzFile("english.txt", english);
    writeFuzzFile((std::string(gLanguageNames[language]) + ".txt").c_str(), translation);

    for (int id : {int(kEnglish), language}) {
        setLanguage(id);
        const std::string& bytes = id == kEnglish ? english : translation;
        Array<String> texts = splitLanguageTexts(String(bytes.data(), int(bytes.size())));
        if (gLanguage->texts.size() != texts.size())
            fuzzFailure("language_file", "the loaded language and the split file differ in length");
        for (int i = 0; i < texts.size(); ++i) {
            if (!(getText(i) == texts[i]))
                fuzzFailure("language_file", "text " + std::to_string(i) + " differs from the file's");
            formatSignature(texts[i]);
        }
        if (!(getText(texts.size()) == "?") || !(getText(-1) == "?"))
            fuzzFailure("language_file", "an id outside the file gave a text");
        getLanguageName();
        formatDurationText(125);
    }
    return 0;
}
