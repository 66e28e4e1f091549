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
    const int nLat = area.nLat, nLon = area.nLon;
    raster.fillRow = [&grid, x0, y0, nLat, nLon](int row, float* values) {
        const int y = nLat - row + y0;  // the raster's rows run from the north
        for (int x = 0; x <= nLon; ++x) {
            values[x] = grid.NoData().At(x + x0, y) ? console::kGeoTiffNoData
                                                    : static_cast<float>(grid.At(x + x0, y));
        }
    };
    return raster;
}

}  // namespace terrainplot
