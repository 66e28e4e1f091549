#include "terrain/huge_page_array.h"

#include <sys/mman.h>

#include <cstdint>

namespace terrain {

namespace {

// The size of an x86-64 (and arm64) transparent huge page. Mappings are made in whole ones so
// that the kernel can back all of them with huge pages.
constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

std::size_t RoundedUp(std::size_t bytes) {
    return (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
}

}  // namespace

void* MapZeroedPages(std::size_t bytes, PageSize size) {
    const std::size_t length = RoundedUp(bytes);
    // One huge page more than needed, so that a start on a huge-page boundary can be cut out
    // (the kernel backs only aligned 2 MB stretches with huge pages).
    void* mapped = mmap(nullptr, length + kHugePageBytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    char* const start = static_cast<char*>(mapped);
    const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(start);
    char* const aligned = start + (kHugePageBytes - address % kHugePageBytes) % kHugePageBytes;
    if (aligned > start) munmap(start, static_cast<std::size_t>(aligned - start));
    char* const end = start + length + kHugePageBytes;
    if (end > aligned + length)
        munmap(aligned + length, static_cast<std::size_t>(end - aligned - length));
#if defined(MADV_HUGEPAGE) && defined(MADV_NOHUGEPAGE)
    // Only advice: a kernel without transparent huge pages (or with them switched off) keeps
    // ordinary pages and the array works the same. Ordinary pages are asked for too, for a
    // kernel that gives huge pages unasked.
    madvise(aligned, length, size == PageSize::kHuge ? MADV_HUGEPAGE : MADV_NOHUGEPAGE);
#endif
    return aligned;
}

void UnmapPages(void* pages, std::size_t bytes) {
    munmap(pages, RoundedUp(bytes));
}

}  // namespace terrain
