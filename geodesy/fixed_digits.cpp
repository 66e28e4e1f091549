#include "geodesy/fixed_digits.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace geodesy {

namespace {

// The integer path's limits: 10^9 * 10^9 fits an unsigned 64-bit integer, and a significand
// below 2^53 times 10^9 fits 128 bits.
constexpr double kFastMagnitudeLimit = 1e9;
constexpr int kFastDecimalsLimit = 9;

constexpr std::array<std::uint64_t, kFastDecimalsLimit + 1> kPowersOfTen{
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// IEEE 754 binary64: 52 fraction bits, exponent bias 1023.
constexpr int kFractionBits = 52;
constexpr int kExponentBias = 1023;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;

// |value| * 10^decimals rounded to an integer, an exact half to even. |value| < 10^9.
std::uint64_t ScaledAndRounded(double value, int decimals) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> kFractionBits) & 0x7FF);
    std::uint64_t significand = bits & kFractionMask;
    int exponent = 1 - kExponentBias - kFractionBits;  // of a subnormal
    if (biased != 0) {
        significand |= std::uint64_t{1} << kFractionBits;
        exponent = biased - kExponentBias - kFractionBits;
    }
    // |value| = significand * 2^exponent; below 10^9 < 2^30 the exponent is at most -23.
    const unsigned __int128 product = static_cast<unsigned __int128>(significand) *
                                      kPowersOfTen[static_cast<std::size_t>(decimals)];
    const int shift = -exponent;
    if (shift >= 128) return 0;  // far below half a unit of the last place
    const unsigned __int128 one = 1;
    const unsigned __int128 whole = product >> shift;
    const unsigned __int128 rest = product & ((one << shift) - 1);
    const unsigned __int128 half = one << (shift - 1);
    const bool up = rest > half || (rest == half && (whole & 1) != 0);
    return static_cast<std::uint64_t>(whole) + (up ? 1 : 0);
}

}  // namespace

std::to_chars_result FixedDigits(char* first, char* last, double value, int decimals) {
    const double magnitude = value < 0 ? -value : value;
    if (decimals < 0 || decimals > kFastDecimalsLimit || !(magnitude < kFastMagnitudeLimit))
        return std::to_chars(first, last, value, std::chars_format::fixed, decimals);
    const std::uint64_t scaled = ScaledAndRounded(value, decimals);
    const std::uint64_t unit = kPowersOfTen[static_cast<std::size_t>(decimals)];
    // Sign, whole part, point and decimals, laid out in a scratch buffer first.
    char digits[32];
    char* out = digits;
    if (std::signbit(value)) *out++ = '-';
    out = std::to_chars(out, digits + sizeof digits, scaled / unit).ptr;
    if (decimals > 0) {
        *out++ = '.';
        std::uint64_t fraction = scaled % unit;
        for (int i = decimals - 1; i >= 0; --i) {
            out[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        out += decimals;
    }
    const std::size_t length = static_cast<std::size_t>(out - digits);
    if (static_cast<std::size_t>(last - first) < length) return {last, std::errc::value_too_large};
    std::memcpy(first, digits, length);
    return {first + length, std::errc()};
}

}  // namespace geodesy
