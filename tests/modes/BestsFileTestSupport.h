#ifndef KELZO_TESTS_MODES_BESTSFILETESTSUPPORT_H
#define KELZO_TESTS_MODES_BESTSFILETESTSUPPORT_H

#include <string>
#include <vector>

#include "Core/Stream.h"

// Little-endian int32 words as the bytes of a file.
inline std::string fileWords(const std::vector<int>& words)
{
    std::string bytes;
    for (int word : words)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<char>((static_cast<unsigned>(word) >> shift) & 0xFF));
    return bytes;
}

inline std::vector<int> wordsOf(const std::string& bytes)
{
    std::vector<int> words;
    for (size_t at = 0; at + 4 <= bytes.size(); at += 4) {
        unsigned word = 0;
        for (int i = 3; i >= 0; --i)
            word = (word << 8) | static_cast<unsigned char>(bytes[at + i]);
        words.push_back(static_cast<int>(word));
    }
    return words;
}

// `count` words of -1 appended to `words`.
inline void appendNone(std::vector<int>* words, int count)
{
    words->insert(words->end(), count, -1);
}

const int kFr01 = makeTag("fr01");

#endif
