// What a drawing tool tells the frame about itself. The frame knows no tool by name: each tool
// hands it a profile, and the start-up, the end of a run and the tile store follow it.
#pragma once

#include <string_view>

#include "terrain/area_grid.h"
#include "terrain/tile_decoding.h"

namespace console {

// The configuration file a tool shares with its neighbours, found in the working folder.
enum class ConfigFile {
    kBrelland,  // "Brelland.ini": HeightPath, SitesPath, WindowSize, PaletteName
    kCorvanne,  // "Corvanne.ini": HeightPath, SitesPath, WindowSize
};

// What a tool does with the colour palette named in its configuration and command tail.
enum class PaletteUse {
    // No palette: the whole command tail is the site text.
    kNone,
    // A colour map with a legend: the tail's "/" part names the palette; a missing palette file
    // empties the name; a blank line under the banner and the "Colour Palette" line in dark grey;
    // the position prompt unless the tail names a site.
    kColourMap,
    // A shaded view: the tail's "/" part names the palette; a missing file keeps its name; the
    // "Colour Palette" line after two blank lines; the position prompt only for an empty tail.
    kShadedView,
};

struct ToolProfile {
    std::string_view banner;  // the first line after the screen is cleared, in yellow
    ConfigFile configFile = ConfigFile::kCorvanne;
    PaletteUse palette = PaletteUse::kNone;
    bool writesConfig = true;  // whether the normal end writes the configuration file back
    // Whether the plot window takes the configuration's window size. A window of a size of its
    // own never asks it: a first run stores the default for the tools that share the file.
    bool usesWindowSize = true;
    terrain::AreaCapacity area = terrain::kDefaultAreaCapacity;  // the area grid of its tile store
    terrain::TileDecoding tileDecoding = terrain::kVoidsToSeaLevel;
};

}  // namespace console
