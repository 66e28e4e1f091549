// horizon's sweep, CSV, sites and picture in-process, on made-up ground round a centre at sea
// level: a hill 3 km east with a farm hidden behind it, a fell 10 km west, flat sea elsewhere.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "console/console_constants.h"
#include "console/testing/test_support.h"
#include "geodesy/national_grid.h"
#include "horizon/horizon_csv.h"
#include "horizon/horizon_plot.h"
#include "horizon/horizon_rays.h"
#include "horizon/horizon_sites.h"
#include "mastview/dialogue.h"
#include "plot/no_data.h"
#include "plot/plot_window.h"
#include "plot/testing/text_layout.h"

namespace horizon {
namespace {

namespace ct = console::testing;

constexpr double kRadius_km = 20;

// A headless window: its picture is never shown.
console::HeadlessOptions Headless(const std::filesystem::path& dir) {
    console::HeadlessOptions headless;
    headless.pngFile = (dir / "h.png").string();
    return headless;
}

struct Hill {
    double bearing_deg, distance_km, height_m, radius_km;
};
const Hill kNearHill{90, 3, 200, 1.0};
const Hill kFarFell{270, 10, 400, 1.5};
const Hill kHiddenFarm{90, 6, 0, 0};  // on flat ground behind the near hill

class MadeUpGround : public ::testing::Test {
  protected:
    MadeUpGround() {
        view.area = *mastview::MakeRadiusArea(54.45, -3.2, kRadius_km).area;
        view.centre.text = "Test Centre";
        view.centre.latitude_deg = 54.45;
        view.centre.longitude_deg = -3.2;
        view.ground_m = 0;
        view.mast_m = 10;
        view.kFactor = 1.3;
        setup = mastview::SweepSetupFor(view);
        heights = mastview::PlotHeights(setup.nLon, setup.nLat);
        std::vector<int32_t> row(static_cast<std::size_t>(setup.nLon) + 1);
        for (int y = 0; y <= setup.nLat; ++y) {
            for (int x = 0; x <= setup.nLon; ++x) row[static_cast<std::size_t>(x)] = HeightAt(x, y);
            heights.SetRow(0, y, row.data(), setup.nLon + 1);
        }
    }
    // Plot sample coordinates of a point at a bearing and distance, by the sweep's geometry.
    double SampleX(double bearing_deg, double d_km) const {
        return (std::sin(bearing_deg / console::kDegPerRad) * d_km / kRadius_km + 1) / 2 *
               setup.nLon;
    }
    double SampleY(double bearing_deg, double d_km) const {
        return (std::cos(bearing_deg / console::kDegPerRad) * d_km / kRadius_km + 1) / 2 *
               setup.nLat;
    }
    // Cones with flat tops a tenth of their radius across.
    int32_t HeightAt(int x, int y) const {
        double h = 0;
        for (const Hill& hill : {kNearHill, kFarFell}) {
            const double dx = (x - SampleX(hill.bearing_deg, hill.distance_km)) / setup.nLon * 2;
            const double dy = (y - SampleY(hill.bearing_deg, hill.distance_km)) / setup.nLat * 2;
            const double d_km = std::hypot(dx, dy) * kRadius_km;
            const double share =
                std::clamp((hill.radius_km - d_km) / (0.9 * hill.radius_km), 0.0, 1.0);
            h = std::max(h, hill.height_m * share);
        }
        return static_cast<int32_t>(std::lround(h));
    }
    std::string SiteLine(const std::string& name, const Hill& at) const {
        const double lat = view.area.LatOf(SampleY(at.bearing_deg, at.distance_km));
        const double lon = view.area.LonOf(SampleX(at.bearing_deg, at.distance_km));
        return name + "~" + geodesy::FormatGridRef10m({lat, lon});
    }
    HorizonSweep Sweep() const {
        return SweepHorizons(setup, heights, noData, [](int) {});
    }

