// The lines a tool prints when its heights are incomplete: how much of its area or path has no
// height data, and the refusal when none of the heights it needs was found at all.
#pragma once

#include <string>
#include <vector>

namespace console {

// "12.5 % of the plot has no height data" for a share (0 < share <= 1) of the plot's samples,
// one decimal; a share that would round to 0.0 or 100.0 without being so shows 0.1 or 99.9, so
// the line never contradicts itself.
std::string NoDataShareLine(double share);

// "the path crosses 8.2 km without height data", one decimal; at least 0.1 when km > 0.
std::string NoDataPathLine(double km);

// Under radio figures worked out over a path with no height data in places.
inline constexpr const char* kNoDataRadioWarning =
    "Warning: these figures take the ground without height data as sea level";

// "No height data for this area: none of N54W004.hgt, N54W003.hgt in data/srtm3/": the
// refusal when not one of the tiles a run needs was found in `folder`.
std::string NoHeightDataLine(const std::string& folder, const std::vector<std::string>& tiles);

// The names of the tiles covering latitudes south ... north and longitudes west ... east
// (degrees), west to east, then south to north within each column, each once.
std::vector<std::string> TileNamesCovering(double west_deg, double south_deg, double east_deg,
                                           double north_deg);

}  // namespace console
