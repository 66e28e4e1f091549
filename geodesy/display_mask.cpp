// Number formatting with the window program's masks ("0", "#", ".", literals).
#include "geodesy/display_mask.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "geodesy/fixed_digits.h"
#include "geodesy/rounding.h"

namespace geodesy {

namespace {

bool IsPlaceholder(char c) {
    return c == '0' || c == '#';
}

// Largest finite double has 309 integer digits; room for sign, point and terminator.
constexpr std::size_t kIntegerDigitsRoom = 320;
// Below 2^53 every double's nearest integer is exact in an int64.
constexpr double kExactIntegerLimit = 9007199254740992.0;

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

    // Round to the mask's decimals (exact decimal rounding of the binary value). A stack buffer
    // serves every ordinary mask; very long decimal runs fall back to the heap.
    constexpr int kStackDecimals = 64;
    char stack_buf[kIntegerDigitsRoom + kStackDecimals];
    std::vector<char> heap_buf;
    char* buf = stack_buf;
    std::size_t buf_size = sizeof stack_buf;
    if (decimals > kStackDecimals) {
        heap_buf.resize(kIntegerDigitsRoom + static_cast<std::size_t>(decimals));
        buf = heap_buf.data();
        buf_size = heap_buf.size();
    }
    // Whole numbers in the exact integer range take the faster integer path; both round an
    // exact half to even, so the digits are the same.
    const double magnitude = std::fabs(value);
    const auto res = (decimals == 0 && magnitude < kExactIntegerLimit)
                         ? std::to_chars(buf, buf + buf_size,
                                         static_cast<std::int64_t>(RoundHalfEven(magnitude)))
                         : FixedDigits(buf, buf + buf_size, magnitude, decimals);
    const std::string_view digits(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t point = digits.find('.');
    std::string_view int_digits = digits.substr(0, point);
    std::string_view frac_digits =
        point == std::string_view::npos ? std::string_view{} : digits.substr(point + 1);
    const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string_view::npos;

    // Leading zeros only where the mask asks for them (added back below as padding).
    const std::size_t first = int_digits.find_first_not_of('0');
    int_digits = first == std::string_view::npos ? std::string_view{} : int_digits.substr(first);
    const std::size_t pad = static_cast<int>(int_digits.size()) < min_int_digits
                                ? static_cast<std::size_t>(min_int_digits) - int_digits.size()
                                : 0;
    // Trailing zeros only where the mask asks for them.
    while (static_cast<int>(frac_digits.size()) > min_decimals && frac_digits.back() == '0')
        frac_digits.remove_suffix(1);
    // The integer digits as the mask will place them: padding zeros, then the digits.
    auto int_digit = [&](std::size_t i) { return i < pad ? '0' : int_digits[i - pad]; };
    const std::size_t int_count = pad + int_digits.size();

    // One pass over the mask, left to right, into a buffer sized for the longest result.
    std::string out(1 + int_mask.size() + int_count + 1 + frac_mask.size(), '\0');
    std::size_t len = 0;
    if (negative) out[len++] = '-';
    if (int_places == 0) {
        for (char c : int_mask) out[len++] = c;
        for (std::size_t i = 0; i < int_count; ++i) out[len++] = int_digit(i);
    } else {
        // Placeholder p (from the left) stands for the digit r = int_places - 1 - p places from
        // the right; the leftmost one also takes every digit beyond the mask's width, so the
        // number is never cut.
        std::size_t place = 0;
        const std::size_t places = static_cast<std::size_t>(int_places);
        for (char c : int_mask) {
            if (!IsPlaceholder(c)) {
                out[len++] = c;
                continue;
            }
            const std::size_t from_right = places - 1 - place;
            if (place == 0) {
                for (std::size_t i = 0; i + from_right < int_count; ++i) out[len++] = int_digit(i);
            } else if (from_right < int_count) {
                out[len++] = int_digit(int_count - 1 - from_right);
            }
            ++place;
        }
    }
    if (dot != std::string_view::npos) {
        out[len++] = '.';
        std::size_t next = 0;
        for (char c : frac_mask) {
            if (!IsPlaceholder(c)) {
                out[len++] = c;
            } else if (next < frac_digits.size()) {
                out[len++] = frac_digits[next++];
            }
        }
    }
    out.resize(len);
    return out;
}

}  // namespace geodesy
