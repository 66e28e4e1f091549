// The ground under a path: names the tile of each point, loads it into the one-tile cursor when
// the path crosses into it, and reads the height there. Tile messages go to the console.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/terrain_messages.h"
#include "one_tile_store.h"
#include "path_geometry.h"
#include "terrain/tile_source.h"

namespace pathprofile {

// The console's tile messages in pathprofile's own words: a missing tile is "No HDB" without
// its name, and a short tile is reported without a change of colour.
class PathTileMessages : public console::TerrainMessages {
  public:
    using console::TerrainMessages::TerrainMessages;
    void TileNotFound(const std::string& wantedName) override;
    void TileUnreadable(const std::string& name) override;
};

class PathTiles {
  public:
    // height_path: the folder of the tiles, joined to tile names as given, or a raster file
    // (console::HgtTileStore's sources).
    PathTiles(std::string height_path, console::Console& console);

    // Forgets the tile loaded last, so the next point loads its tile again (each profile
    // starts with a fresh read of the tile under its first sample).
    void StartProfile() { last_name_.clear(); }

    // Ground height in whole metres at `position`. When the position lies in another tile
    // than the last one, that tile is named and loaded first: a tile without a file prints
    // "No HDB" and "No Height file for this location" (once per tile, not per sample) and
    // reads 0 m; a short or unreadable file is reported with its name and reads 0 m.
    std::int32_t HeightAt(LatLon position);
    int operator()(LatLon position) { return HeightAt(position); }
    // Whether the height HeightAt gave for `position` (the last position asked) is a height:
    // false where no tile was read and at a void.
    bool HasDataAt(LatLon position) const { return store_.HasDataAt(position); }
    // Number of tiles read so far (a missing or unreadable file does not count).
    int TilesRead() const { return tiles_read_; }
    // The names of the tiles looked for so far ("N54W004.hgt"), each once, in the order met.
    const std::vector<std::string>& TilesSought() const { return tiles_sought_; }
    // The folder (or raster) the tiles are looked for in, as the configuration gives it.
    const std::string& Folder() const { return folder_; }

    // Number of tile reads so far (a read of a missing file counts too).
    int TileLoads() const { return tile_loads_; }

  private:
    std::string folder_;
    std::unique_ptr<terrain::TileSource> source_;
    PathTileMessages reports_;
    OneTileStore store_;
    std::string last_name_;
    int tile_loads_ = 0;
    int tiles_read_ = 0;
    std::vector<std::string> tiles_sought_;
};

}  // namespace pathprofile
