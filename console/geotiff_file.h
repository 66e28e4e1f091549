// A tool's result written as a single-band Float32 GeoTIFF on geographic WGS84 (EPSG:4326), for
// GIS programs: the values, where they lie (the geotransform) and which cells have none (the
// no-data value).
#pragma once

#include <functional>
#include <string>

namespace console {

// -32768, the SRTM void marker: GIS users know it as "no height", and no terrain height or
// elevation angle a tool writes comes near it.
inline constexpr float kGeoTiffNoData = -32768.0f;

// A grid of point samples on a latitude/longitude lattice, row 0 the northernmost. Each sample
// is the centre of its cell, as GDAL places SRTM samples, so the raster's outer edge lies half
// a spacing outside the outermost samples. The values are asked for row by row as they are
// written, so the largest plots (60 million samples) never need a copy of their own.
struct SampleRaster {
    int columns = 0;                // > 0
    int rows = 0;                   // > 0
    double westSampleLon_deg = 0;   // longitude of column 0
    double northSampleLat_deg = 0;  // latitude of row 0
    double spacing_deg = 0;         // between neighbouring samples, both ways, > 0
    // Fills values[0 ... columns - 1] with row `row` (0 ... rows - 1); kGeoTiffNoData where
    // a sample has none.
    std::function<void(int row, float* values)> fillRow;
};

// GDAL's six geotransform terms of the raster: west edge, cell width, 0, north edge, 0, minus
// the cell height.
struct GeoTransform {
    double terms[6] = {};
};
GeoTransform GeoTransformOf(const SampleRaster& raster);

// Writes `raster` to `file` through GDAL's GTiff driver, first under a temporary name beside it
// and then renamed over it, so a failed write never leaves a partial file and never destroys an
// older one. Returns the empty text on success, otherwise a sentence naming the file and why.
std::string WriteGeoTiff(const std::string& file, const SampleRaster& raster);

}  // namespace console
