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

// The longest text of the integer path: sign, ten whole digits, point and nine decimals.
constexpr std::ptrdiff_t kFastTextLimit = 1 + 10 + 1 + kFastDecimalsLimit;

// "00", "01" ... "99": the decimals are written two at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes the `count` lowest decimal digits of value, zero-padded, at out.
void WriteDecimals(char* out, std::uint64_t value, int count) {
    for (; count >= 2; count -= 2) {
        std::memcpy(out + count - 2, &kDigitPairs[static_cast<std::size_t>(2 * (value % 100))], 2);
        value /= 100;
    }
    if (count == 1) out[0] = static_cast<char>('0' + value % 10);
}

// Writes scaled / 10^kDecimals with kDecimals decimals at out (room for the longest text) and
// returns the end. The divisor is a constant here, so the division is a multiplication: a
// division by a variable power of ten cost more than the rest of the number.
template <int kDecimals>
char* WriteScaled(char* out, std::uint64_t scaled) {
    constexpr std::uint64_t kUnit = kPowersOfTen[kDecimals];
    constexpr int kMaxWholeDigits = 10;  // the whole part is at most 10^9
    out = std::to_chars(out, out + kMaxWholeDigits, scaled / kUnit).ptr;
    if constexpr (kDecimals > 0) {
        *out++ = '.';
        WriteDecimals(out, scaled % kUnit, kDecimals);
        out += kDecimals;
    }
    return out;
}

char* WriteScaled(char* out, std::uint64_t scaled, int decimals) {
    switch (decimals) {
        case 0:
            return WriteScaled<0>(out, scaled);
        case 1:
            return WriteScaled<1>(out, scaled);
        case 2:
            return WriteScaled<2>(out, scaled);
        case 3:
            return WriteScaled<3>(out, scaled);
        case 4:
            return WriteScaled<4>(out, scaled);
        case 5:
            return WriteScaled<5>(out, scaled);
        case 6:
            return WriteScaled<6>(out, scaled);
        case 7:
            return WriteScaled<7>(out, scaled);
        case 8:
            return WriteScaled<8>(out, scaled);
        default:
            return WriteScaled<kFastDecimalsLimit>(out, scaled);
    }
}

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
    // Sign, whole part, point and decimals, laid out straight into the caller's buffer when it
    // holds the longest text, else in a scratch buffer first.
    char scratch[kFastTextLimit];
    const bool direct = last - first >= kFastTextLimit;
    char* const start = direct ? first : scratch;
    char* out = start;
    if (std::signbit(value)) *out++ = '-';
    out = WriteScaled(out, scaled, decimals);
    if (direct) return {out, std::errc()};
    const std::size_t length = static_cast<std::size_t>(out - scratch);
    if (static_cast<std::size_t>(last - first) < length) return {last, std::errc::value_too_large};
    std::memcpy(first, scratch, length);
    return {first + length, std::errc()};
}

}  // namespace geodesy
