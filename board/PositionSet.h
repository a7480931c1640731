#ifndef KELZO_BOARD_POSITIONSET_H
#define KELZO_BOARD_POSITIONSET_H

#include <cstdint>

// A board cell, int32 x and y.
struct CellPos {
    int32_t x = -1;
    int32_t y = -1;

    bool operator==(const CellPos& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CellPos& o) const { return !(*this == o); }
};

inline bool isPlayableCell(int x, int y)
{
    return static_cast<unsigned>(x) < 7u && static_cast<unsigned>(y) < 8u;
}

// One step along a row or a column: (1, 0), (-1, 0), (0, 1) or (0, -1).
inline bool isUnitDirection(int dx, int dy)
{
    return (dx == 0) != (dy == 0) && dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
}

// The occupied cells of a board, in ascending order of x, then y. Only the 56
// playable cells can be members, so the set is a bit mask beside a sorted
// array: membership is one bit test and no operation allocates.
class PositionSet {
public:
    static const int kCapacity = 56;

    int size() const { return count_; }
    bool isEmpty() const { return count_ == 0; }
    const CellPos& operator[](int index) const { return items_[index]; }
    const CellPos* begin() const { return items_; }
    const CellPos* end() const { return items_ + count_; }

    bool contains(int x, int y) const
    {
        return isPlayableCell(x, y) && ((mask_ >> keyOf(x, y)) & 1u);
    }

    // Adds (x, y); false when it was present already or lies off the field.
    bool insert(int x, int y)
    {
        if (!isPlayableCell(x, y) || contains(x, y))
            return false;
        int at = rankOf(keyOf(x, y));
        for (int i = count_; i > at; i--)
            items_[i] = items_[i - 1];
        items_[at] = CellPos{x, y};
        count_++;
        mask_ |= uint64_t(1) << keyOf(x, y);
        return true;
    }

    // Removes (x, y); false when it was not present.
    bool remove(int x, int y)
    {
        if (!contains(x, y))
            return false;
        int at = rankOf(keyOf(x, y));
        for (int i = at; i + 1 < count_; i++)
            items_[i] = items_[i + 1];
        count_--;
        mask_ &= ~(uint64_t(1) << keyOf(x, y));
        return true;
    }

    void clear()
    {
        count_ = 0;
        mask_ = 0;
    }

private:
    // x * 8 + y orders like the key x * 16 + y over the playable field.
    static int keyOf(int x, int y) { return x * 8 + y; }
    int rankOf(int key) const { return __builtin_popcountll(mask_ & ((uint64_t(1) << key) - 1)); }

    CellPos items_[kCapacity];
    int count_ = 0;
    uint64_t mask_ = 0;
};

#endif
