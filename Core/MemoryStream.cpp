#include "Core/MemoryStream.h"

#include <cstring>

#include "Core/Array.h"

namespace {

int clampedPosition(int position, int size)
{
    return position < 0 ? 0 : (position > size ? size : position);
}

} // namespace

MemoryStreamOut::MemoryStreamOut(int initialSize)
{
    if (initialSize > 0) {
        data_ = new char[initialSize];
        memset(data_, 0, initialSize);
        size_ = capacity_ = initialSize;
    }
}

MemoryStreamOut::~MemoryStreamOut()
{
    delete[] data_;
}

void MemoryStreamOut::reserve(int needed)
{
    if (needed <= capacity_)
        return;
    int newCapacity = grownCapacity(capacity_, needed);
    char* grown = new char[newCapacity];
    if (data_)
        memcpy(grown, data_, capacity_);
    memset(grown + capacity_, 0, newCapacity - capacity_);
    delete[] data_;
    data_ = grown;
    capacity_ = newCapacity;
}

int MemoryStreamOut::write(const void* buffer, int count)
{
    if (!buffer || count <= 0)
        return 0;
    int end = position_ + count;
    if (end > size_) {
        reserve(end);
        size_ = end;
    }
    memcpy(data_ + position_, buffer, count);
    position_ = end;
    return count;
}

int MemoryStreamOut::seek(int position)
{
    position_ = position < 0 ? 0 : position;
    return 0;
}

int MemoryStreamOut::skip(int count)
{
    position_ = clampedPosition(position_ + count, size_);
    return 0;
}

void MemoryStreamOut::putByte(char byte)
{
    write(&byte, 1);
}

void MemoryStreamOut::padTo(int position, char fill)
{
    while (position_ < position)
        putByte(fill);
}

const char* StringStream::c_str()
{
    reserve(tell() + 1);
    data()[tell()] = 0;
    return data();
}

MemoryStreamIn::MemoryStreamIn(const void* bytes, int size)
    : bytes_(static_cast<const char*>(bytes)), size_(bytes && size > 0 ? size : 0)
{
}

MemoryStreamIn::MemoryStreamIn(const MemoryStreamOut& written) : MemoryStreamIn(written.data(), written.size())
{
}

int MemoryStreamIn::read(void* buffer, int count)
{
    int n = count < size_ - position_ ? count : size_ - position_;
    if (n <= 0)
        return 0;
    memcpy(buffer, bytes_ + position_, n);
    position_ += n;
    return n;
}

int MemoryStreamIn::seek(int position)
{
    position_ = clampedPosition(position, size_);
    return 0;
}

int MemoryStreamIn::skip(int count)
{
    return seek(position_ + count);
}
