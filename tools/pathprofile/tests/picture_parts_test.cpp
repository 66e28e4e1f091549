// The pieces the profile's picture is built from: the ground's pixel columns, the clipping of
// the zone's bounds, the marks of the worst clearance and their labels, and the title strip.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "pathprofile/clearance_mark.h"
#include "pathprofile/fresnel_zone.h"
#include "pathprofile/ground_columns.h"
#include "pathprofile/profile_title.h"
#include "pathprofile/segment_clip.h"
#include "plot/pixel_transform.h"

namespace pathprofile {
namespace {

// A hand-made profile: samples every `step_km` with the given heights (no bulge), the path as
// long as the last sample.
Profile HandProfile(double step_km, const std::vector<double>& heights) {
    Profile p;
    for (std::size_t i = 0; i < heights.size(); ++i) {
        p.distance_km.push_back(static_cast<double>(i) * step_km);
        p.samples_m.push_back(heights[i]);
        p.bulge_m.push_back(0.0);
    }
    p.path_km = p.distance_km.back();
    return p;
}

// --- ground columns --------------------------------------------------------------------------

// Three samples 0.1 km apart on a picture of 100 columns for 0 ... 0.2 km: fifty columns per
// sample. Every column gets ground, the top following the straight line between the samples.
TEST(GroundColumns, ShortPathFillsEveryColumnAlongTheLinesBetweenSamples) {
    const Profile p = HandProfile(0.1, {100.0, 200.0, 150.0});
    plot::PixelTransform pixels(100, 50);
    pixels.SetScale(0.0, 300.0, 0.2, 0.0);
    const std::vector<GroundColumn> columns = GroundColumns(p, pixels);
    ASSERT_EQ(columns.size(), 100u);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        EXPECT_EQ(columns[c].column, static_cast<int>(c));
        // The highest point of the line within the column: its right edge going up, its left
        // edge going down.
        const double x = c < 50 ? (c + 1) * 0.002 : c * 0.002;
        const double expected = x <= 0.1 ? 100.0 + 1000.0 * x : 200.0 - 500.0 * (x - 0.1);
        EXPECT_NEAR(columns[c].top_m, expected, 1e-6) << c;
        EXPECT_FALSE(columns[c].no_data);
    }
}

// Many samples to a column: the column takes the highest, so a one-sample summit stays.
TEST(GroundColumns, LongPathKeepsTheHighestSampleOfEachColumn) {
    std::vector<double> heights(1001, 10.0);
    heights[503] = 900.0;
    Profile p = HandProfile(0.02, heights);  // 20 km on 10 columns: 100 samples to a column
    p.no_data.assign(heights.size(), false);
    for (std::size_t i = 800; i < heights.size(); ++i) p.no_data[i] = true;
    plot::PixelTransform pixels(10, 10);
    pixels.SetScale(0.0, 1000.0, 20.0, 0.0);
    const std::vector<GroundColumn> columns = GroundColumns(p, pixels);
    ASSERT_EQ(columns.size(), 10u);
    for (const GroundColumn& column : columns) {
        EXPECT_DOUBLE_EQ(column.top_m, column.column == 5 ? 900.0 : 10.0) << column.column;
        // The stretch under the centre decides: samples from 16 km on have no data.
        EXPECT_EQ(column.no_data, column.column >= 8) << column.column;
    }
}

// Samples rounded to whole metres as drawn; the last sample held to the path's end; a picture
// that shows only part of the path gives only its columns; a profile without samples none.
TEST(GroundColumns, RoundedHeldToTheEndAndClippedToThePicture) {
    Profile p = HandProfile(0.02, {100.4, 100.6});
    p.path_km = 0.03;  // the distant site lies 10 m beyond the last sample
    plot::PixelTransform pixels(30, 10);
    pixels.SetScale(0.0, 200.0, 0.03, 0.0);
    std::vector<GroundColumn> columns = GroundColumns(p, pixels);
    ASSERT_EQ(columns.size(), 30u);
    EXPECT_DOUBLE_EQ(columns[0].top_m, 100.05);
    EXPECT_DOUBLE_EQ(columns[25].top_m, 101.0);
    EXPECT_DOUBLE_EQ(columns[29].top_m, 101.0);

    pixels.SetScale(-0.03, 200.0, 0.01, 0.0);  // the picture ends at 10 m
    columns = GroundColumns(p, pixels);
    ASSERT_EQ(columns.size(), 8u);
    EXPECT_EQ(columns.front().column, 22);
    EXPECT_EQ(columns.back().column, 29);
    EXPECT_TRUE(GroundColumns(Profile{}, pixels).empty());
}

// --- clipping ----------------------------------------------------------------------------------

TEST(ClipSegment, KeepsThePartInsideInItsDirection) {
    const PlotBox box{0.0, 0.0, 10.0, 100.0};
    // Inside: unchanged.
    auto part = ClipSegment({1.0, 10.0}, {9.0, 90.0}, box);
    ASSERT_TRUE(part);
    EXPECT_DOUBLE_EQ(part->first.x, 1.0);
    EXPECT_DOUBLE_EQ(part->second.y, 90.0);
    // Crossing the foot: cut where it meets y = 0.
    part = ClipSegment({2.0, 50.0}, {6.0, -50.0}, box);
    ASSERT_TRUE(part);
    EXPECT_DOUBLE_EQ(part->first.x, 2.0);
    EXPECT_DOUBLE_EQ(part->second.x, 4.0);
    EXPECT_DOUBLE_EQ(part->second.y, 0.0);
    // Coming in from below and leaving through the top, backwards.
    part = ClipSegment({8.0, -100.0}, {4.0, 200.0}, box);
    ASSERT_TRUE(part);
    EXPECT_NEAR(part->first.x, 8.0 - 4.0 / 3.0, 1e-12);
    EXPECT_NEAR(part->first.y, 0.0, 1e-12);
    EXPECT_NEAR(part->second.x, 8.0 - 4.0 * 200.0 / 300.0, 1e-12);
    EXPECT_NEAR(part->second.y, 100.0, 1e-12);
    // Wholly below, wholly beside, and a vertical segment outside.
    EXPECT_FALSE(ClipSegment({1.0, -5.0}, {9.0, -1.0}, box));
    EXPECT_FALSE(ClipSegment({11.0, 5.0}, {12.0, 50.0}, box));
    EXPECT_FALSE(ClipSegment({-1.0, 5.0}, {-1.0, 50.0}, box));
    // A point on the edge stays.
    EXPECT_TRUE(ClipSegment({5.0, 0.0}, {5.0, 0.0}, box));
}

// --- the marks -----------------------------------------------------------------------------

// A 10 km path over sea with a knife edge at 4 km and a lower hump at 8 km, masts of 100 m:
// the line of sight is level at 100 m.
Profile KnifeEdges(double edge_m, double hump_m) {
    std::vector<double> heights(501, 0.0);
    heights[200] = edge_m;
    heights[400] = hump_m;
    return HandProfile(0.02, heights);
}

TEST(WorstClearanceMarks, TheLineOfSightsAndTheZonesWorstWithTheConsolesFigures) {
    constexpr double kLambda144_m = 299792458.0 / 144.0e6;
    // Without a frequency: the edge, 130 m above the line.
    std::vector<ClearanceMark> marks = WorstClearanceMarks(KnifeEdges(130.0, 0.0), 100, 100, {});
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_DOUBLE_EQ(marks[0].at_km, 4.0);
    EXPECT_DOUBLE_EQ(marks[0].ground_m, 130.0);
    EXPECT_DOUBLE_EQ(marks[0].sight_m, 100.0);
    EXPECT_EQ(marks[0].text, "worst clearance -30.0 m");

    // With one: the same sample is worst for the zone too, one mark with both figures
    // (r1 at 4 km = sqrt(2.0819 x 4000 x 6000 / 10000) = 70.69 m: -30 / 70.69 = -42 %).
    marks = WorstClearanceMarks(KnifeEdges(130.0, 0.0), 100, 100, kLambda144_m);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].text, "worst clearance -30.0 m, -42% of zone");

    // With the edge at 70 m (30 m clear, 42 % of r1) and a hump at 8 km of 75 m (25 m clear;
    // r1 = 57.71 m there, 43 %) the two part: the line of sight's worst is the hump, the zone's
    // the edge.
    marks = WorstClearanceMarks(KnifeEdges(70.0, 75.0), 100, 100, kLambda144_m);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_DOUBLE_EQ(marks[0].at_km, 8.0);
    EXPECT_EQ(marks[0].text, "worst clearance 25.0 m");
    EXPECT_DOUBLE_EQ(marks[1].at_km, 4.0);
    EXPECT_EQ(marks[1].text, "worst zone clearance 42% (30.0 m)");
    const std::optional<FresnelClearance> zone =
        WorstFresnelClearance(KnifeEdges(70.0, 75.0), {10.0, 100.0, 100.0}, kLambda144_m);
    ASSERT_TRUE(zone);
    EXPECT_DOUBLE_EQ(zone->at_km, marks[1].at_km);
}

