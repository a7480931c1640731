#ifndef KELZO_CORE_ARRAY_H
#define KELZO_CORE_ARRAY_H

#include <climits>
#include <utility>

// Capacity growth shared by Array, String and MemoryStreamOut: start at the
// old capacity (1 when there was none) and double until `needed` fits. A
// doubling that would pass the largest int stops there instead, so a huge
// request neither wraps nor loops forever.
inline int grownCapacity(int capacity, int needed)
{
    int grown = capacity > 0 ? capacity : 1;
    while (grown < needed) {
        if (grown > INT_MAX / 2)
            return INT_MAX;
        grown *= 2;
    }
    return grown;
}

// Growable array. Capacity is 0 or a power of two (the largest int when it
// has grown past 2^30) and never shrinks.
//
// setSize keeps the elements that stay, moves them into a bigger buffer when
// it must grow, and resets every dropped slot to T() so a slot reused later
// holds the default again (0 for numbers, null for OwnedPtr, which also
// deletes the dropped object). Types with another default, such as a point
// whose empty value is {-1, -1}, give it through their default constructor.
template <class T>
class Array {
public:
    Array() = default;
    explicit Array(int size) { setSize(size); }
    Array(const Array& other) { *this = other; }
    Array(Array&& other) noexcept { swap(other); }
    ~Array() { delete[] data_; }

    Array& operator=(const Array& other)
    {
        if (this == &other)
            return *this;
        clear();
        reserve(other.size_);
        for (int i = 0; i < other.size_; i++)
            data_[i] = other.data_[i];
        size_ = other.size_;
        return *this;
    }

    Array& operator=(Array&& other) noexcept
    {
        if (this != &other) {
            Array gone(std::move(*this));
            swap(other);
        }
        return *this;
    }

    void swap(Array& other) noexcept
    {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
    }

    // Makes room for n elements without changing the size.
    void reserve(int n)
    {
        if (n <= capacity_)
            return;
        int newCapacity = grownCapacity(capacity_, n);
        T* grown = new T[newCapacity]();
        for (int i = 0; i < size_; i++)
            grown[i] = std::move(data_[i]);
        delete[] data_;
        data_ = grown;
        capacity_ = newCapacity;
    }

    void setSize(int n)
    {
        if (n < 0)
            n = 0;
        reserve(n);
        for (int i = n; i < size_; i++)
            data_[i] = T();
        size_ = n;
    }

    // The value is copied before the array may grow, so appending one of the
    // array's own elements never reads freed memory.
    void append(const T& value)
    {
        T copy(value);
        reserve(size_ + 1);
        data_[size_++] = std::move(copy);
    }

    void append(T&& value)
    {
        T moved(std::move(value));
        reserve(size_ + 1);
        data_[size_++] = std::move(moved);
    }

    // Removes one element, moving the later ones down.
    void removeAt(int index)
    {
        if (index < 0 || index >= size_)
            return;
        for (int i = index; i + 1 < size_; i++)
            data_[i] = std::move(data_[i + 1]);
        setSize(size_ - 1);
    }

    void clear() { setSize(0); }

    // No bounds check, as with a plain C array.
    T& operator[](int index) { return data_[index]; }
    const T& operator[](int index) const { return data_[index]; }

    int size() const { return size_; }
    int capacity() const { return capacity_; }
    bool isEmpty() const { return size_ == 0; }
    T* data() { return data_; }
    const T* data() const { return data_; }

    T* begin() { return data_; }
    T* end() { return data_ + size_; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + size_; }

private:
    T* data_ = nullptr;
    int size_ = 0;
    int capacity_ = 0;
};

#endif
