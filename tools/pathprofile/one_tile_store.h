// The path profile's own height store: one SRTM tile held in memory at a time, with a
// nearest-lower lookup (no interpolation). Loading is done by the profile sampler whenever
// the path crosses into another tile.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "path_geometry.h"

namespace pathprofile {

// Samples per degree of an SRTM 3 arc-second tile.
inline constexpr int kSamplesPerDegree = 1200;
// Samples along one side of a tile: the outer rows and columns lie on whole-degree lines.
inline constexpr int kTileSide = kSamplesPerDegree + 1;
// Bytes of one tile file: 1201 x 1201 big-endian 16-bit samples, no header.
inline constexpr std::size_t kTileBytes = 2u * kTileSide * kTileSide;
// Heights below this many metres are SRTM voids (the marker is -32768) and read as 0 m.
inline constexpr int kVoidBelow_m = -1000;

enum class TileLoad {
    kLoaded,      // the whole tile was read
    kMissing,     // no such file: the buffer now reads 0 m everywhere
    kUnreadable,  // the file is shorter than a tile or cannot be read: the buffer reads 0 m
};

class OneTileStore {
  public:
    OneTileStore();

    // Reads the first kTileBytes bytes of `path` into the buffer. A missing, short or
    // unreadable file leaves the buffer at 0 m, so a stretch of path without height data
    // never shows the terrain of some other tile.
    TileLoad Load(const std::string& path);

    // Sets every sample to 0 m (a stretch of path without a tile file).
    void Clear();

    // T(c, s): column c from the western edge, row s from the southern edge, both 0..1200.
    std::int32_t Sample(int column, int row) const {
        return heights_[static_cast<std::size_t>(row) * kTileSide + column];
    }

    // Height in whole metres of the sample at or below the position in its fractional
    // degrees (row floor(1200 frac|lat|), column floor(1200 frac|lon|), mirrored for south
    // and west), read from the buffer whatever tile it holds.
    std::int32_t HeightAt(LatLon position) const;

  private:
    std::vector<std::int32_t> heights_;  // kTileSide x kTileSide, row s = 0 is the south edge
};

}  // namespace pathprofile
