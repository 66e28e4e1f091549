// The area mosaic: the tiles of a plot's area side by side in one grid of heights.
#pragma once

#include <cstddef>
#include <cstdint>

#include "terrain/huge_page_array.h"
#include "terrain/no_data_mask.h"
#include "terrain/tile_format.h"

namespace terrain {

// Area grid capacity in columns x rows of samples. Each tool names its own in its profile.
struct AreaCapacity {
    int columns;  // x = 0 ... columns - 1
    int rows;     // y = 0 ... rows - 1
};
// 8 tiles east-west and 5 north-south at 3 arc-seconds (each tile adds its samples per degree to
// the shared edge sample).
inline constexpr AreaCapacity kDefaultAreaCapacity{8 * kSamplesPerDegree + 1,
                                                   5 * kSamplesPerDegree + 1};

// Area grid: A(x, y), x the column from the area's western tile edge, y the row from its southern
// tile edge, one sample per grid spacing, 0 where nothing was loaded. Reads outside the capacity
// give 0 and writes outside it are dropped, so a plot that reaches past the grid never touches
// memory beyond it. The memory is reserved zeroed and only touched where written. Heights are
// held in 16 bits, the width of the tiles' samples (a decoded void, 0, fits as well): half the
// memory of the widest plots.
class AreaGrid {
  public:
    explicit AreaGrid(AreaCapacity capacity);
    int Columns() const { return capacity_.columns; }
    int Rows() const { return capacity_.rows; }
    bool Inside(int x, int y) const {
        return x >= 0 && x < capacity_.columns && y >= 0 && y < capacity_.rows;
    }
    std::int32_t At(int x, int y) const { return Inside(x, y) ? cells_[Index(x, y)] : 0; }
    // v is a 16-bit height (-32768 ... 32767).
    void Set(int x, int y, std::int32_t v) {
        if (Inside(x, y)) {
            cells_[Index(x, y)] = static_cast<std::int16_t>(v);
            Touch(x, y);
        }
    }
    // Row y as a contiguous array of Columns() heights (nullptr when y is outside): bulk readers
    // index it with x after checking 0 <= x < Columns().
    const std::int16_t* Row(int y) const {
        return (y >= 0 && y < capacity_.rows) ? cells_.Data() + Index(0, y) : nullptr;
    }
    // Sets cells (x, y) ... (x + count - 1, y) to values[0 ... count - 1] (16-bit heights) as Set
    // would, each dropped when outside, with one bounds check for the row.
    void SetRow(int x, int y, const std::int32_t* values, int count);
    // Which cells have no height (their heights read 0 or the decoding's replacement).
    NoDataMask& NoData() { return noData_; }
    const NoDataMask& NoData() const { return noData_; }
    // Sets every cell written so far back to 0, every cell with data.
    void Clear();

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(x) +
               static_cast<std::size_t>(y) * static_cast<std::size_t>(capacity_.columns);
    }
    void Touch(int x, int y) {
        if (x > maxX_) maxX_ = x;
        if (y > maxY_) maxY_ = y;
    }
    AreaCapacity capacity_;
    HugePageArray<std::int16_t> cells_;
    NoDataMask noData_;
    int maxX_ = -1;  // extent written so far, for Clear
    int maxY_ = -1;
};

}  // namespace terrain
