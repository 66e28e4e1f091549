// Great-circle distance and bearings: the worked pairs, coincidence and poles.
#include "geodesy/distance_bearing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace geodesy {
namespace {

TEST(AcsTest, ExactPoints) {
    EXPECT_EQ(ACS(0.0), 3.141592653589 / 2);
    EXPECT_EQ(ACS(1.0), 0.0);
    EXPECT_EQ(ACS(-1.0), 3.141592653589);
    EXPECT_NEAR(ACS(0.5), std::acos(0.5), 1e-15);
    EXPECT_NEAR(ACS(-0.5), std::acos(-0.5), 1e-12);  // pi to twelve decimals only
    EXPECT_NEAR(ACS(-0.5, kConsoleAngles), std::acos(-0.5), 1e-15);
}

TEST(DistBearTest, WorkedPairs) {
    {
        SCOPED_TRACE("south-west of home");
        const DistBearResult r = DistBear({51.5, -1.0, 0.001}, {52.0, 0.0, 0.001});
        EXPECT_NEAR(r.dist_km, 88.4901, 1e-4);
        EXPECT_NEAR(r.bearing_deg, 231.468, 1e-3);
        EXPECT_NEAR(r.back_bearing_deg, 50.683, 1e-3);
        EXPECT_NEAR(r.dist_uncert_km, 0.0014, 1e-12);
        EXPECT_NEAR(r.bear_uncert_deg, 0.000906, 1e-6);
    }
    {
        SCOPED_TRACE("due north, equal longitudes");
        const DistBearResult r = DistBear({52.0, 0.0, 0.001}, {51.0, 0.0, 0.001});
        EXPECT_NEAR(r.dist_km, 111.19999, 1e-5);
        // Rounding keeps the cosines just inside +-1: not exactly 0 and 180.
        EXPECT_NEAR(r.bearing_deg, 0.0000293, 2e-6);
        EXPECT_GT(r.bearing_deg, 0.0);
        EXPECT_NEAR(r.back_bearing_deg, 179.99997, 2e-6);
    }
    {
        SCOPED_TRACE("due east, equal latitudes");
        const DistBearResult r = DistBear({52.0, 1.0, 0.001}, {52.0, 0.0, 0.001});
        EXPECT_NEAR(r.dist_km, 68.4610, 1e-4);
        EXPECT_NEAR(r.bearing_deg, 89.606, 1e-3);
        EXPECT_NEAR(r.back_bearing_deg, 270.394, 1e-3);
    }
    {
        SCOPED_TRACE("same site");
        const DistBearResult r = DistBear({52.0, 0.0, 0.5}, {52.0, 0.0, 0.5});
        EXPECT_EQ(r.dist_km, 0.0);
        EXPECT_EQ(r.bearing_deg, 0.0);
        EXPECT_EQ(r.back_bearing_deg, 0.0);
        EXPECT_EQ(r.dist_uncert_km, 0.0);
        EXPECT_EQ(r.bear_uncert_deg, 0.0);
    }
}

TEST(DistBearTest, OneMetreThreshold) {
    // 0.0000089 degrees of latitude is just under 1 m, 0.0000091 just over.
    const DistBearResult under = DistBear({52.0000089, 0.0, 0.001}, {52.0, 0.0, 0.001});
    EXPECT_LT(under.dist_km, 0.001);
    EXPECT_EQ(under.bear_uncert_deg, 0.0);
    const DistBearResult over = DistBear({52.0000091, 0.0, 0.001}, {52.0, 0.0, 0.001});
    EXPECT_GT(over.dist_km, 0.001);
    EXPECT_NEAR(over.bear_uncert_deg, 2 * std::atan(0.7 * 0.001 / over.dist_km) * kWindowDegPerRad,
                1e-9);
}

TEST(DistBearTest, PoleGivesZeroBearingsWithoutNaN) {
    for (const auto& [cur, home] : {std::pair{Site{90.0, 0.0, 0.1}, Site{52.0, -1.0, 0.1}},
                                    std::pair{Site{52.0, -1.0, 0.1}, Site{-90.0, 0.0, 0.1}}}) {
        const DistBearResult r = DistBear(cur, home);
        EXPECT_TRUE(std::isfinite(r.dist_km));
        EXPECT_GT(r.dist_km, 4000.0);
        EXPECT_EQ(r.bearing_deg, 0.0);
        EXPECT_EQ(r.back_bearing_deg, 0.0);
        EXPECT_NEAR(r.dist_uncert_km, 0.14, 1e-12);
        EXPECT_TRUE(std::isfinite(r.bear_uncert_deg));
    }
}

TEST(DistBearTest, SwappingEndsSwapsBearings) {
    const DistBearResult ab = DistBear({54.45, -3.21, 0.01}, {51.5, -1.0, 0.01});
    const DistBearResult ba = DistBear({51.5, -1.0, 0.01}, {54.45, -3.21, 0.01});
    EXPECT_DOUBLE_EQ(ab.dist_km, ba.dist_km);
    EXPECT_NEAR(ab.bearing_deg, ba.back_bearing_deg, 1e-9);
    EXPECT_NEAR(ab.back_bearing_deg, ba.bearing_deg, 1e-9);
}

}  // namespace
}  // namespace geodesy
