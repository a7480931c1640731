#pragma once

#include <string>

#include "tests/fuzz/support/FuzzSupport.h"

// The check every target of a file the game both reads and writes makes: what the reader made of the
// fuzzer's bytes, once saved by the game's writer, must read back to the same state, so a second save gives
// the same bytes. `loadAndSave` reads `fileName` and saves it again through the game's entries; it returns
// false when the game could not save (a finding too).
template <typename LoadAndSave>
void expectStableSave(const char* target, const char* fileName, const std::string& bytes, LoadAndSave loadAndSave)
{
    writeFuzzFile(fileName, bytes);
    if (!loadAndSave())
        fuzzFailure(target, std::string(fileName) + " could not be saved");
    std::string first = readFuzzFile(fileName);
    if (!loadAndSave())
        fuzzFailure(target, std::string(fileName) + " could not be saved again");
    expectSameBytes(target, "file saved, loaded and saved again", first, readFuzzFile(fileName));
}
