// What every GeoTIFF visplot writes must be, read back through GDAL: one value for each plot
// sample of the area, on its 3 arc-second grid in WGS84, with the no-data value.
#pragma once

#include <gtest/gtest.h>

#include "console/console_constants.h"
#include "mastview/radius_area.h"
#include "testing/gdal_raster.h"

namespace visplot::testing {

inline void ExpectAreaRaster(const gdalread::GdalRaster& raster, const mastview::RadiusArea& area) {
    ASSERT_TRUE(raster.opened);
    ASSERT_EQ(raster.columns, area.nLon + 1);
    ASSERT_EQ(raster.rows, area.nLat + 1);
    EXPECT_EQ(raster.epsg, "4326");
    ASSERT_TRUE(raster.noData.has_value());
    EXPECT_EQ(*raster.noData, -32768.0);
    const double step = 1.0 / console::kSamplesPerDegree;
    EXPECT_NEAR(raster.transform[0], area.LonOf(0) - step / 2, 1e-9);
    EXPECT_NEAR(raster.transform[3], area.LatOf(area.nLat) + step / 2, 1e-9);
    EXPECT_NEAR(raster.transform[5], -step, 1e-12);
}

}  // namespace visplot::testing
