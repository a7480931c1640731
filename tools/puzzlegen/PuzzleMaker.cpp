#include "tools/puzzlegen/PuzzleMaker.h"

#include <cmath>

uint64_t PuzzleRandom::next()
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t mixSeed(uint64_t a, uint64_t b)
{
    PuzzleRandom random(a * 0x2545F4914F6CDD1Dull ^ b);
    random.next();
    return random.next();
}

float rateComplexity(const BitBoard& start)
{
    PuzzleRandom random(mixSeed(start.rows, 0x6B656C7A6F));
    BitBoard choices[64];
    double logTree = 0.0;
    int solved = 0;
    for (int playout = 0; playout < kRatingPlayouts; playout++) {
        BitBoard board = start;
        double product = 1.0;
        for (;;) {
            int count = legalMoves(board, choices);
            if (count == 0)
                break;
            product *= count;
            board = choices[random.below(uint32_t(count))];
        }
        logTree += std::log(product);
        solved += board.count() == 1;
    }
    double tree = std::exp(logTree / kRatingPlayouts);
    double solveChance = (solved + 1.0) / (kRatingPlayouts + 2.0);
    return float(std::pow(tree, 0.6) / solveChance);
}

MadePuzzle makePuzzle(int furballs, PuzzleRandom& random)
{
    const int kLimit = 512;
    BitBoard before[kLimit];
    Throw throws[kLimit];
    for (;;) {
        BitBoard board = BitBoard::fromRows(1ull << (8 * random.below(8) + random.below(7)));
        std::vector<Throw> undone;
        while (board.count() < furballs) {
            int count = reverseMoves(board, before, throws, kLimit);
            if (count == 0)
                break;
            int pick = int(random.below(uint32_t(count)));
            board = before[pick];
            undone.push_back(throws[pick]);
        }
        if (board.count() < furballs)
            continue;   // a dead end while growing: start again
        MadePuzzle puzzle;
        puzzle.rows = board.rows;
        puzzle.furballs = furballs;
        std::vector<Throw> solution(undone.rbegin(), undone.rend());
        for (int k = 0; k < 4 && k < int(solution.size()); k++) {
            puzzle.moves[k] = uint8_t(solution[k].x * 8 + solution[k].y);
            puzzle.directions |= uint8_t(solution[k].direction << (2 * k));
        }
        if (!solutionChecks(puzzle, solution))
            continue;   // cannot happen while the undo rule matches the move rule
        puzzle.complexity = rateComplexity(board);
        return puzzle;
    }
}

bool solutionChecks(const MadePuzzle& puzzle, const std::vector<Throw>& solution)
{
    BitBoard board = BitBoard::fromRows(puzzle.rows);
    for (const Throw& move : solution)
        if (!applyThrow(board, move, &board))
            return false;
    return board.count() == 1;
}
