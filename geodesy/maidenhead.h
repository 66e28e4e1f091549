// Maidenhead locators: five pairs (field, square, subsquare, extended square, extended
// subsquare), longitude first in each pair, counted from 180 W and 90 S. Works directly on
// WGS84 latitude/longitude.
#pragma once

#include <string>
#include <string_view>

namespace geodesy {

// The error text for a locator of odd length, shown in the input box.
inline constexpr std::string_view kLocatorError = "Locator error";

// WGS84 degrees (latitude -90..90, longitude -180..180) to a 10-character locator such as
// "IO91MM00AA". Each step takes the floor of the remainder, without rounding, so a value a hair
// below a cell boundary falls into the lower cell. Latitude 90 gives the letter S (no clamp).
std::string GenLocator(double lat_deg, double lon_deg);

// Result of LocatorToLatLong.
struct LocatorPosition {
    bool ok = false;
    std::string error;     // kLocatorError when !ok
    double lat_deg = 0.0;  // WGS84, near (not exactly at) the centre of the cell
    double lon_deg = 0.0;
    double resolution_km = 0.0;  // 4.6333.. (6 chars), 0.46333.. (8), 0.0193055.. (10 or more)
    double ns_size_m = 0.0;      // north-south size of the cell, metres
    double ew_size_m = 0.0;      // east-west size of the cell at its latitude, metres
    std::string ns_size_text;    // ns_size_m in the mask "###m", e.g. "4633m"
    std::string ew_size_text;    // ew_size_m in the mask "###m", e.g. "5766m"
};

// Upper-case locator of 6, 8 or 10 characters (more are ignored beyond the tenth) to a WGS84
// position. Symbols are not range checked: a letter beyond R or X is used with its linear value.
// An odd length, or fewer than 6 characters, gives kLocatorError.
LocatorPosition LocatorToLatLong(std::string_view text);

}  // namespace geodesy
