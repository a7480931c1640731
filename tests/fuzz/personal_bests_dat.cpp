// "personalBests.dat", the Challenge personal bests, read and saved as the game does (loadPersonalBests,
// savePersonalBests). Every best the game can ask for must be a time or "none".
#include "modes/ChallengeBests.h"
#include "tests/fuzz/support/SavedFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    expectStableSave("personal_bests_dat", kChallengeBestsFileName, bytes, [] {
        loadPersonalBests();
        for (int difficulty = -1; difficulty <= ChallengeBests::kDifficulties; ++difficulty)
            for (int level = -1; level <= 33; ++level)
                if (gChallengeBests.best(difficulty, level) < -1)
                    fuzzFailure("personal_bests_dat", "a best below -1");
        return savePersonalBests();
    });
    return 0;
}
