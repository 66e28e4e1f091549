#include "level_raster.h"

#include "console/console_constants.h"

namespace visplot {

console::SampleRaster LevelRaster(const mastview::RadiusArea& area,
                                  const mastview::LevelGrid& levels,
                                  const terrain::NoDataMask& noData) {
    console::SampleRaster raster;
    raster.columns = area.nLon + 1;
    raster.rows = area.nLat + 1;
    raster.spacing_deg = 1.0 / console::kSamplesPerDegree;
    raster.westSampleLon_deg = area.LonOf(0);
    raster.northSampleLat_deg = area.LatOf(area.nLat);
    raster.fillRow = [&levels, &noData, nLat = area.nLat, nLon = area.nLon](int row,
                                                                            float* values) {
        const int y = nLat - row;  // the raster's rows run from the north
        for (int x = 0; x <= nLon; ++x) {
            const std::int16_t raw = levels.Raw(x, y);
            values[x] = raw == mastview::LevelGrid::kNoLevel || noData.At(x, y)
                            ? console::kGeoTiffNoData
                            : static_cast<float>(mastview::LevelGrid::ToDbm(raw));
        }
    };
    return raster;
}

}  // namespace visplot
