#ifndef KELZO_TESTS_SETTINGS_TEMPDIRTEST_H
#define KELZO_TESTS_SETTINGS_TEMPDIRTEST_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Runs each test inside a fresh empty folder, since the game keeps its files
// in the working directory.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static std::vector<unsigned char> readBytes(const char* name);
    static void writeBytes(const char* name, const std::vector<unsigned char>& bytes);
    static void writeInts(const char* name, const std::vector<int>& values);
    static int intAt(const std::vector<unsigned char>& bytes, int offset);
    static void putInt(std::vector<unsigned char>& bytes, int offset, int value);
    static bool exists(const char* name);

    std::string dir;
    std::string previousDir;
};

#endif
