#include "geodesy/fixed_digits.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace geodesy {
namespace {

std::string Fast(double v, int decimals) {
    char buf[400];
    const auto r = FixedDigits(buf, buf + sizeof buf, v, decimals);
    EXPECT_EQ(r.ec, std::errc()) << v;
    return std::string(buf, r.ptr);
}

std::string Library(double v, int decimals) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return std::string(buf, r.ptr);
}

TEST(FixedDigits, ExactHalvesGoToTheEvenNeighbourAndSignsStay) {
    EXPECT_EQ(Fast(0.5, 0), "0");
    EXPECT_EQ(Fast(1.5, 0), "2");
    EXPECT_EQ(Fast(2.5, 0), "2");
    EXPECT_EQ(Fast(0.125, 2), "0.12");
    EXPECT_EQ(Fast(0.375, 2), "0.38");
    EXPECT_EQ(Fast(-0.375, 2), "-0.38");
    EXPECT_EQ(Fast(54.45431, 9), "54.454310000");
    EXPECT_EQ(Fast(-3.21172, 6), "-3.211720");
    EXPECT_EQ(Fast(139404.31, 3), "139404.310");
    // The sign bit is written even where the digits are all zero, as std::to_chars does.
    EXPECT_EQ(Fast(-0.0, 3), "-0.000");
    EXPECT_EQ(Fast(-1e-12, 9), "-0.000000000");
    EXPECT_EQ(Fast(0.0, 0), "0");
    EXPECT_EQ(Fast(999999999.9999999, 0), "1000000000");
    EXPECT_EQ(Fast(std::numeric_limits<double>::denorm_min(), 9), "0.000000000");
}

TEST(FixedDigits, WritesTheLibrarysDigitsForEveryMagnitudeAndPrecision) {
    std::mt19937_64 random(16);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> power(-12, 10);
    for (int i = 0; i < 200000; ++i) {
        const double sign = (i & 1) ? -1.0 : 1.0;
        const double v = sign * mantissa(random) * std::pow(10.0, power(random));
        const int decimals = i % 11;  // 10 takes the library's own path
        ASSERT_EQ(Fast(v, decimals), Library(v, decimals)) << v << " " << decimals;
    }
    // Halves and near-halves at every place: decimal strings that are ties in decimal but not in
    // binary, and binary fractions that are exact ties.
    for (int d = 0; d <= 9; ++d) {
        for (long long k = 0; k < 2000; ++k) {
            const double tie = (k + 0.5) / std::pow(10.0, d);
            ASSERT_EQ(Fast(tie, d), Library(tie, d)) << tie << " " << d;
            const double dyadic = std::ldexp(static_cast<double>(2 * k + 1), -(d + 1));
            ASSERT_EQ(Fast(dyadic, d), Library(dyadic, d)) << dyadic << " " << d;
            const double above = std::nextafter(tie, 1e300), below = std::nextafter(tie, -1e300);
            ASSERT_EQ(Fast(above, d), Library(above, d)) << above << " " << d;
            ASSERT_EQ(Fast(below, d), Library(below, d)) << below << " " << d;
        }
    }
    // Beyond the integer path: large values, many decimals, non-finite.
    for (double v : {1e9, -4.5e15, 1e300, std::numeric_limits<double>::infinity()})
        EXPECT_EQ(Fast(v, 3), Library(v, 3)) << v;
}

TEST(FixedDigits, ReportsABufferTooSmall) {
    char buf[5];
    const auto r = FixedDigits(buf, buf + sizeof buf, 123.456, 3);  // "123.456" needs 7
    EXPECT_EQ(r.ec, std::errc::value_too_large);
    const auto fits = FixedDigits(buf, buf + sizeof buf, 1.25, 2);  // "1.25"
    EXPECT_EQ(fits.ec, std::errc());
    EXPECT_EQ(std::string(buf, fits.ptr), "1.25");
    // A buffer shorter than the longest text but long enough for this one.
    char small[13];
    const auto exact = FixedDigits(small, small + sizeof small, -54.454310004, 9);
    EXPECT_EQ(exact.ec, std::errc());
    EXPECT_EQ(std::string(small, exact.ptr), "-54.454310004");
}

}  // namespace
}  // namespace geodesy
