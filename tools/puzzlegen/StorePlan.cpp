#include "tools/puzzlegen/StorePlan.h"

#include <algorithm>
#include <cmath>

#include "board/LevelData.h"
#include "board/LevelSchemes.h"

namespace {

void addLogBins(std::vector<PlanBin>& bins, int group, double low, double high, int count, int quota)
{
    for (int i = 0; i < count; i++) {
        double a = std::exp(std::log(low) + (std::log(high) - std::log(low)) * i / count);
        double b = std::exp(std::log(low) + (std::log(high) - std::log(low)) * (i + 1) / count);
        int share = quota / count + (i < quota % count ? 1 : 0);
        bins.push_back(PlanBin{group, 0, a, b, share});
    }
}

} // namespace

StorePlan::StorePlan()
{
    int schemes[kLevelSchemeCount];
    int inUse = levelSchemesInUse(schemes);
    double lower[kLevelCount];
    double upper[kLevelCount];
    double smallestTop = 1e30;
    double largestTop = 0.0;
    for (int i = 0; i < inUse; i++) {
        levelWindows(schemes[i], lower, upper);
        smallestTop = std::min(smallestTop, upper[1]);
        largestTop = std::max(largestTop, upper[1]);
    }
    level2Top_ = smallestTop * 0.98;
    upperStart_ = largestTop * 1.02;

    const int level1[3][2] = {{3, 1500}, {4, 3000}, {5, 3500}};
    for (const auto& share : level1)
        bins_.push_back(PlanBin{0, share[0], 0.0, kLevel1Cap, share[1]});

    batch1First_ = int(bins_.size());
    addLogBins(bins_, 1, kLevel1Cap, level2Top_, 40, kPuzzleBatchSizes[1]);

    // Scheme 2's levels 3..30, each cut where the level before it ends.
    upperFirst_ = int(bins_.size());
    levelWindows(2, lower, upper);
    int upperTotal = kPuzzleRecordCount - kPuzzleBatchStarts[2];
    int levels = kLevelCount - 2;
    for (int list = 2; list < kLevelCount; list++) {
        double low = list == 2 ? upperStart_ : upper[list - 1];
        double high = list == kLevelCount - 1 ? kTopComplexity : upper[list];
        int quota = upperTotal / levels + (list - 2 < upperTotal % levels ? 1 : 0);
        addLogBins(bins_, 2, low, high, kSubBinsPerLevel, quota);
    }
}

int StorePlan::binOf(int furballs, double complexity) const
{
    if (complexity < kLevel1Cap) {
        for (int i = 0; i < batch1First_; i++)
            if (bins_[i].furballs == furballs)
                return i;
        return -1;
    }
    for (int i = batch1First_; i < int(bins_.size()); i++)
        if (complexity >= bins_[i].low && complexity < bins_[i].high)
            return i;
    return -1;
}

int StorePlan::totalQuota() const
{
    int total = 0;
    for (const PlanBin& bin : bins_)
        total += bin.quota;
    return total;
}
