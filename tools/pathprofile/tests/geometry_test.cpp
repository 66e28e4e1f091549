// Points along the path, the earth bulge and the grid steps.
#include <gtest/gtest.h>

#include <cmath>

#include "pathprofile/path_geometry.h"

namespace pathprofile {
namespace {

constexpr double kAngleTol_deg = 1e-9;

TEST(DestinationPoint, ZeroDistanceIsTheStartItself) {
    const LatLon p = DestinationPoint({54.45, -3.21}, 37.0, 0.0);
    EXPECT_NEAR(p.lat_deg, 54.45, kAngleTol_deg);
    EXPECT_NEAR(p.lon_deg, -3.21, kAngleTol_deg);
}

TEST(DestinationPoint, AlongMeridianAndEquatorMovesByTheArc) {
    const double arc_deg = 111.2 / geodesy::kEarthRadiusSingle_km * geodesy::kDegPerRad;
    SCOPED_TRACE("north and south along a meridian");
    LatLon p = DestinationPoint({54.0, -3.0}, 0.0, 111.2);
    EXPECT_NEAR(p.lat_deg, 54.0 + arc_deg, kAngleTol_deg);
    EXPECT_NEAR(p.lon_deg, -3.0, kAngleTol_deg);
    p = DestinationPoint({54.0, -3.0}, 180.0, 111.2);
    EXPECT_NEAR(p.lat_deg, 54.0 - arc_deg, kAngleTol_deg);
    EXPECT_NEAR(p.lon_deg, -3.0, kAngleTol_deg);

    SCOPED_TRACE("east and west along the equator");
    p = DestinationPoint({0.0, 10.0}, 90.0, 111.2);
    EXPECT_NEAR(p.lat_deg, 0.0, kAngleTol_deg);
    EXPECT_NEAR(p.lon_deg, 10.0 + arc_deg, kAngleTol_deg);
    p = DestinationPoint({0.0, 10.0}, 270.0, 111.2);
    EXPECT_NEAR(p.lon_deg, 10.0 - arc_deg, kAngleTol_deg);
}

// The arctangent forms of the arcsine and the two-argument arctangent must agree with the
// library functions for every quadrant of the bearing.
TEST(DestinationPoint, AgreesWithLibraryTrigonometryForAllBearings) {
    const double phi1 = 54.5 / geodesy::kDegPerRad;
    const double lambda1 = -3.1 / geodesy::kDegPerRad;
    for (double bearing = 0.0; bearing < 360.0; bearing += 22.5) {
        for (double dist : {0.02, 17.3, 500.0}) {
            SCOPED_TRACE(::testing::Message() << "bearing " << bearing << " dist " << dist);
            const double theta = bearing / geodesy::kDegPerRad;
            const double delta = dist / geodesy::kEarthRadiusSingle_km;
            const double phi2 = std::asin(std::sin(phi1) * std::cos(delta) +
                                          std::cos(phi1) * std::sin(delta) * std::cos(theta));
            const double lambda2 =
                lambda1 + std::atan2(std::sin(theta) * std::sin(delta) * std::cos(phi1),
                                     std::cos(delta) - std::sin(phi1) * std::sin(phi2));
            const LatLon p = DestinationPoint({54.5, -3.1}, bearing, dist);
            EXPECT_NEAR(p.lat_deg, phi2 * geodesy::kDegPerRad, kAngleTol_deg);
            EXPECT_NEAR(p.lon_deg, lambda2 * geodesy::kDegPerRad, kAngleTol_deg);
        }
    }
}

TEST(EarthBulge, EffectiveRadiusUsesTheSinglePrecisionEarthRadius) {
    EXPECT_EQ(EarthBulge(1.0, 10.0).EffectiveRadius_km(), 6371.2900390625);
    EXPECT_DOUBLE_EQ(EarthBulge(1.3, 10.0).EffectiveRadius_km(), 1.3 * 6371.2900390625);
}

TEST(EarthBulge, ZeroAtBothEndsLargestAtMidPath) {
    const double path_km = 50.0;
    const EarthBulge bulge(1.3, path_km);
    EXPECT_EQ(bulge.At_m(0.0), 0.0);
    EXPECT_NEAR(bulge.At_m(path_km), 0.0, 1e-6);
    // Mid-path: d1 d2 / (2 Re), converted to metres; the next term of the series is far
    // below a millimetre for 50 km.
    const double re_km = 1.3 * 6371.2900390625;
    EXPECT_NEAR(bulge.At_m(25.0), 25.0 * 25.0 / (2.0 * re_km) * 1000.0, 1e-3);
    EXPECT_NEAR(bulge.At_m(10.0), bulge.At_m(40.0), 1e-6);
    EXPECT_LT(bulge.At_m(10.0), bulge.At_m(25.0));
    // Outside the path (a click beyond the distant site) the bulge goes below zero.
    EXPECT_LT(bulge.At_m(55.0), 0.0);
}

TEST(EarthBulge, PathLongerThanTheEffectiveDiameterIsFlaggedNotNaN) {
    const EarthBulge short_k(0.1, 1300.0);  // Re = 637 km, half the path 650 km
    EXPECT_TRUE(short_k.PathTooLong());
    EXPECT_FALSE(std::isnan(short_k.At_m(650.0)));
    EXPECT_FALSE(EarthBulge(1.3, 2000.0).PathTooLong());
    const EarthBulge normal(1.3, 100.0);
    EXPECT_FALSE(std::isnan(normal.At_m(1.0e5)));
    SCOPED_TRACE("a K beyond the range of Re squared is a flat earth");
    EXPECT_EQ(EarthBulge(1.0e300, 100.0).At_m(50.0), 0.0);
}

}  // namespace
}  // namespace pathprofile
