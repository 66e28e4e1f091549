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
    .configFile =
        "Brelland.INI        in the working folder (any case of the name): tile folder, site\n"
        "                    folder, window size, palette; read only (terrainplot writes it)",
    .files = "NAME.PAL            colour palette in the working folder (after \"/\" on the line)",
    .examples =
        "terrain3d --heights samples/srtm3 --sites samples/sites --size 30 --max 0 \\\n"
        "          --png view.png \"Scafell Pike\"\n"
        "terrain3d --heights samples/srtm3 --sites samples/sites --size 15 --max 900 \\\n"
        "          Helvellyn",
};

}  // namespace terrain3d
