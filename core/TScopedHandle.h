#pragma once

#include <utility>

// Owns one handle of a plain kind (a file, a registry key, a library, an icon, a menu, a local
// block, a GDI object...) and gives it to Release once, when it goes, also while an exception
// passes. An empty handle is the type's null value: handles whose failure value is another
// (CreateFileW's) are turned to null before they are handed over. Moves, never copies.
template <typename Handle, auto Release>
class TScopedHandle {
public:
    TScopedHandle() = default;
    explicit TScopedHandle(Handle owned) : handle(owned) {}
    ~TScopedHandle() {
        if (handle != Handle{}) {
            Release(handle);
        }
    }
    TScopedHandle(const TScopedHandle&) = delete;
    TScopedHandle& operator=(const TScopedHandle&) = delete;
    TScopedHandle(TScopedHandle&& other) noexcept : handle(std::exchange(other.handle, Handle{})) {}
    TScopedHandle& operator=(TScopedHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle, Handle{}));
        }
        return *this;
    }

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != Handle{}; }

    // Releases the handle held, if any, and holds the one given.
    void Reset(Handle owned = Handle{}) {
        const Handle previous = std::exchange(handle, owned);
        if (previous != Handle{}) {
            Release(previous);
        }
    }

    // Gives the handle up without releasing it, for a caller that hands it on.
    Handle Detach() { return std::exchange(handle, Handle{}); }

private:
    Handle handle{};
};
