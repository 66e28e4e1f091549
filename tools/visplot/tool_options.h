// visplot's command line: what --help says about it (mastview's options and the coverage mode's).
#pragma once

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "console/command_line.h"
#include "coverage_options.h"
#include "mastview/mastview_options.h"

namespace visplot {

inline constexpr std::string_view kGeoTiffOption = "--geotiff";

// The GeoTIFF of the angles seen.
inline constexpr console::OptionSpec kGeoTiffOptionSpec{
    kGeoTiffOption, "FILE", console::ValueType::kFileName,
    "also write the elevation angle (degrees) of each sample seen, or with --freq the received "
    "level (dBm) of each sample, as a Float32 GeoTIFF (EPSG:4326; no data -32768 where hidden, "
    "outside the radius or without heights)"};

inline constexpr std::string_view kPaletteOption = "--palette";

// The colours of the angles.
inline constexpr console::OptionSpec kPaletteOptionSpec{
    kPaletteOption, "NAME", console::ValueType::kText,
    "colours of the elevation angles: classic (the default: dark blue to red and white as the "
    "angle falls) or viridis (colour-blind safe, lighter as the angle rises)"};

// mastview's questions' options, the GeoTIFF, the palette, then the coverage mode's.
inline constexpr auto kOptions = [] {
    std::array<console::OptionSpec, std::size(mastview::kOptions) + 2 + std::size(kCoverageOptions)>
        all{};
    auto end = std::copy(std::begin(mastview::kOptions), std::end(mastview::kOptions), all.begin());
    *end++ = kGeoTiffOptionSpec;
    *end++ = kPaletteOptionSpec;
    std::copy(std::begin(kCoverageOptions), std::end(kCoverageOptions), end);
    return all;
}();

// The files of the picture and the GeoTIFF, after the configuration, tiles and sites.
inline constexpr std::string_view kFiles =
    "FILE.pgw .prj .kml  with --png FILE.png: world file, projection and KML beside it,\n"
    "FILE.png.aux.xml    and the coordinate system as GDAL reads it\n"
    "FILE-server.png     with --mast-at and --png FILE.png: the best server picture (and its\n"
    "                    georeference files)\n"
    "FILE.tif            with --geotiff FILE.tif: the elevation angles of the ground seen,\n"
    "                    or with --freq the received levels in dBm";

inline constexpr console::ToolDescription kDescription{
    .program = "visplot",
    .arguments = "[SITE]",
    .summary =
        "Draw the terrain visible from the top of a mast at a site, a locator, a grid\n"
        "reference or a latitude/longitude, out to a radius; with --freq, the level a\n"
        "receiver would get there. Ground without height data is drawn mid grey. A click\n"
        "reads out a point; Exit or Escape ends the run.",
    .options = kOptions,
    .questions = mastview::kQuestions,
    .configFile = mastview::kConfigFile,
    .files = kFiles,
    .examples =
        "visplot --heights samples/srtm3 --sites samples/sites --mast 10 --k 1.3 \\\n"
        "        --radius 40 --png visible.png \"Scafell Pike\"\n"
        "visplot --mast 10 --k 1.3 --radius 40 --freq 144 --erp 25 --sensitivity -110 \\\n"
        "        --mast-at Skiddaw:10 --png coverage.png \"Scafell Pike\"\n"
        "visplot --mast 10 --k 1.3 --radius 40 --freq 144 --erp 25 --geotiff levels.tif Skiddaw\n"
        "visplot --mast 10 --k 1.3 --radius 25 --geotiff angles.tif \"54 27 15N 3 12 42W\"\n"
        "visplot --mast 10 --k 1.3 --radius 40 --palette viridis --png seen.png Keswick",
};

}  // namespace visplot
