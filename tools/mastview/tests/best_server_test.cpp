// Best server and covered area: two masts on either side of a ridge each serve their own side;
// the covered area is the cells' area on the sphere, counted as the map colours the samples.
#include "mastview/best_server.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "geodesy/constants.h"
#include "mastview/covered_area.h"

namespace mastview {
namespace {

// A 10 km plot of 216 x 216 samples with a ridge 150 m high running north-south through the
// centre, over ground at sea level.
struct RidgePlot {
    RidgePlot() : heights(216, 216) {
        setup.radius_km = 10;
        setup.kFactor = 1.33;
        setup.nLon = 216;
        setup.nLat = 216;
        setup.mast_m = 10;
        std::vector<int32_t> row(217);
        for (int x = 0; x <= 216; ++x) row[x] = std::abs(x - 108) <= 2 ? 150 : 0;
        for (int y = 0; y <= 216; ++y) heights.SetRow(0, y, row.data(), 217);
    }
    SweepSetup setup;
    PlotHeights heights;
};

constexpr CoverageRadio kRadio{144.0, 25.0, 1.5, 0.0};

TEST(BestServer, EachMastServesItsOwnSideOfTheRidge) {
    const RidgePlot plot;
    const CoverageMast west{54.0, 108.0, 10.0}, east{162.0, 108.0, 10.0};
    LevelGrid westLevels = CoverageLevels(plot.setup, plot.heights, kRadio, west);
    const LevelGrid eastLevels = CoverageLevels(plot.setup, plot.heights, kRadio, east);
    const LevelGrid westCopy = westLevels;
    BestServer best(std::move(westLevels));
    best.Add(eastLevels);
    EXPECT_EQ(best.Transmitters(), 2);
    for (int y : {60, 108, 150}) {
        for (int x : {20, 54, 90}) EXPECT_EQ(best.ServerAt(x, y), 0) << x << "," << y;
        for (int x : {126, 162, 196}) EXPECT_EQ(best.ServerAt(x, y), 1) << x << "," << y;
    }
    // The best level is the better of the two everywhere, and only there is anything served.
    for (int y = 0; y <= 216; y += 7) {
        for (int x = 0; x <= 216; x += 7) {
            EXPECT_EQ(best.Levels().Raw(x, y), std::max(westCopy.Raw(x, y), eastLevels.Raw(x, y)));
            EXPECT_EQ(best.ServerAt(x, y) == BestServer::kNoServer,
                      best.Levels().Raw(x, y) == LevelGrid::kNoLevel);
        }
    }
    // Outside the disc nothing is served.
    EXPECT_EQ(best.ServerAt(0, 0), BestServer::kNoServer);
}

TEST(BestServer, OneTransmitterServesWhereverItHasALevel) {
    const RidgePlot plot;
    const LevelGrid levels =
        CoverageLevels(plot.setup, plot.heights, kRadio, CentreMast(plot.setup));
    const BestServer best{LevelGrid(levels)};
    EXPECT_EQ(best.Transmitters(), 1);
    int served = 0;
    for (int y = 0; y <= 216; y += 3) {
        for (int x = 0; x <= 216; x += 3) {
            const bool reached = levels.Raw(x, y) != LevelGrid::kNoLevel;
            EXPECT_EQ(best.ServerAt(x, y), reached ? 0 : BestServer::kNoServer) << x << "," << y;
            EXPECT_EQ(best.Levels().Raw(x, y), levels.Raw(x, y));
            served += reached;
        }
    }
    EXPECT_GT(served, 3000);
}

TEST(BestServer, ATieStaysWithTheEarlierTransmitterAndOtherPlotsAreRefused) {
    LevelGrid a(4, 4), b(4, 4);
    a.Data()[a.Index(1, 1)] = -500;
    b.Data()[b.Index(1, 1)] = -500;
    b.Data()[b.Index(2, 2)] = -700;
    BestServer best(std::move(a));
    best.Add(b);
    EXPECT_EQ(best.ServerAt(1, 1), 0);
    EXPECT_EQ(best.ServerAt(2, 2), 1);
    EXPECT_EQ(best.ServerAt(3, 3), BestServer::kNoServer);
    EXPECT_THROW(best.Add(LevelGrid(5, 4)), std::invalid_argument);
}

TEST(CoveredArea, CellsAreTheirShareOfTheSphereAndTheThresholdIsInclusive) {
    // A 3 arc-second cell at the equator: (R pi / 180 / 1200)^2.
    const double side = geodesy::kEarthRadius_km * std::numbers::pi / 180 / 1200;
    EXPECT_NEAR(SampleCellArea_km2(0), side * side, 1e-12);
    EXPECT_NEAR(SampleCellArea_km2(60), side * side / 2, 1e-12);

    // Three rows at 60 N: row 0 all at -100.0 dBm, row 1 at -100.1, row 2 outside the disc.
    LevelGrid levels(9, 2);
    for (int x = 0; x <= 9; ++x) {
        levels.Data()[levels.Index(x, 0)] = -1000;
        levels.Data()[levels.Index(x, 1)] = -1001;
    }
    const double cell0 = SampleCellArea_km2(60), cell1 = SampleCellArea_km2(60 + 1.0 / 1200);
    const CoveredArea at100 = CoveredAreaOf(levels, 60, -100.0);
    EXPECT_NEAR(at100.covered_km2, 10 * cell0, 1e-9);
    EXPECT_NEAR(at100.disc_km2, 10 * (cell0 + cell1), 1e-9);
    EXPECT_NEAR(at100.Share(), cell0 / (cell0 + cell1), 1e-9);
    // A threshold between the held levels: what is drawn covered (at or above it) is counted.
    EXPECT_NEAR(CoveredAreaOf(levels, 60, -100.06).covered_km2, 10 * cell0, 1e-9);
    EXPECT_NEAR(CoveredAreaOf(levels, 60, -100.1).covered_km2, 10 * (cell0 + cell1), 1e-9);
    EXPECT_EQ(CoveredAreaOf(levels, 60, -99.9).covered_km2, 0.0);
    EXPECT_EQ(CoveredAreaOf(LevelGrid(3, 3), 54, -100).Share(), 0.0);  // no disc at all
}

}  // namespace
}  // namespace mastview
