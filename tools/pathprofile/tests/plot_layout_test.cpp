// The profile window's scale, "Exit" area and grid lines.
#include "pathprofile/plot_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace pathprofile {
namespace {

TEST(PlotLayout, ExitAreaRunsFromTheBoxToTheRightEdgeWithinItsBand) {
    const PlotLayout layout(100.0, HeightAxis{850.0, 1000.0}, AxisRows{38, 19});
    const Point low = layout.ExitBoxCorner1(), high = layout.ExitBoxCorner2();
    EXPECT_NEAR(low.x, 105.0, 1e-4);
    EXPECT_NEAR(high.x, 108.0, 1e-4);
    const double mid = (low.y + high.y) / 2.0;
    EXPECT_TRUE(layout.IsExitClick(106.0, mid));
    SCOPED_TRACE("right of the box but inside its height band also exits");
    EXPECT_TRUE(layout.IsExitClick(109.5, low.y + 0.01));
    SCOPED_TRACE("on the box's left half but below its lower edge does not");
    EXPECT_FALSE(layout.IsExitClick(105.5, low.y - 0.01));
    EXPECT_FALSE(layout.IsExitClick(106.0, high.y + 0.01));
    EXPECT_FALSE(layout.IsExitClick(104.9, mid));
}

// The box keeps its place in the window whatever heights the axis shows: in the window of a
// plot from 0 to M, which ran down to -M/20, it stood from 0.4 M to 0.5 M.
TEST(PlotLayout, ExitBoxStaysAtItsPlaceInTheWindow) {
    for (const PlotLayout& layout : {PlotLayout(100.0, HeightAxis{850.0, 1000.0}, AxisRows{38, 19}),
                                     PlotLayout(2.0, HeightAxis{-3.0, 12.0}, AxisRows{0, 0}),
                                     PlotLayout(30.0, HeightAxis{0.0, 800.0}, AxisRows{50, 30})}) {
        const auto share_down = [&](double y) {
            return (layout.Top() - y) / (layout.Top() - layout.Bottom());
        };
        EXPECT_NEAR(share_down(layout.ExitBoxCorner2().y), 0.5 / 1.05, 1e-6);
        EXPECT_NEAR(share_down(layout.ExitBoxCorner1().y), 0.6 / 1.05, 1e-6);
    }
}

// The axis fills the rows between the headroom and the foot.
TEST(PlotLayout, AxisFillsTheRowsBetweenHeadroomAndFoot) {
    const PlotLayout layout(10.0, HeightAxis{850.0, 1000.0}, AxisRows{40, 20}, 400);
    const double metres_per_row = 150.0 / 340.0;
    EXPECT_NEAR(layout.Top(), 1000.0 + 40 * metres_per_row, 1e-9);
    EXPECT_NEAR(layout.Bottom(), 850.0 - 20 * metres_per_row, 1e-9);
    EXPECT_DOUBLE_EQ(layout.Left(), -static_cast<double>(0.05f) * 10.0);
    EXPECT_DOUBLE_EQ(layout.Right(), static_cast<double>(1.1f) * 10.0);
}

TEST(PlotLayout, GridLinesOfTheExamples) {
    SCOPED_TRACE("50 km, heights 0 ... 300 m: every 5 km and every 20 m");
    PlotLayout layout(50.0, HeightAxis{0.0, 300.0});
    std::vector<double> x = layout.DistanceGridLines_km();
    ASSERT_EQ(x.size(), 11u);
    EXPECT_EQ(x[1], 5.0);
    EXPECT_EQ(x.back(), 50.0);
    std::vector<double> y = layout.HeightGridLines_m();
    ASSERT_EQ(y.size(), 16u);
    EXPECT_EQ(y[1], 20.0);
    EXPECT_EQ(y.back(), 300.0);

    SCOPED_TRACE("1.24 km among the summits, 738.5 ... 991.5 m: every 0.1 km and every 20 m");
    layout = PlotLayout(1.24, HeightAxis{738.5, 991.5});
    x = layout.DistanceGridLines_km();
    ASSERT_EQ(x.size(), 13u);
    EXPECT_EQ(x[1], 0.1);
    y = layout.HeightGridLines_m();
    EXPECT_EQ(y.front(), 740.0);
    EXPECT_EQ(y.back(), 980.0);
}

// The lines stay within the path and the axis: no line beyond the distant site (14.6 km once
// rounded to a 15 km line) or above the axis's top.
TEST(PlotLayout, GridStopsAtThePathsEndAndTheAxisTop) {
    PlotLayout layout(14.6, HeightAxis{0.0, 149.5});
    EXPECT_EQ(layout.HeightGridLines_m().back(), 140.0);
    EXPECT_EQ(layout.DistanceGridLines_km().back(), 14.0);
    layout = PlotLayout(14.0, HeightAxis{0.0, 150.0});
    EXPECT_EQ(layout.HeightGridLines_m().back(), 150.0);
    EXPECT_EQ(layout.DistanceGridLines_km().back(), 14.0);
}

}  // namespace
}  // namespace pathprofile
