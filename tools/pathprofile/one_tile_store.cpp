#include "one_tile_store.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace pathprofile {
namespace {

// Index 0..perDegree of the sample at or below the fractional degrees of `degrees`.
int LowerSampleIndex(double degrees, int perDegree) {
    const double magnitude = std::fabs(degrees);
    const double fraction = magnitude - std::floor(magnitude);
    const int index = static_cast<int>(std::floor(perDegree * fraction));
    return std::clamp(index, 0, perDegree);
}

}  // namespace

OneTileStore::OneTileStore() : heights_(static_cast<std::size_t>(kTileSide) * kTileSide, 0) {}

void OneTileStore::Clear() {
    Reshape(kTileSide);
    std::fill(heights_.begin(), heights_.end(), 0);
}

void OneTileStore::Reshape(int side) {
    if (side == side_) return;
    side_ = side;
    heights_.assign(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 0);
}

TileLoadResult OneTileStore::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        Clear();
        return {TileLoad::kMissing, console::kThreeArcSecondTile};
    }
    std::error_code ec;
    const std::uintmax_t fileBytes = std::filesystem::file_size(path, ec);
    const console::TileFormat format =
        ec ? console::kThreeArcSecondTile : console::TileFormatOfSize(fileBytes);
    const std::size_t tileBytes = static_cast<std::size_t>(format.fileBytes);
    std::vector<unsigned char> bytes(tileBytes);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(tileBytes));
    if (static_cast<std::size_t>(file.gcount()) != tileBytes) {
        Clear();
        return {TileLoad::kUnreadable, format};
    }
    const int side = format.Side();
    Reshape(side);
    // File row r counts from the northern edge; the buffer's row s from the southern edge.
    for (int r = 0; r < side; ++r) {
        const unsigned char* row_bytes = bytes.data() + static_cast<std::size_t>(r) * 2 * side;
        std::int32_t* row_out = heights_.data() + static_cast<std::size_t>(side - 1 - r) * side;
        for (int c = 0; c < side; ++c) {
            std::int32_t v = 256 * row_bytes[2 * c] + row_bytes[2 * c + 1];
            if (v >= 32768) v -= 65536;
            if (v < kVoidBelow_m) v = 0;
            row_out[c] = v;
        }
    }
    return {TileLoad::kLoaded, format};
}

std::int32_t OneTileStore::HeightAt(LatLon position) const {
    const int perDegree = SamplesPerDegree();
    int row = LowerSampleIndex(position.lat_deg, perDegree);
    int column = LowerSampleIndex(position.lon_deg, perDegree);
    if (position.lat_deg < 0.0) row = perDegree - row;
    if (position.lon_deg < 0.0) column = perDegree - column;
    return Sample(column, row);
}

}  // namespace pathprofile
