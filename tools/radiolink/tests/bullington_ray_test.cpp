// The ray-by-ray form against the whole-profile construction, sample by sample.
#include "radiolink/bullington_ray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "radiolink/bullington.h"

namespace radiolink {
namespace {

// Walks a ray of `ground` outwards and checks that every path from the mast to a sample gives
// what the whole-profile construction gives on the same samples. Returns how many of the paths
// were over the horizon, so a caller can see that both branches were taken.
int CompareAlongRay(const std::vector<ProfilePoint>& ground, double tx_m, double rx_m,
                    double radius_km, double lambda_m) {
    BullingtonRay ray(tx_m, radius_km, lambda_m);
    std::vector<ProfilePoint> path;
    int overHorizon = 0;
    for (const ProfilePoint& p : ground) {
        ray.Add(p);
        path.push_back(p);
        const BullingtonLoss got = ray.LossToLast(rx_m);
        const BullingtonLoss want =
            Bullington(path, p.distance_km, tx_m, p.height_m + rx_m, radius_km, lambda_m);
        EXPECT_EQ(got.lineOfSight, want.lineOfSight) << "at " << p.distance_km << " km";
        EXPECT_NEAR(got.nu, want.nu, 1e-9 * (1 + std::abs(want.nu))) << "at " << p.distance_km;
        EXPECT_NEAR(got.loss_dB, want.loss_dB, 1e-9 * (1 + want.loss_dB)) << "at " << p.distance_km;
        EXPECT_NEAR(got.edge_km, want.edge_km, 1e-9 * (1 + want.edge_km)) << "at " << p.distance_km;
        if (!want.lineOfSight) ++overHorizon;
    }
    return overHorizon;
}

TEST(BullingtonRay, AgreesWithTheWholeProfileOnRandomHills) {
    std::mt19937 random(20261209);
    for (int trial = 0; trial < 40; ++trial) {
        // Rolling hills with spikes, 0.08 km steps out to 30 km, and a mast on the first hill.
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        std::vector<ProfilePoint> ground;
        double h = 200.0 * uniform(random);
        for (int i = 1; i <= 375; ++i) {
            h = std::max(0.0, h + 30.0 * (uniform(random) - 0.5));
            const double spike = uniform(random) < 0.02 ? 150.0 * uniform(random) : 0.0;
            ground.push_back({0.08 * i, h + spike});
        }
        const double tx = 250.0 + 300.0 * uniform(random);
        const int overHorizon = CompareAlongRay(ground, tx, 1.5, 1.33 * 6371.29, 2.08);
        EXPECT_GT(overHorizon, 0);
        EXPECT_LT(overHorizon, static_cast<int>(ground.size()));
    }
}

TEST(BullingtonRay, FlatSeaStaysInSightToTheHorizon) {
    // A 100 m mast over the sea: the paths stay in line of sight up to the radio horizon,
    // sqrt(2 x 8473.8 x 0.1) + sqrt(2 x 8473.8 x 0.0015) = 46.2 km, and are over it beyond.
    std::vector<ProfilePoint> sea;
    for (int i = 1; i <= 800; ++i) sea.push_back({0.1 * i, 0.0});
    BullingtonRay ray(100.0, 1.33 * 6371.29, 0.7);
    for (const ProfilePoint& p : sea) {
        ray.Add(p);
        const BullingtonLoss loss = ray.LossToLast(1.5);
        if (p.distance_km < 45.0) {
            EXPECT_TRUE(loss.lineOfSight) << p.distance_km;
        } else if (p.distance_km > 48.0) {
            EXPECT_FALSE(loss.lineOfSight) << p.distance_km;
        }
    }
    EXPECT_GT(CompareAlongRay(sea, 100.0, 1.5, 1.33 * 6371.29, 0.7), 0);
}

// Rays long enough for three levels of blocks (and more than one block at the top), over ground
// that leaves most paths in sight of a high mast: the search through the blocks must find the very
// sample the whole profile's walk finds, first of equals, so the loss is the same to the bit.
// One ray object serves every profile, cleared between them, as a coverage map uses it.
TEST(BullingtonRay, InSightTheBlockSearchFindsTheWalksSample) {
    std::mt19937 random(4242);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    BullingtonRay ray(0.0, 1.0, 1.0);
    int inSight = 0, longInSight = 0;
    for (int trial = 0; trial < 6; ++trial) {
        // Some masts high enough to see past 330 km, where the top level holds several blocks.
        const double tx = (trial < 3 ? 600.0 : 9000.0) + 400.0 * uniform(random);
        const double lambda = trial % 2 ? 0.7 : 2.08;
        const double radius = trial < 4 ? 1.33 * 6371.29 : 4 * 6371.29;
        ray = BullingtonRay(tx, radius, lambda);
        std::vector<ProfilePoint> path;
        double h = 50.0;
        // Sea, then low rough ground with flat stretches (equal heights) and the odd knoll.
        for (int i = 1; i <= 4400; ++i) {
            if (i > 300 && uniform(random) < 0.7)
                h = std::clamp(h + 8.0 * (uniform(random) - 0.5), 0.0, 120.0);
            const double knoll = uniform(random) < 0.003 ? 100.0 * uniform(random) : 0.0;
            const ProfilePoint p{0.08 * i, i <= 300 ? 0.0 : std::round(h) + knoll};
            path.push_back(p);
            ray.Add(p);
            const BullingtonLoss got = ray.LossToLast(1.5);
            if (!got.lineOfSight) continue;
            const BullingtonLoss want =
                Bullington(path, p.distance_km, tx, p.height_m + 1.5, radius, lambda);
            ASSERT_TRUE(want.lineOfSight) << p.distance_km;
            ASSERT_EQ(got.edge_km, want.edge_km) << "at " << p.distance_km << " km";
            ASSERT_EQ(got.loss_dB, want.loss_dB) << "at " << p.distance_km << " km";
            ++inSight;
            if (i > 4096) ++longInSight;
        }
        ray.Clear();
        ray.Add({0.08, 5000.0});
        ray.Add({0.16, 0.0});  // nothing of the last profile is left in the cleared ray
        EXPECT_FALSE(ray.LossToLast(1.5).lineOfSight);
    }
    EXPECT_GT(inSight, 8000);
    EXPECT_GT(longInSight, 100);
}

// Two equal bumps placed symmetrically on a path between antennas of equal height come equally
// near the direct ray (distances in eighths of a km and a bulge of 1/16 keep every figure exact):
// the walk takes the first, and so must the search, though it looks at the nearer one first.
TEST(BullingtonRay, OfTwoEquallyNearSamplesTheFirstIsTheEdge) {
    const double radius = 500.0 / 0.0625;  // bulge k = 500 / a_e = 1/16
    BullingtonRay ray(20.0, radius, 2.0);
    std::vector<ProfilePoint> path;
    for (int i = 1; i <= 64; ++i) {
        path.push_back({0.125 * i, i == 10 || i == 54 ? 10.0 : 0.0});
        ray.Add(path.back());
    }
    const BullingtonLoss want = Bullington(path, 8.0, 20.0, 20.0, radius, 2.0);
    ASSERT_TRUE(want.lineOfSight);
    EXPECT_EQ(want.edge_km, 1.25);
    const BullingtonLoss got = ray.LossToLast(20.0);
    EXPECT_EQ(got.edge_km, 1.25);
    EXPECT_EQ(got.nu, want.nu);
}

TEST(BullingtonRay, NothingAddedOrOneSampleMeansNoLoss) {
    BullingtonRay ray(300.0, 8500.0, 2.0);
    EXPECT_EQ(ray.LossToLast(1.5).loss_dB, 0.0);
    ray.Add({0.08, 1000.0});  // no inner point yet, however high
    EXPECT_EQ(ray.LossToLast(1.5).loss_dB, 0.0);
    ray.Add({0.16, 0.0});  // now the 1000 m sample stands between
    EXPECT_GT(ray.LossToLast(1.5).loss_dB, 20.0);
}

}  // namespace
}  // namespace radiolink
