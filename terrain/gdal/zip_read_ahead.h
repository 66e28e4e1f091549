// Zipped tiles inflated one ahead of their use: while a tool decodes one tile of its area, the
// next zipped tile is inflated on the other core, so a folder of .hgt.zip tiles reads nearly as
// fast as the .hgt files.
#pragma once

#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "terrain/tile_format.h"

namespace terrain::gdal {

// A zipped tile of a standard size: its format and its .hgt bytes, inflated in memory.
struct ZippedTile {
    TileFormat format;
    std::vector<unsigned char> bytes;
};

// The tile in the zip `zipPath` when it holds a whole 3 or 1 arc-second tile; nullopt otherwise
// (then GDAL's own raster reader is asked, and refuses what is not a tile).
std::optional<ZippedTile> ReadStandardZippedTile(const std::string& zipPath);

class ZipReadAhead {
  public:
    ZipReadAhead() = default;
    ZipReadAhead(const ZipReadAhead&) = delete;
    ZipReadAhead& operator=(const ZipReadAhead&) = delete;

    // The zips the next Takes will ask for, in that order (replaces any earlier plan).
    void Plan(std::vector<std::string> zipPaths);
    // The tile in `zipPath`: the one inflated ahead when it was, else read now. Then starts on the
    // zip planned after it. The bytes are the same either way.
    std::optional<ZippedTile> Take(const std::string& zipPath);

  private:
    std::mutex mutex_;
    std::vector<std::string> plan_;
    std::string aheadPath_;
    std::future<std::optional<ZippedTile>> ahead_;
};

}  // namespace terrain::gdal
