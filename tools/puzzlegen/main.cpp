// Makes the game's puzzle files: "newLdPuzzles.dat", "newLdComplexities.dat"
// and "oldLevelData.dat". The same seed gives the same bytes.
//
//     puzzlegen [--seed N] [--threads N] [--out folder]

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "board/LevelData.h"
#include "tools/puzzlegen/Generator.h"

namespace {

const uint64_t kDefaultSeed = 0x4B656C7A6F2026ull;
const int kOldPerLevel = 40;

void putRecordBytes(const MadePuzzle& puzzle, std::string& out)
{
    for (int y = 0; y < 8; y++)
        out += char((puzzle.rows >> (8 * y)) & 0x7F);
    for (int k = 0; k < 4; k++)
        out += char(puzzle.moves[k]);
    out += char(puzzle.directions);
}

void putBytes(const void* data, int size, std::string& out)
{
    out.append(static_cast<const char*>(data), size_t(size));
}

bool writeFile(const std::string& path, const std::string& bytes)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) {
        fprintf(stderr, "puzzlegen: cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = fclose(file) == 0 && ok;
    if (!ok)
        fprintf(stderr, "puzzlegen: writing %s failed\n", path.c_str());
    return ok;
}

void describe(const char* name, const MadePuzzle* begin, const MadePuzzle* end)
{
    int fewest = 99, most = 0;
    for (const MadePuzzle* p = begin; p != end; p++) {
        fewest = p->furballs < fewest ? p->furballs : fewest;
        most = p->furballs > most ? p->furballs : most;
    }
    printf("  %-9s %5d puzzles, %2d..%2d furballs, complexity %.4g .. %.4g\n", name, int(end - begin), fewest, most,
           begin->complexity, (end - 1)->complexity);
}

} // namespace

int main(int argc, char** argv)
{
    uint64_t seed = kDefaultSeed;
    int threads = int(std::thread::hardware_concurrency());
    std::string out = ".";
    for (int i = 1; i < argc; i++) {
        bool hasValue = i + 1 < argc;
        if (!strcmp(argv[i], "--seed") && hasValue) {
            seed = strtoull(argv[++i], nullptr, 0);
        } else if (!strcmp(argv[i], "--threads") && hasValue) {
            threads = atoi(argv[++i]);
        } else if (!strcmp(argv[i], "--out") && hasValue) {
            out = argv[++i];
        } else {
            fprintf(stderr, "usage: puzzlegen [--seed N] [--threads N] [--out folder]\n");
            return 2;
        }
    }
    if (threads < 1)
        threads = 1;

    auto start = std::chrono::steady_clock::now();
    clock_t cpuStart = clock();
    printf("puzzlegen: seed %#llx, %d threads\n", (unsigned long long)seed, threads);
    Generator generator(seed, threads);
    std::vector<MadePuzzle> store;
    if (!generator.makeStore(&store) || int(store.size()) != kPuzzleRecordCount) {
        fprintf(stderr, "puzzlegen: the plan could not be filled\n");
        return 1;
    }
    std::vector<MadePuzzle> old;
    generator.makeOldStore(kOldPerLevel, &old);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double cpuSeconds = double(clock() - cpuStart) / CLOCKS_PER_SEC;

    std::string puzzles, complexities, oldFile;
    for (const MadePuzzle& puzzle : store) {
        putRecordBytes(puzzle, puzzles);
        putBytes(&puzzle.complexity, 4, complexities);
    }
    for (int level = 0; level < kOldLevelCount; level++) {
        int count = kOldPerLevel;
        putBytes(&count, 4, oldFile);
    }
    for (const MadePuzzle& puzzle : old) {
        putBytes(&puzzle.complexity, 4, oldFile);
        putRecordBytes(puzzle, oldFile);
    }
    if (!writeFile(out + "/newLdPuzzles.dat", puzzles) || !writeFile(out + "/newLdComplexities.dat", complexities)
        || !writeFile(out + "/oldLevelData.dat", oldFile))
        return 1;

    for (int batch = 0; batch < kPuzzleBatchCount; batch++) {
        char name[16];
        snprintf(name, sizeof name, "batch %d", batch);
        const MadePuzzle* first = store.data() + kPuzzleBatchStarts[batch];
        describe(name, first, first + kPuzzleBatchSizes[batch]);
    }
    printf("puzzlegen: %d + %zu puzzles kept, %lld rated in %d waves\n", kPuzzleRecordCount, old.size(),
           generator.rated(), generator.waves());
    printf("puzzlegen: %.2f s, %.0f puzzles rated per second (%.1f s of processor time, %.0f per processor second)\n",
           seconds, generator.rated() / seconds, cpuSeconds, generator.rated() / cpuSeconds);
    return 0;
}
