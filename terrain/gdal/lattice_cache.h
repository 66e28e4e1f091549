// The last lattice read, kept for single samples: a point height read through GDAL decodes its
// whole tile (a zip entry cannot be read from the middle), so the next point of the same tile
// costs nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "terrain_gdal/gdal_raster.h"

namespace terrain::gdal {

class LatticeCache {
  public:
    // The sample at `column` from the west and `row` from the north of the lattice `key` in
    // `format`, read by `read` unless it is the one kept; nullopt when the read fails or the
    // sample lies outside.
    std::optional<std::int32_t> Sample(const std::string& key, TileFormat format, int column,
                                       int row,
                                       const std::function<std::optional<Lattice>()>& read) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (!lattice_ || key != key_ || lattice_->format != format) {
            lattice_ = read();
            key_ = key;
        }
        if (!lattice_ || column < 0 || row < 0 || column >= format.Side() || row >= format.Side())
            return std::nullopt;
        return lattice_->At(column, row);
    }

  private:
    std::mutex mutex_;
    std::string key_;
    std::optional<Lattice> lattice_;
};

}  // namespace terrain::gdal
