// One decoded tile in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "terrain/tile_format.h"

namespace terrain {

// Tile buffer: T(c, s), c = 0 ... n west to east, s = 0 ... n south to north, n = 1200 for a tile
// taken at 3 arc-seconds (the usual case) or 3600 at 1 arc-second. Reads outside give 0 and
// writes outside are dropped.
class TileBuffer {
  public:
    TileBuffer();  // a 3 arc-second tile, all 0
    std::int32_t At(int c, int s) const { return Inside(c, s) ? cells_[Index(c, s)] : 0; }
    void Set(int c, int s, std::int32_t v) {
        if (Inside(c, s)) cells_[Index(c, s)] = v;
    }
    bool Inside(int c, int s) const { return c >= 0 && c < side_ && s >= 0 && s < side_; }
    int Side() const { return side_; }  // n + 1
    int SamplesPerDegree() const { return side_ - 1; }
    // Makes the buffer side x side (all 0) unless it is that size already (contents kept).
    void Reshape(int side);
    void Clear();
    const std::int32_t* Data() const { return cells_.data(); }        // index c + Side() * s
    std::int32_t* Row(int s) { return cells_.data() + Index(0, s); }  // 0 <= s < Side()

  private:
    std::size_t Index(int c, int s) const {
        return static_cast<std::size_t>(c) + static_cast<std::size_t>(s) * side_;
    }
    int side_ = kThreeArcSecondTile.Side();
    std::vector<std::int32_t> cells_;
};

}  // namespace terrain
