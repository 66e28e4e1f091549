#include "one_tile_store.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace pathprofile {
namespace {

// Index 0..1200 of the sample at or below the fractional degrees of `degrees`.
int LowerSampleIndex(double degrees) {
    const double magnitude = std::fabs(degrees);
    const double fraction = magnitude - std::floor(magnitude);
    const int index = static_cast<int>(std::floor(kSamplesPerDegree * fraction));
    return std::clamp(index, 0, kSamplesPerDegree);
}

}  // namespace

OneTileStore::OneTileStore() : heights_(static_cast<std::size_t>(kTileSide) * kTileSide, 0) {}

void OneTileStore::Clear() {
    std::fill(heights_.begin(), heights_.end(), 0);
}

TileLoad OneTileStore::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        Clear();
        return TileLoad::kMissing;
    }
    std::vector<unsigned char> bytes(kTileBytes);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(kTileBytes));
    if (static_cast<std::size_t>(file.gcount()) != kTileBytes) {
        Clear();
        return TileLoad::kUnreadable;
    }
    // File row r counts from the northern edge; the buffer's row s from the southern edge.
    for (int r = 0; r < kTileSide; ++r) {
        const unsigned char* row_bytes = bytes.data() + static_cast<std::size_t>(r) * 2 * kTileSide;
        std::int32_t* row_out =
            heights_.data() + static_cast<std::size_t>(kSamplesPerDegree - r) * kTileSide;
        for (int c = 0; c < kTileSide; ++c) {
            std::int32_t v = 256 * row_bytes[2 * c] + row_bytes[2 * c + 1];
            if (v >= 32768) v -= 65536;
            if (v < kVoidBelow_m) v = 0;
            row_out[c] = v;
        }
    }
    return TileLoad::kLoaded;
}

std::int32_t OneTileStore::HeightAt(LatLon position) const {
    int row = LowerSampleIndex(position.lat_deg);
    int column = LowerSampleIndex(position.lon_deg);
    if (position.lat_deg < 0.0) row = kSamplesPerDegree - row;
    if (position.lon_deg < 0.0) column = kSamplesPerDegree - column;
    return Sample(column, row);
}

}  // namespace pathprofile
