// The console tools' tile store: the height library's store over the heights path of the
// configuration (a folder of tiles in any of their forms, or one raster: terrain/gdal), names
// found whatever their case, its reports printed on the console (terrain_messages.h).
#pragma once

#include <optional>
#include <string>

#include "console/console.h"
#include "terrain/area_grid.h"
#include "terrain/tile_decoding.h"
#include "terrain/tile_store.h"

namespace console {

// The tile or raster file a typed name stands for, whatever the case of its name; only a regular
// file, so that a FIFO in the heights folder is never opened (it would block the run).
std::optional<std::string> FindTileFile(const std::string& path);

class HgtTileStore : public terrain::TileStore {
  public:
    // `heightPath` is joined to tile names as given (a path without a final separator is joined
    // without one) unless it names a raster file. The area grid has `capacity`; tiles are decoded
    // by `decoding` (both from the tool's profile).
    HgtTileStore(std::string heightPath, Console& console,
                 terrain::AreaCapacity capacity = terrain::kDefaultAreaCapacity,
                 terrain::TileDecoding decoding = terrain::kVoidsToSeaLevel);
};

}  // namespace console
