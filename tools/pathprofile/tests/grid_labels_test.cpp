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

class ProfileLabels : public ::testing::TestWithParam<std::pair<double, double>> {};

TEST_P(ProfileLabels, NoTwoLabelsOverlapAndTheRoundOnesStay) {
    const auto [path_km, top_m] = GetParam();
    const PlotLayout layout(path_km, top_m);
    plot::Canvas canvas("labels", kWindowWidth_px, kWindowHeight_px);
    canvas.SetScale(layout.Left(), layout.Top(), layout.Right(), layout.Bottom());
    const GridLabels labels = ProfileGridLabels(canvas, layout);

    std::vector<GridLabel> all = labels.heights;
    all.insert(all.end(), labels.distances.begin(), labels.distances.end());
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(Overlap(all[i], all[j]))
                << path_km << " km, " << top_m << " m: \"" << all[i].text << "\" and \""
                << all[j].text << "\"";

    // No label runs into the "Exit" box or under its label.
    const GridLabel exit = ExitArea(canvas, layout);
    for (const GridLabel& label : all) EXPECT_FALSE(Overlap(label, exit)) << label.text;

    // Labels on both axes from 0, several of each, and the height "0" among them.
    ASSERT_GE(labels.heights.size(), 3u);
    ASSERT_GE(labels.distances.size(), 3u);
    EXPECT_EQ(labels.heights.front().text, "0");
    EXPECT_EQ(labels.distances.front().text, "0");
    // The last distance label ends short of the height labels' column.
    EXPECT_LE(labels.distances.back().right + kLabelGap_px, labels.heights.front().left);
    // The distances are labelled at one even step; a thinned step is no sparser than needed
    // (the 1-2-5 series at most 2.5 times what the widest label needs).
    const double step = std::stod(labels.distances[1].text);
    for (std::size_t k = 0; k < labels.distances.size(); ++k)
        EXPECT_DOUBLE_EQ(std::stod(labels.distances[k].text), k * step);
    if (step > DistanceGridStep_km(path_km)) {
        const int width = labels.distances[1].right - labels.distances[1].left;
        EXPECT_LT(labels.distances[1].left - labels.distances[0].left, 5 * (width + kLabelGap_px));
    }
}

// 22 km (5 km lines), 387 km (10 km lines, 2 pixels apart) and the longest path, 2000 km;
// a low, a Lake District and a high plot top.
INSTANTIATE_TEST_SUITE_P(Paths, ProfileLabels,
                         ::testing::Values(std::pair{22.0, 1160.0}, std::pair{22.0, 150.0},
                                           std::pair{387.0, 1160.0}, std::pair{387.0, 4800.0},
                                           std::pair{2000.0, 1160.0}, std::pair{2000.0, 450.0},
                                           std::pair{2000.0, 74000.0}, std::pair{15.0, 150.0}));

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
            const double top_m = PlotTop_m(profile, 10.0, 10.0);
            return ProfileView("read-out", std::move(profile), bulge, top_m,
                               PathSetup{{54.45, -3.21}, 10.0, 10.0, 10.0, "", std::nullopt});
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
    }
}

}  // namespace
}  // namespace pathprofile
