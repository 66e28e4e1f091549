// visplot's command line: what --help says about it (the options are mastview's).
#pragma once

#include <string_view>

#include "console/command_line.h"
#include "mastview/mastview_options.h"

namespace visplot {

// mastview's files and the georeference files of the picture.
inline constexpr std::string_view kFiles =
    "Corvanne.ini        in the working folder: tile folder, site folder, window size;\n"
    "                    read, and written back at the end of the run\n"
    "N54W004.hgt ...     SRTM height tiles (3 or 1 arc-second) in the tile folder; a tile\n"
    "                    may also be N54W004.hgt.zip (read in place) or a Copernicus GLO-30\n"
    "                    GeoTIFF Copernicus_DSM_COG_10_N54_00_W004_00_DEM.tif, any mix; one\n"
    "                    held in several forms is read from .hgt, else .hgt.zip, else .tif\n"
    "FILE.tif .vrt .asc  --heights may name one raster instead of the folder (GeoTIFF, VRT,\n"
    "                    OS Terrain 50 ASCII grid): resampled onto the tiles' grid\n"
    "SITES.DAT           the site file in the site folder\n"
    "FILE.pgw .prj .kml  with --png FILE.png: world file, projection and KML beside it";

inline constexpr console::ToolDescription kDescription{
    .program = "visplot",
    .arguments = "[SITE]",
    .summary =
        "Draw the terrain visible from the top of a mast at a site, a locator or a grid\n"
        "reference, out to a radius. A click reads out a point; Exit or Escape ends the run.",
    .options = mastview::kOptions,
    .questions = mastview::kQuestions,
    .files = kFiles,
    .examples =
        "visplot \"Scafell Pike\"\n"
        "visplot --mast 10 --k 1.3 --radius 40 --png visible.png \"Scafell Pike\"",
};

}  // namespace visplot
