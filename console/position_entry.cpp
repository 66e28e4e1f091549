#include "console/position_entry.h"

#include <cctype>
#include <cmath>
#include <fstream>

#include "console/console_constants.h"
#include "console/file_names.h"
#include "console/numbers.h"
#include "console/picture_mask.h"
#include "geodesy/constants.h"
#include "geodesy/datum_shift.h"
#include "geodesy/distance_bearing.h"
#include "geodesy/transverse_mercator.h"

namespace console {

namespace {

// Locator cells: a field is 20 x 10 degrees, a square 2 x 1, a subsquare 1/12 x 1/24, the fourth
// pair 1/120 x 1/240 and the fifth 1/2880 x 1/5760 degree.
constexpr double kLocatorLonUnits = 2880;  // fifth-pair cells per degree of longitude
constexpr double kLocatorLatUnits = 5760;  // fifth-pair cells per degree of latitude

// The National Grid: 100 km squares; the false origin puts square SV's corner at 0, 0.
constexpr double kSquare_m = 100000;
constexpr double kMaxEasting_m = 700000;
constexpr double kMaxNorthing_m = 1400000;

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// Character n (1-based) of a text as a code, 0 when the text is shorter (the empty string, which
// sorts below "0").
int CharAt(std::string_view text, std::size_t n) {
    return n <= text.size() ? static_cast<unsigned char>(text[n - 1]) : 0;
}

bool IsDigitCode(int c) {
    return c >= '0' && c <= '9';
}
bool IsLocatorLetterCode(int c) {
    return c >= 'A' && c <= 'X';
}

// A site file line split as the console tools read it: the name before the first "~" and the
// position text after it up to the next "~", upper-cased.
struct SiteLine {
    std::string name;
    std::string position;
};

SiteLine SplitSiteLine(std::string_view line) {
    SiteLine site;
    auto first = line.find('~');
    if (first == std::string_view::npos) return site;  // no "~": empty name, no position
    site.name = std::string(line.substr(0, first));
    auto second = line.find('~', first + 1);
    std::string_view position = line.substr(
        first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1);
    site.position = Upper(position);
    return site;
}

// Decodes a site's position text by its characters 5 and 6; nullopt when it is neither a grid
// reference nor a locator.
std::optional<LatLong> DecodeSitePosition(const std::string& position) {
    int c5 = CharAt(position, 5), c6 = CharAt(position, 6);
    if (IsDigitCode(c5) && IsDigitCode(c6)) return GridRefToLatLong(position);
    if (IsLocatorLetterCode(c5) && IsLocatorLetterCode(c6)) return LocatorCorner(position);
    return std::nullopt;
}

bool ReadLine(std::istream& in, std::string& line) {
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

// Grid letter index: A = 0 ... H = 7, J = 8 ... Z = 24 (no I).
int GridLetterIndex(int code) {
    int index = code - 'A';
    return index > 8 ? index - 1 : index;
}

std::string ZeroPadded(long long value, int digits) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    }
    return text;
}

// Bearing from the formula's cosine; a zero denominator (coincident points, a pole) gives 0.
double BearingFromCosine(double numerator, double denominator) {
    if (denominator == 0) return 0;
    double k = numerator / denominator;
    if (!std::isfinite(k)) return 0;
    if (k > 1) k = 1;
    if (k < -1) k = -1;
    return geodesy::ACS(k, geodesy::kConsoleAngles) * kDegPerRad;
}

}  // namespace

PositionForm ClassifyPosition(std::string_view text) {
    std::string upper = Upper(text);
    if (CharAt(upper, 3) > '9' || CharAt(upper, 4) > '9') return PositionForm::kSiteName;
    int c5 = CharAt(upper, 5), c6 = CharAt(upper, 6);
    if (IsDigitCode(c5) && IsDigitCode(c6)) return PositionForm::kGridRef;
    if (IsLocatorLetterCode(c5) && IsLocatorLetterCode(c6)) return PositionForm::kLocator;
    return PositionForm::kSiteName;
}

