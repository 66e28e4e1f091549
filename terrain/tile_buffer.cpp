#include "terrain/tile_buffer.h"

#include <algorithm>

namespace terrain {

TileBuffer::TileBuffer() : cells_(static_cast<std::size_t>(side_) * side_, 0) {}

void TileBuffer::Reshape(int side) {
    if (side == side_) return;
    side_ = side;
    cells_.assign(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 0);
}

void TileBuffer::Clear() {
    std::fill(cells_.begin(), cells_.end(), 0);
}

}  // namespace terrain
