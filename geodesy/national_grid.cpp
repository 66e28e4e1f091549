// National Grid Reference text from and to WGS84 latitude/longitude.
#include "geodesy/national_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "geodesy/datum_shift.h"
#include "geodesy/grid_letters.h"
#include "geodesy/leading_number.h"
#include "geodesy/rounding.h"
#include "geodesy/transverse_mercator.h"
#include "geodesy/upper_case.h"

namespace geodesy {

namespace {

// WGS84 area for which grid references are produced (the tests are strict, edges inside).
constexpr double kAreaMinLat_deg = 49.0;
constexpr double kAreaMaxLat_deg = 61.0;
constexpr double kAreaMinLon_deg = -8.0;
constexpr double kAreaMaxLon_deg = 1.8;
// Extent of the grid: 700 km east, 1400 km north of the false origin.
constexpr double kGridMaxEasting_m = 700000.0;
constexpr double kGridMaxNorthing_m = 1400000.0;
constexpr int kMaxDigitsPerCoordinate = 5;  // 1 m

// The console tools' grid references carry four digits per coordinate: 10 m.
constexpr int kDigits10m = 4;
constexpr double kTenMetres_m = 10.0;

// value (0 <= value < 10^digits) as exactly `digits` decimal digits, zero-padded on the left.
void AppendPadded(std::string& out, std::int64_t value, int digits) {
    char buf[kMaxDigitsPerCoordinate + 1];
    for (int i = digits - 1; i >= 0; --i) {
        buf[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(buf, static_cast<std::size_t>(digits));
}

// value as at least `digits` decimal digits, zero-padded on the left (more when it is larger).
std::string ZeroPadded(long long value, int digits) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < digits)
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    return text;
}

bool OnGrid(double e_m, double n_m) {
    return e_m > 0.0 && e_m <= kGridMaxEasting_m && n_m > 0.0 && n_m <= kGridMaxNorthing_m;
}

// Whether two letters name one of the squares of the grid, the squares FormatGridRef writes: the
// 25 letters can name squares far off it (XZ lies 500 km south of the false origin, where the
// projection gives no real place).
bool LettersOnGrid(char first, char second) {
    if (!IsGridLetter(first) || !IsGridLetter(second)) return false;
    const GridSquare square = ParseGridLetters(first, second);
    return square.east >= 0 && square.east * kGridSquare_m < kGridMaxEasting_m &&
           square.north >= 0 && square.north * kGridSquare_m < kGridMaxNorthing_m;
}

bool IsRealPosition(const LatLon& p) {
    return std::isfinite(p.lat_deg) && std::isfinite(p.lon_deg) && std::fabs(p.lat_deg) <= 90.0 &&
           std::fabs(p.lon_deg) <= 180.0;
}

// A refused grid reference that names no place; `reason` completes the sentence.
NgrPosition NotValid(std::string_view text, double current_resolution_km, std::string_view reason) {
    NgrPosition out;
    out.resolution_km = current_resolution_km;
    out.not_valid = true;
    out.error = "Grid reference \"" + std::string(text) + "\" is not valid: " + std::string(reason);
    return out;
}

// Value of the leading decimal digits of text (empty or no digit: 0); at most 5 digits are read
// by callers, so the value fits easily.
std::int64_t LeadingDigits(std::string_view text) {
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        v = v * 10 + (c - '0');
    }
    return v;
}

}  // namespace

int NgrDigitsForResolution(double resolution_km) {
    int d = resolution_km <= 2.0 ? 3 : 2;
    if (resolution_km < 0.1) d = 4;
    if (resolution_km < 0.01) d = 5;
    return d;
}

NgrText FormatGridRef(double lat_deg, double lon_deg, double resolution_km) {
    NgrText out;
    if (!(lat_deg >= kAreaMinLat_deg && lat_deg <= kAreaMaxLat_deg && lon_deg >= kAreaMinLon_deg &&
          lon_deg <= kAreaMaxLon_deg)) {
        out.status = NgrStatus::kOutsideArea;
        return out;
    }
    const LatLon airy = WGS84ToAiry(lat_deg, lon_deg);
    const EastNorth en = LatLongToEastNorth(airy.lat_deg, airy.lon_deg);
    const double e_m = en.e_m, n_m = en.n_m;
    if (!OnGrid(e_m, n_m)) {
        out.status = NgrStatus::kNotValid;
        out.text = kNgrNotValid;
        return out;
    }

    const int d = NgrDigitsForResolution(resolution_km);
    std::int64_t q = 1;
    for (int i = d; i < kMaxDigitsPerCoordinate; ++i) q *= 10;
    const std::int64_t full = kGridSquare_m / q;  // 10^d: one whole square in digit units

    std::int64_t e = static_cast<std::int64_t>(RoundHalfEven(e_m)) / kGridSquare_m;
    std::int64_t n = static_cast<std::int64_t>(RoundHalfEven(n_m)) / kGridSquare_m;
    std::int64_t e_digits = static_cast<std::int64_t>(
        RoundHalfEven((e_m - static_cast<double>(kGridSquare_m * e)) / q));
    std::int64_t n_digits = static_cast<std::int64_t>(
        RoundHalfEven((n_m - static_cast<double>(kGridSquare_m * n)) / q));
    // A group that rounds up to a whole square belongs to the next square, with digits 0.
    if (e_digits >= full) {
        e_digits -= full;
        ++e;
    }
    if (n_digits >= full) {
        n_digits -= full;
        ++n;
    }

    out.status = NgrStatus::kOk;
    out.text.reserve(2 * kMaxDigitsPerCoordinate + 3);
    out.text += FormatGridLetters(GridSquare{e, n});
    AppendPadded(out.text, e_digits, d);
    out.text += ' ';
    AppendPadded(out.text, n_digits, d);
    out.easting_m = e_m;
    out.northing_m = n_m;
    return out;
}

