#pragma once

#include <cstdio>
#include <string>

// The whole file as bytes; false when it cannot be opened.
inline bool readFileBytes(const std::string& path, std::string* bytes)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return false;
    bytes->clear();
    char buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes->append(buffer, got);
    fclose(file);
    return true;
}
