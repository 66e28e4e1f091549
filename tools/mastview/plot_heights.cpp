#include "mastview/plot_heights.h"

#include <algorithm>

namespace mastview {

PlotHeights::PlotHeights(int nLon, int nLat) : nLon_(std::max(nLon, 0)), nLat_(std::max(nLat, 0)) {
    const int blocksX = (nLon_ >> kShift) + 1;
    const int blocksY = (nLat_ >> kShift) + 1;
    rows_.resize(static_cast<std::size_t>(blocksY));
    // A ray reads the sample nearest to a point at most the radius from the centre: inside the
    // ellipse of half-axes nLon / 2 and nLat / 2, give or take half a sample. A block is stored
    // when its rectangle, widened by one sample, reaches into that ellipse; along a block row
    // those blocks are one unbroken span.
    const double cx = nLon_ / 2.0, cy = nLat_ / 2.0;
    const auto gap = [](double centre, int first, int last) {
        return std::max({0.0, first - 1 - centre, centre - (last + 1)});
    };
    std::size_t blocks = 0;
    for (int by = 0; by < blocksY; ++by) {
        const int y0 = by * kSide, y1 = std::min(y0 + kMask, nLat_);
        const double dy = cy > 0 ? gap(cy, y0, y1) / cy : 0;
        BlockRow& row = rows_[static_cast<std::size_t>(by)];
        row.start = blocks << (2 * kShift);
        for (int bx = 0; bx < blocksX; ++bx) {
            const int x0 = bx * kSide, x1 = std::min(x0 + kMask, nLon_);
            const double dx = cx > 0 ? gap(cx, x0, x1) / cx : 0;
            if (dx * dx + dy * dy > 1) continue;  // a corner the rays never reach
            if (row.last < row.first) row.first = bx;
            row.last = bx;
        }
        if (row.last >= row.first) blocks += static_cast<std::size_t>(row.last - row.first + 1);
    }
    cells_ = terrain::HugePageArray<int16_t>(blocks << (2 * kShift));
}

void PlotHeights::SetRow(int x, int y, const int32_t* values, int count) {
    if (y < 0 || y > nLat_) return;
    const BlockRow& r = rows_[static_cast<std::size_t>(y >> kShift)];
    // The stored stretch of this row, in plot columns, cut to the samples given.
    const int first = std::max({x, r.first << kShift, 0});
    const int last = std::min({x + count - 1, (r.last << kShift) + kMask, nLon_});
    int16_t* const rowInBlocks =
        cells_.Data() + r.start + (static_cast<std::size_t>(y & kMask) << kShift);
    for (int px = first; px <= last; ++px) {
        const std::size_t block = static_cast<std::size_t>((px >> kShift) - r.first);
        rowInBlocks[(block << (2 * kShift)) + static_cast<std::size_t>(px & kMask)] =
            static_cast<int16_t>(values[px - x]);
    }
}

}  // namespace mastview
