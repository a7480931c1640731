#include "TempDirTest.h"

#include <cstdio>
#include <unistd.h>

std::vector<unsigned char> TempDirTest::readBytes(const char* name)
{
    std::string bytes;
    if (!readFileBytes(name, &bytes))
        return {};
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

void TempDirTest::writeBytes(const char* name, const std::vector<unsigned char>& bytes)
{
    FILE* file = fopen(name, "wb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    fclose(file);
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
