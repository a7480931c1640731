#ifndef KELZO_TOOLS_PUZZLEGEN_GENERATOR_H
#define KELZO_TOOLS_PUZZLEGEN_GENERATOR_H

#include <cstdint>
#include <vector>

#include "tools/puzzlegen/PuzzleMaker.h"
#include "tools/puzzlegen/StorePlan.h"

// Fills a StorePlan with made puzzles, using every core. Work is cut into
// jobs of kJobSize puzzles of one furball count, each with its own seed; the
// jobs of a wave run in parallel and are then taken in job order, so the
// result depends on the seed alone, never on the threads. Each wave asks
// for the furball counts that filled the still-open bins best so far.
class Generator {
public:
    static const int kJobSize = 32;
    static const int kMinFurballs = 3;
    static const int kMaxFurballs = 16;
    static const int kMaxWaveJobs = 1500;
    static constexpr double kMinJobsPerCount = 4.0;

    Generator(uint64_t seed, int threads);

    // The new store in file order: batch 0, batch 1, then batches 2..9;
    // complexities strictly increasing. False when the plan cannot be met.
    bool makeStore(std::vector<MadePuzzle>* records);
    // The old store: `perLevel` puzzles for each of its 19 levels.
    void makeOldStore(int perLevel, std::vector<MadePuzzle>* records);

    long long rated() const { return rated_; }
    int waves() const { return waves_; }

private:
    struct Job {
        int furballs;
        uint64_t seed;
    };
    std::vector<std::vector<MadePuzzle>> runJobs(const std::vector<Job>& jobs);
    std::vector<Job> planWave(const std::vector<int>& open);

    StorePlan plan_;
    uint64_t seed_;
    int threads_;
    long long jobCounter_ = 0;
    long long rated_ = 0;
    int waves_ = 0;
    // hits_[n][bin]: puzzles of n furballs that fell into the bin; made_[n]: made.
    std::vector<std::vector<long long>> hits_;
    std::vector<long long> made_;
};

#endif
