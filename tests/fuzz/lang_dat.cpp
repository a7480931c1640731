// "lang.dat", read at start by loadLanguageChoice. Any content gives one of the five languages; the choice,
// saved by setLanguage, must read back the same.
#include "Core/Language.h"
#include "tests/fuzz/support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFile("lang.dat", data, size);
    loadLanguageChoice();
    int chosen = currentLanguage();
    if (!gLanguage || chosen < 0 || chosen >= kLanguageCount)
        fuzzFailure("lang_dat", "no language, or language " + std::to_string(chosen));
    if (!setLanguage(chosen))
        fuzzFailure("lang_dat", "lang.dat could not be saved");
    loadLanguageChoice();
    if (currentLanguage() != chosen)
        fuzzFailure("lang_dat", "language " + std::to_string(chosen) + " saved, " +
                                    std::to_string(currentLanguage()) + " read back");
    return 0;
}
