// How long saving the game state takes with a long-played state: a play
// history of 2,000 records and the four kept games each with a board, both
// state files and "settings.dat" written and synced to disk. It runs after
// every finished puzzle, so it must fit in a frame (16.7 ms) at the median.
//
//   BM_SaveState   KelzoGame::saveState(false) in a temporary folder, nine runs (median, mean, spread) unless
//                  --benchmark_repetitions says otherwise

#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "Core/GameClock.h"
#include "board/Board.h"
#include "game/KelzoGame.h"
#include "modes/CurrentGameI.h"
#include "settings/Settings.h"

namespace {

const int kHistoryRecords = 2000;
const int kBoardFurballs = 20;

bool enterOwnFolder()
{
    static bool entered = false;
    if (entered)
        return true;
    char folder[] = "/tmp/kelzo_bench_state_XXXXXX";
    entered = mkdtemp(folder) && chdir(folder) == 0;
    return entered;
}

// A kept game of `type` on a board of 20 furballs with a few moves played.
CurrentGameI* keptGameWithBoard(int type)
{
    gSettings->gameMode = type;
    CurrentGameI* game = CurrentGameI::create(nullptr, false);
    game->board.reset(Board::createRandom(kBoardFurballs, 6));
    Board& board = *game->board;
    for (int i = 0; i < 6; i++)
        board.history.append(MoveEntry{i % 7, i % 8, 1, 0, 1, 0});
    return game;
}

void BM_SaveState(benchmark::State& state)
{
    if (!enterOwnFolder()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    srand(5);
    gGameClock.updateAt(1000);
    Settings::load("settings.dat");
    KelzoGame game;
    game.statePath = "gameState.dat";
    for (int i = 0; i < kHistoryRecords; i++)
        game.history.append(HistoryRecord{(i % 30 + 1) * 10000 + i, 30000 + i, i % 4, 1, 2, 2, i % 40, 3});
    for (int type = 0; type < KelzoGame::kKeptGameTypes; type++)
        game.setKeptGame(type, keptGameWithBoard(type));
    game.setCurrentGame(game.keptGame(kGameFreePlay));
    gSettings->gameMode = kGameFreePlay;
    for (auto _ : state)
        game.saveState(false);
    game.statePath = String();
    Settings::release();
}

bool repetitionsAsked(int argc, char** argv)
{
    for (int i = 1; i < argc; i++)
        if (strncmp(argv[i], "--benchmark_repetitions", 23) == 0)
            return true;
    return false;
}

} // namespace

// Nine runs unless the command line asks for another number: the disk's sync makes single runs vary. (A count
// given with the benchmark itself would outrank the command line's.)
int main(int argc, char** argv)
{
    const bool asked = repetitionsAsked(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::internal::Benchmark* save = benchmark::RegisterBenchmark("BM_SaveState", BM_SaveState);
    save->Unit(benchmark::kMillisecond)->UseRealTime();
    if (!asked)
        save->Repetitions(9)->ReportAggregatesOnly(true);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
