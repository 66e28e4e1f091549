// Grid references as benchfind reads and writes them.
//
// benchfind works on the flat grid (no projection, no datum) in whole metres, so it
// needs only the square letters of the geodesy library, not its conversions.
//
// Reading: two letters naming the 100 km square, then an even number of digits
// (2 to 10), the first half the easting and the second half the northing inside the
// square. The letters skip I, as the grid does. Writing always gives 1 m digits:
// two letters, five easting digits, a blank and five northing digits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace benchfind {

// A position on the National Grid in whole metres from the false origin
// (the south-west corner of square SV).
struct GridPoint {
    std::int64_t easting_m = 0;
    std::int64_t northing_m = 0;
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// The typed base text as the search uses it: upper-cased, every blank removed.
std::string NormaliseGridText(std::string_view text);

// Reads a grid reference such as "SU123456", "su 123 456" or "SV0000000000".
// The text is normalised first. Returns nothing when the text is not a grid
// reference: fewer than two leading letters A-Z other than I, no digits, an odd
// number of digits, more than ten digits, or anything but digits after the letters.
std::optional<GridPoint> ParseGridPoint(std::string_view text);

// Writes a position as "SU12345 45678" (13 characters for positions on the grid).
// Positions that fall outside the lettered squares get "?" in place of a letter.
std::string FormatGridPoint(std::int64_t easting_m, std::int64_t northing_m);

}  // namespace benchfind
