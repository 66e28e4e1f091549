// The two letters of a 100 km square of the National Grid. The first letter names a 500 km
// square and the second a 100 km square inside it, each counted row by row from the north-west
// corner of a 5 x 5 block of letters A..Z; the letters skip I. Square SV has its south-west
// corner at the false origin (easting 0, northing 0).
#pragma once

#include <cstdint>
#include <string>

namespace geodesy {

// Side of one lettered square, metres.
inline constexpr std::int64_t kGridSquare_m = 100000;

// A 100 km square counted from square SV: east 0..6 and north 0..12 cover the grid; other
// counts are formatted and parsed by the same arithmetic.
struct GridSquare {
    std::int64_t east = 0;
    std::int64_t north = 0;
    friend bool operator==(const GridSquare&, const GridSquare&) = default;
};

// True for the 25 grid letters: capitals A..Z other than I.
bool IsGridLetter(char c);

// Index of a grid letter: A = 0 .. H = 7, J = 8 .. Z = 24. Other characters are not checked (I
// reads as J, other codes give indexes outside 0..24).
int GridLetterIndex(char c);

// The two letters of a square, e.g. {4, 1} -> "SU". The letter arithmetic is the tools' own
// (integer division towards zero, I skipped only where the first-letter count lands on it): it
// names squares east 0..14 and north 0..14 rightly, which holds the whole grid. West or south
// of the false origin, or 1500 km and more north of it, the same arithmetic gives for most
// squares letters that read back as another square ("EE" is written "FE"); benchfind writes
// such letters for archive points off the grid, as it always has. A letter code outside A..Z is
// written "?".
std::string FormatGridLetters(GridSquare square);

// The square two letters name, any of the 25 x 25 lettered squares; the inverse of
// FormatGridLetters where that names squares rightly. The letters are not checked (see
// GridLetterIndex).
GridSquare ParseGridLetters(char first, char second);

}  // namespace geodesy