    mastview::MastView view;
    mastview::SweepSetup setup;
    mastview::PlotHeights heights;
    terrain::NoDataMask noData{0, 0};
};

// Every ray's horizon is the highest angle the shared sweep reaches on it, at the distance where
// it reaches it, and the CSV writes those very numbers.
TEST_F(MadeUpGround, HorizonsAndTheirCsvAreTheSweepsOwnHighestAngles) {
    const HorizonSweep sweep = Sweep();
    std::vector<double> bearings, highest, distance;
    mastview::SweepRays(
        setup, heights, mastview::NewHighest::kAtOrAbove,
        [&](const mastview::RaySample& s) {
            if (bearings.empty() || bearings.back() != s.bearing_deg) {
                bearings.push_back(s.bearing_deg);
                highest.push_back(s.angle_rad);
                distance.push_back(s.t * kRadius_km);
            } else if (s.angle_rad >= highest.back()) {
                highest.back() = s.angle_rad;
                distance.back() = s.t * kRadius_km;
            }
        },
        [](int) {});
    ASSERT_EQ(sweep.rays.size(), bearings.size());
    ASSERT_GT(bearings.size(), 1000u);

    std::istringstream csv(HorizonCsv(sweep));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line, "bearing_deg,elevation_deg,distance_km,no_data");
    std::size_t rows = 0;
    while (std::getline(csv, line)) {
        ASSERT_LT(rows, bearings.size());
        double b = 0, e = 0, d = 0;
        int missing = -1;
        ASSERT_EQ(std::sscanf(line.c_str(), "%lf,%lf,%lf,%d", &b, &e, &d, &missing), 4) << line;
        EXPECT_NEAR(b, bearings[rows], 0.00005);
        EXPECT_NEAR(e, highest[rows] * console::kDegPerRad, 0.00005);
        EXPECT_NEAR(d, distance[rows], 0.0005);
        EXPECT_EQ(missing, 0);
        EXPECT_EQ(sweep.rays[rows].angle_rad, highest[rows]);
        ++rows;
    }
    EXPECT_EQ(rows, bearings.size());

