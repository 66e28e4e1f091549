// The labels of the profile's grid and the click read-out, measured with the window's own font:
// none overlaps another at short, long and the longest paths.
#include "pathprofile/grid_labels.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <string>

#include "console/headless.h"
#include "pathprofile/profile_view.h"

namespace pathprofile {
namespace {

TEST(LabelEvery, FirstOfOneTwoFiveThatLeavesTheGap) {
    EXPECT_EQ(LabelEvery(40.0, 20.0, 4.0), 1);
    EXPECT_EQ(LabelEvery(24.0, 20.0, 4.0), 1);  // exactly the label and the gap
    EXPECT_EQ(LabelEvery(23.9, 20.0, 4.0), 2);
    EXPECT_EQ(LabelEvery(5.0, 20.0, 4.0), 5);
    EXPECT_EQ(LabelEvery(3.48, 28.0, 4.0), 10);
    EXPECT_EQ(LabelEvery(1.5, 28.0, 4.0), 50);
    EXPECT_EQ(LabelEvery(-8.0, 20.0, 4.0), 5);  // rows counted upwards
}

struct LabelCase {
    double path_km;
    HeightAxis axis;
    bool exit_box;  // the window on the screen has its Exit box, a saved picture has none
};

// The number a label starts with ("1.2 km" reads 1.2).
double LabelNumber(const GridLabel& label) {
    return std::stod(label.text);
}

class ProfileLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ProfileLabels, NoTwoLabelsOverlapTheRoundOnesStayAndTheUnitsAreThere) {
    const auto [path_km, axis, exit_box] = GetParam();
    plot::Canvas canvas("labels", kWindowWidth_px, kWindowHeight_px);
    const PlotLayout layout(path_km, axis, ReadOutRows(MeasureLineHeightPx(canvas)));
    canvas.SetScale(layout.Left(), layout.Top(), layout.Right(), layout.Bottom());
    const GridLabels labels = ProfileGridLabels(canvas, layout, exit_box);
    const std::string trace = std::to_string(path_km) + " km, " + std::to_string(axis.bottom_m) +
                              " ... " + std::to_string(axis.top_m) + " m";

    std::vector<GridLabel> all = labels.heights;
    all.insert(all.end(), labels.distances.begin(), labels.distances.end());
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_GE(all[i].left, 0) << trace << all[i].text;
        EXPECT_GE(all[i].top, 0) << trace << all[i].text;
        EXPECT_LE(all[i].right, kWindowWidth_px) << trace << all[i].text;
        EXPECT_LE(all[i].bottom, kWindowHeight_px) << trace << all[i].text;
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(Overlap(all[i], all[j]))
                << trace << ": \"" << all[i].text << "\" and \"" << all[j].text << "\"";
    }

    // No label runs into the "Exit" box or under its label.
    if (exit_box) {
        const GridLabel exit = ExitArea(canvas, layout);
        for (const GridLabel& label : all) EXPECT_FALSE(Overlap(label, exit)) << label.text;
    }

    // Several labels on both axes; the highest height label carries "m", the last distance
    // label "km", and no other label a unit.
    ASSERT_GE(labels.heights.size(), 3u) << trace;
    ASSERT_GE(labels.distances.size(), 3u) << trace;
    EXPECT_TRUE(labels.heights.back().text.ends_with(" m")) << labels.heights.back().text;
    EXPECT_TRUE(labels.distances.back().text.ends_with(" km")) << labels.distances.back().text;
    for (std::size_t k = 0; k + 1 < labels.heights.size(); ++k)
        EXPECT_EQ(labels.heights[k].text.find(' '), std::string::npos) << labels.heights[k].text;
    for (std::size_t k = 0; k + 1 < labels.distances.size(); ++k)
        EXPECT_EQ(labels.distances[k].text.find(' '), std::string::npos);
    // Height labels are level with their lines and within the axis; distance labels below it,
    // centred on their lines (the first may be pushed right of the picture's edge).
    const int foot = AxisFootRow(canvas, layout);
    for (const GridLabel& label : labels.heights) {
        EXPECT_NEAR((label.top + label.bottom) / 2.0, canvas.PixelY(label.value), 1.0)
            << label.text;
        EXPECT_GE(label.value, axis.bottom_m);
        EXPECT_LE(label.value, axis.top_m);
        EXPECT_DOUBLE_EQ(LabelNumber(label), label.value);
    }
    for (const GridLabel& label : labels.distances) {
        EXPECT_GT(label.top, foot) << label.text;
        if (label.left > 0) {
            EXPECT_NEAR((label.left + label.right) / 2.0, canvas.PixelX(label.value), 1.0)
                << label.text;
        }
        EXPECT_DOUBLE_EQ(LabelNumber(label), label.value);
    }
    // The last distance label ends short of the height labels' column.
    EXPECT_LE(labels.distances.back().right + kLabelGap_px, labels.heights.front().left);
    // The distances are labelled at one even step from 0; a thinned step is no sparser than
    // needed (the 1-2-5 series at most 2.5 times what the widest label needs).
    const double step = labels.distances[1].value;
    for (std::size_t k = 0; k < labels.distances.size(); ++k)
        EXPECT_NEAR(labels.distances[k].value, k * step, 1e-9 * step);
    if (step > layout.DistanceStep_km() * 1.0001) {
        const int width = labels.distances[1].right - labels.distances[1].left;
        EXPECT_LT(labels.distances[1].left - labels.distances[0].left, 5 * (width + kLabelGap_px));
    }
}

