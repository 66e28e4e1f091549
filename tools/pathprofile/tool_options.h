// pathprofile's command line: its options, what --help says about it, and the distant sites
// given with --to.
#pragma once

#include <string>
#include <string_view>

#include "console/command_line.h"
#include "console/console.h"
#include "radio_options.h"

namespace pathprofile {

inline constexpr std::string_view kMastOption = "--mast";
inline constexpr std::string_view kKOption = "--k";
inline constexpr std::string_view kToOption = "--to";
// The distant mast question has no option of its own: its answers come with --to.
inline constexpr std::string_view kDistantMastQuestion = "--to MAST";

// Mast heights, m: from the ground to the tallest masts ever built, with room to spare (10 km).
// Higher figures are typing errors, and would push every height figure off its field.
inline constexpr double kHighestMast_m = 10000.0;
// K factors: from strongly sub-refractive air (0.1) to an earth flat for any path (1000).
inline constexpr double kLowestKFactor = 0.1;
inline constexpr double kHighestKFactor = 1000.0;

inline constexpr console::OptionSpec kOptions[] = {
    {kMastOption,
     "M",
     console::ValueType::kNumber,
     "base mast height in metres, 0 to 10000 (below 0.01 gives 2)",
     true,
     false,
     "a mast height in metres from 0 to 10000",
     {.low = 0.0, .high = kHighestMast_m}},
    // The K answers go with the distant sites (GiveDistantAnswers), not through the frame.
    {kKOption,
     "K",
     console::ValueType::kNumber,
     "tropospheric K factor for every distant site, 0.1 to 1000 (1.3 at first)",
     false,
     false,
     "a K factor from 0.1 to 1000",
     {.low = kLowestKFactor, .high = kHighestKFactor}},
    {kToOption, "SITE[:MAST]", console::ValueType::kText,
     "a distant site with its mast height in metres, 0 to 10000 (none gives 2); the run ends "
     "after the last one as if \"endendend\" had been typed",
     false, true},
    kFreqOptionSpec,
    kErpOptionSpec,
    kRxGainOptionSpec,
    kSensitivityOptionSpec,
    kCsvOptionSpec,
};

inline constexpr console::ToolDescription kDescription{
    .program = "pathprofile",
    .arguments = "[BASE-SITE]",
    .summary =
        "Draw the terrain profile of a radio path from a base site to one distant site after\n"
        "another, with the earth bulge for the K factor and the line of sight between the\n"
        "mast tops. Sites are site names, locators, grid references or latitude/longitudes\n"
        "(\"54.4543 -3.2117\", \"54 27 15N 3 12 42W\", \"54.4543N 3.2117W\"). The picture's\n"
        "title names both sites, the path, K, the masts and the figures the console prints;\n"
        "its height axis fits the ground and the line of sight, and the worst clearance is\n"
        "marked. Stretches without height data are drawn mid grey and their length is told.\n"
        "A click reads out a point (its height above sea level); Exit goes back to the\n"
        "dialogue.",
    .options = kOptions,
    .questions =
        "BASE-SITE             Base Site Name / Location\n"
        "--mast                Base mast height [2]\n"
        "--to SITE             Site Name / Location [last] (until \"endendend\")\n"
        "--to SITE:MAST        Distant mast height [2]\n"
        "--k                   K value [1.30]",
    .configFile =
        "Corvanne.INI        in the working folder (any case of the name): tile folder, site\n"
        "                    folder, window size (kept for visplot and horizon: the profile\n"
        "                    window has a size of its own); read, and written back when the\n"
        "                    run ends with \"endendend\"",
    .files =
        "FILE1.png ...       with --png FILE: one picture per profile, numbered\n"
        "FILE1.csv ...       with --csv FILE: the samples of each profile, numbered",
    .examples =
        "pathprofile --heights samples/srtm3 --sites samples/sites --mast 10 \\\n"
        "            --to Skiddaw:10 --to \"Great Gable\" --k 1.3 --png profile.png \\\n"
        "            \"Scafell Pike\"\n"
        "pathprofile --mast 10 --to Skiddaw:10 --k 1.33 --freq 144 --erp 25 \\\n"
        "            --sensitivity -120 --csv profile.csv --png profile.png \"Scafell Pike\"",
    .usesWindowSize = false,
};

// A --to value split into the site text and the mast answer: "Skiddaw:10" gives "Skiddaw" and
// "10". What follows the last ":" is a mast answer when it begins like a number (a digit, a sign
// or "."); it must then be a whole number from 0 to 10000 m, or `error` says why it is not
// ("Skiddaw:-5", "Skiddaw:10m"). Anything else after a ":" belongs to the site text, and without
// a ":" the whole value is the site and the mast answer is empty (the default mast).
struct DistantAnswer {
    std::string site;
    std::string mast;
    std::string error;  // not empty: the value does not make a distant site
};
DistantAnswer SplitDistantAnswer(std::string_view value);

// The first --to value that does not make a distant site, as a usage error's reason; empty when
// every one does.
std::string DistantAnswersError(const console::CommandLine& line);

// Hands the console the answers of --to and --k: each distant site with its mast and K, then
// "endendend" after the last one. With --k but no --to, the K of the first distant site.
void GiveDistantAnswers(const console::CommandLine& line, console::Console& console);

}  // namespace pathprofile
