// Maidenhead locators from and to WGS84 latitude/longitude.
#include "geodesy/maidenhead.h"

#include <algorithm>
#include <cmath>

#include "geodesy/constants.h"
#include "geodesy/rounding.h"
#include "geodesy/upper_case.h"

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
// Size base r (km over 60) of each length, from the km in a degree of latitude.
constexpr double kSizeBase6 = 278.0;
constexpr double kSizeBase8 = 27.8;
constexpr double kSizeBase10 = 0.25 / 24.0 * kKmPerDegreeLat;
// Fifth-pair cells per degree: a field is 20 x 10 degrees, a square 2 x 1, a subsquare 1/12 x
// 1/24, the fourth pair 1/120 x 1/240 and the fifth 1/2880 x 1/5760 degree.
constexpr double kFifthPairsPerLonDegree = 2880;
constexpr double kFifthPairsPerLatDegree = 5760;

// A character from a cell index, or 0 when the index gives no printable character: a position
// far outside -90..90 / -180..180, or not finite, has no locator.
char Symbol(double index, char base) {
    constexpr double kFirstPrintable = ' ' + 1, kLastPrintable = '~';
    if (!(index >= kFirstPrintable - base && index <= kLastPrintable - base)) return 0;
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

// The symbols of each pair: 18 fields (A..R) of 20 x 10 degrees, 10 squares (0..9) in a field,
// 24 subsquares (A..X) in a square, 10 extended squares, 24 extended subsquares.
constexpr int kFieldLetters = 18;
constexpr int kSquareDigits = 10;
constexpr int kSubsquareLetters = 24;

// Whether each character of a locator of `length` (6, 8 or 10 and more) names a cell.
bool NamesACell(std::string_view text, std::size_t length) {
    auto within = [](int index, int count) { return index >= 0 && index < count; };
    bool ok = within(Letter(text[0]), kFieldLetters) && within(Letter(text[1]), kFieldLetters) &&
              within(Digit(text[2]), kSquareDigits) && within(Digit(text[3]), kSquareDigits) &&
              within(Letter(text[4]), kSubsquareLetters) &&
              within(Letter(text[5]), kSubsquareLetters);
    if (length >= 8)
        ok = ok && within(Digit(text[6]), kSquareDigits) && within(Digit(text[7]), kSquareDigits);
    if (length >= 10)
        ok = ok && within(Letter(text[8]), kSubsquareLetters) &&
             within(Letter(text[9]), kSubsquareLetters);
    return ok;
}

}  // namespace

std::string FormatLocator(double lat_deg, double lon_deg) {
    const Steps la = Split(lat_deg + 90.0);
    const Steps lo = Split((lon_deg + 180.0) / 2.0);
    const std::string locator{Symbol(lo.a, 'A'), Symbol(la.a, 'A'), Symbol(lo.b, '0'),
                              Symbol(la.b, '0'), Symbol(lo.c, 'A'), Symbol(la.c, 'A'),
                              Symbol(lo.d, '0'), Symbol(la.d, '0'), Symbol(lo.f, 'A'),
                              Symbol(la.f, 'A')};
    if (locator.find('\0') != std::string::npos) return std::string(kLocatorError);
    return locator;
}

LocatorPosition ParseLocator(std::string_view text) {
    LocatorPosition out;
    const std::size_t len = text.size();
    if (len % 2 != 0 || len < 6) return out;
    if (!NamesACell(text, len)) {
        out.not_valid = true;
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
    out.ew_size_m = out.resolution_km * 2000.0 * std::cos(out.lat_deg / kWindowDegPerRad);
    out.ok = true;
    return out;
}

LatLon ParseLocatorCorner(std::string_view text) {
    std::string loc = UpperCase(text, Letters::kAscii);
    if (loc.size() < 6) loc += "LL";
    if (loc.size() < 8) loc += "44";
    if (loc.size() < 10) loc += "LL";
    // Character n (1-based) as a code; 0 beyond the end of a text that was longer than 10.
    auto c = [&](std::size_t n) {
        return static_cast<double>(n <= loc.size() ? static_cast<unsigned char>(loc[n - 1]) : 0);
    };
    const double latitude = (c(2) - 65) * 10 + (c(4) - 48) - 90 + (c(6) - 65) / 24 +
                            (c(8) - 48) / 240 + (c(10) - 65) / kFifthPairsPerLatDegree;
    const double longitude = (c(1) - 65) * 20 + (c(3) - 48) * 2 - 180 + (c(5) - 65) / 12 +
                             (c(7) - 48) / 120 + (c(9) - 65) / kFifthPairsPerLonDegree;
    return LatLon{latitude, longitude};
}

std::string FormatLocatorRounded(LatLon wgs84) {
    // Beyond this many cells the conversion to an integer would overflow; no real position is.
    constexpr double kMaxCells = 1e15;
    const double x_cells = RoundHalfEven((wgs84.lon_deg + 180) * kFifthPairsPerLonDegree);
    const double y_cells = RoundHalfEven((wgs84.lat_deg + 90) * kFifthPairsPerLatDegree);
    if (!(std::fabs(x_cells) < kMaxCells && std::fabs(y_cells) < kMaxCells))
        return std::string(kLocatorError);
    const auto x = static_cast<long long>(x_cells);
    const auto y = static_cast<long long>(y_cells);
    // Positive remainders keep the characters letters and digits even for positions off the
    // globe's range (which the tools never produce).
    auto mod = [](long long a, long long m) { return ((a % m) + m) % m; };
    auto ch = [](char base, long long offset) { return static_cast<char>(base + offset); };
    std::string loc;
    loc += ch('A', mod(x / 57600, 18));
    loc += ch('A', mod(y / 57600, 18));
    loc += ch('0', mod(x / 5760, 10));
    loc += ch('0', mod(y / 5760, 10));
    loc += ch('A', mod(x / 240, 24));
    loc += ch('A', mod(y / 240, 24));
    loc += ch('0', mod(x / 24, 10));
    loc += ch('0', mod(y / 24, 10));
    loc += ch('A', mod(x, 24));
    loc += ch('A', mod(y, 24));
    return loc;
}

}  // namespace geodesy
