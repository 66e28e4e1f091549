// Large arrays of heights taken straight from the kernel: zeroed pages mapped on demand (no fill
// pass; a page costs nothing until it is first touched) and, where the kernel offers it, backed
// by 2 MB pages, which saves most of the page faults and address-translation misses of the
// multi-hundred-megabyte grids of the widest plots.
#pragma once

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace terrain {

// Whether an array is asked to be backed by huge pages. Ordinary pages suit an array that is
// written here and there: a page never written is never mapped, where a huge page would map
// 2 MB around the first write.
enum class PageSize { kHuge, kOrdinary };

// `bytes` of zeroed memory (rounded up to whole huge pages), asked to be backed by huge pages
// unless `size` says otherwise; throws std::bad_alloc when the mapping fails. Give it back with
// UnmapPages(p, bytes).
void* MapZeroedPages(std::size_t bytes, PageSize size = PageSize::kHuge);
void UnmapPages(void* pages, std::size_t bytes);

// `count` elements, all zero bits at first; moves but does not copy.
template <class T>
class HugePageArray {
    static_assert(std::is_trivially_copyable_v<T>, "the pages start as zero bits");

  public:
    HugePageArray() = default;
    explicit HugePageArray(std::size_t count, PageSize size = PageSize::kHuge)
        : data_(count ? static_cast<T*>(MapZeroedPages(count * sizeof(T), size)) : nullptr),
          count_(count) {}
    HugePageArray(HugePageArray&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)), count_(std::exchange(other.count_, 0)) {}
    HugePageArray& operator=(HugePageArray&& other) noexcept {
        if (this != &other) {
            Release();
            data_ = std::exchange(other.data_, nullptr);
            count_ = std::exchange(other.count_, 0);
        }
        return *this;
    }
    HugePageArray(const HugePageArray&) = delete;
    HugePageArray& operator=(const HugePageArray&) = delete;
    ~HugePageArray() { Release(); }

    T* Data() { return data_; }
    const T* Data() const { return data_; }
    std::size_t Size() const { return count_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }

  private:
    void Release() {
        if (data_) UnmapPages(data_, count_ * sizeof(T));
        data_ = nullptr;
        count_ = 0;
    }
    T* data_ = nullptr;
    std::size_t count_ = 0;
};

}  // namespace terrain
