#include "console/hgt_tile_store.h"

#include <memory>
#include <optional>
#include <utility>

#include "console/file_names.h"
#include "console/terrain_messages.h"
#include "terrain_gdal/height_source.h"

namespace console {

std::optional<std::string> FindTileFile(const std::string& path) {
    std::optional<std::string> found = FindFileIgnoringCase(path);
    if (!found || !FileExistsIgnoringCase(path)) return std::nullopt;
    return found;
}

HgtTileStore::HgtTileStore(std::string heightPath, Console& console, terrain::AreaCapacity capacity,
                           terrain::TileDecoding decoding)
    : terrain::TileStore(terrain::gdal::MakeHeightSource(heightPath, FindTileFile),
                         std::make_unique<TerrainMessages>(console), capacity, decoding) {}

}  // namespace console
