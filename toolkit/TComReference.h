#pragma once

// Holds one COM reference and releases it when it goes, also while an exception passes.
template <typename T>
class TComReference {
public:
    TComReference() = default;
    explicit TComReference(T* object) : pointer(object) {}
    ~TComReference() { Reset(); }
    TComReference(const TComReference&) = delete;
    TComReference& operator=(const TComReference&) = delete;

    T* Get() const { return pointer; }
    // For a call that hands out a new reference, on an empty holder.
    T** Out() { return &pointer; }
    T* Detach() {
        T* const object = pointer;
        pointer = nullptr;
        return object;
    }
    // Releases the reference held, if any, and holds the one given.
    void Reset(T* object = nullptr) {
        T* const previous = pointer;
        pointer = object;
        if (previous != nullptr) {
            previous->Release();
        }
    }

private:
    T* pointer = nullptr;
};
