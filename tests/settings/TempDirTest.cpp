#include "TempDirTest.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

void TempDirTest::SetUp()
{
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    previousDir = cwd;
    char pattern[] = "/tmp/kelzo-settings-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    ASSERT_EQ(chdir(dir.c_str()), 0);
}

void TempDirTest::TearDown()
{
    ASSERT_EQ(chdir(previousDir.c_str()), 0);
    std::error_code error;
    std::filesystem::remove_all(dir, error);
    EXPECT_FALSE(error) << error.message();
}

std::vector<unsigned char> TempDirTest::readBytes(const char* name)
{
    std::ifstream in(name, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempDirTest::writeBytes(const char* name, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void TempDirTest::writeInts(const char* name, const std::vector<int>& values)
{
    std::vector<unsigned char> bytes(values.size() * 4);
    for (size_t i = 0; i < values.size(); i++)
        putInt(bytes, static_cast<int>(i * 4), values[i]);
    writeBytes(name, bytes);
}

int TempDirTest::intAt(const std::vector<unsigned char>& bytes, int offset)
{
    unsigned v = 0;
    for (int i = 3; i >= 0; i--)
        v = (v << 8) | bytes.at(static_cast<size_t>(offset + i));
    return static_cast<int>(v);
}

void TempDirTest::putInt(std::vector<unsigned char>& bytes, int offset, int value)
{
    unsigned v = static_cast<unsigned>(value);
    for (int i = 0; i < 4; i++)
        bytes.at(static_cast<size_t>(offset + i)) = static_cast<unsigned char>(v >> (8 * i));
}

bool TempDirTest::exists(const char* name)
{
    return access(name, F_OK) == 0;
}
