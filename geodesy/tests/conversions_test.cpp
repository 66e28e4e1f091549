// Datum shift, Transverse Mercator and HalfAngleAtan2 against the Ordnance Survey's worked example
// and hand-checked values.
#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/arc_functions.h"
#include "geodesy/constants.h"
#include "geodesy/datum_shift.h"
#include "geodesy/transverse_mercator.h"

namespace geodesy {
namespace {

constexpr double kMm = 0.001;     // metres
constexpr double kDeg1e9 = 1e-9;  // degrees

// The scaled axes are worked from Airy 1830 and F0; the products must be the very doubles the
// Ordnance Survey's worked examples carry, or every grid reference moves in its last digits.
TEST(ConstantsTest, ScaledGridAxesAreTheOrdnanceSurveyFigures) {
    EXPECT_EQ(kGridAF0_m, 6375020.480988971);
    EXPECT_EQ(kGridBF0_m, 6353722.490487913);
}

// The two families of programs hold angle units and the earth differently; the pairs must stay
// apart (a window-program literal leaking into the tools changes their pictures).
TEST(ConstantsTest, WindowAndConsoleUnitsStayDistinct) {
    EXPECT_EQ(kPi, 3.141592653589793);
    EXPECT_EQ(kDegPerRad, 180.0 / 3.141592653589793);
    EXPECT_NEAR(kWindowDegPerRad - kDegPerRad, 1.4e-11, 1e-12);
    EXPECT_EQ(kConsoleAngles.deg_per_rad, kDegPerRad);
    EXPECT_EQ(kWindowAngles.deg_per_rad, kWindowDegPerRad);
    EXPECT_EQ(kEarthRadiusSingle_km, 6371.2900390625);
    EXPECT_EQ(kKmPerDegreeLatSingle, 111.19999694824219);
    EXPECT_NE(kKmPerDegreeLatSingle, kKmPerDegreeLat);
}

TEST(HalfAngleAtan2Test, QuadrantsAndNegativeAxis) {
    EXPECT_DOUBLE_EQ(HalfAngleAtan2(0, 1), 0.0);
    EXPECT_NEAR(HalfAngleAtan2(1, 0), kPi / 2, 1e-15);
    EXPECT_NEAR(HalfAngleAtan2(-1, 0), -kPi / 2, 1e-15);
    EXPECT_NEAR(HalfAngleAtan2(1, -1), 3 * kPi / 4, 1e-15);
    EXPECT_NEAR(HalfAngleAtan2(-1, -1), -3 * kPi / 4, 1e-15);
    // On the negative x axis and at the null vector the result is -pi, not +pi.
    EXPECT_EQ(HalfAngleAtan2(0, -1), -kPi);
    EXPECT_EQ(HalfAngleAtan2(0, 0), -kPi);
    // Just off the negative axis: x + r is about 5e-7, still the half-angle branch.
    EXPECT_NEAR(HalfAngleAtan2(0.001, -1), 3.14059265, 1e-7);
}

// The console tools' floor is the single-precision 1e-8f: just above it the half-angle branch
// runs, at it the result is -pi.
TEST(HalfAngleAtan2Test, ZeroFloorIsAParameter) {
    const double floor = static_cast<double>(1e-8f);
    EXPECT_EQ(HalfAngleAtan2(0.0, -1.0, floor), -kPi);
    EXPECT_EQ(HalfAngleAtan2(0.0, floor / 2, floor), -kPi);  // x + r = floor
    EXPECT_NEAR(HalfAngleAtan2(1.0, 0.0, floor), kPi / 2, 1e-15);
}

TEST(TransverseMercatorTest, OrdnanceSurveyWorkedExample) {
    // 52 39' 27.2531" N, 1 43' 4.5177" E (OSGB36) from the OS guide, annex C.
    const double lat = 52 + 39 / 60.0 + 27.2531 / 3600.0;
    const double lon = 1 + 43 / 60.0 + 4.5177 / 3600.0;
    const EastNorth en = LatLongToEastNorth(lat, lon);
    EXPECT_NEAR(en.e_m, 651409.903, kMm);
    EXPECT_NEAR(en.n_m, 313177.270, kMm);

    const LatLon back = EastNorthToLatLong(651409.903, 313177.270);
    EXPECT_NEAR(back.lat_deg, 52.657570, 1e-6);
    EXPECT_NEAR(back.lon_deg, 1.717922, 1e-6);
    // The inverse also reproduces the exact input to well under a millimetre.
    EXPECT_NEAR(back.lat_deg, lat, 1e-8);
    EXPECT_NEAR(back.lon_deg, lon, 1e-8);
}

TEST(TransverseMercatorTest, CentralMeridianHasFalseEasting) {
    for (double lat : {49.0, 52.5, 58.25}) {
        SCOPED_TRACE(lat);
        EXPECT_EQ(LatLongToEastNorth(lat, -2.0).e_m, 400000.0);
        EXPECT_NEAR(EastNorthToLatLong(400000.0, LatLongToEastNorth(lat, -2.0).n_m).lon_deg, -2.0,
                    kDeg1e9);
    }
    // The true origin maps to the false origin's northing offset.
    EXPECT_NEAR(LatLongToEastNorth(49.0, -2.0).n_m, -100000.0, kMm);
}

TEST(TransverseMercatorTest, SymmetricAboutCentralMeridian) {
    const EastNorth west = LatLongToEastNorth(54.0, -5.0);
    const EastNorth east = LatLongToEastNorth(54.0, 1.0);
    EXPECT_NEAR(west.e_m - 400000.0, -(east.e_m - 400000.0), kMm);
    EXPECT_NEAR(west.n_m, east.n_m, kMm);
}

TEST(TransverseMercatorTest, RoundTripOverBritain) {
    for (double lat = 49.5; lat <= 60.5; lat += 0.5) {
        for (double lon = -7.5; lon <= 1.5; lon += 0.75) {
            const EastNorth en = LatLongToEastNorth(lat, lon);
            const LatLon back = EastNorthToLatLong(en.e_m, en.n_m);
            // The series are truncated: a few millimetres (3e-8 degrees) at the grid's edges.
            ASSERT_NEAR(back.lat_deg, lat, 3e-8) << lat << " " << lon;
            ASSERT_NEAR(back.lon_deg, lon, 3e-8) << lat << " " << lon;
        }
    }
}

TEST(DatumShiftTest, WorkedValueAndReverse) {
    const LatLon airy = WGS84ToAiry(51.5, -1.0);
    EXPECT_NEAR(airy.lat_deg, 51.4995023, 1e-7);
    EXPECT_NEAR(airy.lon_deg, -0.9984933, 1e-7);
    const LatLon wgs = AiryToWGS84(airy.lat_deg, airy.lon_deg);
    EXPECT_NEAR(wgs.lat_deg, 51.5, 4e-8);
    EXPECT_NEAR(wgs.lon_deg, -1.0, 4e-8);
}

TEST(DatumShiftTest, ShiftIsAboutHundredMetresAcrossBritain) {
    // OSGB36 differs from WGS84 by some 50 to 150 m over Great Britain; a wrong sign on a
    // rotation or translation would give hundreds of metres or flip the direction.
    for (double lat = 50.0; lat <= 60.0; lat += 2.5) {
        for (double lon = -6.0; lon <= 1.5; lon += 2.5) {
            const LatLon airy = WGS84ToAiry(lat, lon);
            const double dn_m = (airy.lat_deg - lat) * 111200.0;
            const double de_m = (airy.lon_deg - lon) * 111200.0 * std::cos(lat / kWindowDegPerRad);
            const double shift_m = std::hypot(dn_m, de_m);
            EXPECT_GT(shift_m, 40.0) << lat << " " << lon;
            EXPECT_LT(shift_m, 160.0) << lat << " " << lon;
            EXPECT_GT(de_m, 0.0) << "OSGB36 longitudes lie east of WGS84 ones";
            // The two parameter sets are not exact inverses: about a centimetre apart.
            const LatLon back = AiryToWGS84(airy.lat_deg, airy.lon_deg);
            EXPECT_NEAR(back.lat_deg, lat, 1.5e-7);
            EXPECT_NEAR(back.lon_deg, lon, 1.5e-7);
        }
    }
}

TEST(DatumShiftTest, NamedShiftsAreTheGeneralShiftExactly) {
    // The named shifts use rotations worked out at compile time; they must give the very same
    // doubles as the general shift with the published parameters.
    for (double lat = 49.0; lat <= 61.0; lat += 1.3) {
        for (double lon = -8.0; lon <= 2.0; lon += 1.1) {
            const LatLon a = WGS84ToAiry(lat, lon);
            const LatLon b = HelmertShift(lat, lon, kWGS84, kAiry1830, kWGS84ToAiryParams);
            EXPECT_EQ(a.lat_deg, b.lat_deg);
            EXPECT_EQ(a.lon_deg, b.lon_deg);
            const LatLon c = AiryToWGS84(lat, lon);
            const LatLon d = HelmertShift(lat, lon, kAiry1830, kWGS84, kAiryToWGS84Params);
            EXPECT_EQ(c.lat_deg, d.lat_deg);
            EXPECT_EQ(c.lon_deg, d.lon_deg);
        }
    }
}

TEST(DatumShiftTest, ConsoleAngleUnitsDifferOnlySlightly) {
    const LatLon window = WGS84ToAiry(54.5, -3.2);
    const LatLon console = WGS84ToAiry(54.5, -3.2, kConsoleAngles);
    EXPECT_NEAR(window.lat_deg, console.lat_deg, 1e-9);
    EXPECT_NEAR(window.lon_deg, console.lon_deg, 1e-9);
}

}  // namespace
}  // namespace geodesy
