// "fPersonalBests.dat", the Frenzy personal bests, read and saved as the game does (loadFrenzyBests,
// saveFrenzyBests). Every best the game can ask for must be a time or "none".
#include "modes/FrenzyBests.h"
#include "tests/fuzz/support/SavedFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    expectStableSave("frenzy_bests_dat", kFrenzyBestsFileName, bytes, [] {
        loadFrenzyBests();
        for (int level = -1; level <= FrenzyBests::kEntries; ++level)
            if (gFrenzyBests.best(level) < -1)
                fuzzFailure("frenzy_bests_dat", "a best below -1");
        return saveFrenzyBests();
    });
    return 0;
}
