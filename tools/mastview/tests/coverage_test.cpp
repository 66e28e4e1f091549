// Coverage levels: against the Bullington construction on the ray's own samples, every sample of
// the disc covered, the same map on one thread or two, and a mast away from the centre.
#include "mastview/coverage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "radiolink/bullington.h"
#include "radiolink/link_budget.h"
#include "radiolink/radio_propagation.h"

namespace mastview {
namespace {

// A 10 km plot of 216 x 216 samples over ground given by height(x, y).
struct Plot {
    explicit Plot(const std::function<int(int, int)>& height) : heights(216, 216) {
        setup.radius_km = 10;
        setup.kFactor = 1.33;
        setup.nLon = 216;
        setup.nLat = 216;
        setup.ground_m = height(108, 108);
        setup.mast_m = 10;
        std::vector<int32_t> row(217);
        for (int y = 0; y <= 216; ++y) {
            for (int x = 0; x <= 216; ++x) row[x] = height(x, y);
            heights.SetRow(0, y, row.data(), 217);
        }
    }
    SweepSetup setup;
    PlotHeights heights;
};

constexpr CoverageRadio kRadio{144.0, 25.0, 1.5, 0.0};

// A wall 60 m high running north-south 3 km east of the centre, over ground at 100 m.
int Wall(int x, int) {
    return x == 108 + 32 ? 160 : 100;
}

TEST(Coverage, EastOfAWallAgreesWithTheConstructionOnTheRaysSamples) {
    const Plot plot(Wall);
    const LevelGrid levels =
        CoverageLevels(plot.setup, plot.heights, kRadio, CentreMast(plot.setup));
    // The ray due east steps on row 108 every 0.08 km: sample x at t = n dt lies on column
    // Nearest(108 + 108 t). Build that profile out to column 190 and work the level directly.
    const double dt = console::kSweepStep_km / plot.setup.radius_km;
    std::vector<radiolink::ProfilePoint> profile;
    double end_km = 0;
    for (double t = dt; t <= 1; t += dt) {
        const int x = Nearest(108 + 108 * t);
        profile.push_back({t * 10.0, static_cast<double>(Wall(x, 108))});
        if (x == 190) {
            end_km = t * 10.0;
            break;
        }
    }
    ASSERT_GT(end_km, 0);
    const double lambda = radiolink::Wavelength_m(144.0);
    const radiolink::BullingtonLoss edge = radiolink::Bullington(
        profile, end_km, 110.0, 101.5, 1.33 * console::kEarthRadiusSingle_km, lambda);
    ASSERT_FALSE(edge.lineOfSight);
    const double want = radiolink::ReceivedLevel_dBm(
        25.0, radiolink::FreeSpaceLoss_dB(lambda, end_km * 1000.0) + edge.loss_dB, 0.0);
    // Neighbouring rays that also step on the sample see almost the same wall.
    ASSERT_TRUE(levels.Level_dBm(190, 108).has_value());
    EXPECT_NEAR(*levels.Level_dBm(190, 108), want, 0.3);
    // West of the centre nothing stands in the way: the level there is well above the east's.
    EXPECT_GT(*levels.Level_dBm(26, 108), want + 10.0);
}

// Smooth hills up to about 300 m, a few km across.
int Hills(int x, int y) {
    return static_cast<int>(150 + 80 * std::sin(x / 11.0) * std::cos(y / 17.0) +
                            70 * std::sin((x + 2 * y) / 23.0));
}

// The level the map gives at a sample against the figure worked on the profile of the straight
// line from the mast to it, as pathprofile draws one: a sample every 0.08 km along the line, each
// taking the height of the plot sample nearest it. The map's ray to a sample off the eight
// principal bearings steps on slightly different samples (and a sample keeps the best of the rays
// that step on it), so the two agree within 2 dB on
// smooth hills (up to 1.6 dB seen here; a ray wanders from the line by half a sample at most).
TEST(Coverage, ALevelAgreesWithTheProfileToThatSampleOnSmoothHills) {
    const Plot plot(Hills);
    const CoverageMast mast = CentreMast(plot.setup);
    const LevelGrid levels = CoverageLevels(plot.setup, plot.heights, kRadio, mast);
    const double kmPerSample = plot.setup.radius_km / 108.0;
    const double lambda = radiolink::Wavelength_m(144.0);
    int compared = 0;
    for (const auto& [x, y] : {std::pair{180, 150}, std::pair{30, 60}, std::pair{120, 200},
                               std::pair{60, 170}, std::pair{200, 100}, std::pair{150, 30}}) {
        SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
        const double dx = x - mast.x, dy = y - mast.y;
        const double d_km = std::hypot(dx, dy) * kmPerSample;
        std::vector<radiolink::ProfilePoint> profile;
        const int steps = static_cast<int>(d_km / console::kSweepStep_km);
        for (int i = 1; i < steps; ++i) {
            const double f = i * console::kSweepStep_km / d_km;
            profile.push_back({f * d_km, static_cast<double>(Hills(Nearest(mast.x + f * dx),
                                                                   Nearest(mast.y + f * dy)))});
        }
        profile.push_back({d_km, static_cast<double>(Hills(x, y))});
        const radiolink::BullingtonLoss loss =
            radiolink::Bullington(profile, d_km, mast.top_m, Hills(x, y) + kRadio.rxHeight_m,
                                  1.33 * console::kEarthRadiusSingle_km, lambda);
        const double want = radiolink::ReceivedLevel_dBm(
            25.0, radiolink::FreeSpaceLoss_dB(lambda, d_km * 1000.0) + loss.loss_dB, 0.0);
        ASSERT_TRUE(levels.Level_dBm(x, y).has_value());
        EXPECT_NEAR(*levels.Level_dBm(x, y), want, 2.0);
        ++compared;
    }
    EXPECT_EQ(compared, 6);
}

// The map worked the slow way: every ray of the map (the same bearings and steps, out to the
// farthest corner), and at each sample of the disc it steps on the whole-profile construction
// over all the ray's samples before it; the best level of the rays that step on a sample.
std::vector<std::int16_t> WholeProfileLevels(const Plot& plot, const CoverageMast& mast) {
    const SweepSetup& setup = plot.setup;
    std::vector<std::int16_t> best(217 * 217, LevelGrid::kNoLevel);
    const CoverageRays rays = CoverageRaysFrom(setup, mast);
    const double dt = rays.step, reach = rays.reach;
    const double lambda = radiolink::Wavelength_m(kRadio.frequency_MHz);
    const double radius = setup.kFactor * console::kEarthRadiusSingle_km;
    for (const double b : rays.bearings_deg) {
        const double a = (90 - b) / console::kDegPerRad;
        std::vector<radiolink::ProfilePoint> ray;
        for (double t = dt; t <= reach; t += dt) {
            const int x = Nearest(mast.x + std::cos(a) * setup.nLon / 2.0 * t);
            const int y = Nearest(mast.y + std::sin(a) * setup.nLat / 2.0 * t);
            if (x < 0 || y < 0 || x > setup.nLon || y > setup.nLat) break;
            const double ground = plot.heights.At(x, y);
            ray.push_back({t * setup.radius_km, ground});
            const double u = 2.0 * x / setup.nLon - 1, v = 2.0 * y / setup.nLat - 1;
            if (u * u + v * v > 1.0) continue;
            const radiolink::BullingtonLoss edge = radiolink::Bullington(
                ray, t * setup.radius_km, mast.top_m, ground + kRadio.rxHeight_m, radius, lambda);
            const double loss =
                radiolink::FreeSpaceLoss_dB(lambda, t * setup.radius_km * 1000.0) + edge.loss_dB;
            std::int16_t& cell = best[static_cast<std::size_t>(y * 217 + x)];
            cell = std::max(cell, LevelGrid::Quantise(radiolink::ReceivedLevel_dBm(
                                      kRadio.erp_W, loss, kRadio.rxGain_dBi)));
        }
    }
    return best;
}

// The map's rays carry the profile outward and stop once they have left the disc for good: the
// levels are those of the whole-profile construction on every ray, to the last tenth of a
// decibel, at every sample a ray steps on; from the centre and from a mast near the rim (whose
// rays first cross the disc towards the centre).
TEST(Coverage, EverySampleHasTheLevelOfTheWholeProfileOnItsRays) {
    const Plot plot([](int x, int y) {
        return static_cast<int>(Hills(x, y) + 40 * std::sin(x * y / 300.0)) +
               (x % 17 == 0 ? 60 : 0);
    });
    for (const CoverageMast& mast :
         {CentreMast(plot.setup), CoverageMast{30.0, 150.0, plot.heights.At(30, 150) + 5.0}}) {
        SCOPED_TRACE(mast.x);
        const LevelGrid levels = CoverageLevels(plot.setup, plot.heights, kRadio, mast);
        const std::vector<std::int16_t> want = WholeProfileLevels(plot, mast);
        int compared = 0;
        for (int y = 0; y <= 216; ++y) {
            for (int x = 0; x <= 216; ++x) {
                const std::int16_t w = want[static_cast<std::size_t>(y * 217 + x)];
                if (w == LevelGrid::kNoLevel) continue;
                ASSERT_EQ(levels.Raw(x, y), w) << x << "," << y;
                ++compared;
            }
        }
        EXPECT_GT(compared, 30000);
    }
}

TEST(Coverage, EverySampleOfTheDiscHasALevelAndNoneOutside) {
    const Plot plot([](int x, int y) { return (x * 7 + y * 13) % 50; });
    const LevelGrid levels =
        CoverageLevels(plot.setup, plot.heights, kRadio, CentreMast(plot.setup));
    int inside = 0;
    for (int y = 0; y <= 216; ++y) {
        for (int x = 0; x <= 216; ++x) {
            const double u = x / 108.0 - 1, v = y / 108.0 - 1;
            if (u * u + v * v <= 1.0) {
                EXPECT_TRUE(levels.Level_dBm(x, y).has_value()) << x << "," << y;
                ++inside;
            } else {
                EXPECT_FALSE(levels.Level_dBm(x, y).has_value()) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inside, 36000);
}

TEST(Coverage, OneThreadOrTwoGiveTheSameMap) {
    const Plot plot([](int x, int y) { return 50 + (x * x + 3 * y) % 120; });
    const LevelGrid one =
        CoverageLevels(plot.setup, plot.heights, kRadio, CentreMast(plot.setup), 1);
    for (unsigned threads : {2u, 3u}) {
        const LevelGrid more =
            CoverageLevels(plot.setup, plot.heights, kRadio, CentreMast(plot.setup), threads);
        for (int y = 0; y <= 216; ++y)
            for (int x = 0; x <= 216; ++x)
                ASSERT_EQ(one.Raw(x, y), more.Raw(x, y)) << x << "," << y << ", " << threads;
    }
}

TEST(Coverage, AMastAwayFromTheCentreIsBestHeardNearIt) {
    const Plot plot([](int, int) { return 0; });
    const CoverageMast east{170.0, 108.0, 20.0};
    const LevelGrid levels = CoverageLevels(plot.setup, plot.heights, kRadio, east);
    EXPECT_GT(*levels.Level_dBm(172, 108), *levels.Level_dBm(108, 108));
    EXPECT_GT(*levels.Level_dBm(108, 108), *levels.Level_dBm(20, 108));
    // The far side of the disc, 13 km from the mast, is still reached.
    EXPECT_TRUE(levels.Level_dBm(1, 108).has_value());
}

TEST(Coverage, LevelsAreHeldToATenthOfADecibel) {
    EXPECT_EQ(LevelGrid::Quantise(-73.26), -733);
    EXPECT_EQ(LevelGrid::Quantise(-1e9), LevelGrid::kNoLevel + 1);
    EXPECT_EQ(LevelGrid::Quantise(1e9), INT16_MAX);
}

}  // namespace
}  // namespace mastview
