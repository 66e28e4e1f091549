// The profile window's scale, "Exit" area and grid lines.
#include "pathprofile/plot_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace pathprofile {
namespace {

TEST(PlotLayout, ExitAreaRunsFromTheBoxToTheRightEdgeWithinItsBand) {
    const PlotLayout layout(100.0, 1000.0);  // box from (105, 400) to (108, 500)
    EXPECT_TRUE(layout.IsExitClick(106.0, 450.0));
    SCOPED_TRACE("right of the box but inside its height band also exits");
    EXPECT_TRUE(layout.IsExitClick(109.5, 401.0));
    SCOPED_TRACE("on the box's left half but below its lower edge does not");
    EXPECT_FALSE(layout.IsExitClick(105.5, 399.0));
    EXPECT_FALSE(layout.IsExitClick(106.0, 501.0));
    EXPECT_FALSE(layout.IsExitClick(104.9, 450.0));
}

TEST(PlotLayout, GridLinesOfTheExamples) {
    SCOPED_TRACE("50 km, M = 300 m: every 5 km and every 20 m");
    PlotLayout layout(50.0, 300.0);
    std::vector<double> x = layout.DistanceGridLines_km();
    ASSERT_EQ(x.size(), 11u);
    EXPECT_EQ(x[1], 5.0);
    EXPECT_EQ(x.back(), 50.0);
    std::vector<double> y = layout.HeightGridLines_m();
    ASSERT_EQ(y.size(), 16u);
    EXPECT_EQ(y[1], 20.0);
    EXPECT_EQ(y.back(), 300.0);

    SCOPED_TRACE("15 km, M = 150 m: every 1 km and every 10 m");
    layout = PlotLayout(15.0, 150.0);
    x = layout.DistanceGridLines_km();
    ASSERT_EQ(x.size(), 16u);
    EXPECT_EQ(x[1], 1.0);
    y = layout.HeightGridLines_m();
    ASSERT_EQ(y.size(), 16u);
    EXPECT_EQ(y[1], 10.0);
}

TEST(PlotLayout, GridStopsAtTheRoundedTopAndEnd) {
    // 149.5 m rounds to 150 (half to even), so the 150 m line is drawn; 14.4 km rounds to 14.
    PlotLayout layout(14.4, 149.5);
    EXPECT_EQ(layout.HeightGridLines_m().back(), 150.0);
    EXPECT_EQ(layout.DistanceGridLines_km().back(), 14.0);
    layout = PlotLayout(14.5, 144.9);  // 14.5 rounds to 14 (even); 144.9 to 145
    EXPECT_EQ(layout.DistanceGridLines_km().back(), 14.0);
    EXPECT_EQ(layout.HeightGridLines_m().back(), 140.0);
}

}  // namespace
}  // namespace pathprofile
