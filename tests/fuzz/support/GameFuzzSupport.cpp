#include "tests/fuzz/support/GameFuzzSupport.h"

#include "Core/GameClock.h"
#include "Core/MemoryStream.h"
#include "game/KelzoGame.h"
#include "settings/Settings.h"
#include "tests/fuzz/support/FuzzSupport.h"

void prepareGameFuzz()
{
    fuzzFolder();
    static Settings settings;  // the record the games copy; owns no file
    gSettings = &settings;
    gGameClock = GameClock();
    gGameClock.updateAt(100000);
}

std::string writtenGameModeState(KelzoGame& game)
{
    MemoryStreamOut out;
    game.writeGameModeState(out);
    return std::string(out.data(), out.size());
}
