// benchfind's command line: its options and what --help says about it.
#pragma once

#include <string_view>

#include "console/command_line.h"

namespace benchfind {

inline constexpr std::string_view kMaxDistanceOption = "--max-distance";
inline constexpr std::string_view kExcludeDestroyedOption = "--exclude-destroyed";
inline constexpr std::string_view kPillarsOnlyOption = "--pillars-only";
// The base question has no option: the base is the command line's words.
inline constexpr std::string_view kBaseQuestion = "NGR";

inline constexpr console::OptionSpec kOptions[] = {
    {kMaxDistanceOption, "KM", console::ValueType::kNumber,
     "largest distance from the base in km (below 0.001 gives 5)", true, false, "a number in km"},
    {kExcludeDestroyedOption, "Y|N", console::ValueType::kYesNo,
     "N lists destroyed points too (default Y)", true},
    {kPillarsOnlyOption, "Y|N", console::ValueType::kYesNo, "Y lists pillars alone (default N)",
     true},
};

inline constexpr console::ToolDescription kDescription{
    .program = "benchfind",
    .arguments = "[NGR]",
    .summary =
        "List the Ordnance Survey benchmarks and trig points within a distance of a National\n"
        "Grid Reference, on the console and into LocalTrigs.txt, then ask for the next base\n"
        "(an empty base ends the run). Given NGR and all three options, the run makes that\n"
        "one search and ends without asking anything.",
    .options = kOptions,
    .kind = console::ToolKind::kPlain,
    .questions =
        "NGR                   Base NGR (the first search; then asked again)\n"
        "--max-distance        Max distance km (5)\n"
        "--exclude-destroyed   Exclude 'Dest'[Y]/N\n"
        "--pillars-only        Pillars only Y/[N]",
    .files =
        "CompleteTrigArchive.csv   the archive, read from the working folder\n"
        "LocalTrigs.txt            the results, written into the working folder",
    .examples =
        "benchfind --max-distance 5 --exclude-destroyed Y --pillars-only N NY 3000 2000\n"
        "benchfind --max-distance 2 --exclude-destroyed N --pillars-only Y NY 3300 2400",
};

}  // namespace benchfind
