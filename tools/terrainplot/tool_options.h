// terrainplot's command line: its options and what --help says about it.
#pragma once

#include <string_view>

#include "console/command_line.h"
#include "terrainmap/map_options.h"

namespace terrainplot {

inline constexpr std::string_view kWidthOption = "--width";
inline constexpr std::string_view kGeoTiffOption = "--geotiff";
inline constexpr std::string_view kShadeOption = "--shade";

inline constexpr console::OptionSpec kOptions[] = {
    {kWidthOption, "KM", console::ValueType::kNumber, "width of the plot in km (0 gives 100)", true,
     false, "a number in km"},
    terrainmap::kMaxOptionSpec,
    {kGeoTiffOption, "FILE", console::ValueType::kFileName,
     "also write the plotted heights (m) as a Float32 GeoTIFF (EPSG:4326, no data -32768)"},
    {kShadeOption, "", console::ValueType::kFlag,
     "blend a hillshade (light from the north-west, 45 degrees up) with the height colours; "
     "sea and no data stay flat"},
};

inline constexpr console::ToolDescription kDescription{
    .program = "terrainplot",
    .arguments = "[SITE][/PALETTE]",
    .summary =
        "Draw a colour-coded height map of the terrain round a site, a locator, a grid\n"
        "reference or a latitude/longitude, with the database sites marked. Samples with\n"
        "no height data (a missing tile, a void) are drawn mid grey. A click reads out the "
        "position,\n"
        "distance, bearings and height of a point; Exit or Escape ends the run.",
    .options = kOptions,
    .questions =
        "SITE                  Centre of plot, Site Name / Location\n"
        "--width               Plot Width, km [100]\n"
        "--max                 Maximum Height to be plotted",
    .files =
        "Brelland.ini        in the working folder: tile folder, site folder, window size,\n"
        "                    palette; read, and written back at the end of the run\n"
        "N54W004.hgt ...     SRTM height tiles (3 or 1 arc-second) in the tile folder; a tile\n"
        "                    may also be N54W004.hgt.zip (read in place) or a Copernicus GLO-30\n"
        "                    GeoTIFF Copernicus_DSM_COG_10_N54_00_W004_00_DEM.tif, any mix; one\n"
        "                    held in several forms is read from .hgt, else .hgt.zip, else .tif\n"
        "FILE.tif .vrt .asc  --heights may name one raster instead of the folder (GeoTIFF, VRT,\n"
        "                    OS Terrain 50 ASCII grid): resampled onto the tiles' grid\n"
        "SITES.DAT           the site file in the site folder\n"
        "NAME.PAL            colour palette in the working folder (after \"/\" on the line)\n"
        "FILE.pgw .prj .kml  with --png FILE.png: world file, projection and KML beside it,\n"
        "FILE.png.aux.xml    and the coordinate system as GDAL reads it\n"
        "FILE.tif            with --geotiff FILE.tif: the heights of the plot, in m",
    .examples =
        "terrainplot \"Scafell Pike\"\n"
        "terrainplot --heights data/srtm3 --sites data/sites --window 600 \\\n"
        "            --width 40 --max 0 --png map.png \"Scafell Pike\"",
};

}  // namespace terrainplot
