// Reading one typed line as a position: a part of a site name, a Maidenhead locator, a National
// Grid Reference or a free-format latitude/longitude, with no mode switch. ClassifyInput decides
// which, ParseLatLong reads latitude/longitude and FormatLatLong writes a position in one of
// three layouts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geodesy/leading_number.h"
#include "geodesy/upper_case.h"

namespace geodesy {

// The kind of a typed text; the values are the classic class codes.
enum class InputClass {
    kSiteName = 0,  // fewer than 5 characters, or not one of the forms below
    kGridRef = 1,   // two letters, then digits (blanks allowed after the fourth character)
    kLocator = 2,   // two letters, two digits, two letters (blanks allowed after the fourth)
    kLatLong = 4,   // the first four characters read as a number greater than 0
};

struct Classification {
    InputClass input_class = InputClass::kSiteName;
    // The text to resolve: for kGridRef and kLocator the input with every blank removed, for the
    // other classes the input unchanged.
    std::string text;
};

// Classifies an upper-cased text. Characters 1 to 4 are tested before any blank is removed, so
// "SU 1234 5678" is a site name while "SU12 345678" is a grid reference.
Classification ClassifyInput(std::string_view upper_text);

struct ParsedLatLong {
    // false: no N/S or no E/W letter, or a coordinate beyond the double range ("1e999N"); the
    // position must stay as it was
    bool ok = false;
    std::string cleaned;   // the cleaned upper-case text for the input box, "" when !ok
    double lat_deg = 0.0;  // WGS84, north positive
    double lon_deg = 0.0;  // WGS84, east positive
    double resolution_km = 0.001;
};

// Free-format latitude/longitude: degrees, or degrees and minutes, or degrees, minutes and
// seconds (decimal fractions allowed in each), each coordinate followed by its hemisphere
// letter, in either order: "51.5N 1.25W", "51°30'N, 1°15'W", "1 15 W 51 30 N". Double quotes,
// commas, apostrophes and degree signs act as blanks; runs of blanks become one. The degree
// sign is accepted as the byte 0xB0 (8-bit text) and as its UTF-8 form. Text after the last
// hemisphere letter is ignored. The hemisphere letter alone gives the sign: a minus sign before
// the degrees is dropped.
ParsedLatLong ParseLatLong(std::string_view a);

// Latitude/longitude layouts of FormatLatLong, cycled by the "L/L Format" button.
//   0: "51.500000N , 1.250000W"
//   1: "51° 30.0000' N , 1° 15.0000' W"
//   2: "51° 30' 00.0'' N, 1° 15' 00.0'' W"
inline constexpr int kLatLongFormats = 3;

// The position (WGS84 degrees) as text in layout ll_format (0, 1 or 2); std::nullopt for any
// other layout (the box keeps its text). The degree sign is written as UTF-8 "°".
std::optional<std::string> FormatLatLong(double lat_deg, double lon_deg, int ll_format);

}  // namespace geodesy
