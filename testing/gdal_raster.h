// A GeoTIFF the tools wrote, read back through GDAL as a GIS program reads it: its size,
// geotransform, coordinate system, no-data value and band 1.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace gdalread {

struct GdalRaster {
    bool opened = false;
    int columns = 0;
    int rows = 0;
    double transform[6] = {};
    std::string epsg;  // the authority code of the coordinate system ("4326"), "" when none
    std::optional<double> noData;
    std::vector<float> values;  // band 1, row 0 the top
    float At(int column, int row) const {
        return values[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                      static_cast<std::size_t>(column)];
    }
};

GdalRaster ReadGdalRaster(const std::string& file);

}  // namespace gdalread
