#include "angle_raster.h"

#include <cmath>

#include "area_raster.h"
#include "console/console_constants.h"
#include "mastview/area_loader.h"

namespace visplot {

console::SampleRaster AngleRaster(const mastview::RadiusArea& area,
                                  const mastview::SweepSetup& setup,
                                  const mastview::PlotHeights& heights,
                                  const terrain::NoDataMask& noData,
                                  const std::function<bool(int x, int y)>& seen) {
    console::SampleRaster raster = AreaRaster(area);
    raster.fillRow = [area, setup, &heights, &noData, seen](int row, float* values) {
        const int y = area.nLat - row;  // the raster's rows run from the north
        for (int x = 0; x <= area.nLon; ++x) {
            float value = console::kGeoTiffNoData;
            if (mastview::InsideRadius(area, x, y) && !noData.At(x, y) && seen(x, y)) {
                const double e = mastview::ElevationAngle_rad(setup, x, y, heights.At(x, y)) *
                                 console::kDegPerRad;
                if (std::isfinite(e)) value = static_cast<float>(e);
            }
            values[x] = value;
        }
    };
    return raster;
}

}  // namespace visplot
