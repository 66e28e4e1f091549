// One raster named instead of a folder: a GeoTIFF, a VRT mosaic, an OS Terrain 50 ASCII grid (in
// British National Grid), or anything else GDAL reads with a georeference. Each tile the tools
// ask for is the raster's part of that tile on the tools' lattice, resampled (bilinear) when the
// raster is in another projection or spacing: 3 arc-seconds, or 1 arc-second when the raster is
// finer than 3 arc-seconds.
#pragma once

#include <optional>
#include <string>

#include "terrain/tile_source.h"
#include "terrain_gdal/gdal_raster.h"
#include "terrain_gdal/lattice_cache.h"

namespace terrain::gdal {

class RasterSource final : public TileSource {
  public:
    // The raster at `path` (already opened as `raster`).
    RasterSource(std::string path, Raster raster);

    // "<raster> (N54W004.hgt)": the raster's name with the tile's.
    std::string NameOf(TileCorner corner) const override;
    // `name` when the raster reaches into the tile; nullopt when it lies wholly outside.
    std::optional<std::string> Find(const std::string& name) const override;
    std::optional<TileShape> ShapeOf(const std::string& found) const override;
    TileRead Read(const std::string& found, const TileDecoding& decoding, TileDetail detail,
                  TileBuffer& tile, Diagnostics& reports) const override;
    std::optional<std::int32_t> ReadSample(const std::string& found, TileFormat format, int column,
                                           int row) const override;

  private:
    // The tile a name of NameOf's stands for.
    std::optional<TileCorner> CornerOf(const std::string& name) const;

    std::string path_;
    Raster raster_;
    std::optional<LatLonBox> extent_;
    mutable LatticeCache samples_;
};

}  // namespace terrain::gdal