ConsolePosition ResolvePosition(std::string_view text, const std::string& sitesPath,
                                Console& console) {
    ConsolePosition result;
    result.text = std::string(text);
    switch (ClassifyPosition(text)) {
        case PositionForm::kGridRef: {
            LatLong p = GridRefToLatLong(text);
            result.latitude_deg = p.latitude_deg;
            result.longitude_deg = p.longitude_deg;
            result.found = true;
            return result;
        }
        case PositionForm::kLocator: {
            LatLong p = LocatorCorner(text);
            result.latitude_deg = p.latitude_deg;
            result.longitude_deg = p.longitude_deg;
            result.found = true;
            return result;
        }
        case PositionForm::kSiteName:
            break;
    }
    return FindSite(text, sitesPath, console);
}

ConsolePosition FindSite(std::string_view text, const std::string& sitesPath, Console& console) {
    ConsolePosition result;
    result.text = std::string(text);
    std::string fileName = sitesPath + "SITES.DAT";
    auto found = FindFileIgnoringCase(fileName);
    std::ifstream in;
    if (found && FileExistsIgnoringCase(fileName)) in.open(*found, std::ios::binary);
    if (!in.is_open()) {
        console.PrintLine(fileName + " not found");
        result.siteFileMissing = true;
        return result;
    }
    std::string wanted = Upper(text);
    std::string line;
    while (ReadLine(in, line)) {
        SiteLine site = SplitSiteLine(line);
        if (Upper(site.name).find(wanted) == std::string::npos) continue;
        // The first matching line ends the search, whether or not its position can be read.
        console.SetColour(Colour::kLightGrey);
        if (auto position = DecodeSitePosition(site.position)) {
            result.latitude_deg = position->latitude_deg;
            result.longitude_deg = position->longitude_deg;
            result.found = true;
            result.text = site.name;
        }
        return result;
    }
    return result;
}

LatLong GridRefToLatLong(std::string_view text) {
    std::string compact;
    for (char c : Upper(text)) {
        if (c != ' ') compact += c;
    }
    int l1 = GridLetterIndex(CharAt(compact, 1));
    int l2 = GridLetterIndex(CharAt(compact, 2));
    std::string digits = compact.size() > 2 ? compact.substr(2) : std::string();
    auto h = static_cast<std::size_t>(RoundHalfEven(digits.size() / 2.0));
    double unit = std::pow(10.0, 5.0 - static_cast<double>(h));
    double eastDigits = LeadingNumber(digits.substr(0, h));
    double northDigits = h < digits.size() ? LeadingNumber(digits.substr(h, h)) : 0;

    double easting = (l1 % 5) * 500000.0 + (l2 % 5) * kSquare_m - 1000000 + eastDigits * unit;
    double northing = 1900000 - (l1 / 5) * 500000.0 - (l2 / 5) * kSquare_m + northDigits * unit;

    geodesy::LatLon osgb = geodesy::EastNorthToLatLong(easting, northing, geodesy::kConsoleAngles);
    geodesy::LatLon wgs = geodesy::AiryToWGS84(osgb.lat_deg, osgb.lon_deg, geodesy::kConsoleAngles);
    return LatLong{wgs.lat_deg, wgs.lon_deg};
}

LatLong LocatorCorner(std::string_view text) {
    std::string loc = Upper(text);
    if (loc.size() < 6) loc += "LL";
    if (loc.size() < 8) loc += "44";
    if (loc.size() < 10) loc += "LL";
    auto c = [&](std::size_t n) { return static_cast<double>(CharAt(loc, n)); };
    double latitude = (c(2) - 65) * 10 + (c(4) - 48) - 90 + (c(6) - 65) / 24 + (c(8) - 48) / 240 +
                      (c(10) - 65) / kLocatorLatUnits;
    double longitude = (c(1) - 65) * 20 + (c(3) - 48) * 2 - 180 + (c(5) - 65) / 12 +
                       (c(7) - 48) / 120 + (c(9) - 65) / kLocatorLonUnits;
    return LatLong{latitude, longitude};
}

