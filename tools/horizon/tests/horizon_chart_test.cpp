#include "horizon/horizon_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "console/console_constants.h"
#include "horizon/horizon_layout.h"
#include "plot/no_data.h"

namespace horizon {
namespace {

constexpr double kRad = 1 / console::kDegPerRad;

// Scafell Pike at 80 km: horizon angles from -1.0 to -0.2 degrees. The axis holds them with
// 8 % of their span beyond each end and no more: no longer the +2.6 degrees it ran to.
TEST(AngleAxis, FitsTheHorizonWithASmallMarginAtBothEnds) {
    const double lowest = -1.0 * kRad, highest = -0.2 * kRad;
    const AngleScale s = FitAngleScale(lowest, highest);
    const double margin = kAxisMarginShare * (highest - lowest);
    EXPECT_NEAR(s.low_rad, lowest - margin, 1e-12);
    EXPECT_NEAR(s.high_rad, highest + margin, 1e-12);
    // On the field: the lowest horizon 8 / 116 of the way up, the highest as far from the top.
    EXPECT_NEAR(s.Height(lowest), 100 * 0.08 / 1.16, 1e-9);
    EXPECT_NEAR(s.Height(highest), 100 - 100 * 0.08 / 1.16, 1e-9);
    EXPECT_EQ(s.Height(-5 * kRad), 0);   // ground far below stays on the field's bottom
    EXPECT_EQ(s.Height(5 * kRad), 100);  // and nothing runs over its top
    EXPECT_NEAR(s.DegreesAt(s.HeightOfDegrees(-0.5)), -0.5, 1e-12);

    // A sea horizon, the same all round: a span of 0.05 degree centred on it, not of nothing.
    const AngleScale sea = FitAngleScale(-0.089 * kRad, -0.089 * kRad);
    EXPECT_NEAR((sea.high_rad - sea.low_rad) / kRad, 0.05 * 1.16, 1e-9);
    EXPECT_NEAR((sea.high_rad + sea.low_rad) / 2 / kRad, -0.089, 1e-9);
}

TEST(AngleAxis, TicksAreRoundStepsThatKeepWithinTheRoomGiven) {
    EXPECT_DOUBLE_EQ(TickStep(0.928, 10), 0.1);
    EXPECT_DOUBLE_EQ(TickStep(0.928, 4), 0.25);
    EXPECT_DOUBLE_EQ(TickStep(0.928, 2), 0.5);
    EXPECT_DOUBLE_EQ(TickStep(11.0, 5), 2.5);
    EXPECT_DOUBLE_EQ(TickStep(80, 8), 10);
    EXPECT_DOUBLE_EQ(TickStep(80, 1), 100);
    for (int most : {1, 2, 3, 5, 7, 12}) EXPECT_LE(0.93 / TickStep(0.93, most), most) << most;

    const std::vector<double> ticks = TicksWithin(-1.04, -0.16, 0.1);
    ASSERT_EQ(ticks.size(), 9u);
    EXPECT_DOUBLE_EQ(ticks.front(), -1.0);
    EXPECT_NEAR(ticks.back(), -0.2, 1e-12);
    const std::vector<double> across = TicksWithin(-0.3, 0.3, 0.1);
    EXPECT_EQ(std::count(across.begin(), across.end(), 0.0), 1);  // exactly 0, not 1e-17

    EXPECT_EQ(DegreeLabel(-0.5, 0.1), "-0.5°");
    EXPECT_EQ(DegreeLabel(-0.25, 0.25), "-0.25°");
    EXPECT_EQ(DegreeLabel(0.0, 0.1), "0.0°");
    EXPECT_EQ(DegreeLabel(10, 2), "10°");
    EXPECT_EQ(DegreeLabel(7.5, 2.5), "7.5°");
    EXPECT_EQ(Fixed(-0.0001, 2), "0.00");
    EXPECT_EQ(Shortest(1.3), "1.3");
}

// Near ground dark, far ground light, as a panorama shades it; never the no-data grey.
TEST(GroundShade, DarkNearLightFarAndNeverGrey) {
    const auto brightness = [](const console::Rgb& c) { return c.red + c.green + c.blue; };
    int last = -1;
    for (int i = 0; i <= 100; ++i) {
        const console::Rgb c = GroundShade(i / 100.0);
        EXPECT_GT(brightness(c), last) << i;
        last = brightness(c);
        const int spread = std::max({c.red, c.green, c.blue}) - std::min({c.red, c.green, c.blue});
        EXPECT_GE(spread, 40) << i;
        EXPECT_NE(c, plot::kNoDataColour);
    }
    EXPECT_LT(brightness(GroundShade(0)), 150);
    EXPECT_GT(brightness(GroundShade(1)), 500);
    EXPECT_EQ(GroundShade(2), GroundShade(1));
}

TEST(Compass, PointsEveryFortyFiveDegrees) {
    EXPECT_EQ(CompassPoint(0), "N");
    EXPECT_EQ(CompassPoint(45), "NE");
    EXPECT_EQ(CompassPoint(135), "SE");
    EXPECT_EQ(CompassPoint(225), "SW");
    EXPECT_EQ(CompassPoint(315), "NW");
    EXPECT_EQ(CompassPoint(360), "N");
}

// The layout at the smallest, default and largest window: the field keeps most of the height,
// the parts lie on the picture and apart, and a window's Exit box is clear of the band's text.
TEST(ChartLayout, KeepsTheFieldAndItsPartsApartAtEverySize) {
    const auto width = [](std::string_view text) { return 7 * static_cast<int>(text.size()); };
    const AngleScale scale = FitAngleScale(-1.0 * kRad, -0.2 * kRad);
    for (const auto& [w, h, th] : {std::tuple{140, 67, 15}, {840, 400, 15}, {5600, 2668, 57}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const ChartLayout l = LayOutChart(w, h, th, width, scale, 80, 3, true);
        // The smallest window cannot spare 45 % beside one row of labels above and below.
        EXPECT_GE(l.field.Height(), (h < 100 ? 0.3 : kLeastFieldShare) * h);
        EXPECT_GT(l.field.Width(), w / 2);
        EXPECT_GE(l.field.top, l.siteRowsTop + l.siteRows * th);
        EXPECT_LE(l.compassShown ? l.compassRowTop + th : l.bearingRowTop + th, h);
        ASSERT_TRUE(l.exitShown);
        EXPECT_LE(l.exitBox.right, w);
        if (l.angleTitleShown) {
            EXPECT_LE(l.angleTitleLeft + width(kAngleTitle), l.exitBox.left);
        }
        if (l.keyShown) {
            EXPECT_GE(l.keyBar.left, l.keyTitleLeft + width(l.keyTitle));
            EXPECT_LT(l.keyBar.right, l.angleTitleShown ? l.angleTitleLeft : l.exitBox.left);
            EXPECT_GE(l.keyTicks_km.size(), 2u);
        }
        // Bearing labels at least a label's width apart.
        EXPECT_GE(l.bearingLabelStep * l.field.Width() / 360.0, width("360°"));
    }
    // Only a large picture has room for the site names and the compass points.
    const auto small = LayOutChart(140, 67, 15, width, scale, 80, 3, false);
    EXPECT_EQ(small.siteRows, 0);
    EXPECT_FALSE(small.compassShown);
    const auto large = LayOutChart(840, 400, 15, width, scale, 80, 3, false);
    EXPECT_EQ(large.siteRows, 3);
    EXPECT_TRUE(large.compassShown);
    EXPECT_EQ(LayOutChart(840, 400, 15, width, scale, 80, 1, false).siteRows, 1);
}

TEST(RowPlacer, RefusesLabelsOverOthersOrOffTheRow) {
    RowPlacer row(0, 100, 2);
    EXPECT_TRUE(row.Place(10, 30));
    EXPECT_FALSE(row.Place(29, 40));  // over the first
    EXPECT_FALSE(row.Place(31, 40));  // closer than the gap
    EXPECT_TRUE(row.Place(32, 40));
    EXPECT_FALSE(row.Place(95, 101));  // off the row's end
    row.Reserve(60, 61);
    EXPECT_FALSE(row.Fits(55, 65));
    // Half-way between labels 90 degrees apart, nearest 180 first.
    const auto pixelX = [](double b) { return b / 4; };  // 360 degrees on 90 pixels
    RowPlacer labels(0, 100, 1);
    EXPECT_EQ(PlaceBetweenLabels(labels, 10, 90, pixelX), 135);
    labels.Place(28, 40);  // over 135 degrees
    EXPECT_EQ(PlaceBetweenLabels(labels, 10, 90, pixelX), 225);
}

}  // namespace
}  // namespace horizon
