#include "path_tiles.h"

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
    std::string name = source_.Folder() + terrain::TileName(position.lat_deg, position.lon_deg);
    if (name != last_name_) {
        ++tile_loads_;
        if (const std::optional<std::string> found = source_.Find(name)) {
            store_.Load(*found, reports_);
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
