#include "tools/puzzlegen/Generator.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>
#include <unordered_set>

Generator::Generator(uint64_t seed, int threads)
    : seed_(seed), threads_(threads < 1 ? 1 : threads),
      hits_(kMaxFurballs + 1, std::vector<long long>(plan_.bins().size(), 0)), made_(kMaxFurballs + 1, 0)
{
    initBitBoardTables();
}

std::vector<std::vector<MadePuzzle>> Generator::runJobs(const std::vector<Job>& jobs)
{
    std::vector<std::vector<MadePuzzle>> results(jobs.size());
    std::atomic<size_t> next(0);
    auto work = [&]() {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            PuzzleRandom random(jobs[i].seed);
            results[i].reserve(kJobSize);
            for (int k = 0; k < kJobSize; k++)
                results[i].push_back(makePuzzle(jobs[i].furballs, random));
        }
    };
    std::vector<std::thread> pool;
    for (int t = 0; t < threads_; t++)
        pool.emplace_back(work);
    for (std::thread& thread : pool)
        thread.join();
    rated_ += (long long)jobs.size() * kJobSize;
    return results;
}

std::vector<Generator::Job> Generator::planWave(const std::vector<int>& open)
{
    // For each open bin, the furball counts that hit it share its remaining
    // need by the square of their hit rate, so the best count gets most.
    const std::vector<PlanBin>& bins = plan_.bins();
    std::vector<double> want(kMaxFurballs + 1, 0.0);
    bool unexplored = waves_ == 0;
    for (size_t b = 0; b < bins.size(); b++) {
        if (open[b] <= 0)
            continue;
        double sumSquares = 0.0;
        for (int n = kMinFurballs; n <= kMaxFurballs; n++) {
            double rate = made_[n] ? double(hits_[n][b]) / made_[n] : 0.0;
            sumSquares += rate * rate;
        }
        if (sumSquares == 0.0) {
            unexplored = true;
            continue;
        }
        for (int n = kMinFurballs; n <= kMaxFurballs; n++) {
            double rate = made_[n] ? double(hits_[n][b]) / made_[n] : 0.0;
            want[n] += open[b] * rate / sumSquares;
        }
    }
    // A bin that is rarely hit must not blow one wave up: waves stay small
    // enough to re-aim after each.
    double total = 0.0;
    for (double w : want)
        total += w;
    double scale = total * 1.3 / kJobSize > kMaxWaveJobs ? kMaxWaveJobs / (total * 1.3 / kJobSize) : 1.0;
    std::vector<Job> jobs;
    for (int n = kMinFurballs; n <= kMaxFurballs; n++) {
        // Near the end a wave of one or two jobs would leave cores idle: ask
        // for a few more of each useful count (the same on any machine).
        double jobsWanted = want[n] * scale * 1.3 / kJobSize;
        int count = int(std::ceil(jobsWanted > 0.0 ? std::max(jobsWanted, kMinJobsPerCount) : 0.0));
        if (unexplored)
            count += waves_ == 0 ? 8 : 2;
        for (int i = 0; i < count; i++)
            jobs.push_back(Job{n, mixSeed(seed_, uint64_t(++jobCounter_))});
    }
    return jobs;
}

bool Generator::makeStore(std::vector<MadePuzzle>* records)
{
    const std::vector<PlanBin>& bins = plan_.bins();
    std::vector<int> open(bins.size());
    for (size_t b = 0; b < bins.size(); b++)
        open[b] = bins[b].quota;
    std::vector<std::vector<MadePuzzle>> kept(bins.size());
    std::unordered_set<uint64_t> seen;
    int remaining = plan_.totalQuota();
    while (remaining > 0) {
        if (waves_ >= 200)
            return false;
        std::vector<Job> jobs = planWave(open);
        std::vector<std::vector<MadePuzzle>> results = runJobs(jobs);
        waves_++;
        for (size_t j = 0; j < jobs.size(); j++) {
            for (const MadePuzzle& puzzle : results[j]) {
                made_[puzzle.furballs]++;
                int bin = plan_.binOf(puzzle.furballs, puzzle.complexity);
                if (bin < 0)
                    continue;
                hits_[puzzle.furballs][bin]++;
                if (open[bin] > 0 && seen.insert(puzzle.rows).second) {
                    kept[bin].push_back(puzzle);
                    open[bin]--;
                    remaining--;
                }
            }
        }
        printf("  wave %d: %zu jobs, %d puzzles still wanted\n", waves_, jobs.size(), remaining);
        fflush(stdout);
    }

    // Each group in ascending complexity; the groups follow one another in
    // complexity too, so one pass makes every complexity distinct.
    records->clear();
    for (int group = 0; group <= 2; group++) {
        std::vector<MadePuzzle> part;
        for (size_t b = 0; b < bins.size(); b++)
            if (bins[b].batchGroup == group)
                part.insert(part.end(), kept[b].begin(), kept[b].end());
        std::sort(part.begin(), part.end(), [](const MadePuzzle& a, const MadePuzzle& b) {
            return a.complexity != b.complexity ? a.complexity < b.complexity : a.rows < b.rows;
        });
        records->insert(records->end(), part.begin(), part.end());
    }
    for (size_t i = 1; i < records->size(); i++) {
        float& c = (*records)[i].complexity;
        float previous = (*records)[i - 1].complexity;
        if (!(c > previous))
            c = std::nextafter(previous, 1e30f);
    }
    return true;
}

void Generator::makeOldStore(int perLevel, std::vector<MadePuzzle>* records)
{
    // Levels 1..19 grow from 4 to 16 furballs; each level's puzzles easiest first.
    const int kLevels = 19;
    const int jobsPerLevel = (perLevel * 2 + kJobSize - 1) / kJobSize;
    std::vector<Job> jobs;
    for (int level = 1; level <= kLevels; level++) {
        int furballs = 4 + (12 * (level - 1) + 9) / 18;
        for (int j = 0; j < jobsPerLevel; j++)
            jobs.push_back(Job{furballs, mixSeed(seed_ ^ 0x6F6C64ull, uint64_t(level * 100 + j))});
    }
    std::vector<std::vector<MadePuzzle>> results = runJobs(jobs);
    records->clear();
    for (int level = 0; level < kLevels; level++) {
        std::vector<MadePuzzle> part;
        std::unordered_set<uint64_t> seen;
        for (int j = 0; j < jobsPerLevel; j++)
            for (const MadePuzzle& puzzle : results[level * jobsPerLevel + j])
                if (int(part.size()) < perLevel && seen.insert(puzzle.rows).second)
                    part.push_back(puzzle);
        std::sort(part.begin(), part.end(), [](const MadePuzzle& a, const MadePuzzle& b) {
            return a.complexity != b.complexity ? a.complexity < b.complexity : a.rows < b.rows;
        });
        records->insert(records->end(), part.begin(), part.end());
    }
}