NgrPosition ParseGridRef(std::string_view text, double current_resolution_km) {
    NgrPosition out;
    out.resolution_km = current_resolution_km;
    if (text.size() < 2) {
        out.error = "Grid reference \"" + std::string(text) +
                    "\" is too short: expected two letters followed by digits";
        return out;
    }
    const std::string_view letters = text.substr(0, 2);
    const std::string_view digits = text.substr(2);
    const std::size_t m = digits.size();
    const int k = static_cast<int>(RoundHalfEven(static_cast<double>(m) / 2.0));
    if (k > kMaxDigitsPerCoordinate) {
        out.error = "Grid reference \"" + std::string(text) +
                    "\" has more than 5 digits per coordinate; at most 10 digits are allowed";
        return out;
    }
    if (!LettersOnGrid(letters[0], letters[1]))
        return NotValid(text, current_resolution_km,
                        "its letters name no 100 km square of the National Grid");
    const std::size_t ku = static_cast<std::size_t>(k);
    const std::int64_t e_digits = LeadingDigits(digits.substr(0, ku));
    const std::int64_t n_digits = LeadingDigits(digits.substr(std::min(ku, m), ku));
    std::int64_t multiplier = 1;
    for (int i = k; i < kMaxDigitsPerCoordinate; ++i) multiplier *= 10;

    const GridSquare square = ParseGridLetters(letters[0], letters[1]);
    out.easting_m = static_cast<double>(square.east * kGridSquare_m + e_digits * multiplier);
    out.northing_m = static_cast<double>(square.north * kGridSquare_m + n_digits * multiplier);

    out.kept_resolution = false;
    switch (text.size()) {
        case 6:
            out.resolution_km = 1.0;
            break;  // 4 digits: a 1 km square
        case 8:
            out.resolution_km = 0.1;
            break;
        case 10:
            out.resolution_km = 0.01;
            break;
        case 12:
            out.resolution_km = 0.001;
            break;
        default:
            out.kept_resolution = true;  // other lengths keep the current resolution
            break;
    }

    const LatLon airy = EastNorthToLatLong(out.easting_m, out.northing_m);
    const LatLon wgs = AiryToWGS84(airy.lat_deg, airy.lon_deg);
    // Every square of the grid lies within latitude 49..63 N: this guards the conversions, not
    // the letters, which are checked above.
    if (!IsRealPosition(wgs))
        return NotValid(text, current_resolution_km, "it gives no real latitude/longitude");
    out.lat_deg = wgs.lat_deg;
    out.lon_deg = wgs.lon_deg;

    out.ok = true;
    return out;
}

std::string Square10km(std::string_view compact_text) {
    const std::string_view letters = compact_text.substr(0, 2);
    const std::string_view digits = compact_text.substr(letters.size());
    const std::size_t m = digits.size();
    std::string square(letters);
    if (m > 0) square += digits[0];
    const std::size_t north_pos =
        static_cast<std::size_t>(RoundHalfEven(static_cast<double>(m) / 2.0 + 1.0));
    if (north_pos >= 1 && north_pos <= m) square += digits[north_pos - 1];
    return square;
}

LatLon ParseGridRefCorner(std::string_view text) {
    std::string compact;
    for (char c : UpperCase(text, Letters::kAscii))
        if (c != ' ') compact += c;
    const auto char_at = [&](std::size_t i) { return i < compact.size() ? compact[i] : '\0'; };
    const GridSquare square = ParseGridLetters(char_at(0), char_at(1));
    const std::string digits = compact.size() > 2 ? compact.substr(2) : std::string();
    const auto h =
        static_cast<std::size_t>(RoundHalfEven(static_cast<double>(digits.size()) / 2.0));
    const double unit = std::pow(10.0, 5.0 - static_cast<double>(h));
    const double east_digits = LeadingNumber(digits.substr(0, h), kConsoleNumbers);
    const double north_digits =
        h < digits.size() ? LeadingNumber(digits.substr(h, h), kConsoleNumbers) : 0.0;
    const double easting = static_cast<double>(square.east * kGridSquare_m) + east_digits * unit;
    const double northing = static_cast<double>(square.north * kGridSquare_m) + north_digits * unit;
    const LatLon osgb = EastNorthToLatLong(easting, northing, kConsoleAngles);
    return AiryToWGS84(osgb.lat_deg, osgb.lon_deg, kConsoleAngles);
}

std::string FormatGridRef10m(LatLon wgs84) {
    const LatLon osgb = WGS84ToAiry(wgs84.lat_deg, wgs84.lon_deg, kConsoleAngles);
    const EastNorth en = LatLongToEastNorth(osgb.lat_deg, osgb.lon_deg, kConsoleAngles);
    const double e = en.e_m, n = en.n_m;
    if (!OnGrid(e, n)) return std::string(kNgrNotValid);
    const auto square_e = static_cast<long long>(e / static_cast<double>(kGridSquare_m));
    const auto square_n = static_cast<long long>(n / static_cast<double>(kGridSquare_m));
    std::string text = FormatGridLetters(GridSquare{square_e, square_n});
    const double corner_e = static_cast<double>(kGridSquare_m * square_e);
    const double corner_n = static_cast<double>(kGridSquare_m * square_n);
    text += ZeroPadded(static_cast<long long>(RoundHalfEven((e - corner_e) / kTenMetres_m)),
                       kDigits10m);
    text += ' ';
    text += ZeroPadded(static_cast<long long>(RoundHalfEven((n - corner_n) / kTenMetres_m)),
                       kDigits10m);
    return text;
}

}  // namespace geodesy
