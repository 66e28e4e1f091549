// visplot's result as a raster for --geotiff: the elevation angle, in degrees, at which the mast
// top sees each plot sample, and no data where it sees none.
#pragma once

#include <functional>

#include "console/geotiff_file.h"
#include "mastview/plot_heights.h"
#include "mastview/radius_area.h"
#include "mastview/sweep.h"
#include "terrain/no_data_mask.h"

namespace visplot {

// Plot samples 0 ... nLon, 0 ... nLat of `area` (sample (x, y) at LonOf(x), LatOf(y)), row 0 the
// northernmost: mastview::ElevationAngle_rad in degrees where seen(x, y), console::kGeoTiffNoData
// where the ground is hidden, lies outside the radius, or has no height data (`noData`). The
// raster reads `heights` and `noData` as it is written: they must outlive it.
console::SampleRaster AngleRaster(const mastview::RadiusArea& area,
                                  const mastview::SweepSetup& setup,
                                  const mastview::PlotHeights& heights,
                                  const terrain::NoDataMask& noData,
                                  const std::function<bool(int x, int y)>& seen);

}  // namespace visplot
