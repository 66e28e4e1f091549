// terrainplot's heights as a raster for --geotiff: the plot's samples, in metres, no data where
// the tiles had none.
#pragma once

#include "console/geotiff_file.h"
#include "terrain/area_grid.h"
#include "terrainmap/map_rectangle.h"

namespace terrainplot {

// Plot samples 0 ... nLon, 0 ... nLat of `area` (sample (x, y) at longitude west + x / spacing,
// latitude south + y / spacing), read from `grid` at offset (x0, y0): the heights the map is
// coloured by, console::kGeoTiffNoData where the grid's no-data mask is set. The raster reads
// `grid` as it is written: the grid must outlive it.
console::SampleRaster HeightRaster(const terrain::AreaGrid& grid, int x0, int y0,
                                   const terrainmap::MapRectangle& area);

}  // namespace terrainplot
