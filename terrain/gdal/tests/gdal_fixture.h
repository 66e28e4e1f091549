// Height data in GDAL's forms made in the tests: a .hgt zipped in place, a GeoTIFF copied from a
// .hgt as gdal_translate copies it, a VRT over a raster, rasters written sample by sample.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "terrain/tile_name.h"

namespace terrain::gdal::testing {

// Writes `bytes` as the entry `entry` of a new zip file `zip`, through GDAL's /vsizip/.
void WriteZip(const std::filesystem::path& zip, const std::string& entry, const std::string& bytes);

// gdal_translate's copy of a raster into GeoTIFF `to` (GDALCreateCopy with the GTiff driver).
void TranslateToGeoTiff(const std::string& from, const std::filesystem::path& to);

// A VRT `to` that stands for the raster `from`.
void WriteVrt(const std::string& from, const std::filesystem::path& to);

// Height of the pixel at `column` from the west and `row` from the north.
using PixelHeight = std::function<double(int column, int row)>;

// A Float32 raster of `driver` ("GTiff", "AAIGrid" through a copy) `columns` x `rows` with the
// geotransform `geo` (GDAL's six numbers), the coordinate system `epsg` (0: none written) and
// the no-data value `noData` (written when not NaN).
void WriteRaster(const std::filesystem::path& path, const std::string& driver, int columns,
                 int rows, const double (&geo)[6], int epsg, double noData,
                 const PixelHeight& height);

}  // namespace terrain::gdal::testing
