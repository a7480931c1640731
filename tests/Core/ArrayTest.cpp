#include <gtest/gtest.h>

#include <climits>

#include "Core/Array.h"
#include "Core/OwnedPtr.h"
#include "Core/Ref.h"
#include "Core/String.h"

namespace {

struct Point {
    int x = -1;
    int y = -1;
};

// Counts how many of its kind are alive, to see deletes happen exactly once.
struct Tracked {
    static int alive;
    Tracked() { alive++; }
    virtual ~Tracked() { alive--; }
};
int Tracked::alive = 0;

struct TrackedChild : Tracked {
    explicit TrackedChild(int* destroyed) : destroyed(destroyed) {}
    ~TrackedChild() override { (*destroyed)++; }
    int* destroyed;
};

class ArrayHolders : public ::testing::Test {
protected:
    void SetUp() override { Tracked::alive = 0; }
    void TearDown() override { EXPECT_EQ(Tracked::alive, 0); }
};

} // namespace

TEST(Array, CapacityDoublesAndNeverShrinks)
{
    Array<int> a;
    EXPECT_EQ(a.capacity(), 0);
    a.setSize(5);
    EXPECT_EQ(a.capacity(), 8);
    a.setSize(8);
    EXPECT_EQ(a.capacity(), 8);
    a.setSize(9);
    EXPECT_EQ(a.capacity(), 16);
    a.setSize(2);
    EXPECT_EQ(a.size(), 2);
    EXPECT_EQ(a.capacity(), 16);
}

