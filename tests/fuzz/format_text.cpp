// Texts formatted with the game's values (formatText), from a hostile English file and a hostile translation:
// each text id is formatted with the kinds of values the screens pass. However a text is written, the result
// is bounded and comes at once (the run's time-out catches a slow one).
#include "Core/Language.h"
#include "tests/fuzz/support/FuzzSupport.h"

namespace {

const int kIdsFormatted = 16;  // the first texts of each file; the fuzzer moves any text there

void formatAll(int id)
{
    const String results[] = {
        formatText(id),
        formatText(id, 42),
        formatText(id, "Kelzo"),
        formatText(id, 3, 30),
        formatText(id, 7, "Alice"),
        formatText(id, "Bob", -1),
        formatText(id, 2.5),
        formatText(id, 1, 2, 3),
        formatText(id, 123456789L),
    };
    for (const String& result : results)
        if (result.length() > 1023)
            fuzzFailure("format_text", "text " + std::to_string(id) + " formatted to " +
                                           std::to_string(result.length()) + " bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes input(data, size);
    int language = 1 + input.byte() % (kLanguageCount - 1);
    writeFuzzFile("english.txt", input.part(1 << 14));
    writeFuzzFile((std::string(gLanguageNames[language]) + ".txt").c_str(), input.rest());
    for (int id : {int(kEnglish), language}) {
        setLanguage(id);
        for (int text = 0; text < gLanguage->texts.size() && text < kIdsFormatted; ++text)
            formatAll(text);
    }
    return 0;
}