// A 1.24 km path among the summits (once labelled only "0" and "1"), 22 km (2 km lines), 387 km
// and the longest path, 2000 km; axes from 0, from high ground, below sea level and very tall.
INSTANTIATE_TEST_SUITE_P(Paths, ProfileLabels,
                         ::testing::Values(LabelCase{1.24, {738.5, 991.5}, true},
                                           LabelCase{1.24, {738.5, 991.5}, false},
                                           LabelCase{22.0, {0.0, 1160.0}, true},
                                           LabelCase{22.0, {0.0, 150.0}, false},
                                           LabelCase{387.0, {0.0, 1160.0}, true},
                                           LabelCase{387.0, {400.0, 4800.0}, true},
                                           LabelCase{2000.0, {0.0, 1160.0}, false},
                                           LabelCase{2000.0, {-30.0, 450.0}, true},
                                           LabelCase{2000.0, {0.0, 74000.0}, true},
                                           LabelCase{15.0, {96.0, 106.0}, true}));

// A 1.24 km path is labelled in tenths of a kilometre, not at 0 and 1 only.
TEST(ProfileLabels, AShortPathHasLabelsEveryTenthOfAKilometre) {
    plot::Canvas canvas("labels", kWindowWidth_px, kWindowHeight_px);
    const PlotLayout layout(1.24, HeightAxis{738.5, 991.5},
                            ReadOutRows(MeasureLineHeightPx(canvas)));
    canvas.SetScale(layout.Left(), layout.Top(), layout.Right(), layout.Bottom());
    const GridLabels labels = ProfileGridLabels(canvas, layout, false);
    ASSERT_GE(labels.distances.size(), 10u);
    EXPECT_EQ(labels.distances[1].text, "0.1");
    EXPECT_EQ(labels.distances[5].text, "0.5");
    EXPECT_EQ(labels.heights.front().text, "740");
    EXPECT_EQ(labels.heights.back().text, "980 m");
}

TEST(PlaceClickReadOut, OneLineWhenItFitsElseTwo) {
    const ReadOutBox one = PlaceClickReadOut(0, 0, 700, 300, 300, 15);
    EXPECT_EQ(one.left, 4);
    EXPECT_EQ(one.top, 4);
    EXPECT_EQ(one.right, 604);
    EXPECT_EQ(one.bottom, 19);
    EXPECT_FALSE(one.two_lines);
    const ReadOutBox two = PlaceClickReadOut(0, 0, 700, 300, 400, 15);
    EXPECT_TRUE(two.two_lines);
    EXPECT_EQ(two.right, 404);
    EXPECT_EQ(two.bottom, 34);
}

// Two single clicks leave exactly the picture one click leaves: the first read-out is gone,
// and the second covers none of the labels.
TEST(ProfileReadOut, ANewReadOutErasesTheLastAndCoversNoLabel) {
    for (double path_km : {22.0, 387.0}) {
        const auto make = [&] {
            const EarthBulge bulge(1.3, path_km);
            Profile profile = SampleProfile({54.45, -3.21}, 10.0, path_km, bulge, [](LatLon p) {
                return static_cast<int>(900 * std::abs(std::sin(p.lat_deg * 300)));
            });
            return ProfileView("read-out", std::move(profile), bulge,
                               PathSetup{{54.45, -3.21}, 10.0, 10.0, 10.0, "", std::nullopt, {}});
        };
        ProfileView twice = make();
        twice.Draw();
        twice.HandleClick({plot::ClickKind::kSingle, 0.3 * path_km, 400.0});
        twice.HandleClick({plot::ClickKind::kSingle, 0.7 * path_km, 200.0});
        ProfileView once = make();
        once.Draw();
        once.HandleClick({plot::ClickKind::kSingle, 0.7 * path_km, 200.0});
        twice.Window().Picture().FinishPainting();
        once.Window().Picture().FinishPainting();
        EXPECT_TRUE(twice.Window().Picture().Image() == once.Window().Picture().Image())
            << path_km << " km";

        // ... and it changed the picture somewhere, inside the window.
        ProfileView none = make();
        none.Draw();
        none.Window().Picture().FinishPainting();
        EXPECT_FALSE(none.Window().Picture().Image() == once.Window().Picture().Image());
        const ReadOutBox box = once.LastReadOut();
        EXPECT_LE(box.right, kWindowWidth_px);
        const GridLabels labels = ProfileGridLabels(once.Window().Picture(), once.Layout());
        GridLabel read_out;
        read_out.left = box.left;
        read_out.top = box.top;
        read_out.right = box.right;
        read_out.bottom = box.bottom;
        for (const auto* group : {&labels.heights, &labels.distances})
            for (const GridLabel& label : *group)
                EXPECT_FALSE(Overlap(read_out, label)) << path_km << " km: " << label.text;
        // It stands in the rows above the axis, off the ground and the line of sight.
        EXPECT_LE(box.bottom, once.Window().Picture().PixelRow(once.Layout().Axis().top_m) + 1);
    }
}

}  // namespace
}  // namespace pathprofile
