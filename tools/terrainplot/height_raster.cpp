#include "height_raster.h"

namespace terrainplot {

console::SampleRaster HeightRaster(const terrain::AreaGrid& grid, int x0, int y0,
                                   const terrainmap::MapRectangle& area) {
    console::SampleRaster raster;
    raster.columns = area.nLon + 1;
    raster.rows = area.nLat + 1;
    raster.spacing_deg = 1.0 / area.samplesPerDegree;
    raster.westSampleLon_deg = area.west;
    raster.northSampleLat_deg = area.south + area.nLat * raster.spacing_deg;
    raster.values.reserve(static_cast<std::size_t>(raster.columns) *
                          static_cast<std::size_t>(raster.rows));
    for (int y = area.nLat; y >= 0; --y) {  // the raster's rows run from the north
        for (int x = 0; x <= area.nLon; ++x) {
            const bool noData = grid.NoData().At(x + x0, y + y0);
            raster.values.push_back(noData ? console::kGeoTiffNoData
                                           : static_cast<float>(grid.At(x + x0, y + y0)));
        }
    }
    return raster;
}

}  // namespace terrainplot
