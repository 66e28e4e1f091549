// Why an area was not loaded: it needs more tiles than the area grid holds.
#pragma once

namespace terrain {

enum class AreaRefusalReason {
    // An edge lies far off the globe (or is not a number): no tile count can be given.
    kNoTileCount,
    // More tiles east-west or north-south than the grid holds at 3 arc-seconds.
    kTooManyTiles,
    // All its tiles are 1 arc-second, and at that spacing they need more cells than the grid has.
    kTooManyOneArcSecondTiles,
};

struct AreaRefusal {
    AreaRefusalReason reason = AreaRefusalReason::kTooManyTiles;
    long tilesEastWest = 0;  // what the area needs (not set for kNoTileCount)
    long tilesNorthSouth = 0;
    long maxEastWest = 0;  // what the grid holds at 3 arc-seconds
    long maxNorthSouth = 0;
};

}  // namespace terrain