TEST(Array, GrowthDoublesAndStopsAtTheLargestInt)
{
    struct Case {
        int capacity;
        int needed;
        int expected;
    };
    const Case cases[] = {
        {0, 0, 1},
        {0, 1, 1},
        {0, 5, 8},
        {8, 8, 8},
        {8, 9, 16},
        {3, 7, 12},                                   // doubling also from an odd start
        {4096, 5000, 8192},
        {1 << 29, (1 << 29) + 1, 1 << 30},
        {1 << 30, 1 << 30, 1 << 30},
        {INT_MAX / 2, INT_MAX / 2 + 1, INT_MAX - 1},  // the last doubling that fits
        {1 << 30, (1 << 30) + 1, INT_MAX},
        {0, (1 << 30) + 1, INT_MAX},
        {0, INT_MAX, INT_MAX},
        {3, INT_MAX - 1, INT_MAX},
        {INT_MAX, INT_MAX, INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(grownCapacity(c.capacity, c.needed), c.expected) << c.capacity << " for " << c.needed;
}

TEST(Array, GrowingKeepsElementsAndReusedSlotsHoldTheDefault)
{
    Array<int> ints;
    ints.setSize(4);
    for (int i = 0; i < 4; i++)
        ints[i] = 10 + i;
    ints.setSize(2);
    ints.setSize(4);
    EXPECT_EQ(ints[0], 10);
    EXPECT_EQ(ints[1], 11);
    EXPECT_EQ(ints[2], 0);
    EXPECT_EQ(ints[3], 0);
    ints.setSize(100);
    EXPECT_EQ(ints[1], 11);
    EXPECT_EQ(ints[99], 0);

    Array<Point> points;
    points.setSize(4);
    points[3] = Point{5, 6};
    points.setSize(2);
    points.setSize(4);
    EXPECT_EQ(points[3].x, -1);
    EXPECT_EQ(points[3].y, -1);
}

TEST(Array, AppendRemoveCopyAndMove)
{
    Array<String> a;
    for (int i = 0; i < 20; i++)
        a.append(String::fromInt(i));
    EXPECT_EQ(a.size(), 20);
    EXPECT_EQ(a.capacity(), 32);
    a.removeAt(0);
    a.removeAt(18);
    a.removeAt(50);
    EXPECT_EQ(a.size(), 18);
    EXPECT_EQ(a[0], "1");
    EXPECT_EQ(a[17], "18");

    Array<String> copy(a);
    copy[0] = "changed";
    EXPECT_EQ(a[0], "1");
    Array<String> moved(std::move(copy));
    EXPECT_EQ(copy.size(), 0);
    EXPECT_EQ(moved[0], "changed");
    String joined;
    for (const String& s : moved)
        joined += s;
    EXPECT_EQ(joined.mid(0, 9), "changed23");

    // Records that hold arrays of their own copy with them when the outer one grows.
    Array<Array<int>> nested;
    nested.setSize(1);
    nested[0].append(7);
    nested.setSize(3);
    ASSERT_EQ(nested[0].size(), 1);
    EXPECT_EQ(nested[0][0], 7);
}

// Appending an element of the same array at the moment it must grow: the
// value has to be taken before the old storage is freed.
TEST(Array, AppendingOwnElementWhileGrowing)
{
    Array<String> a;
    a.append(String("first furball"));
    while (a.size() < a.capacity())
        a.append(String("filler"));
    a.append(a[0]);
    EXPECT_EQ(a[a.size() - 1], "first furball");

    Array<Point> points;
    points.append(Point{3, 4});
    while (points.size() < points.capacity())
        points.append(Point{});
    points.append(points[0]);
    EXPECT_EQ(points[points.size() - 1].x, 3);
    EXPECT_EQ(points[points.size() - 1].y, 4);
}

TEST_F(ArrayHolders, RefDeletesOnceAtTheLastRelease)
{
    int destroyed = 0;
    {
        Ref<Tracked> first;
        first.reset(new TrackedChild(&destroyed));
        Ref<Tracked> second(first);
        Ref<Tracked> third;
        third = second;
        EXPECT_EQ(first.useCount(), 3);
        EXPECT_EQ(first.get(), third.get());
        first.release();
        second.release();
        EXPECT_EQ(destroyed, 0);
        EXPECT_EQ(third.useCount(), 1);
        Ref<Tracked>& same = third;   // assigned to itself through another name
        third = same;
        EXPECT_EQ(destroyed, 0);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST_F(ArrayHolders, RefResetReleasesTheOldObjectAndMakesABlockForNull)
{
    Ref<Tracked> ref(new Tracked);
    Ref<Tracked> other(ref);
    ref.reset(nullptr);
    EXPECT_EQ(ref.useCount(), 1);
    EXPECT_TRUE(ref.isNull());
    EXPECT_EQ(Tracked::alive, 1);
    other.reset(new Tracked);
    EXPECT_EQ(Tracked::alive, 1);
    ref = std::move(other);
    EXPECT_TRUE(other.isNull());
    EXPECT_EQ(Tracked::alive, 1);
}

TEST_F(ArrayHolders, OwnedPtrDeletesOnResetAndDestruction)
{
    int destroyed = 0;
    {
        OwnedPtr<Tracked> p(new TrackedChild(&destroyed));
        p.reset(new Tracked);
        EXPECT_EQ(destroyed, 1);
        OwnedPtr<Tracked> q(std::move(p));
        EXPECT_TRUE(p.isNull());
        Tracked* raw = q.take();
        EXPECT_TRUE(q.isNull());
        q.reset(raw);
        EXPECT_EQ(Tracked::alive, 1);
    }
    EXPECT_EQ(Tracked::alive, 0);
}

TEST_F(ArrayHolders, ArrayOfOwnedPtrMovesOnGrowthAndDeletesDroppedSlots)
{
    Array<OwnedPtr<Tracked>> owned;
    owned.setSize(3);
    for (int i = 0; i < 3; i++)
        owned[i].reset(new Tracked);
    Tracked* second = owned[1].get();
    owned.setSize(20);
    EXPECT_EQ(Tracked::alive, 3);
    EXPECT_EQ(owned[1].get(), second);
    EXPECT_TRUE(owned[19].isNull());
    owned.setSize(1);
    EXPECT_EQ(Tracked::alive, 1);
    owned.setSize(3);
    EXPECT_TRUE(owned[1].isNull());
}
