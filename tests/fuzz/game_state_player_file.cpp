// The player's file beside "gameState.dat" ("gameState.dat<k>": tips, play history, the kept games with their
// saved boards), read as a start reads it (KelzoGame::readGameModeState). What was read must write, read and
// write again to the same bytes.
#include "Core/MemoryStream.h"
#include "game/KelzoGame.h"
#include "tests/fuzz/support/FuzzSupport.h"
#include "tests/fuzz/support/GameFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    prepareGameFuzz();
    std::string first;
    {
        KelzoGame game;
        MemoryStreamIn in(data, int(size));
        game.readGameModeState(in);
        first = writtenGameModeState(game);
    }
    KelzoGame again;
    MemoryStreamIn reread(first.data(), int(first.size()));
    again.readGameModeState(reread);
    expectSameBytes("game_state_player_file", "player's file written, read and written again", first,
                    writtenGameModeState(again));
    return 0;
}
