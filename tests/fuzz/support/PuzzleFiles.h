#pragma once

#include <string>

#include "tests/fuzz/support/FuzzSupport.h"

// The two files of the puzzle store made from the fuzzer's bytes: records of 4 complexity bytes and 13 puzzle
// bytes. A flag byte may fill batch 0 (and batch 1) with copies of those records first, so that records reach
// the later batches, which are sorted by complexity, without the input being megabytes long; another byte cuts
// records off the end of the complexities file, so that the two files disagree in length.
struct PuzzleFiles {
    std::string puzzles;
    std::string complexities;
};
PuzzleFiles puzzleFilesFrom(FuzzBytes& input);
void writePuzzleFiles(const PuzzleFiles& files, const char* puzzlesName, const char* complexitiesName);
