#pragma once
// Memory for pictures and file buffers. Large blocks are mapped straight from
// the system in 2 MiB huge pages: they arrive zeroed and fault in 512 times
// less often than ordinary pages, which otherwise costs more than a pass over
// the pixels themselves.
#include <cstddef>
#include <new>

namespace viramo {

// Zeroed block of at least bytes; throws std::bad_alloc.
void* LargeAllocate(std::size_t bytes);
void LargeFree(void* p, std::size_t bytes) noexcept;

template <class T>
struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_alloc();
        return static_cast<T*>(LargeAllocate(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { LargeFree(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const LargeAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace viramo
