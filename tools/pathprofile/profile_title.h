// The title strip of a profile's picture: what a saved picture must say to be understood on its
// own (the tool, the profile's number in the run, both sites with their positions, the path, K,
// the masts) and the figures the console printed for it, with the same values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "path_geometry.h"

namespace pathprofile {

struct TitleSite {
    std::string name;  // as the console shows it (the site's full name, or the text typed)
    LatLon position;
    double mast_m = 0.0;
};

// A position as "54.4543N 3.2117W" (four decimals, as the tools read it back).
std::string PositionText(LatLon position);

// A console line as a title's text: the padding of its number fields taken out ("Dist
// 22.28km", not "Dist   22.28km") and its ends trimmed; runs of blanks that part two figures
// ("0.2 dB   Estimated") stay two blanks wide.
std::string TitleText(std::string_view console_line);

// The strip's lines: "pathprofile, profile N: BASE (POSITION) >> DISTANT (POSITION)"; the
// distance line with K and the masts; then each group of console lines (`figures`: the
// clearance line, the radio lines, the link budget ...) as one line, its lines joined by "; ".
std::vector<std::string> ProfileTitleLines(int profile_number, const TitleSite& base,
                                           const TitleSite& distant, double k_factor,
                                           std::string_view distance_line,
                                           const std::vector<std::vector<std::string>>& figures);

}  // namespace pathprofile
