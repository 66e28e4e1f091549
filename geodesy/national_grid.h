// National Grid Reference text: two letters for the 100 km square (the letters skip I) and an
// equal number of easting and northing digits inside it, e.g. "SU6951 7837".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace geodesy {

// What GenNGR produced.
enum class NgrStatus {
    kOk,           // text is a grid reference
    kOutsideArea,  // WGS84 position outside latitude 49..61, longitude -8..1.8: text is ""
    kNotValid,     // inside that area but off the grid: text is "Not valid"
};

// Result of GenNGR. easting_m, northing_m, square_10km and east_north_text are filled only for
// kOk (otherwise 0 and "").
struct NgrText {
    NgrStatus status = NgrStatus::kOutsideArea;
    std::string text;             // "SU69511 78370", "" or "Not valid"
    double easting_m = 0.0;       // unrounded easting, metres
    double northing_m = 0.0;      // unrounded northing, metres
    std::string square_10km;      // e.g. "SU67": letters, first easting and northing digit
    std::string east_north_text;  // "E: 469511 , N: 178370" (each in the mask "######")
};

// Digit count per coordinate for a positional uncertainty in km: more than 2 km gives 2 digits,
// 0.1..2 km gives 3, 0.01..0.1 km gives 4, under 0.01 km gives 5.
int NgrDigitsForResolution(double resolution_km);

// WGS84 degrees to grid reference text, digits chosen by resolution_km (> 0). Digit groups are
// rounded (halves to even), not truncated; a group that rounds up to 10^d carries into the next
// 100 km square so the text always has d digits per group and names the right square.
NgrText GenNGR(double lat_deg, double lon_deg, double resolution_km);

// Result of GridRefToLatLong.
struct NgrPosition {
    bool ok = false;
    std::string error;     // set when !ok: a sentence naming the bad text
    double lat_deg = 0.0;  // WGS84, south-west corner of the named square
    double lon_deg = 0.0;
    double resolution_km = 0.0;  // 1 for 4 digits, 0.1 for 6, 0.01 for 8, 0.001 for 10;
                                 // otherwise the resolution passed in
    double easting_m = 0.0;      // south-west corner of the square, metres
    double northing_m = 0.0;
    std::string square_10km;      // e.g. "SU57"
    std::string east_north_text;  // "E: 450960 , N: 112345"
};

// Grid reference text (two capital letters then digits, no spaces; the caller removes spaces and
// upper-cases) to the WGS84 position of the south-west corner of the square it names. Letters
// and digits are not validated beyond length: a character that is not a digit ends the number
// of its group. Texts with more than 5 digits per coordinate (more than 12 characters) are
// refused, as are texts shorter than 2 characters. current_resolution_km is returned unchanged
// for lengths other than 6, 8, 10 and 12 characters.
NgrPosition GridRefToLatLong(std::string_view text, double current_resolution_km);

}  // namespace geodesy
