#include "grid_ref.h"

#include <cstdlib>

#include "geodesy/grid_letters.h"
#include "geodesy/upper_case.h"

namespace benchfind {
namespace {

using geodesy::kGridSquare_m;

// One to five digits per coordinate: 100 km down to 1 m.
constexpr std::size_t kMaxDigits = 10;
constexpr int kWrittenDigits = 5;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::int64_t DigitsValue(std::string_view digits) {
    std::int64_t value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

std::int64_t Pow10(int exponent) {
    std::int64_t value = 1;
    while (exponent-- > 0) value *= 10;
    return value;
}

std::string FiveDigits(std::int64_t remainder) {
    std::string digits = std::to_string(std::llabs(remainder));
    if (digits.size() < kWrittenDigits) digits.insert(0, kWrittenDigits - digits.size(), '0');
    return digits;
}

}  // namespace

std::string NormaliseGridText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (!IsBlank(c)) out.push_back(c);
    }
    return geodesy::UpperCase(out, geodesy::Letters::kAscii);
}

std::optional<GridPoint> ParseGridPoint(std::string_view text) {
    const std::string ref = NormaliseGridText(text);
    if (ref.size() < 2) return std::nullopt;
    if (!geodesy::IsGridLetter(ref[0]) || !geodesy::IsGridLetter(ref[1])) return std::nullopt;

    const std::string_view digits = std::string_view(ref).substr(2);
    if (digits.empty() || digits.size() % 2 != 0 || digits.size() > kMaxDigits) return std::nullopt;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
    }

    const std::size_t h = digits.size() / 2;
    const std::int64_t unit_m = Pow10(kWrittenDigits - static_cast<int>(h));
    const geodesy::GridSquare square = geodesy::ParseGridLetters(ref[0], ref[1]);
    GridPoint p;
    p.easting_m = square.east * kGridSquare_m + unit_m * DigitsValue(digits.substr(0, h));
    p.northing_m = square.north * kGridSquare_m + unit_m * DigitsValue(digits.substr(h));
    return p;
}

std::string FormatGridPoint(std::int64_t easting_m, std::int64_t northing_m) {
    const std::int64_t sqE = easting_m / kGridSquare_m;
    const std::int64_t sqN = northing_m / kGridSquare_m;
    std::string out = geodesy::FormatGridLetters(geodesy::GridSquare{sqE, sqN});
    out.reserve(13);
    out += FiveDigits(easting_m - kGridSquare_m * sqE);
    out.push_back(' ');
    out += FiveDigits(northing_m - kGridSquare_m * sqN);
    return out;
}

}  // namespace benchfind
