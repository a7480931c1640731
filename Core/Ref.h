#ifndef KELZO_CORE_REF_H
#define KELZO_CORE_REF_H

// Count block shared by every Ref<T> that holds the same object. The count is
// a plain int: Refs sharing a block are used from one thread only.
template <class T>
class ReferenceCounter {
public:
    explicit ReferenceCounter(T* held) : object(held) {}
    virtual ~ReferenceCounter() {}

    // Deletes the held object (through its virtual destructor where T has
    // one), then the block itself. Kept out of line: inlined, it makes GCC 12
    // warn about a use after free on paths that cannot happen.
    [[gnu::noinline]] static void destroyHeld(ReferenceCounter* block)
    {
        delete block->object;
        block->object = nullptr;
        delete block;
    }

    int count = 1;
    T* object;

private:
    ReferenceCounter(const ReferenceCounter&) = delete;
    ReferenceCounter& operator=(const ReferenceCounter&) = delete;
};

// Shared holder: the object is deleted when the last Ref to it is released.
// An object held by a Ref must not be owned by anything else.
template <class T>
class Ref {
public:
    Ref() = default;
    explicit Ref(T* object) { reset(object); }
    Ref(const Ref& other) : block_(other.block_) { retain(); }
    Ref(Ref&& other) noexcept : block_(other.block_) { other.block_ = nullptr; }
    ~Ref() { release(); }

    Ref& operator=(const Ref& other)
    {
        if (block_ != other.block_) {
            release();
            block_ = other.block_;
            retain();
        }
        return *this;
    }

    Ref& operator=(Ref&& other) noexcept
    {
        if (this != &other) {
            release();
            block_ = other.block_;
            other.block_ = nullptr;
        }
        return *this;
    }

    // Lets go of the current object and holds the new one in a fresh block
    // (a block is made even for a null object).
    void reset(T* object)
    {
        release();
        block_ = new ReferenceCounter<T>(object);
    }

    // Drops this holder's share; the last share deletes object and block.
    void release()
    {
        ReferenceCounter<T>* block = block_;
        block_ = nullptr;
        if (block && --block->count == 0)
            ReferenceCounter<T>::destroyHeld(block);
    }

    T* get() const { return block_ ? block_->object : nullptr; }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    explicit operator bool() const { return get() != nullptr; }
    bool isNull() const { return get() == nullptr; }

    // Number of holders sharing the block; 0 when this one holds no block.
    int useCount() const { return block_ ? block_->count : 0; }

private:
    void retain()
    {
        if (block_)
            block_->count++;
    }

    ReferenceCounter<T>* block_ = nullptr;
};

#endif
