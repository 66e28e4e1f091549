// horizon's command line: what --help says about it (the options are mastview's).
#pragma once

#include "console/command_line.h"
#include "mastview/mastview_options.h"

namespace horizon {

inline constexpr console::ToolDescription kDescription{
    .program = "horizon",
    .arguments = "[SITE]",
    .summary =
        "Draw the elevation angle of the horizon seen from the top of a mast at a site, a\n"
        "locator, a grid reference or a latitude/longitude, bearing by bearing, out to a\n"
        "radius. Horizon points on ground without height data are drawn mid grey. Exit or\n"
        "Escape ends the run. There is no --geotiff: the chart is of bearings and angles,\n"
        "not a map, so there is nothing to place on the ground.",
    .options = mastview::kOptions,
    .questions = mastview::kQuestions,
    .configFile = mastview::kConfigFile,
    .examples =
        "horizon --heights samples/srtm3 --sites samples/sites --mast 10 --k 1.3 \\\n"
        "        --radius 40 --png horizon.png \"Scafell Pike\"\n"
        "horizon --mast 30 --k 1.3 --radius 60 Skiddaw",
};

}  // namespace horizon
