// The console tools' tile store: the height library's store over a folder of .hgt tiles, their
// names found whatever their case, its reports printed on the console (terrain_messages.h).
#pragma once

#include <string>

#include "console/console.h"
#include "terrain/area_grid.h"
#include "terrain/tile_decoding.h"
#include "terrain/tile_store.h"

namespace console {

class HgtTileStore : public terrain::TileStore {
  public:
    // `heightPath` is joined to tile names as given (a path without a final separator is joined
    // without one). The area grid has `capacity`; tiles are decoded by `decoding` (both from the
    // tool's profile).
    HgtTileStore(std::string heightPath, Console& console,
                 terrain::AreaCapacity capacity = terrain::kDefaultAreaCapacity,
                 terrain::TileDecoding decoding = terrain::kVoidsToSeaLevel);
};

}  // namespace console
