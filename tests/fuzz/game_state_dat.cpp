// "gameState.dat", the players' names and the current player k, read as a start reads it
// (KelzoGame::setFilesAndLoad, which then reads "gameState.dat<k>"). The first players have a fresh file of
// their own, so a sound names file is used whole; a k without one starts fresh. The current player must be one
// of the names read, and what was read must save, load and save again to the same names file.
#include <string>

#include "game/KelzoGame.h"
#include "tests/fuzz/support/FuzzSupport.h"
#include "tests/fuzz/support/GameFuzzSupport.h"

namespace {

const char kNames[] = "gameState.dat";
const char kScores[] = "hiScores.dat";
const int kPlayersWithFiles = 4;

// A fresh player's file, as the game writes it.
const std::string& freshPlayerFile()
{
    static std::string bytes;
    if (bytes.empty()) {
        KelzoGame game;
        bytes = writtenGameModeState(game);
    }
    return bytes;
}

void writePlayerFiles()
{
    for (int k = 0; k < kPlayersWithFiles; ++k)
        writeFuzzFile((std::string(kNames) + std::to_string(k)).c_str(), freshPlayerFile());
}

// Loads the names file (and the player's file it names), checks the player and saves both; returns the
// names file written and the player's file name in `playerFile`.
std::string loadAndSave(std::string* playerFile)
{
    KelzoGame game;
    game.setFilesAndLoad(kNames, kScores);
    if (game.playerNames.size() < 1 || game.currentPlayer < 0 || game.currentPlayer >= game.playerNames.size())
        fuzzFailure("game_state_dat", "current player " + std::to_string(game.currentPlayer) + " of " +
                                          std::to_string(game.playerNames.size()) + " names");
    if (!game.saveState(false))
        fuzzFailure("game_state_dat", "the state could not be saved");
    *playerFile = game.playerStatePath().c_str();
    return readFuzzFile(kNames);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    prepareGameFuzz();
    writePlayerFiles();
    writeFuzzFile(kNames, data, size);
    std::string firstPlayer, againPlayer;
    const std::string first = loadAndSave(&firstPlayer);
    const std::string again = loadAndSave(&againPlayer);
    expectSameBytes("game_state_dat", "names file saved, loaded and saved again", first, again);
    // A player past the first few got a file of this run's saves: the next input must not find it.
    removeFuzzFile(firstPlayer.c_str());
    removeFuzzFile(againPlayer.c_str());
    return 0;
}
