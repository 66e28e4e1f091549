// Verdicts for the samples the sweep's rays step over.
#include "mastview/sample_verdicts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace mastview {
namespace {

// A 5 km plot at 54.5 degrees north: 108 samples up, 186 across (0.054 km apart, closer than
// the rays' 0.08 km steps).
SweepSetup FiveKm() {
    SweepSetup s;
    s.radius_km = 5;
    s.nLat = 108;
    s.nLon = 186;
    return s;
}

// The samples the rays of a sweep over flat ground step on, marked as visited.
void StepRays(const SweepSetup& setup, SampleVerdicts& v) {
    const StepPlanes steps = v.Steps();
    SweepRays(
        setup, PlotHeights(setup.nLon, setup.nLat), NewHighest::kStrictlyAbove,
        [](const RaySample&) {}, [](int) {}, &steps);
    v.JoinSteps();
}

bool Inside(const SweepSetup& s, int x, int y) {
    const double u = 2.0 * x / s.nLon - 1, v = 2.0 * y / s.nLat - 1;
    return u * u + v * v <= 1;
}

TEST(SampleVerdicts, EverySampleInsideTheRadiusGetsAVerdictAndNoneOutside) {
    const SweepSetup setup = FiveKm();
    SampleVerdicts v(setup);
    StepRays(setup, v);
    int unvisited = 0, inside = 0;
    for (int y = 0; y <= setup.nLat; ++y)
        for (int x = 0; x <= setup.nLon; ++x)
            if (Inside(setup, x, y)) {
                ++inside;
                if (v.At(x, y) == SampleVerdicts::kUnvisited) ++unvisited;
            }
    // The gaps this pass is for: a tenth of the disc is stepped over.
    EXPECT_GT(unvisited, inside / 20);

    // Every visited sample seen (flat ground below the radio horizon): the gaps are seen too.
    for (int y = 0; y <= setup.nLat; ++y)
        for (int x = 0; x <= setup.nLon; ++x)
            if (v.At(x, y) == SampleVerdicts::kHidden) v.Seen(x, y, 40);
    int painted = 0;
    v.FillUnvisited([&](int x, int y, int colour) {
        EXPECT_TRUE(Inside(setup, x, y));
        EXPECT_EQ(colour, 40);
        ++painted;
    });
    EXPECT_EQ(painted, unvisited);
    // Only samples outside the radius that no ray reaches are left without a verdict.
    for (int y = 0; y <= setup.nLat; ++y)
        for (int x = 0; x <= setup.nLon; ++x)
            if (Inside(setup, x, y)) {
                EXPECT_EQ(v.At(x, y), 40) << x << "," << y;
            }
}

TEST(SampleVerdicts, GapsTakeTheNearestVisitedVerdictAndVisitedOnesKeepTheirs) {
    const SweepSetup setup = FiveKm();
    SampleVerdicts v(setup);
    // The eastern half seen in colour 10 wherever a ray reached it, the western half hidden.
    StepRays(setup, v);
    for (int y = 0; y <= setup.nLat; ++y)
        for (int x = setup.nLon / 2 + 1; x <= setup.nLon; ++x)
            if (v.At(x, y) != SampleVerdicts::kUnvisited) v.Seen(x, y, 10);
    std::vector<int16_t> before;
    for (int y = 0; y <= setup.nLat; ++y)
        for (int x = 0; x <= setup.nLon; ++x) before.push_back(v.At(x, y));
    v.FillUnvisited([](int, int, int) {});
    for (int y = 0; y <= setup.nLat; ++y) {
        for (int x = 0; x <= setup.nLon; ++x) {
            if (!Inside(setup, x, y)) continue;
            const int16_t was = before[static_cast<std::size_t>(y * (setup.nLon + 1) + x)];
            if (was != SampleVerdicts::kUnvisited) {
                EXPECT_EQ(v.At(x, y), was) << x << "," << y;
            } else if (x < setup.nLon / 2 - 1) {
                EXPECT_EQ(v.At(x, y), SampleVerdicts::kHidden) << x << "," << y;
            } else if (x > setup.nLon / 2 + 2) {
                EXPECT_EQ(v.At(x, y), 10) << x << "," << y;
            }
        }
    }
}

// The visited samples are those the rays step on: 0.08 km steps along rays 0.08 km apart at the
// rim, whatever the number of threads that trace them.
TEST(SampleVerdicts, VisitedSamplesAreTheRaysStepsOnEveryThreadCount) {
    SweepSetup setup = FiveKm();
    std::vector<bool> stepped(static_cast<std::size_t>((setup.nLon + 1) * (setup.nLat + 1)));
    const double dBearing = console::kSweepStep_km * console::kDegPerRad / setup.radius_km;
    const double dt = console::kSweepStep_km / setup.radius_km;
    for (double b = 0; b <= 360; b += dBearing) {
        const double a = (90 - b) / console::kDegPerRad;
        for (double t = dt; t <= 1; t += dt) {
            const int x = Nearest((std::cos(a) * t + 1) / 2 * setup.nLon);
            const int y = Nearest((std::sin(a) * t + 1) / 2 * setup.nLat);
            stepped[static_cast<std::size_t>(y * (setup.nLon + 1) + x)] = true;
        }
    }
    for (unsigned threads : {1u, 2u, 3u, 5u}) {
        SampleVerdicts v(setup, threads);
        StepRays(setup, v);
        int differ = 0;
        for (int y = 0; y <= setup.nLat; ++y)
            for (int x = 0; x <= setup.nLon; ++x)
                if ((v.At(x, y) != SampleVerdicts::kUnvisited) !=
                    stepped[static_cast<std::size_t>(y * (setup.nLon + 1) + x)])
                    ++differ;
        EXPECT_EQ(differ, 0) << threads << " threads";
    }
}

}  // namespace
}  // namespace mastview
