#include <gtest/gtest.h>

#include "graphics/MaxRectsPacker.h"

#include <vector>

namespace {

void expectRect(const Rect& r, int x, int y, int w, int h)
{
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, w);
    EXPECT_EQ(r.height, h);
}

bool overlaps(const Rect& a, const Rect& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace

TEST(MaxRects, FirstInsertSplitsThePageIntoTwoMaximalRectangles)
{
    MaxRectsPacker packer;
    packer.init(256, 128);
    expectRect(packer.insert(100, 50, 0), 0, 0, 100, 50);
    const std::vector<Rect>& free = packer.freeRectangles();
    ASSERT_EQ(free.size(), 2u);
    expectRect(free[0], 0, 50, 256, 78);
    expectRect(free[1], 100, 0, 156, 128);
}

TEST(MaxRects, FreeListAfterSeveralInsertsHasNoContainedRectangles)
{
    MaxRectsPacker packer(256, 128);
    packer.insert(100, 50, 0);
    // Best short side fit: (0, 50, 256, 78) leaves min(|256-60|, |78-78|) = 0.
    expectRect(packer.insert(60, 78, 0), 0, 50, 60, 78);
    const std::vector<Rect>& free = packer.freeRectangles();
    ASSERT_EQ(free.size(), 2u);
    expectRect(free[0], 100, 0, 156, 128);
    expectRect(free[1], 60, 50, 196, 78);
    for (size_t i = 0; i < free.size(); ++i) {
        for (size_t j = 0; j < free.size(); ++j) {
            if (i != j) {
                EXPECT_FALSE(isContainedIn(free[i], free[j])) << i << " in " << j;
            }
        }
    }
}

TEST(MaxRects, ExactPageSizeFitsOnlyIntoAnEmptyPage)
{
    MaxRectsPacker packer(256, 256);
    expectRect(packer.insert(256, 256, 0), 0, 0, 256, 256);
    EXPECT_TRUE(packer.freeRectangles().empty());
    Rect none = packer.insert(1, 1, 0);
    EXPECT_EQ(none.height, 0);
    EXPECT_EQ(packer.usedRectangles().size(), 1u);

    MaxRectsPacker narrow(64, 64);
    EXPECT_EQ(narrow.insert(65, 10, 0).height, 0);
    EXPECT_EQ(narrow.freeRectangles().size(), 1u);
    EXPECT_TRUE(narrow.usedRectangles().empty());
}

TEST(MaxRects, PaddedPictureIsPlacedInsideItsPaddedCell)
{
    // A sheet asks for the picture plus one pixel on every side and draws at the inner corner.
    MaxRectsPacker packer(256, 256);
    const int padding = 1;
    Rect cell = packer.insert(100 + 2 * padding, 50 + 2 * padding, 0);
    expectRect(cell, 0, 0, 102, 52);
    Rect second = packer.insert(20 + 2 * padding, 20 + 2 * padding, 0);
    EXPECT_GT(second.height, 0);
    EXPECT_FALSE(overlaps(cell, second));
    EXPECT_FLOAT_EQ(packer.occupancy(), (102.0f * 52 + 22 * 22) / (256.0f * 256));
}

TEST(MaxRects, EveryMethodPlacesWithoutOverlapUntilFull)
{
    for (int method = 0; method <= 4; ++method) {
        MaxRectsPacker packer(128, 128);
        int placed = 0;
        for (int i = 0; i < 200; ++i) {
            int w = 5 + (i * 7) % 23;
            int h = 5 + (i * 11) % 19;
            Rect r = packer.insert(w, h, method);
            if (r.height == 0)
                continue;
            ++placed;
            EXPECT_GE(r.x, 0);
            EXPECT_GE(r.y, 0);
            EXPECT_LE(r.x + r.width, 128);
            EXPECT_LE(r.y + r.height, 128);
        }
        const std::vector<Rect>& used = packer.usedRectangles();
        EXPECT_EQ(static_cast<int>(used.size()), placed);
        for (size_t i = 0; i < used.size(); ++i)
            for (size_t j = i + 1; j < used.size(); ++j)
                ASSERT_FALSE(overlaps(used[i], used[j])) << "method " << method;
        EXPECT_GT(packer.occupancy(), 0.6f) << "method " << method;
    }
}

TEST(MaxRects, BottomLeftFillsTheTopRowFirst)
{
    MaxRectsPacker packer(64, 64);
    expectRect(packer.insert(10, 10, 3), 0, 0, 10, 10);
    expectRect(packer.insert(10, 10, 3), 10, 0, 10, 10);
}

TEST(MaxRects, OccupancyCountsPlacedArea)
{
    MaxRectsPacker packer(128, 128);
    EXPECT_EQ(packer.occupancy(), 0.0f);
    packer.insert(64, 64, 0);
    EXPECT_FLOAT_EQ(packer.occupancy(), 0.25f);
    packer.init(128, 128);
    EXPECT_EQ(packer.occupancy(), 0.0f);
    EXPECT_EQ(packer.freeRectangles().size(), 1u);
}

TEST(MaxRects, BatchPlacesBestFitsAndLeavesWhatDoesNotFit)
{
    MaxRectsPacker packer(64, 64);
    std::vector<RectSize> sizes = {{32, 32}, {100, 10}, {64, 32}, {32, 32}};
    std::vector<Rect> out = {{1, 2, 3, 4}};
    packer.insertBatch(sizes, out, 0);
    EXPECT_TRUE(out.empty());
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].width, 100);
    EXPECT_EQ(packer.usedRectangles().size(), 3u);
    // The full-width piece scores a perfect fit first.
    expectRect(packer.usedRectangles()[0], 0, 0, 64, 32);
    EXPECT_FLOAT_EQ(packer.occupancy(), 1.0f);
}
