#include <gtest/gtest.h>

#include "console/console_constants.h"
#include "console/numbers.h"
#include "console/picture_mask.h"

namespace console {
namespace {

TEST(LeadingNumber, ReadsTheLeadingNumberOnly) {
    EXPECT_DOUBLE_EQ(LeadingNumber("800.6"), 800.6);
    EXPECT_DOUBLE_EQ(LeadingNumber("  12.5km"), 12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("-3.25 m"), -3.25);
    EXPECT_DOUBLE_EQ(LeadingNumber("+7"), 7);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.5e3x"), 1500);
    EXPECT_DOUBLE_EQ(LeadingNumber("2e"), 2);   // an exponent without digits is not read
    EXPECT_DOUBLE_EQ(LeadingNumber("1 2"), 1);  // reading stops at the blank
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("."), 0);
}

TEST(LeadingNumber, AmpersandHReadsHexadecimal) {
    EXPECT_DOUBLE_EQ(LeadingNumber("&hFF"), 255);
    EXPECT_DOUBLE_EQ(LeadingNumber("&H0a"), 10);
    EXPECT_DOUBLE_EQ(LeadingNumber("&h80zz"), 128);
    EXPECT_DOUBLE_EQ(LeadingNumber("&hzz"), 0);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundToInt(800.6), 801);
    EXPECT_EQ(RoundToInt(2.5), 2);
    EXPECT_EQ(RoundToInt(3.5), 4);
    EXPECT_EQ(RoundToInt(-2.5), -2);
    EXPECT_EQ(RoundToInt(-2.6), -3);
    EXPECT_EQ(RoundToInt(1e300), 2147483647);
    EXPECT_EQ(RoundToInt(-1e300), -2147483647 - 1);
}

TEST(ConsoleConstants, FractionalLiteralsActInSinglePrecision) {
    EXPECT_EQ(kKmPerDegreeLatSingle, 111.19999694824219);
    EXPECT_EQ(kPlotAspect, 1.399999976158142);
    EXPECT_NE(kEarthRadiusSingle_km, 6371.29);
    EXPECT_EQ(kEarthRadiusSingle_km, static_cast<double>(6371.29f));
    EXPECT_EQ(kPi, 3.141592653589793);
}

TEST(PictureMask, NumberFieldsAreRightAlignedAndRounded) {
    EXPECT_EQ(FormatMask("     Plot Width ###km", {100.0}), "     Plot Width 100km");
    EXPECT_EQ(FormatMask("     Plot Width ###km", {7.0}), "     Plot Width   7km");
    EXPECT_EQ(FormatMask("   ###°   ", {123.4}), "   123°   ");
    EXPECT_EQ(FormatMask("K value         [#.##]           ", {1.3}),
              "K value         [1.30]           ");
    EXPECT_EQ(FormatMask("####", {-5.0}), "  -5");
    EXPECT_EQ(FormatMask("###.#", {-0.04}), "  0.0");  // no "-0.0"
    // Too wide for the field: printed in full, not cut.
    EXPECT_EQ(FormatMask("##m", {12345.0}), "12345m");
}

TEST(PictureMask, TextFieldsAreAsWideAsTheRunWithBothBackslashes) {
    EXPECT_EQ(FormatMask("[\\        \\]", {std::string("IO91WM44LL")}), "[IO91WM44LL]");
    EXPECT_EQ(FormatMask("[\\        \\]", {std::string("AB")}), "[AB        ]");
    EXPECT_EQ(FormatMask("[\\  \\]", {std::string("ABCDEFG")}), "[ABCD]");
}

TEST(PictureMask, BaseLineLayout) {
    std::string line = FormatMask(
        "Base Lat ###.####° Long ###.####°  \\        \\  \\          \\  ####m AGL",
        {54.4542, -3.2117, std::string("IO84JL12AB"), std::string("NY2154 0722"), 971.0});
    EXPECT_EQ(line, "Base Lat  54.4542° Long  -3.2117°  IO84JL12AB  NY2154 0722    971m AGL");
}

TEST(PictureMask, StopsAtTheFirstFieldWithoutValue) {
    EXPECT_EQ(FormatMask("a ## b ## c", {1.0}), "a  1 b ");
    EXPECT_EQ(FormatMask("no fields.", {}), "no fields.");
    EXPECT_EQ(FormatMask("lone \\ slash", {}), "lone \\ slash");
}

TEST(PlainNumber, ShortestText) {
    EXPECT_EQ(PlainNumber(971), "971");
    EXPECT_EQ(PlainNumber(-3), "-3");
    EXPECT_EQ(PlainNumber(0.5), "0.5");
    EXPECT_EQ(PlainNumber(0), "0");
}

}  // namespace
}  // namespace console
