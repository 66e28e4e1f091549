// horizon's command line: mastview's options for the questions, the CSV of the horizon, and what
// --help says about it.
#pragma once

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "console/command_line.h"
#include "mastview/mastview_options.h"

namespace horizon {

inline constexpr std::string_view kCsvOption = "--csv";

inline constexpr console::OptionSpec kCsvOptionSpec{
    .name = kCsvOption,
    .valueName = "FILE",
    .type = console::ValueType::kFileName,
    .help =
        "also write the horizon of every bearing as CSV to FILE: bearing_deg, elevation_deg "
        "(seen from the mast top), distance_km of the ground that forms it, and no_data (1 "
        "where that ground has no height data)",
};

// mastview's questions' options, then the CSV.
inline constexpr auto kOptions = [] {
    std::array<console::OptionSpec, std::size(mastview::kOptions) + 1> all{};
    auto end = std::copy(std::begin(mastview::kOptions), std::end(mastview::kOptions), all.begin());
    *end = kCsvOptionSpec;
    return all;
}();

// The CSV beside the frame's configuration, tiles and site file.
inline constexpr std::string_view kFiles =
    "FILE.csv            with --csv FILE.csv: the horizon of every bearing";

inline constexpr console::ToolDescription kDescription{
    .program = "horizon",
    .arguments = "[SITE]",
    .summary =
        "Draw the horizon seen from the top of a mast at a site, a locator, a grid\n"
        "reference or a latitude/longitude, out to a radius: its elevation angle bearing\n"
        "by bearing as a line, the ground below it shaded by its distance (near dark, far\n"
        "light), the sites seen named. Ground without height data is drawn mid grey. A\n"
        "click reads out the horizon at its bearing on the console; Exit ends the run.\n"
        "There is no --geotiff: the chart is of bearings and angles, not a map, so there\n"
        "is nothing to place on the ground.",
    .options = kOptions,
    .questions = mastview::kQuestions,
    .configFile = mastview::kConfigFile,
    .files = kFiles,
    .examples =
        "horizon --heights samples/srtm3 --sites samples/sites --mast 10 --k 1.3 \\\n"
        "        --radius 40 --png horizon.png \"Scafell Pike\"\n"
        "horizon --mast 30 --k 1.3 --radius 60 Skiddaw\n"
        "horizon --mast 10 --k 1.3 --radius 40 --csv horizon.csv --png horizon.png \"Scafell "
        "Pike\"",
};

}  // namespace horizon
