#include "horizon/horizon_chart.h"

#include <gtest/gtest.h>

#include <cmath>

#include "console/console_constants.h"

namespace horizon {
namespace {

TEST(HorizonChart, AngleScaleIs1500UnitsPerRadianAbove20) {
    EXPECT_NEAR(TickHeight(0.5), 33.09, 0.005);
    EXPECT_DOUBLE_EQ(TickHeight(0), 20);
    EXPECT_NEAR(TickHeight(-0.5), 6.91, 0.005);
    EXPECT_NEAR(ChartHeight(0.5 / console::kDegPerRad), 33.09, 0.005);
    // Angles below about -0.76 degrees sit on the bottom of the field.
    EXPECT_NEAR(ChartHeight(-0.75 / console::kDegPerRad), 0.37, 0.01);
    EXPECT_EQ(ChartHeight(-0.77 / console::kDegPerRad), 0);
    EXPECT_EQ(ChartHeight(-99), 0);
}

TEST(HorizonChart, DistanceColourRunsFromSeaGreenThroughOliveToMagenta) {
    EXPECT_EQ(DistanceColour(0), (console::Rgb{0, 200, 150}));
    EXPECT_EQ(DistanceColour(0.5), (console::Rgb{128, 100, 0}));  // 127.5 rounds to even 128
    EXPECT_EQ(DistanceColour(1), (console::Rgb{255, 0, 150}));
    EXPECT_EQ(DistanceColour(0.25), (console::Rgb{64, 150, 75}));  // 63.75, 150, 75
}

TEST(HorizonChart, CompassLabelsEveryFortyFiveDegrees) {
    EXPECT_EQ(CompassLabel(0), " N  ");
    EXPECT_EQ(CompassLabel(45), " NE ");
    EXPECT_EQ(CompassLabel(90), " E  ");
    EXPECT_EQ(CompassLabel(135), " SE ");
    EXPECT_EQ(CompassLabel(180), " S  ");
    EXPECT_EQ(CompassLabel(225), " SW ");
    EXPECT_EQ(CompassLabel(270), " W  ");
    EXPECT_EQ(CompassLabel(315), " NW ");
    EXPECT_EQ(CompassLabel(360), " N  ");
}

}  // namespace
}  // namespace horizon
