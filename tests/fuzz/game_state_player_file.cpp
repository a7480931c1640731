// The player's file beside "gameState.dat" ("gameState.dat<k>": tips, play history, the kept games with their
// saved boards), read as a start reads it (KelzoGame::readGameModeState). What was read must write, read and
// write again to the same bytes.
#include "Core/GameClock.h"
#include "Core/MemoryStream.h"
#include "game/KelzoGame.h"
#include "settings/Settings.h"
#include "tests/fuzz/support/FuzzSupport.h"

namespace {

std::string written(KelzoGame& game)
{
    MemoryStreamOut out;
    game.writeGameModeState(out);
    return std::string(out.data(), out.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzFolder();
    static Settings settings;  // the record the games copy; owns no file
    gSettings = &settings;
    gGameClock = GameClock();
    gGameClock.updateAt(100000);

    std::string first;
    {
        KelzoGame game;
        MemoryStreamIn in(data, int(size));
        game.readGameModeState(in);
        first = written(game);
    }
    KelzoGame again;
    MemoryStreamIn reread(first.data(), int(first.size()));
    again.readGameModeState(reread);
    expectSameBytes("game_state_player_file", "player's file written, read and written again", first, written(again));
    return 0;
}