std::string NearLocator(double latitude_deg, double longitude_deg) {
    auto x = static_cast<long long>(RoundHalfEven((longitude_deg + 180) * kLocatorLonUnits));
    auto y = static_cast<long long>(RoundHalfEven((latitude_deg + 90) * kLocatorLatUnits));
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

std::string GenGridRef(double latitude_deg, double longitude_deg) {
    geodesy::LatLon osgb =
        geodesy::WGS84ToAiry(latitude_deg, longitude_deg, geodesy::kConsoleAngles);
    geodesy::EastNorth en =
        geodesy::LatLongToEastNorth(osgb.lat_deg, osgb.lon_deg, geodesy::kConsoleAngles);
    double e = en.e_m, n = en.n_m;
    if (!(e > 0 && e <= kMaxEasting_m && n > 0 && n <= kMaxNorthing_m)) return "Not valid";
    auto sqE = static_cast<long long>(e / kSquare_m);
    auto sqN = static_cast<long long>(n / kSquare_m);
    long long first = 'S' - 5 * (sqN / 5) + sqE / 5;
    if (first == 'I') first = 'H';
    long long second = 'A' + 5 * (4 - sqN % 5) + sqE % 5;
    if (second > 'H') ++second;
    std::string text;
    text += static_cast<char>(first);
    text += static_cast<char>(second);
    text += ZeroPadded(static_cast<long long>(RoundHalfEven((e - kSquare_m * sqE) / 10)), 4);
    text += ' ';
    text += ZeroPadded(static_cast<long long>(RoundHalfEven((n - kSquare_m * sqN) / 10)), 4);
    return text;
}

DistanceBearing DistBearing(double lat1_deg, double long1_deg, double lat2_deg, double long2_deg) {
    DistanceBearing result;
    double phi1 = lat1_deg / kDegPerRad, phi2 = lat2_deg / kDegPerRad;
    double c = std::sin(phi2) * std::sin(phi1) +
               std::cos(phi2) * std::cos(phi1) * std::cos((long2_deg - long1_deg) / kDegPerRad);
    if (c > 1) c = 1;
    if (c < -1) c = -1;  // rounding beyond -1 would make the arc cosine undefined
    double a = geodesy::ACS(c, geodesy::kConsoleAngles);
    result.distance_km = std::fabs(a * kEarthRadius_km);
    if (a == 0) return result;  // coincident: distance 0 and both bearings 0, no 0/0

    double b1 =
        BearingFromCosine(std::sin(phi2) - c * std::sin(phi1), std::sin(a) * std::cos(phi1));
    double b2 =
        BearingFromCosine(std::sin(phi1) - c * std::sin(phi2), std::sin(a) * std::cos(phi2));
    if (long1_deg > long2_deg) b1 = 360 - b1;
    if (long2_deg > long1_deg) b2 = 360 - b2;
    auto wrap = [](double b) { return b > 360 ? b - 360 : (b < 0 ? b + 360 : b); };
    result.bearing_deg = wrap(b1);
    result.backBearing_deg = wrap(b2);
    return result;
}

std::optional<NearestSiteResult> NearestSite(double latitude_deg, double longitude_deg,
                                             const std::string& sitesPath) {
    std::string fileName = sitesPath + "sites.dat";
    auto found = FindFileIgnoringCase(fileName);
    if (!found || !FileExistsIgnoringCase(fileName)) return std::nullopt;
    std::ifstream in(*found, std::ios::binary);
    std::optional<NearestSiteResult> best;
    double bestDistance = 9999999;  // km
    std::string line;
    while (ReadLine(in, line)) {
        SiteLine site = SplitSiteLine(line);
        auto position = DecodeSitePosition(site.position);
        if (!position) continue;
        double d = DistBearing(latitude_deg, longitude_deg, position->latitude_deg,
                               position->longitude_deg)
                       .distance_km;
        if (d < bestDistance) {
            bestDistance = d;
            best = NearestSiteResult{site.name, d, position->latitude_deg, position->longitude_deg};
        }
    }
    return best;
}

void PrintBasePositionLine(Console& console, double latitude_deg, double longitude_deg,
                           const std::string& locator, const std::string& gridRef,
                           std::int32_t groundHeight_m, std::string_view mask) {
    console.SetColour(Colour::kBrown);
    console.MoveToColumn(10);
    console.PrintLine(FormatMask(mask, {latitude_deg, longitude_deg, locator, gridRef,
                                        static_cast<double>(groundHeight_m)}));
    console.SetColour(Colour::kLightGrey);
}

std::string AskPosition(Console& console, std::string_view prompt) {
    return console.Ask(prompt);
}

}  // namespace console
