#pragma once

// A benchmark runs the game's code in a copy of the data folder made under the system's temporary folder; the
// copy is removed when the program exits. The game saves its settings, state, scores and bests into its
// working folder, and a bench run must leave the shipped folder (KELZO_DATA_DIR) as the game and the tests
// read it.
//
//   if (!enterDataFolderCopy("bench_x"))   // says why on stderr
//       return 1;

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

inline std::string& dataFolderCopyPath()
{
    static std::string path;
    return path;
}

inline void removeDataFolderCopy()
{
    std::error_code ignored;
    std::filesystem::remove_all(dataFolderCopyPath(), ignored);
}

// Copies the data folder and makes the copy the working folder; false, said why, when that fails.
inline bool enterDataFolderCopy(const char* program)
{
    namespace fs = std::filesystem;
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / "kelzo_bench_XXXXXX").string();
    if (!mkdtemp(&pattern[0])) {
        fprintf(stderr, "%s: cannot make a folder %s\n", program, pattern.c_str());
        return false;
    }
    dataFolderCopyPath() = pattern;
    atexit(removeDataFolderCopy);
    fs::copy(KELZO_DATA_DIR, pattern, fs::copy_options::recursive, error);
    if (error) {
        fprintf(stderr, "%s: cannot copy the data folder %s: %s\n", program, KELZO_DATA_DIR,
                error.message().c_str());
        return false;
    }
    if (chdir(pattern.c_str()) != 0) {
        fprintf(stderr, "%s: cannot enter %s\n", program, pattern.c_str());
        return false;
    }
    return true;
}
