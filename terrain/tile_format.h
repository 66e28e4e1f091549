// The SRTM tile formats. A tile file holds (n + 1) x (n + 1) signed 16-bit big-endian samples, no
// header, rows from the northern edge, each row from west to east; n samples per degree. The
// outer rows and columns lie on the whole-degree lines and are shared with the neighbours. The
// two formats are told apart by the file's size alone.
#pragma once

#include <cstdint>

namespace terrain {

struct TileFormat {
    int samplesPerDegree;    // n
    std::int64_t fileBytes;  // 2 (n + 1)^2
    constexpr int Side() const { return samplesPerDegree + 1; }
    constexpr std::int64_t RowBytes() const { return 2 * static_cast<std::int64_t>(Side()); }
    bool operator==(const TileFormat&) const = default;
};

// Bytes of a file of (n + 1)^2 two-byte samples.
constexpr std::int64_t TileFileBytes(int samplesPerDegree) {
    return 2 * static_cast<std::int64_t>(samplesPerDegree + 1) * (samplesPerDegree + 1);
}

// SRTM3: 3 arc-second spacing, 1201 x 1201 samples, 2,884,802 bytes.
inline constexpr TileFormat kThreeArcSecondTile{1200, TileFileBytes(1200)};
// SRTM1 (the usual download today): 1 arc-second spacing, 3601 x 3601 samples, 25,934,402 bytes.
inline constexpr TileFormat kOneArcSecondTile{3600, TileFileBytes(3600)};

// The spacing of the tools' area grids and the one every tile can be taken at: 3 arc-seconds.
inline constexpr int kSamplesPerDegree = kThreeArcSecondTile.samplesPerDegree;

// SRTM's marker of a sample without data.
inline constexpr std::int32_t kVoidSample = -32768;

// The format of a tile file of `fileBytes` bytes: 1 arc-second from 25,934,402 bytes up (only
// the first 25,934,402 are read), 3 arc-second otherwise (reading it needs at least 2,884,802
// bytes; only those are read).
constexpr TileFormat TileFormatOfSize(std::uintmax_t fileBytes) {
    return fileBytes >= static_cast<std::uintmax_t>(kOneArcSecondTile.fileBytes)
               ? kOneArcSecondTile
               : kThreeArcSecondTile;
}

}  // namespace terrain
