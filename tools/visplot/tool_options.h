// visplot's command line: what --help says about it (the options are mastview's).
#pragma once

#include <string_view>

#include "console/command_line.h"
#include "mastview/mastview_options.h"

namespace visplot {

inline constexpr std::string_view kGeoTiffOption = "--geotiff";

// mastview's questions and the GeoTIFF of the angles seen.
inline constexpr console::OptionSpec kOptions[] = {
    mastview::kOptions[0],
    mastview::kOptions[1],
    mastview::kOptions[2],
    {kGeoTiffOption, "FILE", console::ValueType::kFileName,
     "also write the elevation angle (degrees) of each sample seen as a Float32 GeoTIFF "
     "(EPSG:4326; no data -32768 where hidden, outside the radius or without heights)"},
};

// mastview's files and the georeference files of the picture.
inline constexpr std::string_view kFiles =
    "Corvanne.ini        in the working folder: tile folder, site folder, window size;\n"
    "                    read, and written back at the end of the run\n"
    "N54W004.hgt ...     SRTM height tiles (3 or 1 arc-second) in the tile folder\n"
    "SITES.DAT           the site file in the site folder\n"
    "FILE.pgw .prj .kml  with --png FILE.png: world file, projection and KML beside it,\n"
    "FILE.png.aux.xml    and the coordinate system as GDAL reads it\n"
    "FILE.tif            with --geotiff FILE.tif: the elevation angles of the ground seen";

inline constexpr console::ToolDescription kDescription{
    .program = "visplot",
    .arguments = "[SITE]",
    .summary =
        "Draw the terrain visible from the top of a mast at a site, a locator, a grid\n"
        "reference or a latitude/longitude, out to a radius. Ground without height data\n"
        "is drawn mid grey. A click reads out a point; Exit or Escape ends the run.",
    .options = kOptions,
    .questions = mastview::kQuestions,
    .files = kFiles,
    .examples =
        "visplot \"Scafell Pike\"\n"
        "visplot --mast 10 --k 1.3 --radius 40 --png visible.png \"Scafell Pike\"\n"
        "visplot --mast 10 --radius 25 --geotiff angles.tif \"54 27 15N 3 12 42W\"",
};

}  // namespace visplot
