// National Grid Reference text from and to WGS84 latitude/longitude.
#include "geodesy/national_grid.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#include "geodesy/datum_shift.h"
#include "geodesy/display_mask.h"
#include "geodesy/rounding.h"
#include "geodesy/transverse_mercator.h"

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
constexpr std::int64_t kSquare_m = 100000;  // one 100 km square
constexpr int kMaxDigitsPerCoordinate = 5;  // 1 m

constexpr char kNotValid[] = "Not valid";
constexpr char kEastNorthMask[] = "######";

// value (0 <= value < 10^digits) as exactly `digits` decimal digits, zero-padded on the left.
void AppendPadded(std::string& out, std::int64_t value, int digits) {
    char buf[kMaxDigitsPerCoordinate + 1];
    for (int i = digits - 1; i >= 0; --i) {
        buf[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    out.append(buf, static_cast<std::size_t>(digits));
}

// Appends v in the mask "######" (whole metres, no leading zeros). Grid values of a metre or more
// take a direct integer conversion with the same digits; anything else goes through FormatMask.
void AppendMetres(std::string& out, double v) {
    constexpr double kDirectLimit = 1e15;  // well inside the exact integer range of a double
    if (v >= 1.0 && v < kDirectLimit) {
        char buf[24];
        const auto res =
            std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(RoundHalfEven(v)));
        out.append(buf, res.ptr);
    } else {
        out += FormatMask(v, kEastNorthMask);
    }
}

std::string EastNorthText(double e_m, double n_m) {
    std::string out;
    out.reserve(24);
    out += "E: ";
    AppendMetres(out, e_m);
    out += " , N: ";
    AppendMetres(out, n_m);
    return out;
}

// Index of a grid letter: A = 0 .. H = 7, J = 8 .. Z = 24 (I is skipped).
int LetterIndex(char c) {
    int v = static_cast<unsigned char>(c) - 'A';
    if (v > 8) --v;
    return v;
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

NgrText GenNGR(double lat_deg, double lon_deg, double resolution_km) {
    NgrText out;
    if (!(lat_deg >= kAreaMinLat_deg && lat_deg <= kAreaMaxLat_deg && lon_deg >= kAreaMinLon_deg &&
          lon_deg <= kAreaMaxLon_deg)) {
        out.status = NgrStatus::kOutsideArea;
        return out;
    }
    const LatLon airy = WGS84ToAiry(lat_deg, lon_deg);
    const EastNorth en = LatLongToEastNorth(airy.lat_deg, airy.lon_deg);
    const double e_m = en.e_m, n_m = en.n_m;
    if (!(e_m > 0.0 && e_m <= kGridMaxEasting_m && n_m > 0.0 && n_m <= kGridMaxNorthing_m)) {
        out.status = NgrStatus::kNotValid;
        out.text = kNotValid;
        return out;
    }

    const int d = NgrDigitsForResolution(resolution_km);
    std::int64_t q = 1;
    for (int i = d; i < kMaxDigitsPerCoordinate; ++i) q *= 10;
    const std::int64_t full = kSquare_m / q;  // 10^d: one whole square in digit units

    std::int64_t e = static_cast<std::int64_t>(RoundHalfEven(e_m)) / kSquare_m;
    std::int64_t n = static_cast<std::int64_t>(RoundHalfEven(n_m)) / kSquare_m;
    std::int64_t e_digits =
        static_cast<std::int64_t>(RoundHalfEven((e_m - static_cast<double>(kSquare_m * e)) / q));
    std::int64_t n_digits =
        static_cast<std::int64_t>(RoundHalfEven((n_m - static_cast<double>(kSquare_m * n)) / q));
    // A group that rounds up to a whole square belongs to the next square, with digits 0.
    if (e_digits >= full) {
        e_digits -= full;
        ++e;
    }
    if (n_digits >= full) {
        n_digits -= full;
        ++n;
    }

    int l1 = 83 - 5 * static_cast<int>(n / 5) + static_cast<int>(e / 5);  // 83 is 'S'
    if (l1 == 'I') l1 = 'H';
    int l2 = (4 - static_cast<int>(n % 5)) * 5 + static_cast<int>(e % 5) + 'A';
    if (l2 > 'H') ++l2;

    out.status = NgrStatus::kOk;
    out.text.reserve(2 * kMaxDigitsPerCoordinate + 3);
    out.text += static_cast<char>(l1);
    out.text += static_cast<char>(l2);
    AppendPadded(out.text, e_digits, d);
    out.text += ' ';
    AppendPadded(out.text, n_digits, d);
    out.easting_m = e_m;
    out.northing_m = n_m;
    // Letters, first easting digit, first northing digit.
    out.square_10km = {out.text[0], out.text[1], out.text[2], out.text[3 + d]};
    out.east_north_text = EastNorthText(e_m, n_m);
    return out;
}

NgrPosition GridRefToLatLong(std::string_view text, double current_resolution_km) {
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
    const std::size_t ku = static_cast<std::size_t>(k);
    const std::int64_t e_digits = LeadingDigits(digits.substr(0, ku));
    const std::int64_t n_digits = LeadingDigits(digits.substr(std::min(ku, m), ku));
    std::int64_t multiplier = 1;
    for (int i = k; i < kMaxDigitsPerCoordinate; ++i) multiplier *= 10;

    const int l1 = LetterIndex(letters[0]);
    const int l2 = LetterIndex(letters[1]);
    out.easting_m = static_cast<double>((l1 % 5) * 500000 + (l2 % 5) * 100000 - 1000000 +
                                        e_digits * multiplier);
    out.northing_m = static_cast<double>(1900000 - (l1 / 5) * 500000 - (l2 / 5) * 100000 +
                                         n_digits * multiplier);

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
            break;  // other lengths keep the current resolution
    }

    const LatLon airy = EastNorthToLatLong(out.easting_m, out.northing_m);
    const LatLon wgs = AiryToWGS84(airy.lat_deg, airy.lon_deg);
    out.lat_deg = wgs.lat_deg;
    out.lon_deg = wgs.lon_deg;

    // The 10 km square: letters, first easting digit, first northing digit (1-based position
    // m/2 + 1, rounded half to even).
    out.square_10km = std::string(letters);
    if (m > 0) out.square_10km += digits[0];
    const std::size_t north_pos =
        static_cast<std::size_t>(RoundHalfEven(static_cast<double>(m) / 2.0 + 1.0));
    if (north_pos >= 1 && north_pos <= m) out.square_10km += digits[north_pos - 1];
    out.east_north_text = EastNorthText(out.easting_m, out.northing_m);
    out.ok = true;
    return out;
}

}  // namespace geodesy
