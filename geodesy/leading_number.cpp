// Reading the leading number of a text.
#include "geodesy/leading_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace geodesy {

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

// The value of the hexadecimal digits from text[i] on; more than 256 of them overflow a double,
// which the rules turn into infinity or the largest value as for a decimal number.
double HexDigitsValue(std::string_view text, std::size_t i, const NumberRules& rules) {
    double value = 0;
    for (; i < text.size() && HexValue(text[i]) >= 0; ++i) value = value * 16 + HexValue(text[i]);
    if (std::isinf(value) && !rules.overflow_to_infinity) return std::numeric_limits<double>::max();
    return value;
}

// The power of ten of the first significant digit of a gathered number ("-0.0012e5" gives 2),
// saturated far beyond the double range. Tells a number too small for a double from one too
// large: the count of digits alone does not ("0.000...0001" is small however long it is).
long long DecimalMagnitude(const std::string& number) {
    constexpr long long kSaturation = 1'000'000'000;
    std::size_t i = number[0] == '-' ? 1 : 0;
    long long integer_digits = 0, leading_fraction_zeros = 0;
    bool significant = false, point = false;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        const char c = number[i];
        if (c == '.') {
            point = true;
        } else if (!significant && c == '0') {
            if (point) ++leading_fraction_zeros;
        } else {
            significant = true;
            if (!point && integer_digits < kSaturation) ++integer_digits;
        }
    }
    long long exponent = 0;
    if (i < number.size()) {
        bool negative = false;
        for (++i; i < number.size(); ++i) {
            if (number[i] == '-') negative = true;
            if (IsDigit(number[i]) && exponent < kSaturation)
                exponent = exponent * 10 + (number[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    const long long first = integer_digits > 0 ? integer_digits - 1 : -(leading_fraction_zeros + 1);
    return first + exponent;
}

// A number too large or too small for a double, by the rules' choice.
double OutOfRange(const std::string& number, const NumberRules& rules) {
    const bool negative = number[0] == '-';
    if (DecimalMagnitude(number) < 0) return negative ? -0.0 : 0.0;
    if (rules.overflow_to_infinity) return negative ? -HUGE_VAL : HUGE_VAL;
    const double value = std::numeric_limits<double>::max();
    return negative ? -value : value;
}

}  // namespace

double LeadingNumber(std::string_view text, const NumberRules& rules) {
    std::size_t i = 0;
    const auto is_blank = [&](char c) { return rules.blanks.find(c) != std::string_view::npos; };
    const auto skip_inner_blanks = [&] {
        if (rules.blanks_inside)
            while (i < text.size() && is_blank(text[i])) ++i;
    };
    while (i < text.size() && is_blank(text[i])) ++i;

    if (rules.hex_prefix && i + 1 < text.size() && text[i] == '&' &&
        (text[i + 1] == 'h' || text[i + 1] == 'H'))
        return HexDigitsValue(text, i + 2, rules);

    // Gather the number's characters (blanks inside it left out); from_chars then reads them
    // with "." as the decimal point whatever the process locale, and takes no leading "+".
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') number += '-';
        ++i;
    }
    bool digits = false, point = false;
    for (;; ++i) {
        skip_inner_blanks();
        if (i >= text.size()) break;
        const char c = text[i];
        if (IsDigit(c)) {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    // An exponent counts only when at least one digit follows it.
    skip_inner_blanks();
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
        bool exp_digits = false;
        for (; j < text.size() && (IsDigit(text[j]) || (rules.blanks_inside && is_blank(text[j])));
             ++j) {
            if (IsDigit(text[j])) {
                exponent += text[j];
                exp_digits = true;
            }
        }
        if (exp_digits) number += exponent;
    }
    double value = 0.0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) return OutOfRange(number, rules);
    return value;
}

}  // namespace geodesy
