// terrain3d's command line: its options and what --help says about it.
#pragma once

#include <string_view>

#include "console/command_line.h"
#include "terrainmap/map_options.h"

namespace terrain3d {

inline constexpr std::string_view kSizeOption = "--size";

inline constexpr console::OptionSpec kOptions[] = {
    {kSizeOption, "KM", console::ValueType::kNumber, "size of the square viewed in km (0 gives 30)",
     true, false, "a number in km"},
    terrainmap::kMaxOptionSpec,
};

inline constexpr console::ToolDescription kDescription{
    .program = "terrain3d",
    .arguments = "[SITE][/PALETTE]",
    .summary =
        "Draw an oblique 3D view of the terrain round a site, a locator, a grid reference\n"
        "or a latitude/longitude (\"54.4543 -3.2117\", \"54 27 15N 3 12 42W\"). Samples\n"
        "with no height data are drawn mid grey. Escape ends the run.",
    .options = kOptions,
    .questions =
        "SITE                  Centre of plot, Site Name / Location\n"
        "--size                Plot size km [30]\n"
        "--max                 Maximum Height to be plotted",
    .files =
        "Brelland.ini        in the working folder: tile folder, site folder, window size,\n"
        "                    palette; read only (terrainplot writes it)\n"
        "N54W004.hgt ...     SRTM height tiles (3 or 1 arc-second) in the tile folder; a tile\n"
        "                    may also be N54W004.hgt.zip (read in place) or a Copernicus GLO-30\n"
        "                    GeoTIFF Copernicus_DSM_COG_10_N54_00_W004_00_DEM.tif, any mix; one\n"
        "                    held in several forms is read from .hgt, else .hgt.zip, else .tif\n"
        "FILE.tif .vrt .asc  --heights may name one raster instead of the folder (GeoTIFF, VRT,\n"
        "                    OS Terrain 50 ASCII grid): resampled onto the tiles' grid\n"
        "SITES.DAT           the site file in the site folder\n"
        "NAME.PAL            colour palette in the working folder (after \"/\" on the line)",
    .examples =
        "terrain3d \"Scafell Pike\"\n"
        "terrain3d --size 30 --max 0 --png view.png \"Scafell Pike\"",
};

}  // namespace terrain3d
