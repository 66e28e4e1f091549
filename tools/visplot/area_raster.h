// The grid of a visplot map's samples as a GeoTIFF raster: what the angle and level rasters share.
#pragma once

#include "console/console_constants.h"
#include "console/geotiff_file.h"
#include "mastview/radius_area.h"

namespace visplot {

// Plot samples 0 ... nLon, 0 ... nLat of `area` at the 3 arc-second spacing, row 0 the
// northernmost; its fillRow is left for the caller to give.
inline console::SampleRaster AreaRaster(const mastview::RadiusArea& area) {
    console::SampleRaster raster;
    raster.columns = area.nLon + 1;
    raster.rows = area.nLat + 1;
    raster.spacing_deg = 1.0 / console::kSamplesPerDegree;
    raster.westSampleLon_deg = area.LonOf(0);
    raster.northSampleLat_deg = area.LatOf(area.nLat);
    return raster;
}

}  // namespace visplot