TEST(PlaceMarkLabel, BesideTheTickWithinTheRoomAndOffTheOtherLabels) {
    const PixelBox room{30, 40, 730, 380};
    // Right of the tick, level with its middle.
    PixelBox box = PlaceMarkLabel(300, 100, 200, 120, 14, room);
    EXPECT_EQ(box.left, 300 + kMarkLabelGap_px);
    EXPECT_EQ(box.top, 150 - 7);
    EXPECT_EQ(box.Width(), 120);
    EXPECT_EQ(box.Height(), 14);
    // Near the height labels: left of it.
    box = PlaceMarkLabel(700, 100, 200, 120, 14, room);
    EXPECT_EQ(box.right, 700 - kMarkLabelGap_px);
    // A tick that runs off the top of the room: the label is kept inside.
    box = PlaceMarkLabel(300, -80, 20, 120, 14, room);
    EXPECT_EQ(box.top, 40);
    // A label already there: the other side.
    const PixelBox first = PlaceMarkLabel(300, 100, 200, 120, 14, room);
    box = PlaceMarkLabel(310, 100, 200, 120, 14, room, {first});
    EXPECT_FALSE(Overlap(box, first));
    EXPECT_EQ(box.right, 310 - kMarkLabelGap_px);
}

// A tick inside a hill: the label goes up into the sky beside it rather than over the ground.
TEST(PlaceMarkLabel, InTheSkyWhereItCanBe) {
    const PixelBox room{0, 0, 400, 300};
    // Ground up to row 100 left of column 200, up to row 250 right of it.
    std::vector<int> ground(400, 250);
    for (int c = 0; c < 200; ++c) ground[static_cast<std::size_t>(c)] = 100;
    // A tick at column 150 from row 120 to row 200: beside it lies ground on both sides at
    // first; right of the tick the sky reaches down to row 250, so the label goes there, level
    // with the tick's middle, if it starts right of column 200.
    PixelBox box = PlaceMarkLabel(195, 120, 200, 100, 14, room, {}, ground);
    EXPECT_EQ(box.left, 201);
    EXPECT_EQ(box.top, 160 - 7);
    // Left of column 200 only: it rises until it clears the ground (bottom at row 100 at most).
    box = PlaceMarkLabel(150, 120, 200, 40, 14, PixelBox{0, 0, 199, 300}, {}, ground);
    EXPECT_LE(box.bottom, 100);
    EXPECT_GE(box.bottom, 100 - 7);
    // Ground everywhere: beside the tick as before.
    box = PlaceMarkLabel(150, 120, 200, 40, 14, room, {}, std::vector<int>(400, 0));
    EXPECT_EQ(box.left, 156);
    EXPECT_EQ(box.top, 153);
}

