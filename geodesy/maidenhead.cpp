// Maidenhead locators from and to WGS84 latitude/longitude.
#include "geodesy/maidenhead.h"

#include <algorithm>
#include <cmath>

#include "geodesy/constants.h"
#include "geodesy/display_mask.h"

namespace geodesy {

namespace {

// Cell counts per unit of the running remainder: fields of 10 (latitude) units, then squares of
// 1, subsquares of 1/24, extended squares of 1/240, extended subsquares of 1/5760. Longitude is
// halved first so that the same steps serve both coordinates.
constexpr double kFieldUnits = 10.0;
constexpr double kSubsquaresPerUnit = 24.0;
constexpr double kExtSquaresPerUnit = 240.0;
constexpr double kExtSubsquaresPerUnit = 5760.0;

// Fixed offsets, about half the finest step, that move a decoded position off the cell corner.
constexpr double kLonOffset_deg = 0.00017;
constexpr double kLatOffset_deg = 8.6e-5;
// Middle values used for the pairs a short locator leaves out.
constexpr int kMissingDigit = 4;
constexpr int kMissingLetter = 12;
// Size base r (km over 60) of each length, from 111.2 km per degree of latitude.
constexpr double kKmPerDegree = 111.2;
constexpr double kSizeBase6 = 278.0;
constexpr double kSizeBase8 = 27.8;
constexpr double kSizeBase10 = 0.25 / 24.0 * kKmPerDegree;
constexpr double kMinutesPerDegree = 60.0;
constexpr char kSizeMask[] = "###m";

// A character from a cell index. The index is clamped so that absurd input (far outside
// -90..90 / -180..180, or not finite) cannot overflow the conversion; real positions never are.
char Symbol(double index, char base) {
    if (!(index >= -64.0)) index = -64.0;
    if (!(index <= 190.0)) index = 190.0;
    return static_cast<char>(static_cast<int>(index) + base);
}

// The five cell indexes of one coordinate (latitude + 90, or (longitude + 180) / 2).
struct Steps {
    double a, b, c, d, f;
};

Steps Split(double t) {
    Steps s;
    s.a = std::floor(t / kFieldUnits);
    s.b = std::floor(t - kFieldUnits * s.a);
    s.c = std::floor((t - kFieldUnits * s.a - s.b) * kSubsquaresPerUnit);
    s.d = std::floor((t - kFieldUnits * s.a - s.b - s.c / kSubsquaresPerUnit) * kExtSquaresPerUnit);
    s.f = std::floor(
        (t - kFieldUnits * s.a - s.b - s.c / kSubsquaresPerUnit - s.d / kExtSquaresPerUnit) *
        kExtSubsquaresPerUnit);
    return s;
}

int Letter(char c) {
    return static_cast<unsigned char>(c) - 'A';
}
int Digit(char c) {
    return static_cast<unsigned char>(c) - '0';
}

}  // namespace

std::string GenLocator(double lat_deg, double lon_deg) {
    const Steps la = Split(lat_deg + 90.0);
    const Steps lo = Split((lon_deg + 180.0) / 2.0);
    return std::string{Symbol(lo.a, 'A'), Symbol(la.a, 'A'), Symbol(lo.b, '0'), Symbol(la.b, '0'),
                       Symbol(lo.c, 'A'), Symbol(la.c, 'A'), Symbol(lo.d, '0'), Symbol(la.d, '0'),
                       Symbol(lo.f, 'A'), Symbol(la.f, 'A')};
}

LocatorPosition LocatorToLatLong(std::string_view text) {
    LocatorPosition out;
    const std::size_t len = text.size();
    if (len % 2 != 0 || len < 6) {
        out.error = kLocatorError;
        return out;
    }
    const int c1 = Letter(text[0]), c2 = Letter(text[1]);
    const int d3 = Digit(text[2]), d4 = Digit(text[3]);
    const int c5 = Letter(text[4]), c6 = Letter(text[5]);
    int d7 = kMissingDigit, d8 = kMissingDigit, c9 = kMissingLetter, c10 = kMissingLetter;
    double r = kSizeBase6;
    if (len >= 8) {
        d7 = Digit(text[6]);
        d8 = Digit(text[7]);
        r = kSizeBase8;
    }
    if (len >= 10) {
        c9 = Letter(text[8]);
        c10 = Letter(text[9]);
        r = kSizeBase10;
    }
    out.resolution_km = r / kMinutesPerDegree;
    out.lon_deg =
        (c1 - 9) * 20 + 2 * d3 + 5.0 * c5 / 60 + 0.5 * d7 / 60 + c9 / 2880.0 + kLonOffset_deg;
    out.lat_deg =
        (c2 - 9) * 10 + d4 + 2.5 * c6 / 60 + 0.25 * d8 / 60 + c10 / 5760.0 + kLatOffset_deg;
    out.ns_size_m = out.resolution_km * 1000.0;
    out.ew_size_m = out.resolution_km * 2000.0 * std::cos(out.lat_deg / kDegPerRad);
    out.ns_size_text = FormatMask(out.ns_size_m, kSizeMask);
    out.ew_size_text = FormatMask(out.ew_size_m, kSizeMask);
    out.ok = true;
    return out;
}

}  // namespace geodesy