    // East the near edge of the hill's flat top, 2.9 km out and 200 m up: 190 m above the mast
    // top, 3.75 degrees.
    const RayHorizon& east = sweep.Nearest(90);
    EXPECT_NEAR(sweep.Distance_km(east), 2.9, 0.1);
    EXPECT_NEAR(east.angle_rad * console::kDegPerRad, 3.75, 0.1);
    // North the sea: the radio horizon of a 10 m mast at K 1.3, 12.87 km, -0.089 degrees.
    const RayHorizon& north = sweep.Nearest(359.99);
    EXPECT_NEAR(sweep.Distance_km(north), mastview::RadioHorizon_km(10, 1.3), 0.1);
    EXPECT_NEAR(north.angle_rad * console::kDegPerRad, -0.089, 0.001);
    EXPECT_EQ(&sweep.Nearest(-0.001), &sweep.rays.front());  // wraps round north
}

// The ground seen below a horizon: what hides a point at t is the highest angle reached nearer.
TEST_F(MadeUpGround, GroundNearerThanAPointIsWhatHidesIt) {
    const HorizonSweep sweep = Sweep();
    const RayHorizon& east = sweep.Nearest(90);
    EXPECT_EQ(sweep.HighestBefore(east, 0), mastview::kLowestAngle_rad);
    EXPECT_NEAR(sweep.HighestBefore(east, 1), east.angle_rad, 1e-6);
    // Behind the hill (6 km) the hill's top hides the ground; in front (1.5 km) only the sea.
    EXPECT_NEAR(sweep.HighestBefore(east, 6 / kRadius_km), east.angle_rad, 1e-6);
    EXPECT_LT(sweep.HighestBefore(east, 1.5 / kRadius_km), 0);
}

// The sites of the file within the radius: the hill's top and the fell are seen, the farm
// behind the hill is not; one beyond the radius and one without a position are not on the chart.
TEST_F(MadeUpGround, SitesOnOrInFrontOfTheHorizonAreNamedHiddenOnesAreNot) {
    ct::TempDir dir;
    const std::filesystem::path file = ct::WriteSitesFile(
        dir.Path(), {SiteLine("Near Hill", kNearHill), "No Position~nowhere",
                     SiteLine("Hidden Farm", kHiddenFarm), SiteLine("Far Fell", kFarFell),
                     SiteLine("Beyond", {0, 30, 0, 0})});
    std::vector<ChartSite> sites = SitesWithin(file.string(), view.area, setup);
    ASSERT_EQ(sites.size(), 3u);
    EXPECT_EQ(sites[0].name, "Near Hill");
    EXPECT_NEAR(sites[0].bearing_deg, 90, 1);
    EXPECT_NEAR(sites[0].t * kRadius_km, 3, 0.1);
    const HorizonSweep sweep = Sweep();
    JudgeSites(sites, sweep, setup, heights);
    EXPECT_TRUE(sites[0].seen);   // on the horizon
    EXPECT_FALSE(sites[1].seen);  // hidden behind the hill
    EXPECT_TRUE(sites[2].seen);   // the fell 10 km west, nothing in front of it
    EXPECT_NEAR(sites[2].angle_rad * console::kDegPerRad, (400 - 10) / 10000.0 * 57.3 - 0.03, 0.1);

    ct::TempDir out;
    plot::PlotWindow window("t", 0, 0, 840, 400, Headless(out.Path()));
    HorizonPlot plot(view, window);
    plot.Draw(sweep, sites);
    std::vector<std::string> texts;
    for (const plot::Canvas::TextBox& box : window.Picture().TextBoxes()) texts.push_back(box.text);
    const auto has = [&](const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    EXPECT_TRUE(has("Near Hill"));
    EXPECT_TRUE(has("Far Fell"));
    EXPECT_FALSE(has("Hidden Farm"));
    const std::vector<std::string>& title = window.Picture().TitleStripLines();
    ASSERT_EQ(title.size(), 3u);
    EXPECT_NE(title[0].find("horizon from Test Centre"), std::string::npos) << title[0];
    EXPECT_EQ(title[1], "mast 10 m   radius 20 km   K 1.3");
    EXPECT_NE(title[2].find("2 of 3 sites within the radius seen"), std::string::npos) << title[2];
}

// The picture at the smallest, default and largest window: no label off the picture or over
// another, the angle axis's ticks inside the field, the Exit box only in a window.
TEST_F(MadeUpGround, LabelsStayOnThePictureAndApartAtEveryWindowSize) {
    ct::TempDir dir;
    const std::filesystem::path file = ct::WriteSitesFile(
        dir.Path(), {SiteLine("Near Hill", kNearHill), SiteLine("Far Fell", kFarFell),
                     SiteLine("Near Hill Again", kNearHill), SiteLine("Fell Twin", kFarFell)});
    const HorizonSweep sweep = Sweep();
    std::vector<ChartSite> sites = SitesWithin(file.string(), view.area, setup);
    JudgeSites(sites, sweep, setup, heights);
    for (int size : {100, 600, 4000}) {
        SCOPED_TRACE("window size " + std::to_string(size));
        plot::PlotWindow window("t", 0, 0, WindowWidth_px(size), WindowHeight_px(size),
                                Headless(dir.Path()));
        HorizonPlot plot(view, window);
        plot.Draw(sweep, sites);
        const std::vector<std::string> faults = plot::testing::TextLayoutFaults(window.Picture());
        EXPECT_TRUE(faults.empty()) << faults.front();
        std::vector<std::string> texts;
        for (const auto& box : window.Picture().TextBoxes()) texts.push_back(box.text);
        EXPECT_NE(std::find(texts.begin(), texts.end(), "0°"), texts.end());
        EXPECT_EQ(std::find(texts.begin(), texts.end(), "Exit"), texts.end());
        for (double a : plot.Layout().angleTicks_deg) {
            EXPECT_GE(plot.Scale().HeightOfDegrees(a), 0);
            EXPECT_LE(plot.Scale().HeightOfDegrees(a), 100);
        }
        // The horizon fills most of the field's height: lowest to highest over 1 / 1.16 of it.
        const double span = plot.Scale().Height(sweep.HighestHorizon_rad()) -
                            plot.Scale().Height(sweep.LowestHorizon_rad());
        EXPECT_NEAR(span, 100 / 1.16, 1e-6);
        if (size == 600) {
            EXPECT_NE(std::find(texts.begin(), texts.end(), "Near Hill"), texts.end());
            EXPECT_NE(std::find(texts.begin(), texts.end(), kBearingTitle), texts.end());
            EXPECT_NE(std::find(texts.begin(), texts.end(), kAngleTitle), texts.end());
        }
    }
}

// In a window on the screen the Exit box is drawn, clear of the other labels, and a click in it
// is the way out; a click on the field is not.
TEST_F(MadeUpGround, AWindowHasItsExitBoxClearOfTheLabels) {
    const HorizonSweep sweep = Sweep();
    for (int size : {100, 600, 4000}) {
        SCOPED_TRACE("window size " + std::to_string(size));
        plot::PlotWindow window("t", 0, 0, WindowWidth_px(size), WindowHeight_px(size));
        HorizonPlot plot(view, window);
        plot.Draw(sweep, {});
        const plot::Canvas& c = window.Picture();
        const std::vector<std::string> faults = plot::testing::TextLayoutFaults(c);
        EXPECT_TRUE(faults.empty()) << faults.front();
        const auto& boxes = c.TextBoxes();
        const auto exit = std::find_if(boxes.begin(), boxes.end(),
                                       [](const auto& box) { return box.text == kExitText; });
        ASSERT_NE(exit, boxes.end());
        const double x = c.UserX(exit->left_px + exit->width_px / 2.0);
        const double y = c.UserY(exit->top_px + exit->height_px / 2.0);
        EXPECT_TRUE(plot.IsExitClick(x, y));
        EXPECT_FALSE(plot.IsExitClick(180, 50));
        window.Close();
    }
}

// The ground below the horizon is shaded by distance: under the hill east the hill's near dark
// shade, under the fell west a lighter one; the sky above the line; no-data ground grey.
TEST_F(MadeUpGround, GroundIsShadedByDistanceAndNoDataIsGrey) {
    noData = terrain::NoDataMask(setup.nLon + 1, setup.nLat + 1);
    // No heights north of the centre beyond 8 km: its sea horizon (12.9 km) lies there.
    noData.MarkBlock(0, static_cast<int>(SampleY(0, 8)), setup.nLon, setup.nLat);
    const HorizonSweep sweep = Sweep();
    EXPECT_TRUE(sweep.Nearest(10).noData);
    EXPECT_FALSE(sweep.Nearest(90).noData);
    ct::TempDir dir;
    plot::PlotWindow window("t", 0, 0, 840, 400, Headless(dir.Path()));
    HorizonPlot plot(view, window);
    plot.Draw(sweep, {});
    plot::Canvas& c = window.Picture();
    c.FinishPainting();
    const auto colourAt = [&](double bearing, double angle_rad) {
        const QRgb p =
            c.Image().pixel(c.PixelColumn(bearing), c.PixelRow(plot.Scale().Height(angle_rad)));
        return console::Rgb{static_cast<std::uint8_t>(qRed(p)),
                            static_cast<std::uint8_t>(qGreen(p)),
                            static_cast<std::uint8_t>(qBlue(p))};
    };
    const RayHorizon& east = sweep.Nearest(90);
    const RayHorizon& west = sweep.Nearest(270);
    const double below = 0.3 / console::kDegPerRad;  // a little under each horizon
    // The slope under a top lies a little nearer than the top: within a few shades of it.
    const auto near = [](const console::Rgb& a, const console::Rgb& b) {
        return std::abs(a.red - b.red) <= 8 && std::abs(a.green - b.green) <= 8 &&
               std::abs(a.blue - b.blue) <= 8;
    };
    const console::Rgb eastGround = colourAt(90, east.angle_rad - below);
    const console::Rgb westGround = colourAt(270, west.angle_rad - below);
    EXPECT_TRUE(near(eastGround, GroundShade(east.t)));
    EXPECT_TRUE(near(westGround, GroundShade(west.t)));
    EXPECT_LT(eastGround.blue + 60, westGround.blue);  // the fell, farther, is lighter
    EXPECT_EQ(colourAt(90, east.angle_rad + below), kSkyColour);
    EXPECT_EQ(colourAt(10, sweep.Nearest(10).angle_rad - 0.01 / console::kDegPerRad),
              plot::kNoDataColour);
}

}  // namespace
}  // namespace horizon
