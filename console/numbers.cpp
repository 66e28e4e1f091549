#include "console/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

namespace console {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

    if (i + 1 < text.size() && text[i] == '&' && (text[i + 1] == 'h' || text[i + 1] == 'H')) {
        double value = 0;
        for (std::size_t j = i + 2; j < text.size() && HexValue(text[j]) >= 0; ++j) {
            value = value * 16 + HexValue(text[j]);
        }
        return value;
    }

    // Collect the longest prefix that forms a number: sign, digits, ".", digits, exponent.
    std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            end = j;
        }
    }
    // from_chars reads the point as the decimal separator whatever the process locale
    // (QApplication sets the locale from the environment), and takes no leading "+".
    if (text[start] == '+') ++start;
    double value = 0;
    auto result = std::from_chars(text.data() + start, text.data() + end, value);
    if (result.ec == std::errc::result_out_of_range) {
        bool negative = text[start] == '-';
        // Too large: the nearest representable extreme; too small: zero.
        std::string_view mantissa = text.substr(start, end - start);
        bool tiny = mantissa.find("e-") != std::string_view::npos ||
                    mantissa.find("E-") != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
        if (negative) value = -value;
    }
    return value;
}

double RoundHalfEven(double value) {
    // nearbyint rounds in the current mode, which is to nearest with ties to even by default;
    // spelled out here so that the result never depends on the floating-point environment.
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::int32_t RoundToInt(double value) {
    if (std::isnan(value)) return 0;
    double r = RoundHalfEven(value);
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(r);
}

}  // namespace console
