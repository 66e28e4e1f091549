// National Grid Reference text: two letters for the 100 km square (the letters skip I) and an
// equal number of easting and northing digits inside it, e.g. "SU6951 7837".
#pragma once

#include <string>
#include <string_view>

#include "geodesy/types.h"

namespace geodesy {

// The text of a place that has no grid reference although it lies near the grid (FormatGridRef),
// and of a grid reference that names no place on the grid (ParseGridRef's not_valid).
inline constexpr std::string_view kNgrNotValid = "Not valid";

// What FormatGridRef produced.
enum class NgrStatus {
    kOk,           // text is a grid reference
    kOutsideArea,  // WGS84 position outside latitude 49..61, longitude -8..1.8: text is ""
    kNotValid,     // inside that area but off the grid: text is "Not valid"
};

// Result of FormatGridRef. easting_m and northing_m are filled only for kOk (otherwise 0).
struct NgrText {
    NgrStatus status = NgrStatus::kOutsideArea;
    std::string text;         // "SU69511 78370", "" or "Not valid"
    double easting_m = 0.0;   // unrounded easting, metres
    double northing_m = 0.0;  // unrounded northing, metres
};

// Digit count per coordinate for a positional uncertainty in km: more than 2 km gives 2 digits,
// 0.1..2 km gives 3, 0.01..0.1 km gives 4, under 0.01 km gives 5.
int NgrDigitsForResolution(double resolution_km);

// WGS84 degrees to grid reference text, digits chosen by resolution_km (> 0). Digit groups are
// rounded (halves to even), not truncated; a group that rounds up to 10^d carries into the next
// 100 km square so the text always has d digits per group and names the right square.
NgrText FormatGridRef(double lat_deg, double lon_deg, double resolution_km);

// Result of ParseGridRef.
struct NgrPosition {
    bool ok = false;
    // Refused because the letters name no square of the grid (a letter I or beyond the grid's
    // 700 x 1400 km, e.g. XZ), or the position is not a real latitude/longitude: the text names
    // no place, and is shown as kNgrNotValid.
    bool not_valid = false;
    std::string error;     // set when !ok: a sentence naming the bad text
    double lat_deg = 0.0;  // WGS84, south-west corner of the named square
    double lon_deg = 0.0;
    double resolution_km = 0.0;   // 1 for 4 digits, 0.1 for 6, 0.01 for 8, 0.001 for 10;
                                  // otherwise the resolution passed in
    bool kept_resolution = true;  // false when the count of digits set resolution_km
    double easting_m = 0.0;       // south-west corner of the square, metres
    double northing_m = 0.0;
};

// Grid reference text (two capital letters then digits, no spaces; the caller removes spaces and
// upper-cases) to the WGS84 position of the south-west corner of the square it names. Digits are
// not validated beyond length: a character that is not a digit ends the number of its group.
// Texts with more than 5 digits per coordinate (more than 12 characters) are refused, as are
// texts shorter than 2 characters and (not_valid) letters that name a square off the grid.
// current_resolution_km is returned unchanged for lengths other than 6, 8, 10 and 12 characters.
NgrPosition ParseGridRef(std::string_view text, double current_resolution_km);

// The 10 km square of a grid reference without blanks: the letters, the first easting digit and
// the first northing digit (at the 1-based position m/2 + 1 of the m digits, rounded half to
// even), e.g. "SU5711234" -> "SU57". Characters that are missing are left out.
std::string Square10km(std::string_view compact_text);

// The console tools' grid references. They read and write on their own terms: full-precision
// angle units (kConsoleAngles), no checks, and a fixed 10 m form.

// Grid reference text (blanks allowed anywhere, any case) to WGS84: the south-west corner of the
// square that the digits name. Letters and digits are not checked: each digit group is read as
// the console tools read a number (LeadingNumber with kConsoleNumbers), an odd digit count gives
// the longer group to the easting.
LatLon ParseGridRefCorner(std::string_view text);

// WGS84 to "SU1234 5678" (two letters, four easting and four northing digits, 10 m; the 100 km
// square by truncation, the digits rounded half to even), or "Not valid" outside
// 0 < E <= 700000, 0 < N <= 1400000.
std::string FormatGridRef10m(LatLon wgs84);

}  // namespace geodesy
