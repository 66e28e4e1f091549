// The coverage map as a raster for --geotiff: the received level in dBm at each plot sample, and
// no data where none was computed.
#pragma once

#include "console/geotiff_file.h"
#include "mastview/coverage.h"
#include "mastview/radius_area.h"
#include "terrain/no_data_mask.h"

namespace visplot {

// Plot samples 0 ... nLon, 0 ... nLat of `area` (sample (x, y) at LonOf(x), LatOf(y)), row 0 the
// northernmost: the level held at (x, y) in dBm, as the map colours it, and
// console::kGeoTiffNoData outside the radius (where there is no level) and where the ground has
// no height data (a level over ground read as sea level would be a guess). The raster reads
// `levels` and `noData` as it is written: they must outlive it.
console::SampleRaster LevelRaster(const mastview::RadiusArea& area,
                                  const mastview::LevelGrid& levels,
                                  const terrain::NoDataMask& noData);

}  // namespace visplot
