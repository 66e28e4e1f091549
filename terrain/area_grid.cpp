#include "terrain/area_grid.h"

#include <algorithm>
#include <cstring>

namespace terrain {

AreaGrid::AreaGrid(AreaCapacity capacity)
    : capacity_(capacity), noData_(capacity.columns, capacity.rows) {
    if (capacity_.columns < 1) capacity_.columns = 1;
    if (capacity_.rows < 1) capacity_.rows = 1;
    std::size_t cells =
        static_cast<std::size_t>(capacity_.columns) * static_cast<std::size_t>(capacity_.rows);
    // Zeroed pages from the system that cost memory only where written, so a 10001 x 6001 grid
    // costs little for a small plot; huge pages where offered.
    cells_ = HugePageArray<std::int16_t>(cells);
}

void AreaGrid::SetRow(int x, int y, const std::int32_t* values, int count) {
    if (y < 0 || y >= capacity_.rows) return;
    const int first = std::max(x, 0);
    const int last = std::min(x + count, capacity_.columns) - 1;
    if (last < first) return;
    // The values are decoded tile samples: narrowing them keeps every one.
    std::int16_t* const out = cells_.Data() + Index(first, y);
    const std::int32_t* const in = values + (first - x);
    const int count16 = last - first + 1;
    for (int i = 0; i < count16; ++i) out[i] = static_cast<std::int16_t>(in[i]);
    Touch(last, y);
}

void AreaGrid::Clear() {
    noData_.Clear();
    if (maxX_ < 0 || maxY_ < 0) return;
    for (int y = 0; y <= maxY_; ++y) {
        std::memset(cells_.Data() + Index(0, y), 0, sizeof(std::int16_t) * (maxX_ + 1));
    }
    maxX_ = maxY_ = -1;
}

}  // namespace terrain
