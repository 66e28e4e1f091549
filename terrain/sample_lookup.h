// Which sample of its tile a position reads. Two rules live side by side in the tools, named
// apart so that a reader sees which is which:
// - the nearest sample (rounded), the map tools' point height (TileStore::PointHeight);
// - the sample at or below (truncated), the path profile's and horizon's ground height.
// Both count from the tile's south-west corner for northern latitudes and eastern longitudes and
// are mirrored (n - i) for southern latitudes and western longitudes, n the samples per degree.
#pragma once

#include <cstdint>

#include "terrain/tile_buffer.h"

namespace terrain {

// Column from the western edge, row from the southern edge of a tile, both 0 ... n.
struct SampleIndex {
    int column;
    int row;
    bool operator==(const SampleIndex&) const = default;
};

// The sample nearest to the position: round(n * fraction of |degrees|), halves to even.
SampleIndex NearestSampleIndex(double latitude_deg, double longitude_deg, int samplesPerDegree);

// The sample at or below the position: floor(n * fraction of |degrees|), never rounded up.
SampleIndex SampleIndexAtOrBelow(double latitude_deg, double longitude_deg, int samplesPerDegree);

// The height of the sample at or below the position in `tile`, at the tile's own spacing,
// whatever tile it holds.
std::int32_t HeightAtOrBelow(const TileBuffer& tile, double latitude_deg, double longitude_deg);

}  // namespace terrain
