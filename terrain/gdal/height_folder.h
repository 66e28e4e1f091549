// A folder of height tiles in any mix of the forms they are distributed in: .hgt files,
// .hgt.zip files (read in place) and Copernicus GLO-30 GeoTIFFs. A tile found in several forms is
// read from the first of kTileFormOrder.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "terrain/hgt_folder.h"
#include "terrain/tile_source.h"
#include "terrain_gdal/lattice_cache.h"
#include "terrain_gdal/zip_read_ahead.h"

namespace terrain::gdal {

enum class TileForm {
    kHgt,                // N54W004.hgt, read by the .hgt reader
    kHgtZip,             // N54W004.hgt.zip, the .hgt inside read through GDAL
    kCopernicusGeoTiff,  // Copernicus_DSM_COG_10_N54_00_W004_00_DEM.tif, through GDAL
};

// The order the forms of one tile are tried in: the fastest to read first.
inline constexpr std::array<TileForm, 3> kTileFormOrder = {TileForm::kHgt, TileForm::kHgtZip,
                                                           TileForm::kCopernicusGeoTiff};

// Where a tile was found.
struct TileLocation {
    TileForm form;
    std::string path;
    TileCorner corner;
};

class HeightFolder final : public TileSource {
  public:
    // `folder` is joined to tile names as given (a path without a final separator is joined
    // without one); `find` looks each form's file name up.
    explicit HeightFolder(std::string folder, FileFinder find = FindExactFile);

    // "N54W004.hgt" in the folder, whatever form the tile has: the tools name tiles alike.
    std::string NameOf(TileCorner corner) const override;
    // The .hgt file itself when there is one; otherwise `name` stands for the tile's other form.
    std::optional<std::string> Find(const std::string& name) const override;
    std::optional<TileShape> ShapeOf(const std::string& found) const override;
    TileRead Read(const std::string& found, const TileDecoding& decoding, TileDetail detail,
                  TileBuffer& tile, Diagnostics& reports) const override;
    std::optional<std::int32_t> ReadSample(const std::string& found, TileFormat format, int column,
                                           int row) const override;
    // Zipped tiles among `found` are inflated one ahead of their Read.
    void PlanReads(const std::vector<std::string>& found) const override;

    // The file the tile `name` (as NameOf gives it) is read from; nullopt when it has none.
    std::optional<TileLocation> Locate(const std::string& name) const;

  private:
    // The GDAL raster of a tile found in another form than .hgt.
    std::optional<Raster> OpenRaster(const TileLocation& location) const;

    std::string folder_;
    FileFinder find_;
    mutable LatticeCache samples_;
    mutable ZipReadAhead readAhead_;
};

}  // namespace terrain::gdal
