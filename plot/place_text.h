// How a title strip names a place: its name as the user gave it, its grid reference and its
// latitude/longitude, so that a saved picture says where it was drawn.
#pragma once

#include <string>
#include <string_view>

namespace plot {

// "Scafell Pike  NY2154 0722  54.4543°N 3.2117°W": the name (left out when it is the grid
// reference itself), the grid reference (left out off the grid) and the position to 4 decimals;
// the spaces inside the grid reference and the position are no-break spaces (U+00A0).
std::string PlaceText(std::string_view name, double lat_deg, double lon_deg);

}  // namespace plot
