#include "grid_ref.h"

#include <cstdlib>

namespace benchfind {
namespace {

// The square letters run A..Z without I: A = 0 ... H = 7, J = 8 ... Z = 24.
constexpr int kLettersPerRow = 5;
constexpr char kSkippedLetter = 'I';

// Sizes of the squares: the first letter names a 500 km square, the second a 100 km one.
constexpr std::int64_t kMajorSquare_m = 500000;
constexpr std::int64_t kMinorSquare_m = 100000;

// The first letter S is the square whose south-west corner is the false origin; the
// letter index counts from the north-west corner of a 5 x 5 block, so these offsets bring
// square SV (letter indexes 17 and 20) to easting 0 and northing 0.
constexpr std::int64_t kEastingOffset_m = 1000000;
constexpr std::int64_t kNorthingOffset_m = 1900000;

// One to five digits per coordinate: 100 km down to 1 m.
constexpr std::size_t kMaxDigits = 10;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::optional<int> letterIndex(char c) {
    if (c < 'A' || c > 'Z' || c == kSkippedLetter) return std::nullopt;
    int index = c - 'A';
    if (index > 8) --index;  // I is not used
    return index;
}

std::int64_t digitsValue(std::string_view digits) {
    std::int64_t value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

std::int64_t pow10(int exponent) {
    std::int64_t value = 1;
    while (exponent-- > 0) value *= 10;
    return value;
}

char letterOrQuery(std::int64_t code) {
    return (code >= 'A' && code <= 'Z') ? static_cast<char>(code) : '?';
}

std::string fiveDigits(std::int64_t remainder) {
    std::string digits = std::to_string(std::llabs(remainder));
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return digits;
}

}  // namespace

std::string normaliseGridText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (!isBlank(c)) out.push_back(upper(c));
    }
    return out;
}

std::optional<GridPoint> parseGridRef(std::string_view text) {
    const std::string ref = normaliseGridText(text);
    if (ref.size() < 2) return std::nullopt;
    const auto i1 = letterIndex(ref[0]);
    const auto i2 = letterIndex(ref[1]);
    if (!i1 || !i2) return std::nullopt;

    const std::string_view digits = std::string_view(ref).substr(2);
    if (digits.empty() || digits.size() % 2 != 0 || digits.size() > kMaxDigits) return std::nullopt;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
    }

    const std::size_t h = digits.size() / 2;
    const std::int64_t unit_m = pow10(5 - static_cast<int>(h));
    GridPoint p;
    p.easting_m = (*i1 % kLettersPerRow) * kMajorSquare_m +
                  (*i2 % kLettersPerRow) * kMinorSquare_m - kEastingOffset_m +
                  unit_m * digitsValue(digits.substr(0, h));
    p.northing_m = kNorthingOffset_m - (*i1 / kLettersPerRow) * kMajorSquare_m -
                   (*i2 / kLettersPerRow) * kMinorSquare_m + unit_m * digitsValue(digits.substr(h));
    return p;
}

std::string formatGridRef(std::int64_t easting_m, std::int64_t northing_m) {
    const std::int64_t sqE = easting_m / kMinorSquare_m;
    const std::int64_t sqN = northing_m / kMinorSquare_m;

    // S is the 500 km square at the false origin; each 500 km north moves back a row
    // of five letters, each 500 km east one letter on. Two rows north of S the count
    // lands on the code of I, which the grid skips: that square is H (J follows it).
    std::int64_t first = 'S' - kLettersPerRow * (sqN / kLettersPerRow) + sqE / kLettersPerRow;
    if (first == 'I') first = 'H';
    std::int64_t second = kLettersPerRow * (4 - sqN % kLettersPerRow) + sqE % kLettersPerRow + 'A';
    if (second > 'H') ++second;

    std::string out;
    out.reserve(13);
    out.push_back(letterOrQuery(first));
    out.push_back(letterOrQuery(second));
    out += fiveDigits(easting_m - kMinorSquare_m * sqE);
    out.push_back(' ');
    out += fiveDigits(northing_m - kMinorSquare_m * sqN);
    return out;
}

}  // namespace benchfind
