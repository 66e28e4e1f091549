#include "terrain_gdal/zip_read_ahead.h"

#include <algorithm>
#include <utility>

#include "terrain_gdal/gdal_raster.h"

namespace terrain::gdal {

std::optional<ZippedTile> ReadStandardZippedTile(const std::string& zipPath) {
    const std::optional<std::string> inside = HgtInsideZip(zipPath);
    const std::optional<TileFormat> format = inside ? ZippedHgtFormat(*inside) : std::nullopt;
    if (!format) return std::nullopt;
    std::optional<std::vector<unsigned char>> bytes = ReadZippedHgt(*inside, *format);
    if (!bytes) return std::nullopt;
    return ZippedTile{*format, std::move(*bytes)};
}

void ZipReadAhead::Plan(std::vector<std::string> zipPaths) {
    const std::lock_guard<std::mutex> lock(mutex_);
    plan_ = std::move(zipPaths);
}

std::optional<ZippedTile> ZipReadAhead::Take(const std::string& zipPath) {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::optional<ZippedTile> tile;
    if (ahead_.valid() && aheadPath_ == zipPath) {
        tile = ahead_.get();
        aheadPath_.clear();
    } else {
        tile = ReadStandardZippedTile(zipPath);
    }
    const auto at = std::find(plan_.begin(), plan_.end(), zipPath);
    if (at != plan_.end() && std::next(at) != plan_.end()) {
        const std::string& next = *std::next(at);
        if (!(ahead_.valid() && aheadPath_ == next)) {
            aheadPath_ = next;
            ahead_ = std::async(std::launch::async, ReadStandardZippedTile, next);
        }
    }
    return tile;
}

}  // namespace terrain::gdal
