// The profile's picture as a user sees it: labels on the picture and apart, the height axis
// fitted to the ground and the line of sight, the ground filled at every path length, the
// Fresnel zone kept to the plot, the worst clearance marked where it is, no Exit box in a saved
// picture, and a read-out that names its height truly.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "console/headless.h"
#include "console/picture_mask.h"
#include "pathprofile/grid_labels.h"
#include "pathprofile/profile_view.h"
#include "plot/no_data.h"
#include "plot/testing/text_layout.h"

namespace pathprofile {
namespace {

constexpr LatLon kBase{54.45, -3.21};

double NorthOfBase_km(LatLon p) {
    return (p.lat_deg - kBase.lat_deg) / geodesy::kDegPerRad * geodesy::kEarthRadiusSingle_km;
}

// Ground heights along a path due north of the base, by distance from the base.
using Terrain = std::function<double(double km)>;

// The paths the pictures are drawn of: among the summits (1.24 km from 960 m down to a 750 m
// valley and up again: 62 samples over 700 pixels, the comb of old); a 30 km path from 90 m over
// a 780 m fell down to the coast; a 2000 km path over rolling hills (dozens of samples to a
// pixel column); flat sea.
struct PathCase {
    std::string name;
    double path_km;
    Terrain terrain;
    double mast_m;
};

std::vector<PathCase> Paths() {
    return {
        {"summits", 1.24,
         [](double km) { return 750.0 + 210.0 * std::abs(km - 0.62) / 0.62 + (km > 1.0 ? 20 : 0); },
         10.0},
        {"fell to the coast", 29.78,
         [](double km) {
             if (km < 8.04) return 90.0 + 690.0 * km / 8.04;
             return std::max(0.0, 780.0 - 35.0 * (km - 8.04));
         },
         10.0},
        {"longest", 2000.0, [](double km) { return 300.0 + 250.0 * std::sin(km / 7.0); }, 20.0},
        {"sea", 12.0, [](double) { return 0.0; }, 2.0},
    };
}

Profile SampleTerrain(const PathCase& path, const EarthBulge& bulge) {
    const Terrain terrain = path.terrain;
    return SampleProfile(kBase, 0.0, path.path_km, bulge, [terrain](LatLon p) {
        return static_cast<int>(std::lround(terrain(NorthOfBase_km(p))));
    });
}

// A view of `path`, headless (a --png run's picture) or for the screen.
ProfileView MakeView(const PathCase& path, bool headless, std::optional<double> frequency_MHz) {
    const EarthBulge bulge(1.33, path.path_km);
    console::HeadlessOptions options;
    if (headless) options.pngFile = "unused.png";
    return ProfileView(
        "picture", SampleTerrain(path, bulge), bulge,
        PathSetup{kBase, 0.0, path.mast_m, path.mast_m, "", frequency_MHz, {"title"}}, options);
}

const QColor kWhite(255, 255, 255);

QColor Pixel(plot::Canvas& canvas, int col, int row) {
    canvas.FinishPainting();
    return canvas.Image().pixelColor(col, row);
}

// --- text layout ---------------------------------------------------------------------------

// Every label on the picture and none over another, in the saved picture and in the window
// (with its Exit box), with and without the zone's figures, before and after a click. The window
// has one size, 800 x 400.
TEST(ProfilePicture, TextLayoutIsCleanOnEveryPath) {
    for (const PathCase& path : Paths()) {
        for (bool headless : {true, false}) {
            for (std::optional<double> frequency :
                 {std::optional<double>{}, std::optional{144.0}}) {
                SCOPED_TRACE(path.name + (headless ? ", saved" : ", window") +
                             (frequency ? ", 144 MHz" : ""));
                ProfileView view = MakeView(path, headless, frequency);
                view.Draw();
                std::vector<std::string> faults =
                    plot::testing::TextLayoutFaults(view.Window().Picture());
                for (const std::string& fault : faults) ADD_FAILURE() << fault;
                // The marks' labels are among the labels checked.
                EXPECT_FALSE(view.MarkLabels().empty());
                view.HandleClick(
                    {plot::ClickKind::kSingle, 0.5 * path.path_km, view.Layout().Axis().top_m});
                faults = plot::testing::TextLayoutFaults(view.Window().Picture());
                // The first read-out is drawn over no label (the earlier labels, and itself).
                for (const std::string& fault : faults) ADD_FAILURE() << "after a click: " << fault;
            }
        }
    }
}

// --- the height axis -----------------------------------------------------------------------

TEST(ProfilePicture, AxisHoldsTheGroundAndTheLineOfSightAndStartsAtZeroOnlyWhenThatWastesLittle) {
    for (const PathCase& path : Paths()) {
        SCOPED_TRACE(path.name);
        ProfileView view = MakeView(path, true, std::nullopt);
        const Profile profile = SampleTerrain(path, EarthBulge(1.33, path.path_km));
        const HeightAxis& axis = view.Layout().Axis();
        double low = 1e9;
        for (double sample : profile.samples_m) {
            EXPECT_GE(std::round(sample), axis.bottom_m);
            EXPECT_LE(std::round(sample), axis.top_m);
            low = std::min(low, std::round(sample));
        }
        for (const Point& top : {view.BaseMastTop(), view.DistantMastTop()}) {
            EXPECT_GE(top.y, axis.bottom_m);
            EXPECT_LE(top.y, axis.top_m);
        }
        if (axis.bottom_m == 0.0 && low > 0.0) {
            EXPECT_LT(low / axis.top_m, kZeroWasteShare);
        } else if (low > 0.0) {
            EXPECT_GE(low / axis.top_m, kZeroWasteShare);
        }
    }
    // Among the summits the axis does not start at 0: the 750 ... 980 m band fills the plot.
    ProfileView summits = MakeView(Paths()[0], true, std::nullopt);
    EXPECT_GT(summits.Layout().Axis().bottom_m, 700.0);
    EXPECT_LT(summits.Layout().Axis().top_m, 1010.0);
    // From the fell to the coast it starts at 0.
    EXPECT_EQ(MakeView(Paths()[1], true, std::nullopt).Layout().Axis().bottom_m, 0.0);
}

TEST(ProfileHeightAxis, LeavesOutTheGroundWithoutDataAndTakesTheMastTops) {
    Profile profile;
    profile.path_km = 0.04;
    profile.distance_km = {0.0, 0.02, 0.04};
    profile.samples_m = {500.2, 0.0, 520.0};
    profile.bulge_m = {0.0, 0.0, 0.0};
    profile.no_data = {false, true, false};
    const HeightAxis axis = ProfileHeightAxis(profile, 10.0, 30.0);
    // 500 m (the sample rounded) up to the distant mast top, 550 m; not down to 0 m.
    EXPECT_EQ(axis.bottom_m, FitHeightAxis(500.0, 550.0).bottom_m);
    EXPECT_EQ(axis.top_m, FitHeightAxis(500.0, 550.0).top_m);
}

// --- the ground ----------------------------------------------------------------------------

// Every column from the base to the distant site shows ground, from the foot of the axis up to
// the profile, without a white pixel: no comb of one-pixel bars with white gaps on a short path.
// The ground's top in each column lies between the lowest and the highest of the samples in and
// next to the column (a column between two samples 11 pixels apart shows the ground between
// them, not a sliver at the foot).
TEST(ProfilePicture, GroundIsFilledInEveryColumnUnderTheProfile) {
    for (const PathCase& path : Paths()) {
        SCOPED_TRACE(path.name);
        const Profile profile = SampleTerrain(path, EarthBulge(1.33, path.path_km));
        ProfileView view = MakeView(path, true, std::nullopt);
        view.Draw();
        plot::Canvas& canvas = view.Window().Picture();
        canvas.FinishPainting();
        const QImage& image = canvas.Image();
        const int foot = AxisFootRow(canvas, view.Layout());
        const auto in_a_label = [&](int col, int row) {
            for (const PixelBox& box : view.MarkLabels())
                if (col >= box.left && col < box.right && row >= box.top && row < box.bottom)
                    return true;
            return false;
        };
        const QColor brown(kTerrainBrown.red, kTerrainBrown.green, kTerrainBrown.blue);
        const QColor green(kBulgeGreen.red, kBulgeGreen.green, kBulgeGreen.blue);
        int columns = 0;
        // The masts, kMastPen_px wide, stand over the columns at both ends.
        for (int col = canvas.PixelColumn(0.0) + kMastPen_px;
             col <= canvas.PixelColumn(path.path_km) - kMastPen_px; ++col) {
            int ground_top = -1;
            for (int row = 0; row <= foot && ground_top < 0; ++row) {
                const QColor c = image.pixelColor(col, row);
                if (c == brown || c == green) ground_top = row;
            }
            ASSERT_GE(ground_top, 0) << "no ground in column " << col;
            // The samples in and next to the column (the tick of a mark covers its own column).
            const double from_km = canvas.UserX(col) - kSampleStep_km;
            const double to_km = canvas.UserX(col + 1.0) + kSampleStep_km;
            double low = 1e9, high = -1e9;
            for (std::size_t i = 0; i < profile.samples_m.size(); ++i) {
                if (profile.distance_km[i] < from_km || profile.distance_km[i] > to_km) continue;
                low = std::min(low, std::round(profile.samples_m[i]));
                // The green bulge stands under the ground, up to the unrounded bulge.
                high = std::max({high, std::round(profile.samples_m[i]), profile.bulge_m[i]});
            }
            const bool marked = std::any_of(
                view.Marks().begin(), view.Marks().end(), [&](const ClearanceMark& mark) {
                    return std::abs(canvas.PixelColumn(mark.at_km) - col) <= kMarkTriangle_px;
                });
            if (!marked && low <= high) {
                const double metres_per_row = (view.Layout().Top() - view.Layout().Bottom()) / 400;
                const double top_m = canvas.UserY(ground_top + 0.5);
                EXPECT_LE(top_m, high + 2 * metres_per_row) << "column " << col;
                EXPECT_GE(top_m, std::max(low, view.Layout().Axis().bottom_m) - 2 * metres_per_row)
                    << "column " << col;
            }
            for (int row = ground_top; row <= foot; ++row) {
                if (in_a_label(col, row)) continue;
                ASSERT_NE(image.pixelColor(col, row), kWhite) << "column " << col << " row " << row;
            }
            ++columns;
        }
        EXPECT_GT(columns, 650);
    }
}

// The ground's top follows the samples: at the valley floor and on a slope of the summits' path
// and on the fell's slope (away from the worst clearance's tick, which covers the fell top).
TEST(ProfilePicture, GroundTopIsWhereTheSamplesAre) {
    for (const auto& [path, at_km] :
         {std::pair{Paths()[0], 0.62}, std::pair{Paths()[1], 6.0}, std::pair{Paths()[0], 0.3}}) {
        SCOPED_TRACE(path.name + " at " + std::to_string(at_km) + " km");
        ProfileView view = MakeView(path, true, std::nullopt);
        view.Draw();
        plot::Canvas& canvas = view.Window().Picture();
        const int col = canvas.PixelColumn(at_km);
        const QColor brown(kTerrainBrown.red, kTerrainBrown.green, kTerrainBrown.blue);
        int top_row = -1;
        for (int row = 0; row < canvas.HeightPx() && top_row < 0; ++row)
            if (Pixel(canvas, col, row) == brown) top_row = row;
        const double expected_m = path.terrain(at_km) + EarthBulge(1.33, path.path_km).At_m(at_km);
        const double metres_per_row = (view.Layout().Top() - view.Layout().Bottom()) / 400.0;
        EXPECT_NEAR(canvas.UserY(top_row + 0.5), expected_m, 2.0 * metres_per_row + 1.0);
    }
}

// Without height data a column is grey over the whole axis.
TEST(ProfilePicture, ColumnsWithoutHeightDataAreGrey) {
    const double path_km = 10.0;
    const EarthBulge bulge(1.33, path_km);
    Profile profile = SampleProfile(
        kBase, 0.0, path_km, bulge, [](LatLon) { return 200; },
        [](LatLon p) { return NorthOfBase_km(p) < 6.0; });
    ProfileView view("no data", std::move(profile), bulge,
                     PathSetup{kBase, 0.0, 10.0, 10.0, "", std::nullopt, {}}, {});
    view.Draw();
    plot::Canvas& canvas = view.Window().Picture();
    const QColor grey(plot::kNoDataColour.red, plot::kNoDataColour.green, plot::kNoDataColour.blue);
    const int foot = AxisFootRow(canvas, view.Layout());
    const int top = canvas.PixelRow(view.Layout().Axis().top_m);
    const int col = canvas.PixelColumn(8.0);
    EXPECT_EQ(Pixel(canvas, col, foot), grey);
    EXPECT_EQ(Pixel(canvas, col, top + 1), grey);
    EXPECT_NE(Pixel(canvas, canvas.PixelColumn(3.0), top + 1), grey);
}

// --- the Fresnel zone ----------------------------------------------------------------------

// On the long path at 144 MHz the zone's lower bound runs far below sea level at mid-path: it
// is drawn down to the foot of the axis and no further, never over the distance labels; and it
// stays out of the read-out's rows above the axis.
TEST(ProfilePicture, FresnelZoneStaysWithinThePlot) {
    for (const PathCase& path : {Paths()[1], Paths()[3]}) {
        SCOPED_TRACE(path.name);
        ProfileView view = MakeView(path, true, 144.0);
        view.Draw();
        plot::Canvas& canvas = view.Window().Picture();
        canvas.FinishPainting();
        const int foot = AxisFootRow(canvas, view.Layout());
        const int top = canvas.PixelRow(view.Layout().Axis().top_m);
        int inside = 0;
        for (int row = 0; row < canvas.HeightPx(); ++row) {
            for (int col = 0; col < canvas.WidthPx(); ++col) {
                const QColor c = canvas.Image().pixelColor(col, row);
                const bool zone =
                    c == QColor(kFresnelBlue.red, kFresnelBlue.green, kFresnelBlue.blue) ||
                    c == QColor(kFresnel60Blue.red, kFresnel60Blue.green, kFresnel60Blue.blue);
                if (!zone) continue;
                EXPECT_LE(row, foot + 1) << "zone below the axis at column " << col;
                EXPECT_GE(row, top - 1) << "zone above the axis at column " << col;
                ++inside;
            }
        }
        EXPECT_GT(inside, 300);
    }
}

// --- the worst clearance -------------------------------------------------------------------

// A 500 m knife edge 6 km out on a 10 km path over 100 m ground: the line of sight between 10 m
// masts passes 110 m up, so the worst clearance is there, blocked by the ridge and the bulge.
TEST(ProfilePicture, WorstClearanceIsMarkedAtItsDistanceWithItsFigure) {
    const double path_km = 10.0;
    const EarthBulge bulge(1.33, path_km);
    Profile profile = SampleProfile(kBase, 0.0, path_km, bulge, [](LatLon p) {
        return std::abs(NorthOfBase_km(p) - 6.0) < 0.015 ? 500 : 100;
    });
    const Clearance worst = LineOfSightClearance(profile, 10.0, 10.0);
    ASSERT_NEAR(worst.at_km, 6.0, 0.03);
    ProfileView view("ridge", std::move(profile), bulge,
                     PathSetup{kBase, 0.0, 10.0, 10.0, "", std::nullopt, {}}, {});
    view.Draw();
    ASSERT_EQ(view.Marks().size(), 1u);
    EXPECT_EQ(view.Marks()[0].at_km, worst.at_km);
    EXPECT_EQ(view.Marks()[0].text, console::FormatMask("worst clearance #.# m", {worst.worst_m}));

    plot::Canvas& canvas = view.Window().Picture();
    const QColor red(kMarkRed.red, kMarkRed.green, kMarkRed.blue);
    const auto red_in_column = [&](int col) {
        int n = 0;
        for (int row = 0; row < canvas.HeightPx(); ++row) n += Pixel(canvas, col, row) == red;
        return n;
    };
    // The tick runs the ridge's height above the line: some 390 m, a good share of the axis.
    const int col = canvas.PixelColumn(6.0);
    EXPECT_GT(std::max({red_in_column(col - 1), red_in_column(col), red_in_column(col + 1)}), 100);
    EXPECT_EQ(red_in_column(canvas.PixelColumn(3.0)), 0);
    // The label stands beside the tick.
    ASSERT_EQ(view.MarkLabels().size(), 1u);
    const PixelBox label = view.MarkLabels()[0];
    EXPECT_LT(std::min(std::abs(label.left - col), std::abs(label.right - col)),
              3 * kMarkLabelGap_px);
}

// --- the Exit box, and the read-out ----------------------------------------------------------

TEST(ProfilePicture, ExitBoxOnTheScreenOnlyAndTheHeadlessRunStillLeavesThroughIt) {
    for (bool headless : {true, false}) {
        ProfileView view = MakeView(Paths()[1], headless, std::nullopt);
        view.Draw();
        plot::Canvas& canvas = view.Window().Picture();
        const Point a = view.Layout().ExitBoxCorner1(), b = view.Layout().ExitBoxCorner2();
        const QColor pure_red(255, 0, 0);
        int red = 0;
        for (int col = canvas.PixelColumn(a.x); col <= canvas.PixelColumn(b.x); ++col)
            for (int row = canvas.PixelRow(b.y); row <= canvas.PixelRow(a.y); ++row)
                red += Pixel(canvas, col, row) == pure_red;
        if (headless) {
            EXPECT_EQ(red, 0);
        } else {
            EXPECT_GT(red, 200);
        }
        bool exit_label = false;
        for (const plot::Canvas::TextBox& box : canvas.TextBoxes())
            exit_label = exit_label || box.text == "Exit";
        EXPECT_EQ(exit_label, !headless);
    }
}

// The read-out's height is the clicked height less the earth bulge there: its height above sea
// level, not above the ground.
TEST(ProfilePicture, ReadOutGivesTheHeightAboveSeaLevel) {
    EXPECT_EQ(ClickReadOutFirstPart("IO84JK39ON", "NY2099 0747", 929.06),
              " IO84JK39ON = NY2099 0747   929.1m ASL  ");
    ProfileView view = MakeView(Paths()[1], true, std::nullopt);
    view.Draw();
    const double x_km = 10.0, y_m = 600.0;
    view.HandleClick({plot::ClickKind::kSingle, x_km, y_m});
    const double asl_m = y_m - EarthBulge(1.33, Paths()[1].path_km).At_m(x_km);
    bool found = false;
    for (const plot::Canvas::TextBox& box : view.Window().Picture().TextBoxes()) {
        if (box.text.find(console::FormatMask("#.#m ASL", {asl_m})) != std::string::npos)
            found = true;
        EXPECT_EQ(box.text.find("AGL"), std::string::npos) << box.text;
    }
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace pathprofile
