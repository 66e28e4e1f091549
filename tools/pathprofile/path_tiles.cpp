#include "path_tiles.h"

#include <filesystem>
#include <optional>
#include <utility>

#include "console/file_names.h"
#include "console/hgt_tile_store.h"

namespace pathprofile {

PathTiles::PathTiles(std::string height_path, console::Console& console)
    : height_path_(std::move(height_path)), console_(console) {}

std::int32_t PathTiles::HeightAt(LatLon position) {
    std::string name =
        height_path_ + console::HgtTileStore::TileName(position.lat_deg, position.lon_deg);
    if (name != last_name_) {
        ++tile_loads_;
        const std::optional<std::string> file = console::FindFileIgnoringCase(name);
        if (!file) {
            console_.PrintLine("No HDB");
            console_.PrintLine("No Height file for this location");
            store_.Clear();
        } else if (const TileLoadResult read = store_.Load(*file); read.load != TileLoad::kLoaded) {
            console_.PrintLine("Height file " + *file +
                               " is short or unreadable: taken as sea level");
        } else if (read.format == console::kOneArcSecondTile) {
            console_.PrintLine(console::kOneArcSecondNote +
                               std::filesystem::path(*file).filename().string());
        }
        last_name_ = std::move(name);
    }
    return store_.HeightAt(position);
}

}  // namespace pathprofile
