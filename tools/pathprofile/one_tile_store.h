// The path profile's tile cursor: one tile held in memory at a time, 3 or 1 arc-second as the
// tile is, read through the height library, with the at-or-below lookup (no interpolation) at
// the tile's own spacing. Loading is done by the profile sampler whenever the path crosses into
// another tile.
#pragma once

#include <cstdint>
#include <string>

#include "path_geometry.h"
#include "terrain/diagnostics.h"
#include "terrain/tile_buffer.h"
#include "terrain/tile_decoding.h"
#include "terrain/tile_source.h"

namespace pathprofile {

// How the profile reads its tiles: voids (below -1000 m) read as sea level, other negative
// heights are kept, and no height is warned of.
inline constexpr terrain::TileDecoding kProfileDecoding = terrain::kVoidsToSeaLevelUnwarned;

class OneTileStore {
  public:
    explicit OneTileStore(const terrain::TileSource& source) : source_(source) {}

    // Reads the tile `found` of the source at its own spacing. A tile that cannot be opened
    // (kMissing), is short or cannot be read (kUnreadable) leaves the buffer at 0 m (3
    // arc-second), so a stretch of path without height data never shows the terrain of some
    // other tile. What the read met goes to `reports`.
    terrain::TileRead Load(const std::string& found, terrain::Diagnostics& reports);

    // Sets every sample to 0 m (a stretch of path without a tile).
    void Clear();

    // T(c, s): column c from the western edge, row s from the southern edge, both
    // 0..SamplesPerDegree(), decoded by kProfileDecoding.
    std::int32_t Sample(int column, int row) const { return Decoded(tile_.At(column, row)); }
    // 1200 for a 3 arc-second tile, 3600 for a 1 arc-second one.
    int SamplesPerDegree() const { return tile_.SamplesPerDegree(); }

    // Height in whole metres of the sample at or below the position (terrain::HeightAtOrBelow),
    // read from the buffer whatever tile it holds.
    std::int32_t HeightAt(LatLon position) const;
    // Whether that sample has a height: false for a void and everywhere when no tile is held.
    bool HasDataAt(LatLon position) const;

  private:
    // Voids are kept in the buffer, so that they can be told from sea level, and decoded as
    // they are read.
    static std::int32_t Decoded(std::int32_t stored) {
        return stored < kProfileDecoding.replaceBelow ? kProfileDecoding.replacement : stored;
    }
    const terrain::TileSource& source_;
    terrain::TileBuffer tile_;
    bool hasTile_ = false;  // a tile was read; false after Clear or a failed read
};

}  // namespace pathprofile
