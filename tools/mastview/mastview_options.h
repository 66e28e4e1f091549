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

// The configuration file line of both tools' Files; the frame adds the tiles and the site file.
inline constexpr std::string_view kConfigFile =
    "Corvanne.INI        in the working folder (any case of the name): tile folder, site\n"
    "                    folder, window size; read, and written back at the end of the run";

}  // namespace mastview
