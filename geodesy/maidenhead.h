// Maidenhead locators: five pairs (field, square, subsquare, extended square, extended
// subsquare), longitude first in each pair, counted from 180 W and 90 S. Works directly on
// WGS84 latitude/longitude.
#pragma once

#include <string>
#include <string_view>

#include "geodesy/types.h"

namespace geodesy {

// The locator text of a position that has none (and of an odd-length locator).
inline constexpr std::string_view kLocatorError = "Locator error";

// WGS84 degrees (latitude -90..90, longitude -180..180) to a 10-character locator such as
// "IO91MM00AA". Each step takes the floor of the remainder, without rounding, so a value a hair
// below a cell boundary falls into the lower cell. Latitude 90 gives the letter S (no clamp). A
// position that is not finite, or so far off the globe that a character would not be printable,
// gives kLocatorError.
std::string FormatLocator(double lat_deg, double lon_deg);

// Result of ParseLocator.
struct LocatorPosition {
    bool ok = false;  // false for an odd length or fewer than 6 characters, or when not_valid
    // Refused because a symbol names no cell: a field letter beyond R, a subsquare letter beyond
    // X, or a character that is not a digit where a digit belongs. Such a text read letter by
    // letter would give a place that does not exist (XZ99ZZ: latitude 170 N).
    bool not_valid = false;
    double lat_deg = 0.0;  // WGS84, near (not exactly at) the centre of the cell
    double lon_deg = 0.0;
    double resolution_km = 0.0;  // 4.6333.. (6 chars), 0.46333.. (8), 0.0193055.. (10 or more)
    double ns_size_m = 0.0;      // north-south size of the cell, metres
    double ew_size_m = 0.0;      // east-west size of the cell at its latitude, metres
};

// Upper-case locator of 6, 8 or 10 characters (more are ignored beyond the tenth) to a WGS84
// position. An odd length, or fewer than 6 characters, is refused (ok false), and so is a symbol
// that names no cell (not_valid). Every locator it accepts lies within latitude -90..90 and
// longitude -180..180.
LocatorPosition ParseLocator(std::string_view text);

// The console tools' locators, on their own terms: the corner of the cell when reading, the
// nearest corner when writing, so that a written locator reads back to within half a cell.

// Locator text (any case) to WGS84: padded to 10 characters ("LL", "44", "LL"), the south-west
// corner of the 10-character cell. Characters are not checked.
LatLon ParseLocatorCorner(std::string_view text);

// The 10-character locator (upper case) of the cell corner nearest to the WGS84 position: both
// coordinates rounded, halves to even, to whole fifth-pair cells (1/2880 degree of longitude,
// 1/5760 of latitude). kLocatorError for a position that is not finite or far off the globe.
std::string FormatLocatorRounded(LatLon wgs84);

}  // namespace geodesy
