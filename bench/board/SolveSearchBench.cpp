// Times Board::findSolvingMove from the start position of many boards of 10
// to 16 furballs, solvable and unsolvable ones, and prints the median, the
// 99th percentile and the maximum. A hint runs inside one frame, so the
// maximum should stay under 16.7 ms and the median under 0.1 ms.
//
// The game's own puzzles come second: from their start and from the
// position after their four stored moves, where hints pass to the search.
//
// Usage: bench_board_search [boards per furball count, at least 4: one of each kind] [seed]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Core/OwnedPtr.h"
#include "board/Board.h"
#include "board/NewLevelData.h"
#include "board/SolutionSearch.h"

namespace {

struct Timing {
    double ms;
    int furballs;
    bool solvable;
    bool ranOut;
    bool answerChanged;   // ran out although a solving throw exists
};

// Furballs packed into a box of the given size, so most boards have moves.
Board* boardInBox(int furballs, int width, int height)
{
    Board* board = new Board();
    while (board->furballCount() < furballs) {
        int x = rand() % width;
        int y = rand() % height;
        if (board->hasFurballAt(x, y))
            continue;
        board->placeFurballAt(x, y, freshCell());
        board->cellAt(x, y).colour = uint16_t(rand() % 8 + 1);
    }
    return board;
}

// A solvable board built backwards from one furball: each step puts back a
// furball that a throw would have knocked off (the reverse of a move).
Board* solvableBoard(int furballs)
{
    for (;;) {
        OwnedPtr<Board> board(new Board());
        board->placeFurballAt(rand() % 7, rand() % 8, freshCell());
        int stalls = 0;
        while (board->furballCount() < furballs && stalls < 200) {
            const CellPos from = board->positions[rand() % board->furballCount()];
            static const int kDx[4] = {1, -1, 0, 0};
            static const int kDy[4] = {0, 0, 1, -1};
            int d = rand() % 4;
            // Undoing a throw of the furball that is now at `from` from further back:
            // it came from `start`, and a furball beyond `from` left the board.
            int back = 2 + rand() % 3;
            CellPos start{from.x - kDx[d] * back, from.y - kDy[d] * back};
            CellPos beyond{from.x + kDx[d], from.y + kDy[d]};
            bool clear = isPlayableCell(start.x, start.y) && isPlayableCell(beyond.x, beyond.y);
            for (int i = 1; clear && i <= back; i++)
                clear = !board->hasFurballAt(from.x - kDx[d] * i, from.y - kDy[d] * i);
            for (CellPos c = beyond; clear && isPlayableCell(c.x, c.y); c = CellPos{c.x + kDx[d], c.y + kDy[d]})
                clear = !board->hasFurballAt(c.x, c.y);
            if (!clear) {
                stalls++;
                continue;
            }
            // The thrown furball returns to its start, the one at `from` moves on by
            // one, and the one that left comes back at the far edge of the line.
            BoardCell thrown = board->cellAt(from.x, from.y);
            board->removeFurballAt(from.x, from.y);
            board->placeFurballAt(start.x, start.y, thrown);
            CellPos edge = beyond;
            while (isPlayableCell(edge.x + kDx[d], edge.y + kDy[d]) && rand() % 2)
                edge = CellPos{edge.x + kDx[d], edge.y + kDy[d]};
            board->placeFurballAt(beyond.x, beyond.y, freshCell());
            if (edge != beyond) {
                board->removeFurballAt(beyond.x, beyond.y);
                board->placeFurballAt(edge.x, edge.y, freshCell());
            }
        }
        if (board->furballCount() == furballs)
            return board.take();
    }
}

// Times one search; the board is left as it was.
Timing timeSearch(Board& board)
{
    CellPos pos;
    int dx = 0, dy = 0;
    auto begin = std::chrono::steady_clock::now();
    int found = board.findSolvingMove(&pos, &dx, &dy);
    auto end = std::chrono::steady_clock::now();
    Timing t{std::chrono::duration<double, std::milli>(end - begin).count(), board.furballCount(), found == 1,
             lastSolvingSearchRanOut(), false};
    if (t.ranOut) {
        // Outside the timing: what a search without a budget answers.
        static SolvabilitySearch patient(50000000, 24);
        t.answerChanged = patient.firstSolvingThrow(SolvabilitySearch::occupancyOf(board.positions), &pos, &dx, &dy);
    }
    return t;
}

// Every stored puzzle of at least `minimum` furballs, from its start and
// after its stored moves.
void storedPuzzles(int minimum, std::vector<Timing>& fromStart, std::vector<Timing>& afterStored)
{
    NewLevelData store(KELZO_DATA_DIR "/newLdPuzzles.dat", KELZO_DATA_DIR "/newLdComplexities.dat");
    if (!store.buildLevelLists(2))
        return;
    for (int n = 0; n < store.recordCount(); n++) {
        LevelRecord record;
        if (!store.readRecord(n, &record) || record.furballCount() < minimum)
            continue;
        Board board;
        board.buildFromRecord(record, n);
        fromStart.push_back(timeSearch(board));
        int x, y, dx, dy;
        for (int k = 0; k < 4 && record.storedMove(k, &x, &y, &dx, &dy); k++)
            board.tryMove(CellPos{x, y}, dx, dy, true, 0, 1.0f);
        afterStored.push_back(timeSearch(board));
    }
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    size_t index = size_t(p * double(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

void report(const char* label, const std::vector<Timing>& timings, bool wantSolvable, bool any)
{
    std::vector<double> ms;
    for (const Timing& t : timings)
        if (any || t.solvable == wantSolvable)
            ms.push_back(t.ms);
    if (ms.empty())
        return;
    int ranOut = 0;
    int changed = 0;
    for (const Timing& t : timings) {
        bool counted = any || t.solvable == wantSolvable;
        ranOut += counted && t.ranOut;
        changed += counted && t.answerChanged;
    }
    printf("%-14s boards %6zu  median %7.4f ms  p99 %7.4f ms  max %7.4f ms  over budget %d (answer lost %d)\n",
           label, ms.size(), percentile(ms, 0.5), percentile(ms, 0.99), *std::max_element(ms.begin(), ms.end()),
           ranOut, changed);
}

} // namespace

int main(int argc, char** argv)
{
    // Boards come in four kinds in turn (built solvable, packed in three box sizes): fewer than one of each
    // would leave a row without boards.
    int perCount = argc > 1 ? std::max(4, atoi(argv[1])) : 1500;
    unsigned seed = argc > 2 ? unsigned(atoi(argv[2])) : 12345u;
    srand(seed);

    std::vector<Timing> timings;
    std::vector<std::vector<Timing>> byCount(17);
    for (int furballs = 10; furballs <= 16; furballs++) {
        for (int i = 0; i < perCount; i++) {
            OwnedPtr<Board> board;
            switch (i % 4) {
            case 0: board.reset(solvableBoard(furballs)); break;
            case 1: board.reset(boardInBox(furballs, 5, 5)); break;
            case 2: board.reset(boardInBox(furballs, 6, 6)); break;
            default: board.reset(boardInBox(furballs, 7, 8)); break;
            }
            Timing t = timeSearch(*board);
            timings.push_back(t);
            byCount[furballs].push_back(t);
        }
    }

    printf("findSolvingMove from the start position (seed %u)\n", seed);
    report("all boards", timings, false, true);
    report("solvable", timings, true, false);
    report("no solution", timings, false, false);
    for (int furballs = 10; furballs <= 16; furballs++) {
        char label[32];
        snprintf(label, sizeof label, "%d furballs", furballs);
        report(label, byCount[furballs], false, true);
    }

    std::vector<Timing> fromStart, afterStored;
    storedPuzzles(10, fromStart, afterStored);
    printf("\nthe game's puzzles of 10 or more furballs\n");
    report("from the start", fromStart, false, true);
    report("after 4 moves", afterStored, false, true);
    return 0;
}
