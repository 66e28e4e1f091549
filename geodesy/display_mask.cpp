// Number formatting with the window program's masks ("0", "#", ".", literals).
#include "geodesy/display_mask.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace geodesy {

namespace {

bool IsPlaceholder(char c) {
    return c == '0' || c == '#';
}

// Largest finite double has 309 integer digits; room for sign, point and terminator.
constexpr std::size_t kIntegerDigitsRoom = 320;

}  // namespace

std::string FormatMask(double value, std::string_view mask) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";

    const std::size_t dot = mask.find('.');
    const std::string_view int_mask = mask.substr(0, dot);
    const std::string_view frac_mask =
        dot == std::string_view::npos ? std::string_view{} : mask.substr(dot + 1);

    // Integer placeholders: the leftmost "0" and every placeholder right of it are mandatory.
    int int_places = 0, min_int_digits = 0;
    for (char c : int_mask) {
        if (!IsPlaceholder(c)) continue;
        ++int_places;
        if (c == '0' || min_int_digits > 0) ++min_int_digits;
    }
    // Decimal placeholders: digits up to the last "0" are always written.
    int decimals = 0, min_decimals = 0;
    for (char c : frac_mask) {
        if (!IsPlaceholder(c)) continue;
        ++decimals;
        if (c == '0') min_decimals = decimals;
    }

    // Round to the mask's decimals (exact decimal rounding of the binary value).
    std::vector<char> buf(kIntegerDigitsRoom + static_cast<std::size_t>(decimals));
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                   std::chars_format::fixed, decimals);
    const std::string digits(buf.data(), res.ptr);
    const std::size_t point = digits.find('.');
    std::string int_digits = digits.substr(0, point);
    std::string frac_digits = point == std::string::npos ? std::string{} : digits.substr(point + 1);
    const bool negative = value < 0 && digits.find_first_of("123456789") != std::string::npos;

    // Leading zeros only where the mask asks for them.
    std::size_t first = int_digits.find_first_not_of('0');
    int_digits = first == std::string::npos ? std::string{} : int_digits.substr(first);
    if (static_cast<int>(int_digits.size()) < min_int_digits)
        int_digits.insert(0, min_int_digits - int_digits.size(), '0');
    // Trailing zeros only where the mask asks for them.
    while (static_cast<int>(frac_digits.size()) > min_decimals && frac_digits.back() == '0')
        frac_digits.pop_back();

    // Integer section, right to left: each placeholder takes one digit; the leftmost one takes
    // whatever is left, so the number is never cut to the mask's width.
    std::string int_out;
    if (int_places == 0) {
        int_out = std::string(int_mask) + int_digits;
    } else {
        std::size_t remaining = int_digits.size();
        int places_left = int_places;
        std::string reversed;
        for (std::size_t i = int_mask.size(); i-- > 0;) {
            const char c = int_mask[i];
            if (!IsPlaceholder(c)) {
                reversed += c;
                continue;
            }
            --places_left;
            if (places_left == 0) {
                while (remaining > 0) reversed += int_digits[--remaining];
            } else if (remaining > 0) {
                reversed += int_digits[--remaining];
            }
        }
        int_out.assign(reversed.rbegin(), reversed.rend());
    }

    std::string out;
    if (negative) out += '-';
    out += int_out;
    if (dot != std::string_view::npos) {
        out += '.';
        std::size_t next = 0;
        for (char c : frac_mask) {
            if (!IsPlaceholder(c)) {
                out += c;
            } else if (next < frac_digits.size()) {
                out += frac_digits[next++];
            }
        }
    }
    return out;
}

}  // namespace geodesy
