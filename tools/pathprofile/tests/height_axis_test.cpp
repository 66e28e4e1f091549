// The fitted height axis and the round grid steps of the profile's plot.
#include "pathprofile/height_axis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pathprofile {
namespace {

// The band under the lowest data that an axis leaves empty, as a share of the axis's height
// (counted from 0 when the axis starts there).
double WastedShare(const HeightAxis& axis, double low_m) {
    return (low_m - axis.bottom_m) / (axis.top_m - axis.bottom_m);
}

TEST(FitHeightAxis, HoldsTheDataWithAMarginAndStartsAtZeroOnlyWhenThatWastesLittle) {
    struct Case {
        double low, high;
        bool from_zero;
    };
    // A 1.2 km path among the summits (750 ... 980 m): not from 0, which would leave three
    // quarters of the picture empty. A path from the coast (0 m) over the fells: from 0.
    // A path from 250 to 900 m: 250 is under a third of the top (about 932 m): from 0.
    // From 350 to 900 m: 350 is more than a third of the top: not from 0.
    for (const Case c :
         {Case{750.0, 980.0, false}, Case{0.0, 790.0, true}, Case{250.0, 900.0, true},
          Case{350.0, 900.0, false}, Case{-3.0, 40.0, false}}) {
        SCOPED_TRACE(std::to_string(c.low) + " ... " + std::to_string(c.high));
        const HeightAxis axis = FitHeightAxis(c.low, c.high);
        EXPECT_LT(axis.bottom_m, c.low + 1e-9);
        EXPECT_GT(axis.top_m, c.high);
        // The margin above is 5 % of the data's range, so the summit never touches the top.
        EXPECT_NEAR(axis.top_m - c.high, kAxisMarginShare * (c.high - c.low), 1e-9);
        EXPECT_EQ(axis.bottom_m == 0.0, c.from_zero);
        if (c.from_zero) {
            EXPECT_LT(WastedShare(axis, c.low), kZeroWasteShare);
        } else {
            EXPECT_NEAR(c.low - axis.bottom_m, kAxisMarginShare * (c.high - c.low), 1e-9);
        }
    }
    // Either order.
    EXPECT_EQ(FitHeightAxis(980.0, 750.0).bottom_m, FitHeightAxis(750.0, 980.0).bottom_m);
}

TEST(FitHeightAxis, FlatDataGetTheLeastSpanAndSeaLevelStaysAtTheFoot) {
    // A path over 300 m moorland, all but level: 10 m round it, not a metre blown up.
    HeightAxis axis = FitHeightAxis(300.0, 302.0);
    EXPECT_GE(axis.Span_m(), kLeastAxisSpan_m);
    EXPECT_LT(axis.bottom_m, 300.0);
    EXPECT_GT(axis.top_m, 302.0);
    EXPECT_NEAR((axis.bottom_m + axis.top_m) / 2.0, 301.0, 1e-9);
    // Over the sea with 2 m masts: from 0, not from -4 m.
    axis = FitHeightAxis(0.0, 2.0);
    EXPECT_EQ(axis.bottom_m, 0.0);
    EXPECT_GE(axis.top_m, kLeastAxisSpan_m);
    // Not finite: a usable axis all the same.
    axis = FitHeightAxis(std::numeric_limits<double>::quiet_NaN(), 5.0);
    EXPECT_EQ(axis.bottom_m, 0.0);
    EXPECT_EQ(axis.top_m, kLeastAxisSpan_m);
}

TEST(RoundGridStep, OneTwoFiveAtMostFifteenSteps) {
    // The steps of the old fixed rule stay where they were round: 50 km in 5 km, 300 m in 20 m,
    // 15 km in 1 km, 150 m in 10 m.
    EXPECT_DOUBLE_EQ(RoundGridStep(50.0), 5.0);
    EXPECT_DOUBLE_EQ(RoundGridStep(300.0), 20.0);
    EXPECT_DOUBLE_EQ(RoundGridStep(15.0), 1.0);
    EXPECT_DOUBLE_EQ(RoundGridStep(150.0), 10.0);
    // A 1.24 km path: 0.1 km, not the 1 km that labelled only "0" and "1".
    EXPECT_DOUBLE_EQ(RoundGridStep(1.24), 0.1);
    EXPECT_DOUBLE_EQ(RoundGridStep(22.28), 2.0);
    EXPECT_DOUBLE_EQ(RoundGridStep(2000.0), 200.0);
    EXPECT_DOUBLE_EQ(RoundGridStep(0.04), 0.005);
    for (double span : {0.7, 1.24, 7.3, 22.28, 387.0, 1234.5, 74000.0}) {
        const double step = RoundGridStep(span);
        EXPECT_LE(span / step, kMostGridSteps + 1e-9) << span;
        EXPECT_GT(span / step, kMostGridSteps / 2.5 - 1e-9) << span;  // no coarser than needed
    }
    EXPECT_EQ(RoundGridStep(0.0), 1.0);
    EXPECT_EQ(RoundGridStep(-5.0), 1.0);
    EXPECT_EQ(RoundGridStep(std::numeric_limits<double>::infinity()), 1.0);
}

TEST(GridValues, RoundMultiplesWithinTheRange) {
    const std::vector<double> tenths = GridValues(0.0, 1.24, 0.1);
    ASSERT_EQ(tenths.size(), 13u);
    EXPECT_EQ(tenths[3], 0.3);  // not 0.30000000000000004
    EXPECT_EQ(tenths.back(), 1.2);
    const std::vector<double> metres = GridValues(738.5, 991.5, 20.0);
    ASSERT_EQ(metres.size(), 13u);
    EXPECT_EQ(metres.front(), 740.0);
    EXPECT_EQ(metres.back(), 980.0);
    // Ends that fall on a line keep it; a range below zero counts from below.
    EXPECT_EQ(GridValues(0.0, 300.0, 20.0).size(), 16u);
    EXPECT_EQ(GridValues(-25.0, 5.0, 10.0), (std::vector<double>{-20.0, -10.0, 0.0}));
    EXPECT_TRUE(GridValues(5.0, 4.0, 1.0).empty());
    EXPECT_TRUE(GridValues(0.0, 4.0, 0.0).empty());
}

TEST(GridValueText, TheStepsDecimalsAndNoMinusZero) {
    EXPECT_EQ(GridValueText(0.6, 0.2), "0.6");
    EXPECT_EQ(GridValueText(1.0, 0.5), "1.0");
    EXPECT_EQ(GridValueText(0.015, 0.005), "0.015");
    EXPECT_EQ(GridValueText(150.0, 50.0), "150");
    EXPECT_EQ(GridValueText(-20.0, 10.0), "-20");
    EXPECT_EQ(GridValueText(-1e-12, 0.1), "0.0");
}

}  // namespace
}  // namespace pathprofile
