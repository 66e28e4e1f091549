#include "path_tiles.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "console/hgt_tile_store.h"
#include "terrain/tile_name.h"
#include "terrain_gdal/height_source.h"

namespace pathprofile {

namespace {

constexpr std::string_view kNoTile = "(no tile)";

}  // namespace

void PathTileMessages::TileNotFound(const std::string&) {
    Out().PrintLine("No HDB");
}

void PathTileMessages::TileUnreadable(const std::string& name) {
    Out().PrintLine("Height file " + name + " is short or unreadable: taken as sea level");
}

PathTiles::PathTiles(std::string height_path, console::Console& console)
    : folder_(height_path),
      source_(terrain::gdal::MakeHeightSource(height_path, console::FindTileFile)),
      reports_(console),
      store_(*source_) {}

std::int32_t PathTiles::HeightAt(LatLon position) {
    const std::optional<terrain::TileCorner> corner =
        terrain::TileCornerOf(position.lat_deg, position.lon_deg);
    // A position off the globe has no tile: a name no source finds, unlike any tile's.
    std::string name = corner ? source_->NameOf(*corner) : std::string(kNoTile);
    if (name != last_name_) {
        ++tile_loads_;
        const std::string tile = terrain::TileName(position.lat_deg, position.lon_deg);
        if (!tile.empty() &&
            std::find(tiles_sought_.begin(), tiles_sought_.end(), tile) == tiles_sought_.end())
            tiles_sought_.push_back(tile);
        if (const std::optional<std::string> found = source_->Find(name)) {
            if (store_.Load(*found, reports_).Read()) ++tiles_read_;
        } else {
            reports_.TileNotFound(name);
            reports_.NoHeightFile();
            store_.Clear();
        }
        last_name_ = std::move(name);
    }
    return store_.HeightAt(position);
}

}  // namespace pathprofile
