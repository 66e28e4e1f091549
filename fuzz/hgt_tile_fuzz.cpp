// Height tiles of any length and positions of any value: the tile store's names, whole-tile and
// single-sample reads and area loads.
//
// Input: two doubles (latitude, longitude), a mode byte, then the tile's bytes. Mode bits 0 and
// 4 together repeat the bytes to a full tile (a full tile is slow to write and read, so only
// one input in four has one); bit 1 moves the position into the tile's square, where the reads
// find the file; bit 2 loads the area round the position too.
//
// Invariants: a tile shorter than a full one is refused and leaves an all-zero buffer; decoded
// heights are voids made sea level or 16-bit samples; a single sample read inside the tile's
// square is the file's sample nearest to the position (rows from the north, columns from the
// west, big-endian, the void read as 0); no tile name or printed line shows an infinity, NaN or
// control byte.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "console/console.h"
#include "console/hgt_tile_store.h"
#include "fuzz_support.h"
#include "terrain/tile_format.h"
#include "terrain/tile_name.h"

namespace {

constexpr char kTileName[] = "N54W004.hgt";
constexpr double kTileSouth_deg = 54.0, kTileWest_deg = -4.0;
using terrain::kSamplesPerDegree;
constexpr int kTileSide = terrain::kThreeArcSecondTile.Side();
constexpr std::int64_t kTileBytes = terrain::kThreeArcSecondTile.fileBytes;
constexpr terrain::AreaCapacity kSmallArea{2 * kSamplesPerDegree + 1, 2 * kSamplesPerDegree + 1};

// Whether x lies so near a half that rounding it is a matter of the last bit.
bool NearHalf(double x) {
    return std::fabs(x - std::floor(x) - 0.5) < 1e-6;
}

// The sample of the tile file nearest to (lat, lon), worked out from the file layout alone.
std::int32_t NearestSample(const std::string& tile, double lat, double lon) {
    const long row = kSamplesPerDegree - std::lround((lat - kTileSouth_deg) * kSamplesPerDegree);
    const long col = std::lround((lon - kTileWest_deg) * kSamplesPerDegree);
    const std::size_t at = 2 * static_cast<std::size_t>(row * kTileSide + col);
    const auto high = static_cast<unsigned char>(tile[at]);
    const auto low = static_cast<unsigned char>(tile[at + 1]);
    const auto sample = static_cast<std::int16_t>(static_cast<std::uint16_t>(high << 8 | low));
    return sample == terrain::kVoidSample ? 0 : sample;
}

void CheckPrinted(const std::string& printed) {
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) FUZZ_CHECK(fuzz::ShowableText(line));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHead = 2 * sizeof(double) + 1;
    if (size < kHead) return 0;
    double lat, lon;
    std::memcpy(&lat, data, sizeof lat);
    std::memcpy(&lon, data + sizeof lat, sizeof lon);
    const std::uint8_t mode = data[2 * sizeof(double)];
    std::string tile(fuzz::Text(data + kHead, size - kHead));
    constexpr std::uint8_t kFullTile = 0x11, kIntoTheTile = 0x02, kLoadArea = 0x04;
    if ((mode & kFullTile) == kFullTile && !tile.empty()) {
        while (static_cast<std::int64_t>(tile.size()) < kTileBytes) tile += tile;
        tile.resize(static_cast<std::size_t>(kTileBytes));
    }
    if (mode & kIntoTheTile) {
        lat = kTileSouth_deg + std::fabs(std::fmod(lat, 1.0));
        lon = kTileWest_deg + std::fabs(std::fmod(lon, 1.0));
        if (!std::isfinite(lat) || !std::isfinite(lon)) lat = kTileSouth_deg, lon = kTileWest_deg;
    }
    const std::string path = fuzz::WriteScratchFile(kTileName, tile);

    std::istringstream in;
    std::ostringstream out;
    console::Console console(in, out, false);
    console::HgtTileStore store((fuzz::ScratchDir() / "").string(), console, kSmallArea);

    FUZZ_CHECK(fuzz::ShowableText(terrain::TileName(lat, lon)));

    const bool loaded = store.LoadTile(path);
    const bool full = static_cast<std::int64_t>(tile.size()) >= kTileBytes;
    FUZZ_CHECK(loaded == full);
    for (int s = 0; s < kTileSide; s += full ? 7 : 97)
        for (int c = 0; c < kTileSide; c += full ? 7 : 97) {
            const std::int32_t h = store.Tile().At(c, s);
            if (!full) FUZZ_CHECK(h == 0);
            FUZZ_CHECK(h >= terrain::kVoidThreshold_m && h <= 32767);
        }

    const std::optional<std::int32_t> point = store.PointHeight(lat, lon);
    if (point) {
        FUZZ_CHECK(full);
        FUZZ_CHECK(*point >= -32767 && *point <= 32767);
        const double rows = (lat - kTileSouth_deg) * kSamplesPerDegree;
        const double cols = (lon - kTileWest_deg) * kSamplesPerDegree;
        if ((mode & kIntoTheTile) && !NearHalf(rows) && !NearHalf(cols))
            FUZZ_CHECK(*point == NearestSample(tile, lat, lon));
    }

    if (mode & kLoadArea) {
        const terrain::AreaLoadResult area =
            store.LoadArea(lon - 0.05, lat - 0.05, lon + 0.05, lat + 0.05);
        if (!std::isfinite(lat) || !std::isfinite(lon)) FUZZ_CHECK(area.Refused());
        if (!area.Refused() && area.maxHeight_m != terrain::kInitialMaximum_m)
            FUZZ_CHECK(std::isfinite(area.maxLatitude_deg) && std::isfinite(area.maxLongitude_deg));
    }
    CheckPrinted(out.str());
    return 0;
}
