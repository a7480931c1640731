// Writes the game mode (and optionally the difficulty and the speed-up flag, which quarters the Arcade
// time and shortens Beat the Clock to two puzzles) into "settings.dat" of a data folder, through the game's
// own settings record: the other options stay as they are, a missing file starts from the defaults. The
// game-mode menu's Start then plays that mode.
//
//   setmode <data folder> <mode 0..6> [difficulty 0..2] [speed-up 0|1]
//   setmode build/data 4        (Blitz)
//   setmode build/data 6 1 1    (Beat the Clock, difficulty 1, two puzzles)

#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/Settings.h"

namespace {

bool parse(const char* text, int low, int high, int* value)
{
    char* end = nullptr;
    long read = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || read < low || read > high)
        return false;
    *value = static_cast<int>(read);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int mode = 0;
    int difficulty = -1;
    int speedUp = -1;
    if (argc < 3 || argc > 5 || !parse(argv[2], 0, 6, &mode) || (argc >= 4 && !parse(argv[3], 0, 2, &difficulty)) ||
        (argc == 5 && !parse(argv[4], 0, 1, &speedUp))) {
        std::fprintf(stderr, "usage: setmode <data folder> <mode 0..6> [difficulty 0..2] [speed-up 0|1]\n");
        return 2;
    }
    const std::string path = std::string(argv[1]) + "/settings.dat";
    Settings settings(path.c_str());
    settings.gameMode = mode;
    if (difficulty >= 0)
        settings.difficulty = difficulty;
    if (speedUp >= 0)
        settings.fasterClock = speedUp == 1;
    if (!settings.save()) {
        std::fprintf(stderr, "setmode: could not write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
