#ifndef KELZO_TESTS_SETTINGS_TEMPDIRTEST_H
#define KELZO_TESTS_SETTINGS_TEMPDIRTEST_H

#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

// A fresh folder per test (the game keeps its files in the working
// directory), with helpers for the little-endian files of the settings.
class TempDirTest : public TempFolderTest {
protected:
    static std::vector<unsigned char> readBytes(const char* name);
    static void writeBytes(const char* name, const std::vector<unsigned char>& bytes);
    static void writeInts(const char* name, const std::vector<int>& values);
    static int intAt(const std::vector<unsigned char>& bytes, int offset);
    static void putInt(std::vector<unsigned char>& bytes, int offset, int value);
    static bool exists(const char* name);
};

#endif
