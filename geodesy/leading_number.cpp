// Reading the leading number of a text.
#include "geodesy/leading_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
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

// Digits with at most one point ("54.45431"), read as they are scanned. Up to 15 digits make an
// integer below 2^53, and a power of ten up to 10^22 is itself a double, so their quotient is
// the correctly rounded value, the same double from_chars gives (Clinger's fast path).
class ShortDecimal {
  public:
    void Add(char digit, bool afterPoint) {
        if (++digits_ <= kMaxExactDigits)
            whole_ = whole_ * 10 + static_cast<std::uint64_t>(digit - '0');
        if (afterPoint) ++decimals_;
    }
    std::size_t Digits() const { return digits_; }
    bool Exact() const { return digits_ <= kMaxExactDigits; }
    double Value() const { return static_cast<double>(whole_) / kExactPowersOfTen[decimals_]; }

  private:
    static constexpr std::size_t kMaxExactDigits = 15;
    static constexpr std::array<double, kMaxExactDigits + 1> kExactPowersOfTen{
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::uint64_t whole_ = 0;
    std::size_t digits_ = 0;
    std::size_t decimals_ = 0;
};

// The characters of a number as they are gathered (blanks inside it left out). Typed numbers
// fit the inline buffer, so reading one allocates nothing; a longer one spills to the heap.
class NumberChars {
  public:
    void push_back(char c) {
        if (size_ < kInline) {
            inline_[size_] = c;
        } else {
            if (size_ == kInline) spill_.assign(inline_, kInline);
            spill_ += c;
        }
        ++size_;
    }
    std::string_view view() const {
        return size_ <= kInline ? std::string_view(inline_, size_) : std::string_view(spill_);
    }

  private:
    static constexpr std::size_t kInline = 64;
    char inline_[kInline];
    std::size_t size_ = 0;
    std::string spill_;
};

// The power of ten of the first significant digit of a gathered number ("-0.0012e5" gives 2),
// saturated far beyond the double range. Tells a number too small for a double from one too
// large: the count of digits alone does not ("0.000...0001" is small however long it is).
long long DecimalMagnitude(std::string_view number) {
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
double OutOfRange(std::string_view number, const NumberRules& rules) {
    const bool negative = number[0] == '-';
    if (DecimalMagnitude(number) < 0) return negative ? -0.0 : 0.0;
    if (rules.overflow_to_infinity) return negative ? -HUGE_VAL : HUGE_VAL;
    const double value = std::numeric_limits<double>::max();
    return negative ? -value : value;
}

// The blanks are two or three characters: a loop over them is cheaper than a search call for
// every character read.
bool IsBlank(char c, const NumberRules& rules) {
    for (char b : rules.blanks)
        if (b == c) return true;
    return false;
}

// The usual number is written without blanks or exponent ("54.45431", "-3") and is read where it
// stands from `i`: a short one as it is scanned, a longer one by from_chars (which takes "-" but
// not a leading "+"). nullopt when the number at `i` is not of that plain form.
std::optional<double> PlainNumber(std::string_view text, std::size_t i, const NumberRules& rules) {
    std::size_t j = i;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
    ShortDecimal digits;
    bool point = false;
    for (; j < text.size(); ++j) {
        if (IsDigit(text[j]))
            digits.Add(text[j], point);
        else if (text[j] == '.' && !point)
            point = true;
        else
            break;
    }
    const bool ends_here = j == text.size() || (text[j] != 'E' && text[j] != 'e' &&
                                                !(rules.blanks_inside && IsBlank(text[j], rules)));
    if (digits.Digits() == 0 || !ends_here) return std::nullopt;
    if (digits.Exact()) return text[i] == '-' ? -digits.Value() : digits.Value();
    const char* start = text.data() + (text[i] == '+' ? i + 1 : i);
    double value = 0.0;
    const auto res = std::from_chars(start, text.data() + j, value);
    if (res.ec == std::errc::result_out_of_range)
        return OutOfRange(std::string_view(start, text.data() + j - start), rules);
    return value;
}

// Appends the exponent that starts at text[i] ("E" or "e") to `number` when at least one digit
// follows it; an exponent without digits does not count.
void GatherExponent(std::string_view text, std::size_t i, const NumberRules& rules,
                    NumberChars& number) {
    std::size_t first = i + 1;
    const bool sign = first < text.size() && (text[first] == '-' || text[first] == '+');
    if (sign) ++first;
    const auto in_exponent = [&](char c) {
        return IsDigit(c) || (rules.blanks_inside && IsBlank(c, rules));
    };
    bool exp_digits = false;
    std::size_t end = first;
    for (; end < text.size() && in_exponent(text[end]); ++end)
        if (IsDigit(text[end])) exp_digits = true;
    if (!exp_digits) return;
    number.push_back('e');
    if (sign) number.push_back(text[first - 1]);
    for (std::size_t j = first; j < end; ++j)
        if (IsDigit(text[j])) number.push_back(text[j]);
}

// Gathers the characters of the number at `i` into `number` (blanks inside it left out, as the
// rules allow); from_chars then reads them with "." as the decimal point whatever the process
// locale. False when the number has no digits.
bool GatherNumber(std::string_view text, std::size_t i, const NumberRules& rules,
                  NumberChars& number) {
    const auto skip_inner_blanks = [&] {
        if (rules.blanks_inside)
            while (i < text.size() && IsBlank(text[i], rules)) ++i;
    };
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') number.push_back('-');
        ++i;
    }
    bool digits = false, point = false;
    for (;; ++i) {
        skip_inner_blanks();
        if (i >= text.size()) break;
        const char c = text[i];
        if (IsDigit(c)) {
            number.push_back(c);
            digits = true;
        } else if (c == '.' && !point) {
            number.push_back(c);
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return false;
    skip_inner_blanks();
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e'))
        GatherExponent(text, i, rules, number);
    return true;
}

}  // namespace

double LeadingNumber(std::string_view text, const NumberRules& rules) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i], rules)) ++i;

    if (rules.hex_prefix && i + 1 < text.size() && text[i] == '&' &&
        (text[i + 1] == 'h' || text[i + 1] == 'H'))
        return HexDigitsValue(text, i + 2, rules);

    if (const std::optional<double> plain = PlainNumber(text, i, rules)) return *plain;

    NumberChars number;
    if (!GatherNumber(text, i, rules, number)) return 0.0;
    const std::string_view gathered = number.view();
    double value = 0.0;
    const auto res = std::from_chars(gathered.data(), gathered.data() + gathered.size(), value);
    if (res.ec == std::errc::result_out_of_range) return OutOfRange(gathered, rules);
    return value;
}

}  // namespace geodesy
