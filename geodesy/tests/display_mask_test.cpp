// The window program's number masks.
#include "geodesy/display_mask.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace geodesy {
namespace {

TEST(FormatMaskTest, OptionalAndMandatoryDigits) {
    EXPECT_EQ(FormatMask(51.5, "##0.000000"), "51.500000");
    EXPECT_EQ(FormatMask(1.25, "###0.000000"), "1.250000");
    EXPECT_EQ(FormatMask(0.5, "###.###"), ".5");
    EXPECT_EQ(FormatMask(51, "###.###"), "51.");
    EXPECT_EQ(FormatMask(0.0, "#0"), "0");
    EXPECT_EQ(FormatMask(7.0, "00'"), "07'");
    EXPECT_EQ(FormatMask(0.0, "00.0'' "), "00.0'' ");
}

TEST(FormatMaskTest, RoundsToTheMaskAndTrimsOptionalDecimals) {
    EXPECT_EQ(FormatMask(88.4901, "####0.00#"), "88.49");
    EXPECT_EQ(FormatMask(88.4906, "####0.00#"), "88.491");
    EXPECT_EQ(FormatMask(0.0014, "0.00#km "), "0.001km ");
    EXPECT_EQ(FormatMask(0.000906, "0.0 deg"), "0.0 deg");
    EXPECT_EQ(FormatMask(231.468, "##0.0"), "231.5");
    EXPECT_EQ(FormatMask(469510.616, "######"), "469511");
    EXPECT_EQ(FormatMask(2.5, "#"), "2");  // exact half to even
    EXPECT_EQ(FormatMask(3.5, "#"), "4");
    EXPECT_EQ(FormatMask(59.99999, "00.0"), "60.0");
}

TEST(FormatMaskTest, NumbersAreNotCutToTheMaskWidth) {
    EXPECT_EQ(FormatMask(4633.333, "###m"), "4633m");
    EXPECT_EQ(FormatMask(1234567.0, "##0.0"), "1234567.0");
}

TEST(FormatMaskTest, SignAndSpecialValues) {
    EXPECT_EQ(FormatMask(-1.25, "##0.00"), "-1.25");
    EXPECT_EQ(FormatMask(-0.0001, "0.0"), "0.0");  // rounds to zero: no sign
    EXPECT_EQ(FormatMask(std::nan(""), "0.0"), "NaN");
    EXPECT_EQ(FormatMask(-std::numeric_limits<double>::infinity(), "0.0"), "-Inf");
}

}  // namespace
}  // namespace geodesy
