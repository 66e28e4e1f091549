// The user coordinates of a plot against its pixels: the worked scale of the tools' plots,
// round trips both ways, the clipping bounds, and scales that are refused.
#include "plot/pixel_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace plot {
namespace {

// terrainplot's shape of scale on a 420 x 300 picture: x 0 ... 1.07 nLon, y nLat ... -0.03 nLat.
TEST(PixelTransform, WorkedScaleOfAMapPlot) {
    PixelTransform t(420, 300);
    ASSERT_TRUE(t.SetScale(0, 600, 642, -18));  // nLon 600, nLat 600
    // 420 px over 642 units; 300 px over 618 units, y downwards.
    EXPECT_DOUBLE_EQ(t.PixelX(321), 210);
    EXPECT_DOUBLE_EQ(t.PixelY(600), 0);
    EXPECT_DOUBLE_EQ(t.PixelY(-18), 300);
    EXPECT_DOUBLE_EQ(t.PixelY(291), 150);
    EXPECT_EQ(t.PixelColumn(642), 420);  // the right edge is the first column outside
    EXPECT_EQ(t.PixelRow(599.999), 0);
    EXPECT_EQ(t.PixelRow(600.001), -1);  // above the top: outside
}

TEST(PixelTransform, PixelAndUserAreAPair) {
    PixelTransform t(214, 206);
    ASSERT_TRUE(t.SetScale(-7.5, 12.25, 99.5, -3));
    for (double px : {0.0, 0.5, 13.75, 213.999}) {
        SCOPED_TRACE(px);
        EXPECT_NEAR(t.PixelX(t.UserX(px)), px, 1e-9);
        EXPECT_NEAR(t.PixelY(t.UserY(px)), px, 1e-9);
    }
    for (double u : {-7.5, 0.0, 3.3, 99.5}) {
        SCOPED_TRACE(u);
        EXPECT_NEAR(t.UserX(t.PixelX(u)), u, 1e-12);
        EXPECT_NEAR(t.UserY(t.PixelY(u)), u, 1e-12);
    }
    // 206 rows over 15.25 units, whichever way y runs.
    EXPECT_NEAR(t.UserHeight(206), 15.25, 1e-12);
    EXPECT_NEAR(t.UserHeight(14), 14 * 15.25 / 206, 1e-12);
}

TEST(PixelTransform, FarOffCoordinatesClipInsteadOfOverflowing) {
    EXPECT_EQ(PixelIndex(2.7), 2);
    EXPECT_EQ(PixelIndex(-0.2), -1);  // floor, not truncation
    EXPECT_EQ(PixelIndex(1e300), 100000000);
    EXPECT_EQ(PixelIndex(-1e300), -100000000);
    EXPECT_EQ(PixelIndex(std::numeric_limits<double>::quiet_NaN()), -100000000);
    EXPECT_EQ(PixelIndex(std::numeric_limits<double>::infinity()), 100000000);
}

TEST(PixelTransform, UnusableScalesAreRefusedAndTheOldOneKept) {
    PixelTransform t(100, 50);
    // Until a scale is set, user coordinates are pixels.
    EXPECT_DOUBLE_EQ(t.PixelX(37), 37);
    EXPECT_DOUBLE_EQ(t.PixelY(12), 12);
    ASSERT_TRUE(t.SetScale(0, 10, 20, 0));
    EXPECT_FALSE(t.SetScale(5, 10, 5, 0));  // no width
    EXPECT_FALSE(t.SetScale(0, 3, 20, 3));  // no height
    EXPECT_FALSE(t.SetScale(0, 10, INFINITY, 0));
    EXPECT_FALSE(t.SetScale(NAN, 10, 20, 0));
    EXPECT_DOUBLE_EQ(t.PixelX(10), 50);  // still 0 ... 20 over 100 pixels
    EXPECT_DOUBLE_EQ(t.PixelY(10), 0);

    PixelTransform empty(0, -4);  // a picture is never smaller than one pixel
    EXPECT_EQ(empty.WidthPx(), 1);
    EXPECT_EQ(empty.HeightPx(), 1);
}

}  // namespace
}  // namespace plot
