// The Bullington construction against values worked by hand on small profiles, and the link
// budget against its formulas.
#include "radiolink/bullington.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "radiolink/link_budget.h"

namespace radiolink {
namespace {

// An effective radius so large that the bulge vanishes (below 1e-6 m over 10 km): flat earth.
constexpr double kFlat_km = 1.0e12;

// Flat sea-level ground every kilometre of a 10 km path, with the given samples raised.
std::vector<ProfilePoint> FlatPath(std::vector<ProfilePoint> raised = {}) {
    std::vector<ProfilePoint> path;
    for (int km = 0; km <= 10; ++km) {
        double h = 0.0;
        for (const ProfilePoint& r : raised)
            if (r.distance_km == km) h = r.height_m;
        path.push_back({static_cast<double>(km), h});
    }
    return path;
}

TEST(Bullington, FlatGroundClearsTheDirectRay) {
    // 10 m masts over flat ground: every sample is below the direct ray (S_tim = -10 / 9 < S_tr =
    // 0). At sample i, nu = -10 sqrt(0.002 x 10 / (2 d_i (10 - d_i))); highest at mid-path,
    // -10 sqrt(0.02 / 50) = -0.2. J(-0.2) = 6.9 + 20 log10(sqrt(1.09) - 0.3) = 4.3318 dB;
    // L_b = 4.3318 + (1 - exp(-4.3318 / 6)) x (10 + 0.2) = 9.5767 dB.
    const BullingtonLoss loss = Bullington(FlatPath(), 10.0, 10.0, 10.0, kFlat_km, 2.0);
    EXPECT_TRUE(loss.lineOfSight);
    EXPECT_NEAR(loss.nu, -0.2, 1e-9);
    EXPECT_DOUBLE_EQ(loss.edge_km, 5.0);
    EXPECT_NEAR(loss.uncorrected_dB, 4.33182, 1e-5);
    EXPECT_NEAR(loss.loss_dB, 9.57671, 1e-5);
}

TEST(Bullington, OneKnifeEdgeIsTheKnifeEdgeItself) {
    // A 30 m edge at 4 km between 10 m masts: S_tim = 20 / 4 = 5, S_rim = 20 / 6 = 3.333,
    // d_b = 3.333 x 10 / 8.333 = 4 km (the edge), nu = 20 sqrt(0.02 / (2 x 4 x 6)) = 0.408248,
    // J = 6.9 + 20 log10(sqrt(0.308248^2 + 1) + 0.308248) = 9.5367 dB,
    // L_b = 9.5367 + (1 - exp(-9.5367 / 6)) x 10.2 = 17.6556 dB.
    const BullingtonLoss loss =
        Bullington(FlatPath({{4.0, 30.0}}), 10.0, 10.0, 10.0, kFlat_km, 2.0);
    EXPECT_FALSE(loss.lineOfSight);
    EXPECT_NEAR(loss.edge_km, 4.0, 1e-9);
    EXPECT_NEAR(loss.nu, 0.408248, 1e-6);
    EXPECT_NEAR(loss.uncorrected_dB, 9.53673, 1e-5);
    EXPECT_NEAR(loss.loss_dB, 17.65555, 1e-5);
}

TEST(Bullington, TwoObstaclesMakeOneEdgeBetweenThem) {
    // 40 m edges at 3 and 7 km: S_tim = 30 / 3 = 10 (the near one), S_rim = 30 / 3 = 10 (the far
    // one), d_b = 10 x 10 / 20 = 5 km, where the edge stands 10 + 10 x 5 = 60 m, 50 m above the
    // direct ray: nu = 50 sqrt(0.02 / (2 x 5 x 5)) = 1.0, J(1) = 13.9257 dB,
    // L_b = 13.9257 + (1 - exp(-13.9257 / 6)) x 10.2 = 23.1243 dB.
    const BullingtonLoss loss =
        Bullington(FlatPath({{3.0, 40.0}, {7.0, 40.0}}), 10.0, 10.0, 10.0, kFlat_km, 2.0);
    EXPECT_FALSE(loss.lineOfSight);
    EXPECT_NEAR(loss.edge_km, 5.0, 1e-9);
    EXPECT_NEAR(loss.nu, 1.0, 1e-9);
    EXPECT_NEAR(loss.uncorrected_dB, 13.92573, 1e-5);
    EXPECT_NEAR(loss.loss_dB, 23.12430, 1e-5);
}

TEST(Bullington, GrazingEdgeGivesTheLimitNotZeroOverZero) {
    // A 10 m sample between 10 m masts lies on the direct ray: S_tim = S_tr = 0 and S_rim = 0, so
    // the crossing d_b would be 0 / 0. The edge on the ray has nu = 0: J(0) = 6.0329 dB,
    // L_b = 6.0329 + (1 - exp(-6.0329 / 6)) x 10.2 = 12.5010 dB.
    // A truly flat earth (no bulge at all) keeps the slopes exactly 0.
    const double flat_km = std::numeric_limits<double>::infinity();
    const BullingtonLoss loss = Bullington(FlatPath({{5.0, 10.0}}), 10.0, 10.0, 10.0, flat_km, 2.0);
    EXPECT_NEAR(loss.nu, 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(loss.edge_km, 5.0);
    EXPECT_NEAR(loss.uncorrected_dB, 6.03285, 1e-5);
    EXPECT_NEAR(loss.loss_dB, 12.50097, 1e-5);
}

TEST(Bullington, EarthBulgeRaisesTheGround) {
    // 20 km over sea between antennas at sea level, a_e = 8500 km, one sample at mid-path: the
    // bulge there is 500 x 10 x 10 / 8500 = 5.88235 m, S_tim = S_rim = 0.588235, d_b = 10 km,
    // nu = 5.88235 sqrt(0.002 x 20 / (1 x 10 x 10)) = 0.117647 (lambda 1 m),
    // J = 6.9 + 20 log10(sqrt(0.017647^2 + 1) + 0.017647) = 7.0533 dB,
    // L_b = 7.0533 + (1 - exp(-7.0533 / 6)) x (10 + 0.4) = 14.2433 dB.
    const std::vector<ProfilePoint> sea{{0.0, 0.0}, {10.0, 0.0}, {20.0, 0.0}};
    const BullingtonLoss loss = Bullington(sea, 20.0, 0.0, 0.0, 8500.0, 1.0);
    EXPECT_FALSE(loss.lineOfSight);
    EXPECT_NEAR(loss.nu, 0.117647, 1e-6);
    EXPECT_NEAR(loss.loss_dB, 14.24331, 1e-5);
}

TEST(Bullington, NoSampleBetweenTheEndsMeansNoLoss) {
    const std::vector<ProfilePoint> ends{{0.0, 500.0}, {1.0, 500.0}};
    const BullingtonLoss loss = Bullington(ends, 1.0, 2.0, 2.0, 8500.0, 2.0);
    EXPECT_TRUE(loss.lineOfSight);
    EXPECT_EQ(loss.loss_dB, 0.0);
}

TEST(LinkBudget, ReceivedLevelAndFieldStrength) {
    // 25 W ERP: 10 log10(25000) = 43.979 dBm, + 2.15 = 46.129 dBm EIRP; 120 dB of loss and a 3 dBi
    // antenna give -70.871 dBm.
    EXPECT_NEAR(ReceivedLevel_dBm(25.0, 120.0, 3.0), -70.87060, 1e-5);
    // -100 dBm at 0 dBi on 144 MHz: -100 + 20 log10(144) + 77.2 = 20.3672 dBuV/m.
    EXPECT_NEAR(FieldStrength_dBuV_per_m(-100.0, 144.0), 20.36725, 1e-5);
}

}  // namespace
}  // namespace radiolink
