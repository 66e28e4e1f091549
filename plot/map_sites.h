// The sites of a site file as the map tools mark them: each line's name and position.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geodesy/types.h"

namespace plot {

// The position of one line of a site file (the text after the first "~" up to the next one,
// upper-cased; a grid reference when its characters 5 and 6 are digits, a locator when they are
// letters A to X). nullopt for any other line.
struct SiteLine {
    std::string name;
    geodesy::LatLon position;
};
std::optional<SiteLine> ParseSiteLine(std::string_view line);

// Every site of the file that ParseSiteLine reads; none when the file is not a regular file or
// cannot be read (a FIFO would block the drawing).
std::vector<SiteLine> ReadSiteLines(const std::string& sitesFile);

}  // namespace plot
