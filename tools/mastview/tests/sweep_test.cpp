#include "mastview/sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>

#include "console/console_constants.h"
#include "mastview/elevation_colour.h"

namespace mastview {
namespace {

TEST(DefaultRadius, IsOnePointFourRadioHorizonsInWholeTens) {
    // 200 m ground + 10 m mast, K 1.3: 10 * floor(0.14 * sqrt(2 * 6371.29 * 1.3 * 0.21)) = 80.
    EXPECT_EQ(DefaultRadius_km(210, 1.3), 80);
    // A 2 m mast at sea level gives 0; ground below sea level must not give a NaN.
    EXPECT_EQ(DefaultRadius_km(2, 1.3), 0);
    EXPECT_EQ(DefaultRadius_km(-40, 1.3), 0);
    EXPECT_NEAR(RadioHorizon_km(10, 1.3), 12.8705, 1e-3);
}

// A plot of radius rd_km at 54 N round a centre in the middle of a grid of constant height.
struct FlatPlot {
    SweepSetup setup;
    terrain::AreaGrid grid{terrain::AreaCapacity{1, 1}};
};

FlatPlot MakeFlat(double rd_km, double mast_m, int32_t ground_m) {
    FlatPlot p;
    p.setup.radius_km = rd_km;
    p.setup.mast_m = mast_m;
    p.setup.ground_m = ground_m;
    p.setup.nLat = Nearest(2 * rd_km / (console::kKmPerDegreeLatSingle / 1200));
    p.setup.nLon = Nearest(p.setup.nLat / std::cos(54 / console::kDegPerRad));
    p.setup.x0 = 7;
    p.setup.y0 = 3;
    p.grid = terrain::AreaGrid(terrain::AreaCapacity{p.setup.nLon + 20, p.setup.nLat + 20});
    for (int y = 0; y < p.grid.Rows(); ++y)
        for (int x = 0; x < p.grid.Columns(); ++x) p.grid.Set(x, y, ground_m);
    return p;
}

TEST(Sweep, FlatSeaLevelIsSeenOutToTheRadioHorizonAndNoFurther) {
    const FlatPlot p = MakeFlat(30, 10, 0);
    const double horizon = RadioHorizon_km(10, 1.3);  // 12.87 km
    std::map<int, double> farthest;                   // whole bearing -> farthest mark, km
    int marks = 0;
    SweepRays(
        p.setup, p.grid, NewHighest::kStrictlyAbove,
        [&](const RaySample& s) {
            ++marks;
            const double d = s.t * p.setup.radius_km;
            EXPECT_LE(d, horizon + 0.08) << "bearing " << s.bearing_deg;
            double& f = farthest[static_cast<int>(s.bearing_deg)];
            f = std::max(f, d);
        },
        [](int) {});
    EXPECT_GT(marks, 0);
    // Every whole bearing 0 ... 359 has marks (the accumulated bearing may stop short of 360).
    ASSERT_GE(farthest.size(), 360u);
    for (const auto& [bearing, d] : farthest) EXPECT_NEAR(d, horizon, 0.1) << "bearing " << bearing;
}

TEST(Sweep, EqualAnglesCountOnlyForTheHorizonRule) {
    // Ground exactly level with the mast top and no curvature (K infinite): every sample is
    // seen at an angle of exactly 0, so each ray has one new highest under the strict rule
    // and only ties after it.
    FlatPlot p = MakeFlat(5, 10, 0);
    p.setup.kFactor = std::numeric_limits<double>::infinity();
    for (int y = 0; y < p.grid.Rows(); ++y)
        for (int x = 0; x < p.grid.Columns(); ++x) p.grid.Set(x, y, 10);
    std::map<NewHighest, std::pair<int, int>> counts;  // rule -> (first samples, later ones)
    for (NewHighest rule : {NewHighest::kStrictlyAbove, NewHighest::kAtOrAbove}) {
        SweepRays(
            p.setup, p.grid, rule,
            [&](const RaySample& s) {
                EXPECT_EQ(s.angle_rad, 0.0);
                auto& c = counts[rule];
                (s.t * p.setup.radius_km < 0.1 ? c.first : c.second)++;
            },
            [](int) {});
    }
    const auto strict = counts[NewHighest::kStrictlyAbove];
    const auto ties = counts[NewHighest::kAtOrAbove];
    EXPECT_GT(strict.first, 0);
    EXPECT_EQ(strict.second, 0);
    EXPECT_EQ(ties.first, strict.first);
    // 5 km / 0.08 km = 62 samples per ray, so about 61 times as many later samples.
    EXPECT_GT(ties.second, 60 * ties.first);
}

TEST(Sweep, ConeHillHidesTheGroundBehindItInItsSector) {
    // Mast 30 m on flat ground at sea level: radio horizon about 23 km. A cone 300 m high with
    // a base radius of 1.5 km stands 6 km due east.
    FlatPlot p = MakeFlat(20, 30, 0);
    const double kmPerSampleY = console::kKmPerDegreeLatSingle / 1200;
    const double kmPerSampleX = 2 * p.setup.radius_km / p.setup.nLon;
    const double cx = p.setup.nLon / 2.0 + 6 / kmPerSampleX, cy = p.setup.nLat / 2.0;
    for (int y = 0; y <= p.setup.nLat; ++y) {
        for (int x = 0; x <= p.setup.nLon; ++x) {
            const double r = std::hypot((x - cx) * kmPerSampleX, (y - cy) * kmPerSampleY);
            if (r < 1.5) p.grid.Set(x + p.setup.x0, y + p.setup.y0, Nearest(300 * (1.5 - r) / 1.5));
        }
    }
    // Farthest mark beyond 8 km per whole bearing.
    std::map<int, double> farBeyond;
    SweepRays(
        p.setup, p.grid, NewHighest::kStrictlyAbove,
        [&](const RaySample& s) {
            const double d = s.t * p.setup.radius_km;
            if (d > 8)
                farBeyond[Nearest(s.bearing_deg)] = std::max(farBeyond[Nearest(s.bearing_deg)], d);
        },
        [](int) {});
    // The cone subtends asin(1.5 / 6) = 14.5 degrees each side of east: behind it nothing is
    // seen; away from it the ground is seen out to the radio horizon (beyond the 20 km rim).
    for (int b = 80; b <= 100; ++b) EXPECT_EQ(farBeyond.count(b), 0u) << "bearing " << b;
    for (int b : {0, 45, 60, 120, 180, 270}) EXPECT_GT(farBeyond[b], 19.5) << "bearing " << b;
}

TEST(Sweep, RepaintsFortyTimesInOrder) {
    const FlatPlot p = MakeFlat(3, 2, 0);
    std::vector<int> calls;
    SweepRays(
        p.setup, p.grid, NewHighest::kAtOrAbove, [](const RaySample&) {},
        [&](int step) { calls.push_back(step); });
    ASSERT_EQ(calls.size(), 40u);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(calls[i], i + 1);
}

TEST(Sweep, RefusesAZeroRadiusAndAGridThatIsTooSmall) {
    FlatPlot p = MakeFlat(3, 2, 0);
    p.setup.radius_km = 0;
    EXPECT_THROW(SweepRays(
                     p.setup, p.grid, NewHighest::kAtOrAbove, [](const RaySample&) {}, [](int) {}),
                 std::invalid_argument);
    p.setup.radius_km = 3;
    p.setup.x0 = p.grid.Columns() - p.setup.nLon;  // last column one beyond the grid
    EXPECT_THROW(SweepRays(
                     p.setup, p.grid, NewHighest::kAtOrAbove, [](const RaySample&) {}, [](int) {}),
                 std::invalid_argument);
}

TEST(ElevationColour, RampRunsFromDarkBlueThroughGreenYellowToWhite) {
    EXPECT_EQ(AngleColourIndex(0.06), 0);
    EXPECT_EQ(AngleColourIndex(static_cast<double>(0.05f)), 0);
    EXPECT_EQ(AngleColourIndex(0), 100);
    EXPECT_EQ(AngleColourIndex(-0.0775), 255);
    EXPECT_EQ(AngleColourIndex(-1), 255);
    // Seen steeply upwards, at or above the ramp's top: the ramp's darkest blue, never the black
    // of hidden ground.
    EXPECT_EQ(RampColour(0), (console::Rgb{0, 0, 80}));
    EXPECT_EQ(RampColour(13), (console::Rgb{0, 0, 80}));        // v 78: still the darkest blue
    EXPECT_EQ(RampColour(14), (console::Rgb{0, 0, 84}));        // v 84: the ramp proper
    EXPECT_EQ(RampColour(42), (console::Rgb{0, 0, 252}));       // v 252: blue
    EXPECT_EQ(RampColour(43), (console::Rgb{0, 2, 255}));       // v 258: into cyan
    EXPECT_EQ(RampColour(100), (console::Rgb{0, 255, 167}));    // v 600: cyan to green
    EXPECT_EQ(RampColour(150), (console::Rgb{132, 255, 0}));    // v 900: green to yellow
    EXPECT_EQ(RampColour(200), (console::Rgb{255, 79, 0}));     // v 1200: yellow to red
    EXPECT_EQ(RampColour(255), (console::Rgb{255, 250, 250}));  // v 1530: almost white
}

TEST(ElevationColour, NoSeenAngleIsPaintedLikeHiddenGround) {
    // Hidden ground stays black: every angle at which ground can be seen, above the ramp's top
    // included, takes a colour at least as bright as the darkest blue.
    for (double angle = 0.2; angle >= -0.2; angle -= 0.0005) {
        const console::Rgb c = RampColour(AngleColourIndex(angle));
        EXPECT_GE(c.red + c.green + c.blue, 80) << "angle " << angle;
    }
}

}  // namespace
}  // namespace mastview
