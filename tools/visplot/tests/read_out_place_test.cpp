// Where the click read-out goes in the strip below the plot.
#include "visplot/read_out_place.h"

#include <gtest/gtest.h>

namespace visplot {
namespace {

TEST(PlaceReadOut, KeptMovedLeftOrSplit) {
    // Fits from its usual place (ends exactly at the margin): kept there.
    EXPECT_EQ(PlaceReadOut(600, 336, 6, 258).left_px, 336);
    EXPECT_FALSE(PlaceReadOut(600, 336, 6, 258).twoLines);
    // One pixel too wide: moved left just enough to end inside the margin.
    const ReadOutPlace moved = PlaceReadOut(600, 336, 6, 259);
    EXPECT_EQ(moved.left_px, 335);
    EXPECT_FALSE(moved.twoLines);
    // As wide as the window between its margins: starts at the left margin on one line.
    const ReadOutPlace full = PlaceReadOut(600, 336, 6, 588);
    EXPECT_EQ(full.left_px, 6);
    EXPECT_FALSE(full.twoLines);
    // Wider still: two lines from the left margin.
    const ReadOutPlace split = PlaceReadOut(600, 336, 6, 589);
    EXPECT_EQ(split.left_px, 6);
    EXPECT_TRUE(split.twoLines);
}

}  // namespace
}  // namespace visplot
