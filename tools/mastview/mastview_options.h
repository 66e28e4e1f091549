// The options of the questions visplot and horizon share, and what --help says about both.
#pragma once

#include <string_view>

#include "console/command_line.h"

namespace mastview {

inline constexpr std::string_view kMastOption = "--mast";
inline constexpr std::string_view kKOption = "--k";
inline constexpr std::string_view kRadiusOption = "--radius";

inline constexpr console::OptionSpec kOptions[] = {
    {kMastOption, "M", console::ValueType::kNumber,
     "height of the mast at the centre in metres (below 0.01 gives 2)", true, false,
     "a number in metres"},
    {kKOption, "K", console::ValueType::kNumber,
     "tropospheric K factor of the earth's curvature (below 0.01 gives 1.3)", true},
    {kRadiusOption, "KM", console::ValueType::kNumber,
     "radial distance out in km (0 gives the radio horizon distance)", true, false,
     "a number in km"},
};

inline constexpr std::string_view kQuestions =
    "SITE                  Centre of plot, Site Name / Location\n"
    "--mast                Base mast height [2]\n"
    "--k                   Tropo K value [1.3]\n"
    "--radius              Radial Distance Out km [###] (asked again when too large)";

inline constexpr std::string_view kFiles =
    "Corvanne.ini        in the working folder: tile folder, site folder, window size;\n"
    "                    read, and written back at the end of the run\n"
    "N54W004.hgt ...     SRTM height tiles (3 or 1 arc-second) in the tile folder; a tile\n"
    "                    may also be N54W004.hgt.zip (read in place) or a Copernicus GLO-30\n"
    "                    GeoTIFF Copernicus_DSM_COG_10_N54_00_W004_00_DEM.tif, any mix; one\n"
    "                    held in several forms is read from .hgt, else .hgt.zip, else .tif\n"
    "FILE.tif .vrt .asc  --heights may name one raster instead of the folder (GeoTIFF, VRT,\n"
    "                    OS Terrain 50 ASCII grid): resampled onto the tiles' grid\n"
    "SITES.DAT           the site file in the site folder";

}  // namespace mastview
