#include "terrainmap/map_rectangle.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "geodesy/constants.h"

namespace terrainmap {
namespace {

TEST(MapRectangle, HundredKilometresAtFiftyTwoDegreesIsPixelsOnly) {
    // 100/1.4/(111.2/1200) = 770.8 rows; 771 × 1.4 / cos 52° = 1753.2 columns.
    const MapRectangle a = MapRectangleAround(52.0, -1.5, HeightExtentKm(100));
    EXPECT_EQ(a.nLat, 771);
    EXPECT_EQ(a.nLon, 1753);
    EXPECT_LT(600.0 / a.nLat, 1.0);  // a sample is smaller than a pixel in a 600-pixel window
    // The rectangle is 100 km east-west at the centre's latitude and width/1.4 north-south.
    const double kmPerDeg = static_cast<double>(111.2f);
    EXPECT_NEAR((a.east - a.west) * kmPerDeg * std::cos(52 * geodesy::kRadPerDeg), 100.0, 1e-9);
    EXPECT_NEAR((a.north - a.south) * kmPerDeg, 100.0 / 1.4, 1e-5);
    EXPECT_NEAR((a.east + a.west) / 2, -1.5, 1e-12);
    EXPECT_NEAR((a.north + a.south) / 2, 52.0, 1e-12);
}

TEST(MapRectangle, SmallPlotsGiveSquaresAndRepaintEveryRow) {
    const MapRectangle ten = MapRectangleAround(52.0, 0.0, HeightExtentKm(10));
    EXPECT_EQ(ten.nLat, 77);
    EXPECT_GT(600.0 / ten.nLat, 7.7);  // each sample a filled square about 7.8 pixels high

    const MapRectangle two =
        MapRectangleAround(52.0, 0.0, HeightExtentKm(PlotWidthFromAnswer(0.5)));
    EXPECT_EQ(two.nLat, 15);
    EXPECT_EQ(RepaintStep(two.nLat), 1);
}

TEST(MapRectangle, ThirtyKilometreOblique) {
    // terrain3d takes the size north-south without dividing by 1.4: 30/(111.2/1200) = 323.7.
    const MapRectangle a = MapRectangleAround(52.0, -1.0, PlotSizeFromAnswer(30));
    EXPECT_EQ(a.nLat, 324);
    EXPECT_EQ(a.nLon, 737);
}

TEST(MapRectangle, SizesAreCappedAtTheGrid) {
    // 700 km north-south would be 7554 rows; far north the columns reach the cap first.
    EXPECT_EQ(MapRectangleAround(52.0, 0.0, 700).nLat, kMaxRows);
    const MapRectangle north = MapRectangleAround(80.0, 0.0, 400);
    EXPECT_EQ(north.nLat, 4317);
    EXPECT_EQ(north.nLon, kMaxColumns);
}

TEST(MapRectangle, SinglePrecisionConstantsDecideTheRounding) {
    // With 111.2 held in single precision a row is 0.0926666641 km, so 771.5 rows' worth of
    // kilometres just exceeds the half and rounds up; in double precision it would be exact.
    const double rowKm = static_cast<double>(111.2f) / 1200;
    EXPECT_EQ(MapRectangleAround(0.0, 0.0, 771.5 * 111.2 / 1200).nLat, 772);
    EXPECT_EQ(MapRectangleAround(0.0, 0.0, 770.5 * rowKm).nLat, 770);  // exact half: to even
}

TEST(PlotAnswers, WidthAndSizeDefaultsAndFloor) {
    EXPECT_EQ(PlotWidthFromAnswer(0), 100);
    EXPECT_EQ(PlotWidthFromAnswer(-40), 100);
    EXPECT_EQ(PlotWidthFromAnswer(0.000009), 100);
    EXPECT_EQ(PlotWidthFromAnswer(1.5), 2);
    EXPECT_EQ(PlotWidthFromAnswer(12.75), 12.75);  // not rounded
    EXPECT_EQ(PlotSizeFromAnswer(0), 30);
    EXPECT_EQ(PlotSizeFromAnswer(-1), 30);
    EXPECT_EQ(PlotSizeFromAnswer(1.99), 2);
    EXPECT_EQ(PlotSizeFromAnswer(45), 45);
}

TEST(PlotAnswers, RepaintStepRoundsHalfToEven) {
    EXPECT_EQ(RepaintStep(49), 1);  // 0 becomes 1
    EXPECT_EQ(RepaintStep(150), 2);
    EXPECT_EQ(RepaintStep(250), 2);  // 2.5 goes to the even neighbour
    EXPECT_EQ(RepaintStep(771), 8);
    EXPECT_EQ(RepaintStep(6000), 60);
}

TEST(PlotAnswers, MaximumToBePlotted) {
    EXPECT_EQ(MaxPlotFromAnswer(500, 900), 500);
    EXPECT_EQ(MaxPlotFromAnswer(500.5, 900), 500);
    EXPECT_EQ(MaxPlotFromAnswer(501.5, 900), 502);
    EXPECT_EQ(MaxPlotFromAnswer(0, 900), 900);
    EXPECT_EQ(MaxPlotFromAnswer(0.4, 900), 900);
    EXPECT_EQ(MaxPlotFromAnswer(-20, 900), 900);
    EXPECT_EQ(MaxPlotFromAnswer(1e20, 900), INT_MAX);  // no overflow on absurd answers
}

}  // namespace
}  // namespace terrainmap
