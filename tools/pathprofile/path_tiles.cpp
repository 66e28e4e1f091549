#include "path_tiles.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "console/file_names.h"
#include "terrain/tile_name.h"

namespace pathprofile {

void PathTileMessages::TileNotFound(const std::string&) {
    Out().PrintLine("No HDB");
}

void PathTileMessages::TileUnreadable(const std::string& name) {
    Out().PrintLine("Height file " + name + " is short or unreadable: taken as sea level");
}

PathTiles::PathTiles(std::string height_path, console::Console& console)
    : source_(std::move(height_path),
              [](const std::string& path) { return console::FindFileIgnoringCase(path); }),
      reports_(console),
      store_(source_) {}

std::int32_t PathTiles::HeightAt(LatLon position) {
    const std::string tile = terrain::TileName(position.lat_deg, position.lon_deg);
    std::string name = source_.Folder() + tile;
    if (name != last_name_) {
        ++tile_loads_;
        if (std::find(tiles_sought_.begin(), tiles_sought_.end(), tile) == tiles_sought_.end())
            tiles_sought_.push_back(tile);
        if (const std::optional<std::string> found = source_.Find(name)) {
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
