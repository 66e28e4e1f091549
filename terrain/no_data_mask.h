// Which samples of a grid have no height: the cells of a tile that is absent or unreadable, and
// the voids of a tile that was read. The heights themselves keep the number the computations use
// (0 m for an absent tile, the decoding's replacement for a void); the mask is what lets a
// picture show such samples as no data rather than as sea or as ground.
#pragma once

#include <cstddef>
#include <cstdint>

#include "terrain/huge_page_array.h"

namespace terrain {

class NoDataMask {
  public:
    // A mask of columns x rows samples, all with data.
    NoDataMask(int columns, int rows);

    // Marks sample (x, y); samples outside the mask are ignored.
    void Mark(int x, int y) {
        if (!Inside(x, y)) return;
        const std::size_t i = Index(x, y);
        bits_[i >> 6] |= std::uint64_t{1} << (i & 63);
        if ((i >> 6) + 1 > usedWords_) usedWords_ = (i >> 6) + 1;
    }
    // Marks the samples x0 ... x1, y0 ... y1 (inclusive), clipped to the mask.
    void MarkBlock(int x0, int y0, int x1, int y1);
    // True when sample (x, y) has no height; false outside the mask.
    bool At(int x, int y) const {
        if (!Inside(x, y)) return false;
        const std::size_t i = Index(x, y);
        return (bits_[i >> 6] >> (i & 63)) & 1;
    }
    // The marked samples among x0 ... x1, y0 ... y1 (inclusive); samples outside the mask count
    // as having data.
    std::size_t CountIn(int x0, int y0, int x1, int y1) const;
    // True when any sample is marked.
    bool Any() const { return usedWords_ > 0; }
    // Every sample has data again.
    void Clear();

  private:
    bool Inside(int x, int y) const { return x >= 0 && x < columns_ && y >= 0 && y < rows_; }
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(x);
    }
    int columns_;
    int rows_;
    // One bit a sample, zeroed pages that cost memory only where marked: a grid with all its
    // tiles present costs nothing.
    HugePageArray<std::uint64_t> bits_;
    std::size_t usedWords_ = 0;  // words up to the last one marked, for Clear
};

}  // namespace terrain
