#ifndef KELZO_TOOLS_PUZZLEGEN_STOREPLAN_H
#define KELZO_TOOLS_PUZZLEGEN_STOREPLAN_H

#include <vector>

// What the store must hold, as bins of complexity with a quota each. Every
// rated puzzle falls into at most one bin; a bin takes puzzles until its
// quota is met.
//
// - Level 1 (batch 0): 3, 4 and 5 furballs, complexity below kLevel1Cap.
// - Level 2 (batch 1): log-spaced bins from kLevel1Cap to just below the
//   smallest level-2 window top of the schemes in use, so it feeds level 2
//   in every scheme.
// - Levels 3 to 30 (batches 2 to 9): from just above the largest level-2
//   window top (so no scheme drops a puzzle) to kTopComplexity, the same
//   number of puzzles for each level of scheme 2, log-spaced within it.
struct PlanBin {
    int batchGroup;      // 0, 1, or 2 for batches 2..9
    int furballs;        // batch 0 bins: the furball count; else 0
    double low;
    double high;
    int quota;
};

class StorePlan {
public:
    static constexpr double kLevel1Cap = 60.0;
    static constexpr double kTopComplexity = 1.5e9;
    static const int kSubBinsPerLevel = 8;

    StorePlan();

    const std::vector<PlanBin>& bins() const { return bins_; }
    // The bin of a rated puzzle, or -1.
    int binOf(int furballs, double complexity) const;
    int totalQuota() const;
    double level2Top() const { return level2Top_; }
    double upperStart() const { return upperStart_; }

private:
    std::vector<PlanBin> bins_;
    int batch1First_ = 0;
    int upperFirst_ = 0;
    double level2Top_ = 0.0;
    double upperStart_ = 0.0;
};

#endif
