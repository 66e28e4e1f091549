#include "terrain3d/oblique_view.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/constants.h"

namespace terrain3d {
namespace {

const double kSx = 0.7 * std::sin(55 * geodesy::kRadPerDeg);  // 0.5734 user units right per row
const double kSy = 0.7 * std::cos(55 * geodesy::kRadPerDeg);  // 0.4015 user units up per row

TEST(ObliqueView, FlatGroundRisesByTheRowShiftOnly) {
    const ObliqueView v(324, 737, 52.0, 900);
    const double cos52 = std::cos(52 * geodesy::kRadPerDeg);
    for (int y : {0, 1, 100, 323}) {
        SCOPED_TRACE(y);
        const ViewPoint a = v.SamplePoint(10, y, 0);
        const ViewPoint b = v.SamplePoint(10, y + 1, 0);
        EXPECT_NEAR(b.y - a.y, kSy / cos52, 1e-6);
        EXPECT_NEAR(b.x - a.x, kSx, 1e-6);
    }
    // Row 0, column 0 sits on the margins: 0.01 × nLon across and 0.1 × nLat up.
    const ViewPoint origin = v.SamplePoint(0, 0, 0);
    EXPECT_NEAR(origin.x, 7.37, 1e-5);
    EXPECT_NEAR(origin.y, 32.4, 1e-5);
    EXPECT_EQ(v.ColourEntry(0), 0);
    EXPECT_EQ(v.ColourEntry(-3), 0);  // sea-level dips are held at 0
}

TEST(ObliqueView, HeightsAtOrAboveMaxPlotLiftAndColourTheSame) {
    const ObliqueView v(324, 737, 52.0, 500);
    const double cos52 = std::cos(52 * geodesy::kRadPerDeg);
    const double flat = v.SamplePoint(40, 20, 0).y;
    EXPECT_NEAR(v.SamplePoint(40, 20, 500).y - flat, 32.4 / cos52, 1e-5);
    EXPECT_EQ(v.SamplePoint(40, 20, 900).y, v.SamplePoint(40, 20, 500).y);
    EXPECT_EQ(v.ColourEntry(500), 255);
    EXPECT_EQ(v.ColourEntry(900), 255);
}

TEST(ObliqueView, ColumnsBeyondThePlotAreHeldAtItsRightEdge) {
    // At British latitudes the far rows end short of nLon; near the equator the plot is
    // narrower in columns and the northern rows' eastern ends pass it.
    const ObliqueView gb(324, 737, 52.0, 500);
    EXPECT_NEAR(gb.SamplePoint(737, 324, 0).x, 0.7 * 737 + kSx * 324 + 7.37, 1e-4);
    const ObliqueView eq(324, 454, 0.0, 500);
    EXPECT_EQ(eq.SamplePoint(454, 324, 0).x, 454);  // 508 held at 454
    EXPECT_EQ(eq.SamplePoint(400, 324, 0).x, 454);  // 470 held too
    EXPECT_NEAR(eq.SamplePoint(100, 324, 0).x, 0.7 * 100 + kSx * 324 + 4.54, 1e-5);
}

TEST(ObliqueView, LinearColourScaleRoundsHalfToEven) {
    const ObliqueView v(100, 200, 54.0, 1000);
    EXPECT_EQ(v.ColourEntry(500), 128);  // 127.5 goes to the even neighbour
    EXPECT_EQ(v.ColourEntry(502), 128);  // 128.01
    EXPECT_EQ(v.ColourEntry(100), 26);   // 25.5 → 26
    EXPECT_EQ(v.ColourEntry(1), 0);      // 0.255
    const ObliqueView w(100, 200, 54.0, 1020);
    EXPECT_EQ(w.ColourEntry(2), 0);  // 0.5 → 0
    EXPECT_EQ(w.ColourEntry(6), 2);  // 1.5 → 2
    // The legend labels follow the same line: entry i stands for i × maxPlot / 255.
    EXPECT_DOUBLE_EQ(v.EntryHeight(0), 0);
    EXPECT_DOUBLE_EQ(v.EntryHeight(255), 1000);
    EXPECT_NEAR(v.EntryHeight(128), 501.96, 0.01);
    for (int i = 0; i <= 255; i += 17) EXPECT_EQ(v.ColourEntry(std::lround(v.EntryHeight(i))), i);
}

TEST(ObliqueView, CentreMarkerSitsOnTheCentreSample) {
    const ObliqueView v(324, 738, 52.0, 900);
    for (int h : {0, 250, 900}) {
        SCOPED_TRACE(h);
        const ViewPoint c = v.CentrePoint(h);
        const ViewPoint s = v.SamplePoint(369, 162, h);
        EXPECT_NEAR(c.x, s.x, 1e-9);
        EXPECT_NEAR(c.y, s.y, 1e-9);
    }
    // The marker follows the ground even above the colour scale's top.
    EXPECT_GT(v.CentrePoint(1200).y, v.CentrePoint(900).y);
}

}  // namespace
}  // namespace terrain3d
