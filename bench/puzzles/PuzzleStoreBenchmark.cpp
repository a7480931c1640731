// How long the puzzle store takes for what the game does with it: sorting the
// 78,250 puzzles into the level lists of a scheme (when the player's scheme
// is first used), and choosing a puzzle for a new board.

#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>

#include "Core/OwnedPtr.h"
#include "bench/BenchDataFolder.h"
#include "board/Board.h"
#include "board/NewLevelData.h"

namespace {

const std::string kPuzzles = std::string(KELZO_DATA_DIR) + "/newLdPuzzles.dat";
const std::string kComplexities = std::string(KELZO_DATA_DIR) + "/newLdComplexities.dat";

// First use: open the files, read the complexities, build scheme 2's lists.
void BM_FirstLevelLists(benchmark::State& state)
{
    for (auto _ : state) {
        NewLevelData store(kPuzzles.c_str(), kComplexities.c_str());
        if (!store.buildLevelLists(2))
            state.SkipWithError("puzzle files missing");
        benchmark::DoNotOptimize(store.listCount(29));
    }
}
BENCHMARK(BM_FirstLevelLists)->Unit(benchmark::kMillisecond);

// Another scheme once the complexities are in memory.
void BM_SwitchScheme(benchmark::State& state)
{
    NewLevelData store(kPuzzles.c_str(), kComplexities.c_str());
    int scheme = 2;
    for (auto _ : state) {
        scheme = scheme == 2 ? 39 : 2;
        if (!store.buildLevelLists(scheme))
            state.SkipWithError("puzzle files missing");
        benchmark::DoNotOptimize(store.listCount(29));
    }
}
BENCHMARK(BM_SwitchScheme)->Unit(benchmark::kMillisecond);

// A new board of a level with the game's store and previous puzzles to avoid.
void BM_ChoosePuzzle(benchmark::State& state)
{
    // The game reads its store from its working directory: a copy of the data folder, entered once.
    static const bool entered = enterDataFolderCopy("bench_puzzle_store");
    if (!entered)
        state.SkipWithError("no copy of the data folder");
    gNewLevelData.close();
    srand(7);
    LevelRecord previous[3] = {};
    int level = 1;
    for (auto _ : state) {
        level = level % 30 + 1;
        OwnedPtr<Board> board(Board::createForPuzzle(level, &previous[0], &previous[1], &previous[2], 0.5f));
        previous[2] = previous[1];
        previous[1] = previous[0];
        previous[0] = board->record;
    }
}
BENCHMARK(BM_ChoosePuzzle)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
