// The path profile's own height store: one SRTM tile held in memory at a time, 3 or 1
// arc-second as the file is, with a nearest-lower lookup (no interpolation) at the tile's own
// spacing. Loading is done by the profile sampler whenever the path crosses into another tile.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "console/tile_format.h"
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

// What Load read: how it went and the tile's format (1201 or 3601 samples a side).
struct TileLoadResult {
    TileLoad load = TileLoad::kMissing;
    console::TileFormat format = console::kThreeArcSecondTile;
    // "store.Load(file) == TileLoad::kLoaded" asks how it went.
    bool operator==(TileLoad other) const { return load == other; }
};

class OneTileStore {
  public:
    OneTileStore();

    // Reads the first kTileBytes bytes of `path` into the buffer, or the whole 1 arc-second tile
    // when the file has its size (console::TileFormatOfSize). A missing, short or unreadable
    // file leaves the buffer at 0 m (3 arc-second), so a stretch of path without height data
    // never shows the terrain of some other tile.
    TileLoadResult Load(const std::string& path);

    // Sets every sample to 0 m (a stretch of path without a tile file).
    void Clear();

    // T(c, s): column c from the western edge, row s from the southern edge, both
    // 0..SamplesPerDegree().
    std::int32_t Sample(int column, int row) const {
        return heights_[static_cast<std::size_t>(row) * side_ + column];
    }
    // 1200 for a 3 arc-second tile, 3600 for a 1 arc-second one.
    int SamplesPerDegree() const { return side_ - 1; }

    // Height in whole metres of the sample at or below the position in its fractional
    // degrees (row floor(n frac|lat|), column floor(n frac|lon|), mirrored for south and
    // west, n = SamplesPerDegree()), read from the buffer whatever tile it holds.
    std::int32_t HeightAt(LatLon position) const;

  private:
    void Reshape(int side);
    int side_ = kTileSide;
    std::vector<std::int32_t> heights_;  // side_ x side_, row s = 0 is the south edge
};

}  // namespace pathprofile
