#include "terrain/no_data_mask.h"

#include <algorithm>
#include <cstring>

namespace terrain {

namespace {

std::size_t WordsFor(int columns, int rows) {
    const std::size_t bits = static_cast<std::size_t>(std::max(columns, 0)) *
                             static_cast<std::size_t>(std::max(rows, 0));
    return (bits + 63) / 64;
}

}  // namespace

NoDataMask::NoDataMask(int columns, int rows)
    : columns_(std::max(columns, 0)),
      rows_(std::max(rows, 0)),
      bits_(WordsFor(columns, rows), PageSize::kOrdinary) {}

void NoDataMask::MarkBlock(int x0, int y0, int x1, int y1) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, columns_ - 1);
    y1 = std::min(y1, rows_ - 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) Mark(x, y);
}

std::size_t NoDataMask::CountIn(int x0, int y0, int x1, int y1) const {
    if (!Any()) return 0;
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, columns_ - 1);
    y1 = std::min(y1, rows_ - 1);
    std::size_t count = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) count += At(x, y) ? 1 : 0;
    return count;
}

void NoDataMask::Clear() {
    if (usedWords_ == 0) return;
    std::memset(bits_.Data(), 0, usedWords_ * sizeof(std::uint64_t));
    usedWords_ = 0;
}

}  // namespace terrain
