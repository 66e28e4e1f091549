#include "console/hgt_tile_store.h"

#include <memory>
#include <optional>
#include <utility>

#include "console/file_names.h"
#include "console/terrain_messages.h"
#include "terrain/hgt_folder.h"

namespace console {

namespace {

// The tile file a typed name stands for, whatever the case of its name; only a regular file.
std::optional<std::string> FindTileFile(const std::string& path) {
    std::optional<std::string> found = FindFileIgnoringCase(path);
    if (!found || !FileExistsIgnoringCase(path)) return std::nullopt;
    return found;
}

}  // namespace

HgtTileStore::HgtTileStore(std::string heightPath, Console& console, terrain::AreaCapacity capacity,
                           terrain::TileDecoding decoding)
    : terrain::TileStore(std::make_unique<terrain::HgtFolder>(std::move(heightPath), FindTileFile),
                         std::make_unique<TerrainMessages>(console), capacity, decoding) {}

}  // namespace console
