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

inline constexpr console::OptionSpec kOptions[] = {
    {kMastOption, "M", console::ValueType::kNumber,
     "base mast height in metres (below 0.01 gives 2)", true, false, "a number in metres"},
    // The K answers go with the distant sites (GiveDistantAnswers), not through the frame.
    {kKOption, "K", console::ValueType::kNumber,
     "tropospheric K factor for every distant site (below 0.1 keeps the last K; 1.3 at first)"},
    {kToOption, "SITE[:MAST]", console::ValueType::kText,
     "a distant site with its mast height in metres (none gives 2); the run ends after the "
     "last one as if \"endendend\" had been typed",
     false, true},
    kFreqOptionSpec,
    kCsvOptionSpec,
};

inline constexpr console::ToolDescription kDescription{
    .program = "pathprofile",
    .arguments = "[BASE-SITE]",
    .summary =
        "Draw the terrain profile of a radio path from a base site to one distant site after\n"
        "another, with the earth bulge for the K factor and the line of sight between the\n"
        "mast tops. Sites are site names, locators, grid references or latitude/longitudes\n"
        "(\"54.4543 -3.2117\", \"54 27 15N 3 12 42W\", \"54.4543N 3.2117W\"). Stretches\n"
        "without height data are drawn mid grey and their length is told. A click reads\n"
        "out a point; Exit goes back to the dialogue.",
    .options = kOptions,
    .questions =
        "BASE-SITE             Base Site Name / Location\n"
        "--mast                Base mast height [2]\n"
        "--to SITE             Site Name / Location [last] (until \"endendend\")\n"
        "--to SITE:MAST        Distant mast height [2]\n"
        "--k                   K value [1.30]",
    .files =
        "Corvanne.ini        in the working folder: tile folder, site folder, window size;\n"
        "                    read, and written back when the run ends with \"endendend\"\n"
        "N54W004.hgt ...     SRTM height tiles (3 or 1 arc-second) in the tile folder\n"
        "SITES.DAT           the site file in the site folder\n"
        "FILE1.png ...       with --png FILE: one picture per profile, numbered\n"
        "FILE1.csv ...       with --csv FILE: the samples of each profile, numbered",
    .examples =
        "pathprofile \"Scafell Pike\"\n"
        "pathprofile --mast 10 --to Skiddaw:10 --to \"Great Gable\" --k 1.3 \\\n"
        "            --png profile.png \"Scafell Pike\"",
};

// A --to value split into the site text and the mast answer: "Skiddaw:10" gives "Skiddaw" and
// "10"; without a ":" followed by a number at the end the whole value is the site and the mast
// answer is empty (the default mast).
struct DistantAnswer {
    std::string site;
    std::string mast;
};
DistantAnswer SplitDistantAnswer(std::string_view value);

// Hands the console the answers of --to and --k: each distant site with its mast and K, then
// "endendend" after the last one. With --k but no --to, the K of the first distant site.
void GiveDistantAnswers(const console::CommandLine& line, console::Console& console);

}  // namespace pathprofile
