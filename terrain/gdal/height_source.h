// The one place a typed heights path becomes a tile source: a raster file when it names one
// (a final separator, which the dialogue adds to every answer, does not matter), otherwise a
// folder of tiles in any of their forms.
#pragma once

#include <memory>
#include <string>

#include "terrain/hgt_folder.h"
#include "terrain/tile_source.h"

namespace terrain::gdal {

// `heightPath` as the configuration holds it; `find` looks typed file names up (the tile forms
// of a folder, the raster itself). A path that names a regular file GDAL reads as a raster gives
// a RasterSource; any other a HeightFolder joined to tile names as given.
std::unique_ptr<TileSource> MakeHeightSource(const std::string& heightPath,
                                             const FileFinder& find = FindExactFile);

}  // namespace terrain::gdal
