#include "level_raster.h"

#include "area_raster.h"
#include "console/console_constants.h"

namespace visplot {

console::SampleRaster LevelRaster(const mastview::RadiusArea& area,
                                  const mastview::LevelGrid& levels,
                                  const terrain::NoDataMask& noData) {
    console::SampleRaster raster = AreaRaster(area);
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
