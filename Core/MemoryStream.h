#ifndef KELZO_CORE_MEMORYSTREAM_H
#define KELZO_CORE_MEMORYSTREAM_H

#include "Core/Stream.h"
#include "Core/String.h"

// Output stream into a growable memory buffer. `size` is the furthest byte
// ever written plus one; `position` is where the next write goes.
class MemoryStreamOut : public StreamOut {
public:
    MemoryStreamOut() = default;
    // Starts with a buffer of `initialSize` bytes that counts as written.
    explicit MemoryStreamOut(int initialSize);
    ~MemoryStreamOut() override;

    MemoryStreamOut(const MemoryStreamOut&) = delete;
    MemoryStreamOut& operator=(const MemoryStreamOut&) = delete;

    bool isOk() override { return true; }
    // Returns the number of bytes written (all of them).
    int write(const void* buffer, int count) override;
    int seek(int position) override;     // clamped at 0; bytes skipped over read 0
    int skip(int count) override;        // clamped to 0..size
    int tell() override { return position_; }
    int flush() override { return 0; }
    virtual char* data() { return data_; }
    const char* data() const { return data_; }

    int size() const { return size_; }
    int capacity() const { return capacity_; }
    void putByte(char byte);
    // Fills from the position up to `position` with `fill` and moves there.
    void padTo(int position, char fill);

protected:
    // Room for `needed` bytes by the growth rule, old bytes kept, new ones 0.
    void reserve(int needed);

private:
    char* data_ = nullptr;
    int size_ = 0;
    int capacity_ = 0;
    int position_ = 0;
};

// Text builder: `ss << "a=" << 5;` then c_str() or toString(). The text is the
// bytes from 0 to the position.
class StringStream : public MemoryStreamOut {
public:
    explicit StringStream(int initialSize = 4096) : MemoryStreamOut(initialSize) {}

    // NUL-terminates at the position (without moving it) and returns the text.
    const char* c_str();
    String toString() { return String(data(), tell()); }
};

// Input stream over bytes someone else owns (a loaded file, a test's bytes).
// The bytes must outlive the stream.
class MemoryStreamIn : public StreamIn {
public:
    MemoryStreamIn(const void* bytes, int size);
    explicit MemoryStreamIn(const MemoryStreamOut& written);

    bool isOk() override { return true; }
    int read(void* buffer, int count) override;
    int seek(int position) override;     // clamped to 0..size
    int skip(int count) override;        // clamped to 0..size
    int tell() override { return position_; }
    int size() const { return size_; }

private:
    const char* bytes_;
    int size_;
    int position_ = 0;
};

#endif
