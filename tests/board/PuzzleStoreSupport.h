#ifndef KELZO_TESTS_BOARD_PUZZLESTORESUPPORT_H
#define KELZO_TESTS_BOARD_PUZZLESTORESUPPORT_H

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "board/LevelData.h"
#include "board/LevelRecord.h"

// Three furballs in row 0 at x = 0, 2 and 4, solved by throwing (0, 0) right
// and then (1, 0) right; the row bytes can be changed per record.
inline LevelRecord smallPuzzle(float complexity)
{
    LevelRecord record{};
    record.complexity = complexity;
    record.rows[0] = 0x15;
    record.moves[0] = 0 * 8 + 0;
    record.moves[1] = 1 * 8 + 0;
    record.moves[2] = LevelRecord::kNoMove;
    record.moves[3] = LevelRecord::kNoMove;
    record.directions = 0;   // both moves toward x + 1
    return record;
}

// A puzzle store of `count` records to write as the two store files. Every
// record starts as smallPuzzle with complexity `fill`.
struct SyntheticStore {
    std::vector<LevelRecord> records;

    explicit SyntheticStore(int count, float fill = -2.0f) : records(size_t(count), smallPuzzle(fill)) {}

    void setComplexity(int n, float c) { records[size_t(n)].complexity = c; }

    void write(const std::string& puzzlesPath, const std::string& complexitiesPath) const
    {
        std::string puzzles, complexities;
        for (const LevelRecord& record : records) {
            puzzles.append(reinterpret_cast<const char*>(record.rows), kPuzzleFileRecordSize);
            complexities.append(reinterpret_cast<const char*>(&record.complexity), 4);
        }
        writeBytes(puzzlesPath, puzzles);
        writeBytes(complexitiesPath, complexities);
    }

    static void writeBytes(const std::string& path, const std::string& bytes)
    {
        FILE* file = fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr) << path;
        ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        fclose(file);
    }
};

#endif
