#include "core/util/LargeAlloc.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

namespace viramo {

namespace {
constexpr std::size_t kHuge = std::size_t{2} << 20;
constexpr std::size_t kMapFrom = std::size_t{4} << 20;  // smaller blocks come from malloc

std::size_t mappedSize(std::size_t bytes) { return (bytes + kHuge - 1) / kHuge * kHuge; }
}  // namespace

void* LargeAllocate(std::size_t bytes) {
    if (bytes == 0) bytes = 1;
    if (bytes < kMapFrom) {
        void* p = std::calloc(1, bytes);
        if (!p) throw std::bad_alloc();
        return p;
    }
    const std::size_t size = mappedSize(bytes);
    // Map one huge page more than needed and cut both ends to a 2 MiB boundary.
    void* raw = ::mmap(nullptr, size + kHuge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    const auto base = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (base + kHuge - 1) / kHuge * kHuge;
    if (aligned > base) ::munmap(raw, aligned - base);
    const std::uintptr_t end = base + size + kHuge;
    if (end > aligned + size) ::munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
    ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void LargeFree(void* p, std::size_t bytes) noexcept {
    if (!p) return;
    if (bytes == 0) bytes = 1;
    if (bytes < kMapFrom)
        std::free(p);
    else
        ::munmap(p, mappedSize(bytes));
}

}  // namespace viramo
