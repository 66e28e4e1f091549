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
    .configFile =
        "Brelland.INI        in the working folder (any case of the name): tile folder, site\n"
        "                    folder, window size, palette; read, and written back at the end\n"
        "                    of the run",
    .files =
        "NAME.PAL            colour palette in the working folder (after \"/\" on the line)\n"
        "FILE.pgw .prj .kml  with --png FILE.png: world file, projection and KML beside it,\n"
        "FILE.png.aux.xml    and the coordinate system as GDAL reads it\n"
        "FILE.tif            with --geotiff FILE.tif: the heights of the plot, in m",
    .examples =
        "terrainplot --heights samples/srtm3 --sites samples/sites --window 600 \\\n"
        "            --width 40 --max 0 --png map.png \"Scafell Pike\"\n"
        "terrainplot --width 20 --max 1000 Skiddaw",
};

}  // namespace terrainplot
