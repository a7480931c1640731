#ifndef KELZO_CORE_OWNEDPTR_H
#define KELZO_CORE_OWNEDPTR_H

// Sole owner of one object: reset and destruction delete it. Not copyable;
// ownership moves with std::move (an Array of OwnedPtr moves them on growth).
template <class T>
class OwnedPtr {
public:
    OwnedPtr() = default;
    explicit OwnedPtr(T* object) : object_(object) {}
    OwnedPtr(OwnedPtr&& other) noexcept : object_(other.take()) {}
    ~OwnedPtr() { delete object_; }

    OwnedPtr& operator=(OwnedPtr&& other) noexcept
    {
        if (this != &other)
            reset(other.take());
        return *this;
    }

    OwnedPtr(const OwnedPtr&) = delete;
    OwnedPtr& operator=(const OwnedPtr&) = delete;

    // Deletes the held object, then holds the new one.
    void reset(T* object = nullptr)
    {
        if (object == object_)
            return;
        T* old = object_;
        object_ = object;
        delete old;
    }

    // Gives up ownership without deleting; the caller owns the result.
    T* take()
    {
        T* object = object_;
        object_ = nullptr;
        return object;
    }

    T* get() const { return object_; }
    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }
    bool isNull() const { return object_ == nullptr; }

private:
    T* object_ = nullptr;
};

#endif
