// The two SRTM tile formats, told apart by file size. Both hold (n + 1) x (n + 1) signed 16-bit
// big-endian samples, rows from the northern edge, each row from the west, no header; n samples
// per degree, the outer rows and columns on the whole-degree lines shared with the neighbours.
#pragma once

#include <cstdint>
#include <optional>

namespace console {

struct TileFormat {
    int samplesPerDegree;    // n
    std::int64_t fileBytes;  // 2 (n + 1)^2
    int Side() const { return samplesPerDegree + 1; }
    std::int64_t RowBytes() const { return 2 * static_cast<std::int64_t>(Side()); }
    bool operator==(const TileFormat&) const = default;
};

// SRTM3: 3 arc-second spacing, 1201 x 1201 samples.
inline constexpr TileFormat kThreeArcSecondTile{1200, 2884802};
// SRTM1 (the usual download today): 1 arc-second spacing, 3601 x 3601 samples.
inline constexpr TileFormat kOneArcSecondTile{3600, 25934402};

// The format of a tile file of `fileBytes` bytes: 1 arc-second from 25,934,402 bytes up (only
// the first 25,934,402 are read), 3 arc-second otherwise (reading it needs at least 2,884,802
// bytes, as always; only those are read).
inline TileFormat TileFormatOfSize(std::uintmax_t fileBytes) {
    return fileBytes >= static_cast<std::uintmax_t>(kOneArcSecondTile.fileBytes)
               ? kOneArcSecondTile
               : kThreeArcSecondTile;
}

// The line printed when a 1 arc-second tile is read: "1 arc-second tile N54W004.hgt".
inline constexpr char kOneArcSecondNote[] = "1 arc-second tile ";

}  // namespace console
