// The heights the ray sweep of visplot and horizon reads: the plot samples within the rays'
// reach, in 16-bit heights (the tiles' own width), laid out in square blocks of 32 x 32 samples.
//
// A ray walks across plot rows some 18 KB apart; in blocks its next samples mostly lie in the
// page it is already in, and neighbouring rays reuse the same blocks, which makes the sweep
// several times faster at large radii. Only the blocks that reach into the ellipse the rays
// cover are stored (each block row holds one span of blocks), so the plot's corners cost no
// memory; the tiles are copied straight in, with no full-size grid beside them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "terrain/huge_page_array.h"

namespace mastview {

class PlotHeights {
  public:
    PlotHeights() = default;
    // Plot samples x = 0 ... nLon, y = 0 ... nLat (both at least 0), all 0 until set.
    PlotHeights(int nLon, int nLat);

    int NLon() const { return nLon_; }
    int NLat() const { return nLat_; }

    // Height of plot sample (x, y), 0 <= x <= nLon, 0 <= y <= nLat; 0 for a sample of a block
    // that is not stored (outside the rays' reach).
    int32_t At(int x, int y) const {
        const int by = y >> kShift, bx = x >> kShift;
        const BlockRow& r = rows_[static_cast<std::size_t>(by)];
        if (bx < r.first || bx > r.last) return 0;
        return cells_[r.start + (static_cast<std::size_t>(bx - r.first) << (2 * kShift)) +
                      (static_cast<std::size_t>(y & kMask) << kShift) +
                      static_cast<std::size_t>(x & kMask)];
    }

    // Sets plot samples (x, y) ... (x + count - 1, y) to values[0 ... count - 1]; samples outside
    // the plot or outside the stored blocks are dropped. The values are 16-bit heights (the tile
    // samples, voids replaced), so the narrowing keeps every one.
    void SetRow(int x, int y, const int32_t* values, int count);

    // Bytes of heights held: the stored blocks only.
    std::size_t StoredBytes() const { return cells_.Size() * sizeof(int16_t); }

  private:
    static constexpr int kShift = 5;  // blocks of 32 x 32 samples (2 KB)
    static constexpr int kSide = 1 << kShift;
    static constexpr int kMask = kSide - 1;
    // The stored blocks of one block row: columns first ... last (none when last < first),
    // the first of them at cells_[start].
    struct BlockRow {
        int first = 0;
        int last = -1;
        std::size_t start = 0;
    };
    int nLon_ = -1;
    int nLat_ = -1;
    std::vector<BlockRow> rows_;
    terrain::HugePageArray<int16_t> cells_;
};

}  // namespace mastview