// --- the title strip -----------------------------------------------------------------------

TEST(TitleText, TakesOutTheFieldsPaddingAndKeepsTheFiguresApart) {
    EXPECT_EQ(TitleText("Dist   22.28km  Bearing  10.6° [Back 190.7°]"),
              "Dist 22.28km  Bearing 10.6° [Back 190.7°]");
    EXPECT_EQ(TitleText("Line of sight blocked, worst clearance  -677.9m at    8.04km from base"),
              "Line of sight blocked, worst clearance -677.9m at 8.04km from base");
    EXPECT_EQ(TitleText("Knife-edge diffraction loss 0.2 dB   Estimated path loss 102.7 dB"),
              "Knife-edge diffraction loss 0.2 dB  Estimated path loss 102.7 dB");
    EXPECT_EQ(TitleText("   "), "");
}

TEST(ProfileTitleLines, BothSitesThePathAndTheConsolesFigures) {
    const std::vector<std::string> lines = ProfileTitleLines(
        3, {"Scafell Pike", {54.4543, -3.2117}, 10.0}, {"Skiddaw", {54.6514, -3.1472}, 12.5}, 1.33,
        "Dist   22.28km  Bearing  10.6° [Back 190.7°]",
        {{"Line of sight clear,   worst clearance     9.2m at   22.14km from base"},
         {"First Fresnel zone at 144 MHz: worst clearance 53% at 22.14km, partly obstructed",
          "Free-space loss 102.6 dB"}});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              "pathprofile, profile 3: Scafell Pike (54.4543N 3.2117W) >> Skiddaw (54.6514N "
              "3.1472W)");
    EXPECT_EQ(lines[1],
              "Dist 22.28km  Bearing 10.6° [Back 190.7°]  K 1.33  Base mast 10 m  Distant mast "
              "12.5 m");
    EXPECT_EQ(lines[2], "Line of sight clear,  worst clearance 9.2m at 22.14km from base");
    EXPECT_EQ(lines[3],
              "First Fresnel zone at 144 MHz: worst clearance 53% at 22.14km, partly obstructed; "
              "Free-space loss 102.6 dB");
    EXPECT_EQ(PositionText({-33.5, 151.25}), "33.5000S 151.2500E");
}

}  // namespace
}  // namespace pathprofile
